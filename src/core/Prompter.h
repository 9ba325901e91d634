// SPDX-License-Identifier: GPL-3.0-or-later
// Every question Corvina asks the user goes through a Prompter: message boxes, input boxes and
// pickers. The program uses the Qt one; tests use a scripted one that expects each question.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

enum class PromptIcon
{
    None,
    Information,
    Exclamation,
    Critical,
    Question
};

enum class PromptButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};

enum class PromptAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

struct MessagePrompt
{
    QString title;
    QString text;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    PromptIcon icon = PromptIcon::None;
};

class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer message(const MessagePrompt &prompt) = 0;

    /// An input box; nothing when the user cancels.
    virtual std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultText) = 0;

    /// A folder picker that opens on startFolder; "" when cancelled. The path has no trailing "/".
    virtual QString pickFolder(const QString &title, const QString &startFolder, bool newStyle) = 0;

    /// File dialogs; filter is "Description|pattern[|...]"; "" when cancelled.
    virtual QString openFile(const QString &title, const QString &filter, const QString &folder) = 0;
    virtual QString saveFile(const QString &title, const QString &filter, const QString &folder,
                             const QString &defaultName) = 0;

    // Shapes that recur.

    /// "Error" with an OK button (and the given icon).
    void error(const QString &text, PromptIcon icon = PromptIcon::None)
    {
        message({QCoreApplication::translate("Prompter", "Error"), text, PromptButtons::Ok, PromptAnswer::Ok, icon});
    }

    /// Yes/No with No as the default; true for Yes.
    bool confirm(const QString &title, const QString &text, PromptIcon icon = PromptIcon::None)
    {
        return message({title, text, PromptButtons::YesNo, PromptAnswer::No, icon}) == PromptAnswer::Yes;
    }
};
