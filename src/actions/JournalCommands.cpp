// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/JournalCommands.h"

#include "actions/UndoLastAct.h"
#include "core/Prompter.h"
#include "core/TextFormat.h"

#include <QLocale>

QString JournalCommands::actLine(const JournalAct &act)
{
    QString line = QLocale().toString(act.time.toLocalTime(), QLocale::ShortFormat) + QStringLiteral("  ") +
                   ActJournal::kindText(act.kind) + QStringLiteral(": ") +
                   tr("%n files", nullptr, static_cast<int>(act.files.size())) + QStringLiteral(", ") +
                   TextFormat::sizeText(static_cast<double>(act.bytes()));
    if (act.kind != ActKind::Delete && act.undone())
        line += QStringLiteral(" (") + tr("undone") + u')';
    return line;
}

QString JournalCommands::undoLastCleanUp(Prompter &prompter, const QString &journalPath)
{
    const QString title = tr("Undo Last Clean-up");
    const ActJournal::Contents contents = ActJournal::read(journalPath);
    if (!contents.error.isEmpty())
    {
        prompter.message({title, contents.error, PromptButtons::Ok, PromptAnswer::Ok, PromptIcon::Exclamation});
        return {};
    }
    const std::optional<JournalAct> act = UndoLastAct::pending(journalPath);
    if (!act)
    {
        prompter.message(
            {title, tr("There is no clean-up to undo."), PromptButtons::Ok, PromptAnswer::Ok, PromptIcon::Information});
        return {};
    }
    const QString question =
        act->kind == ActKind::Copy
            ? tr("Remove the copies this clean-up made?\n%1").arg(actLine(*act))
            : tr("Put the files of this clean-up back where they came from?\n%1").arg(actLine(*act));
    if (!prompter.confirm(title, question, PromptIcon::Question))
        return {};
    const UndoReport report = UndoLastAct::run(journalPath);
    const bool clean = report.refused.empty() && report.journalProblem.isEmpty() && report.act;
    prompter.message({title, report.summary(), PromptButtons::Ok, PromptAnswer::Ok,
                      clean ? PromptIcon::Information : PromptIcon::Exclamation});
    return report.act ? report.summary().section(u'\n', 0, 0) : QString();
}

void JournalCommands::showJournal(Prompter &prompter, const QString &journalPath)
{
    const QString title = tr("What Corvina Did");
    const ActJournal::Contents contents = ActJournal::read(journalPath);
    if (!contents.error.isEmpty())
    {
        prompter.message({title, contents.error, PromptButtons::Ok, PromptAnswer::Ok, PromptIcon::Exclamation});
        return;
    }
    QStringList lines;
    for (auto a = contents.acts.rbegin(); a != contents.acts.rend(); ++a)
        lines << actLine(*a);
    if (lines.isEmpty())
        lines << tr("Corvina has not moved, copied or deleted any file yet.");
    prompter.message({title, lines.join(u'\n'), PromptButtons::Ok, PromptAnswer::Ok, PromptIcon::Information});
}
