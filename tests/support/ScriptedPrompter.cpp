// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace
{
const char *kindName(ScriptedPrompter::Kind kind)
{
    switch (kind)
    {
    case ScriptedPrompter::Kind::Message:
        return "message";
    case ScriptedPrompter::Kind::Input:
        return "input";
    case ScriptedPrompter::Kind::Folder:
        return "folder picker";
    case ScriptedPrompter::Kind::OpenFile:
        return "open dialog";
    case ScriptedPrompter::Kind::SaveFile:
        return "save dialog";
    }
    return "?";
}
} // namespace

ScriptedPrompter::~ScriptedPrompter()
{
    for (const Expected &e : m_expected)
        ADD_FAILURE() << "expected " << kindName(e.kind) << " \"" << e.title.toStdString() << "\" was never asked";
}

ScriptedPrompter &ScriptedPrompter::expectMessage(const QString &title, const QString &text, PromptAnswer answer,
                                                  std::function<void()> meanwhile)
{
    m_expected.push_back({Kind::Message, title, text, answer, std::nullopt, std::move(meanwhile)});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectInput(const QString &title, std::optional<QString> answer,
                                                std::function<void()> meanwhile)
{
    m_expected.push_back({Kind::Input, title, QString(), PromptAnswer::Ok, std::move(answer), std::move(meanwhile)});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectFolder(const QString &title, const QString &answer)
{
    m_expected.push_back({Kind::Folder, title, QString(), PromptAnswer::Ok, answer, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectOpenFile(const QString &title, const QString &answer)
{
    m_expected.push_back({Kind::OpenFile, title, QString(), PromptAnswer::Ok, answer, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectSaveFile(const QString &title, const QString &answer)
{
    m_expected.push_back({Kind::SaveFile, title, QString(), PromptAnswer::Ok, answer, {}});
    return *this;
}

std::optional<ScriptedPrompter::Expected> ScriptedPrompter::next(Kind kind, const QString &title, const QString &text)
{
    if (m_expected.empty())
    {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " \"" << title.toStdString() << "\": \""
                      << text.toStdString() << "\"";
        return std::nullopt;
    }
    Expected e = m_expected.front();
    m_expected.pop_front();
    EXPECT_EQ(kindName(e.kind), std::string(kindName(kind))) << "asked \"" << title.toStdString() << "\"";
    EXPECT_EQ(e.title.toStdString(), title.toStdString());
    if (!e.text.isEmpty())
    {
        EXPECT_EQ(e.text.toStdString(), text.toStdString());
    }
    return e;
}

PromptAnswer ScriptedPrompter::message(const MessagePrompt &prompt)
{
    m_asked.push_back({Kind::Message, prompt});
    const auto e = next(Kind::Message, prompt.title, prompt.text);
    if (e && e->meanwhile)
        e->meanwhile();
    return e ? e->answer : prompt.defaultAnswer;
}

std::optional<QString> ScriptedPrompter::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    m_asked.push_back({Kind::Input, {title, prompt}});
    const auto e = next(Kind::Input, title, QString());
    Q_UNUSED(defaultText);
    if (e && e->meanwhile)
        e->meanwhile();
    return e ? e->value : std::nullopt;
}

QString ScriptedPrompter::pickFolder(const QString &title, const QString &startFolder, bool newStyle)
{
    Q_UNUSED(startFolder);
    Q_UNUSED(newStyle);
    m_asked.push_back({Kind::Folder, {title, QString()}});
    const auto e = next(Kind::Folder, title, QString());
    return e ? e->value.value_or(QString()) : QString();
}

QString ScriptedPrompter::openFile(const QString &title, const QString &filter, const QString &folder)
{
    Q_UNUSED(folder);
    m_asked.push_back({Kind::OpenFile, {title, filter}});
    const auto e = next(Kind::OpenFile, title, QString());
    return e ? e->value.value_or(QString()) : QString();
}

QString ScriptedPrompter::saveFile(const QString &title, const QString &filter, const QString &folder,
                                   const QString &defaultName)
{
    Q_UNUSED(folder);
    Q_UNUSED(defaultName);
    m_asked.push_back({Kind::SaveFile, {title, filter}});
    const auto e = next(Kind::SaveFile, title, QString());
    return e ? e->value.value_or(QString()) : QString();
}

ScriptedErrorReporter::~ScriptedErrorReporter()
{
    if (!m_choices.empty())
        ADD_FAILURE() << m_choices.size() << " expected error report(s) never shown";
}

ScriptedErrorReporter &ScriptedErrorReporter::expect(ErrorChoice choice)
{
    m_choices.push_back(choice);
    return *this;
}

ErrorChoice ScriptedErrorReporter::report(const ErrorReport &report)
{
    m_reports.push_back(report);
    if (m_choices.empty())
    {
        ADD_FAILURE() << "unexpected error report " << report.number << " \"" << report.description.toStdString()
                      << "\" in " << report.label.toStdString();
        return ErrorChoice::Abort;
    }
    const ErrorChoice c = m_choices.front();
    m_choices.pop_front();
    return c;
}
