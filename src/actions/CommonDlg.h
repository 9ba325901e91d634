// SPDX-License-Identifier: GPL-3.0-or-later
// The program's prompter (message boxes, input box, folder picker, file dialogs) and window
// placement.
#pragma once

#include "core/Prompter.h"

#include <QString>

class QWidget;

namespace CommonDlg
{
/// Places a window in the middle of the screen's available area (before it is shown).
void centerForm(QWidget *form);

/// "Description|pattern|Description|pattern" as a Qt file-dialog filter ("Description (pattern);;...").
/// A trailing "|" is optional; several patterns may be separated by ";".
QString qtFilter(const QString &filter);

/// The extension a save dialog adds to a typed name without one: that of the first pattern.
QString defaultSuffix(const QString &filter);
} // namespace CommonDlg

/// The Prompter of the program: Qt's message boxes and dialogs, owned by a parent window.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    PromptAnswer message(const MessagePrompt &prompt) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultText) override;
    /// Opens on the last folder chosen anywhere in the program and remembers the new choice.
    QString pickFolder(const QString &title, const QString &startFolder, bool newStyle) override;
    QString openFile(const QString &title, const QString &filter, const QString &folder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &folder,
                     const QString &defaultName) override;

    /// The last folder chosen with the folder picker (empty at start).
    static QString lastBrowsedFolder();

private:
    QWidget *m_owner = nullptr;
};
