// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles for the prompter and the error report: each holds a queue of expected questions
// with their answers, fails on a question it did not expect, and on answers left unused.
#pragma once

#include "core/ErrorReport.h"
#include "core/Prompter.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedPrompter : public Prompter
{
public:
    enum class Kind
    {
        Message,
        Input,
        Folder,
        OpenFile,
        SaveFile
    };

    struct Asked
    {
        Kind kind;
        MessagePrompt prompt; // title and text for every kind; buttons/icon for messages
    };

    ~ScriptedPrompter() override;

    /// An expected message box; an empty text accepts any text. `meanwhile` runs while the box
    /// waits for its answer, as anything else on the machine may.
    ScriptedPrompter &expectMessage(const QString &title, const QString &text, PromptAnswer answer,
                                    std::function<void()> meanwhile = {});
    /// An expected input box, with what happens while it waits.
    ScriptedPrompter &expectInput(const QString &title, std::optional<QString> answer,
                                  std::function<void()> meanwhile = {});
    ScriptedPrompter &expectFolder(const QString &title, const QString &answer);
    ScriptedPrompter &expectOpenFile(const QString &title, const QString &answer);
    ScriptedPrompter &expectSaveFile(const QString &title, const QString &answer);

    /// True when every expected question was asked.
    bool allUsed() const { return m_expected.empty(); }
    /// Every question asked so far, in order.
    const std::vector<Asked> &asked() const { return m_asked; }

    PromptAnswer message(const MessagePrompt &prompt) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString pickFolder(const QString &title, const QString &startFolder, bool newStyle) override;
    QString openFile(const QString &title, const QString &filter, const QString &folder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &folder,
                     const QString &defaultName) override;

private:
    struct Expected
    {
        Kind kind;
        QString title;
        QString text;
        PromptAnswer answer = PromptAnswer::Ok;
        std::optional<QString> value;
        std::function<void()> meanwhile;
    };
    std::optional<Expected> next(Kind kind, const QString &title, const QString &text);

    std::deque<Expected> m_expected;
    std::vector<Asked> m_asked;
};

class ScriptedErrorReporter : public ErrorReporter
{
public:
    ~ScriptedErrorReporter() override;
    ScriptedErrorReporter &expect(ErrorChoice choice);
    ErrorChoice report(const ErrorReport &report) override;
    const std::vector<ErrorReport> &reports() const { return m_reports; }
    bool allUsed() const { return m_choices.empty(); }

private:
    std::deque<ErrorChoice> m_choices;
    std::vector<ErrorReport> m_reports;
};
