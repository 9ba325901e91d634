// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/UndoLastAct.h"

#include "actions/ActionLog.h"

#include <QLocale>

namespace
{
std::optional<size_t> newestPending(const std::vector<JournalAct> &acts)
{
    for (size_t i = acts.size(); i-- > 0;)
    {
        if (!acts[i].undone())
            return i;
    }
    return std::nullopt;
}

// Undoes one file; true when the file is settled (whatever happened, an undo should not try it
// again).
bool undoFile(ActKind kind, JournalFile &file, UndoReport &report)
{
    using PutBack::Outcome;
    const PutBack::Result r = kind == ActKind::Copy ? PutBack::removeCopy(file.to, file.from, file.fromFolder)
                              : file.folder         ? PutBack::moveFolderBack(file.to, file.from, file.fromFolder)
                                                    : PutBack::moveBack(file.to, file.from, file.fromFolder);
    switch (r.outcome)
    {
    case Outcome::Done:
        report.restored.append(file.from);
        // The trash's record goes only once its file is back: a kill before leaves the file
        // restored and a record without its file, never a file without its record.
        if (kind == ActKind::Trash && !file.trashInfo.isEmpty())
            PutBack::removeRecord(file.trashInfo);
        return true;
    case Outcome::Gone:
        report.gone.append(file.to.path);
        return true;
    case Outcome::NameTaken:
        report.refused.push_back(ActionError::nameTaken(file.from));
        return false;
    case Outcome::NotTheSame:
        report.refused.push_back(ActionError::notWhatWasPut(file.to.path));
        return true;
    case Outcome::FolderChanged:
        report.refused.push_back(ActionError::originChanged(file.from));
        return true;
    case Outcome::Differs:
        report.refused.push_back(ActionError::copyDiffers(file.to.path));
        return true;
    case Outcome::Failed:
        break;
    }
    qCInfo(lcActions) << "could not undo" << file.to.path << "errno" << r.errorNumber;
    report.refused.push_back(ActionError::unableToPutBack(file.from));
    return false;
}
} // namespace

QString UndoReport::summary() const
{
    if (!problem.isEmpty())
        return problem;
    if (!act)
        return {};
    const QString when = QLocale().toString(act->time.toLocalTime(), QLocale::ShortFormat);
    QStringList lines;
    if (act->kind == ActKind::Copy)
        lines << UndoLastAct::tr("Undo of the copy of %1: %n copies removed.", nullptr,
                                 static_cast<int>(restored.size()))
                     .arg(when);
    else
        lines << UndoLastAct::tr("Undo of the clean-up of %1 (%2): %n files put back.", nullptr,
                                 static_cast<int>(restored.size()))
                     .arg(when, ActJournal::kindText(act->kind));
    if (!gone.isEmpty())
        lines << UndoLastAct::tr("%n files are no longer where Corvina put them: %1", nullptr,
                                 static_cast<int>(gone.size()))
                     .arg(gone.join(QStringLiteral(", ")));
    if (!refused.empty())
        lines << UndoLastAct::tr("%n files were left as they are:", nullptr, static_cast<int>(refused.size()));
    for (const ActionError &e : refused)
        lines << e.number + u' ' + e.description + QStringLiteral(": ") + e.fileName;
    if (!journalProblem.isEmpty())
        lines << journalProblem;
    return lines.join(u'\n');
}

std::optional<JournalAct> UndoLastAct::pending(const QString &journalPath)
{
    const ActJournal::Contents contents = ActJournal::read(journalPath);
    if (!contents.error.isEmpty())
        return std::nullopt;
    const std::optional<size_t> i = newestPending(contents.acts);
    return i ? std::optional(contents.acts[*i]) : std::nullopt;
}

UndoReport UndoLastAct::run(const QString &journalPath)
{
    UndoReport report;
    ActJournal::Contents contents = ActJournal::read(journalPath);
    if (!contents.error.isEmpty())
    {
        report.problem = contents.error;
        report.journalUnreadable = true;
        return report;
    }
    const std::optional<size_t> i = newestPending(contents.acts);
    if (!i)
    {
        report.problem = tr("There is no clean-up to undo.");
        return report;
    }
    JournalAct &act = contents.acts[*i];
    report.act = act;
    for (JournalFile &file : act.files)
    {
        if (!file.settled)
            file.settled = undoFile(act.kind, file, report);
    }
    // Written at once: an undo that is not recorded would be tried again.
    if (const QString error = ActJournal::write(journalPath, contents.acts); !error.isEmpty())
        report.journalProblem = error;
    return report;
}
