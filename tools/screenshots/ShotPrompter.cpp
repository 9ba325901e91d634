// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShotPrompter.h"

#include <QTextStream>

namespace
{
// Every question is written to standard error, so that a run that met an unexpected one says so.
void note(const QString &kind, const QString &title, const QString &text)
{
    QTextStream(stderr) << kind << " \"" << title << "\": " << text << '\n';
}
} // namespace

PromptAnswer ShotPrompter::message(const MessagePrompt &prompt)
{
    note(QStringLiteral("message"), prompt.title, prompt.text);
    return prompt.defaultAnswer;
}

std::optional<QString> ShotPrompter::input(const QString &title, const QString &prompt, const QString &)
{
    note(QStringLiteral("input"), title, prompt);
    return std::nullopt;
}

QString ShotPrompter::pickFolder(const QString &title, const QString &, bool)
{
    return nextAnswer(title);
}

QString ShotPrompter::openFile(const QString &title, const QString &, const QString &)
{
    return nextAnswer(title);
}

QString ShotPrompter::saveFile(const QString &title, const QString &, const QString &, const QString &)
{
    return nextAnswer(title);
}

QString ShotPrompter::nextAnswer(const QString &title)
{
    if (m_answers.isEmpty())
    {
        note(QStringLiteral("picker"), title, QStringLiteral("(nothing queued: cancelled)"));
        return QString();
    }
    return m_answers.takeFirst();
}
