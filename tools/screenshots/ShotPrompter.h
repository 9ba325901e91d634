// SPDX-License-Identifier: GPL-3.0-or-later
// The questions of a screenshot run: pickers answer from a queue the run fills beforehand, and
// message boxes take their default answer, so nothing waits for a person.
#pragma once

#include "core/Prompter.h"

#include <QStringList>

class ShotPrompter : public Prompter
{
public:
    /// The next folder picker, open or save dialog returns path (in the order they are queued).
    void answerNextPicker(const QString &path) { m_answers << path; }

    PromptAnswer message(const MessagePrompt &prompt) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString pickFolder(const QString &title, const QString &startFolder, bool newStyle) override;
    QString openFile(const QString &title, const QString &filter, const QString &folder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &folder,
                     const QString &defaultName) override;

private:
    QString nextAnswer(const QString &title);

    QStringList m_answers;
};
