// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliActions.h"

#include "actions/ActionDriver.h"
#include "actions/ActionProgress.h"
#include "actions/CopyMarkedRows.h"
#include "actions/DeleteMarkedRows.h"
#include "actions/FolderProof.h"
#include "actions/LinkMarkedRows.h"
#include "actions/MarkedRowRun.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "cli/CliText.h"
#include "core/Prompter.h"
#include "core/ShownSize.h"
#include "platform/NativePath.h"
#include "results/AdvancedMarking.h"
#include "results/MarkingRules.h"
#include "results/ResultModel.h"
#include "search/FileMasks.h"

#include <QCoreApplication>
#include <QIODevice>

namespace
{
using Act = CliActionOptions::Act;

// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliActions)
};

QByteArray line(const QString &text)
{
    return NativePath::encode(text) + '\n';
}

// Rows of a refusal or failure on standard error, counted for the exit status.
class ErrorLines : public ActionProgress
{
public:
    explicit ErrorLines(QIODevice &err) : m_err(err) {}

    void yield() override {}
    bool cancelRequested() const override { return false; }
    void setProgressMaximum(int) override {}
    void setProgressValue(int) override {}
    void showStatus(const QString &) override {}
    void addError(const ActionError &error) override
    {
        ++count;
        m_err.write((error.number + u' ' + error.description + QStringLiteral(": ")).toUtf8() +
                    CliText::escaped(error.fileName) + '\n');
    }

    int count = 0;

private:
    QIODevice &m_err;
};

// The command line is the consent: no question is asked, and the folder is the one given.
class CommandLinePrompter : public Prompter
{
public:
    CommandLinePrompter(QString folder, QIODevice &err) : m_folder(std::move(folder)), m_err(err) {}

    PromptAnswer message(const MessagePrompt &prompt) override
    {
        m_err.write(line(QStringLiteral("corvina-cli: ") + prompt.text));
        return prompt.defaultAnswer;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    QString pickFolder(const QString &, const QString &, bool) override { return m_folder; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }

private:
    QString m_folder;
    QIODevice &m_err;
};

// The runs of the deletion and copy/move dialogs, headless; with dryRun each marked file is only
// checked and what would be done is printed.
class CommandLineRuns : public ActionDialogs
{
public:
    CommandLineRuns(const ResultModel &model, const CliActionOptions &options, Prompter &prompter,
                    ErrorReporter &errors, QIODevice &out, ErrorLines &lines)
        : m_model(model), m_options(options), m_prompter(prompter), m_errors(errors), m_out(out), m_lines(lines)
    {}

    bool runDeletion(const ActionRun &run) override
    {
        const RemovalGuard guard(m_model, run.acknowledgedGroups);
        if (m_options.dryRun)
            return m_model.isFolderList() ? previewFolders(run) : preview(guard, false);
        DeleteOptions options;
        options.sendToTrash = m_options.act == Act::Trash;
        options.removeEmptyFolders = m_options.removeEmptyFolders;
        DeleteMarkedRows(m_model, guard, m_prompter, m_errors).run(options, m_lines);
        done = true;
        return false;
    }
    bool runMove(const ActionRun &run) override
    {
        const RemovalGuard guard(m_model, run.acknowledgedGroups);
        if (m_options.dryRun)
            return m_model.isFolderList() ? previewFolders(run) : preview(guard, false);
        MoveMarkedRows move(m_model, guard, m_errors);
        move.keepStructure(m_options.keepStructure);
        move.run([&] { return run.targetPath; }, m_options.removeEmptyFolders, m_lines);
        done = true;
        return false;
    }
    bool runLinks(const ActionRun &, FileTransfer::LinkKind kind, LinkRunResult &result) override
    {
        const RemovalGuard guard(m_model);
        if (m_options.dryRun)
            return preview(guard, false);
        LinkMarkedRows(m_model, guard, m_errors).run(kind, m_lines, result);
        freed = result.freed;
        done = true;
        return false;
    }
    void runCopy(const ActionRun &) override
    {
        const RemovalGuard guard(m_model);
        if (m_options.dryRun)
        {
            preview(guard, true);
            return;
        }
        CopyMarkedRows copy(m_model, guard, m_errors);
        copy.keepStructure(m_options.keepStructure);
        copy.run([&] { return m_options.target; }, m_lines);
        done = true;
    }

    bool done = false;
    qint64 freed = 0;

private:
    // Checks each marked file as the run would; true: nothing ran.
    bool preview(const RemovalGuard &guard, bool copying)
    {
        const QByteArray verb = verbOf(m_options.act);
        for (int r = 0; r < m_model.size(); ++r)
        {
            if (!m_model.isMarked(r))
                continue;
            const QString path = m_model.row(r).fullPath();
            const RemovalGuard::Check check = copying ? guard.identify(r) : guard.check(r);
            if (check.verdict == RemovalGuard::Verdict::Gone)
                m_lines.addError(copying ? ActionError::unableToCopy(path) : ActionError::changedSinceSearch(path));
            if (MarkedRowRun::mayAct(check, path, m_lines))
                m_out.write(verb + CliText::escaped(path) + '\n');
        }
        return true;
    }

    // Standard output: a listing that scripts read, the same in every language.
    static QByteArray verbOf(Act act)
    {
        static const char *const verbs[] = {"", "trash ", "delete ", "move ", "copy ", "link "};
        return verbs[static_cast<int>(act)];
    }

    bool previewFolders(const ActionRun &run)
    {
        const FolderProof proof(m_model, run.acknowledgedGroups);
        for (int r = 0; r < m_model.size(); ++r)
        {
            if (!m_model.isMarked(r))
                continue;
            const QString path = m_model.row(r).fullPath();
            const FolderProof::Check check = proof.check(r);
            if (const std::optional<ActionError> refusal = FolderProof::refusalOf(check.verdict, path))
                m_lines.addError(*refusal);
            else if (check.verdict == FolderProof::Verdict::Gone)
                m_lines.addError(ActionError::folderNotListed(path));
            else
                m_out.write(verbOf(m_options.act) + CliText::escaped(path) + '\n');
        }
        return true;
    }

    const ResultModel &m_model;
    const CliActionOptions &m_options;
    Prompter &m_prompter;
    ErrorReporter &m_errors;
    QIODevice &m_out;
    ErrorLines &m_lines;
};
// What an act did, as one sentence: %1 of %2 marked files done, %3 their size, %4 refused or failed.
QString doneText(Act act, bool folders)
{
    switch (act)
    {
    case Act::Trash:
        return folders ? Tr::tr("%1 of %2 marked folders moved to the trash (%3 marked), %4 refused or failed")
                       : Tr::tr("%1 of %2 marked files moved to the trash (%3 marked), %4 refused or failed");
    case Act::Delete:
        return folders ? Tr::tr("%1 of %2 marked folders deleted (%3 marked), %4 refused or failed")
                       : Tr::tr("%1 of %2 marked files deleted (%3 marked), %4 refused or failed");
    case Act::Move:
        return folders ? Tr::tr("%1 of %2 marked folders moved (%3 marked), %4 refused or failed")
                       : Tr::tr("%1 of %2 marked files moved (%3 marked), %4 refused or failed");
    case Act::Copy:
        return Tr::tr("%1 of %2 marked files copied (%3 marked), %4 refused or failed");
    case Act::Link:
        return Tr::tr("%1 of %2 marked files replaced with links (%3 marked), %4 refused or failed");
    case Act::None:
        break;
    }
    return {};
}
} // namespace

namespace CliActions
{
void mark(ResultModel &model, const CliActionOptions &options)
{
    if (options.marks.isEmpty())
        return;
    // The marks a loaded session holds are acted on only when "saved" asks for them; every rule
    // starts from none. No rule sorts: the list keeps its order and its groups.
    std::vector<char> saved;
    saved.reserve(model.rows().size());
    for (const ResultRow &row : model.rows())
        saved.push_back(row.marked ? 1 : 0);
    MarkingRules::markNone(model);
    for (const QString &rule : options.marks)
    {
        if (rule == u"saved")
        {
            model.setMarks(
                [&saved](int i, const ResultRow &row) { return row.marked || saved[static_cast<size_t>(i)]; });
        }
        else if (rule == u"keep-newest" || rule == u"all-duplicates")
        {
            MarkingRules::markAllDuplicatesAsListed(model);
        }
        else if (rule.startsWith(u"in:"))
        {
            QString folder = rule.mid(3);
            if (!folder.endsWith(u'/'))
                folder += u'/';
            MarkingRules::markFolderTree(model, folder);
        }
        else
        {
            const KeepRule keep = rule == u"keep-oldest"    ? KeepRule::OlderFiles
                                  : rule == u"keep-largest" ? KeepRule::LargerFiles
                                                            : KeepRule::SmallerFiles;
            AdvancedMarking::markByRangeAsListed(model, {keep, 0, FileMasks::allFiles()});
        }
    }
}

int act(ResultModel &model, const CliActionOptions &options, bool quiet, QIODevice &out, QIODevice &err,
        ErrorReporter &errors)
{
    // A list of folders: marked folders go to the trash, away for good or elsewhere, proved one by
    // one; they are never copied, linked or renamed.
    if ((options.act == Act::Copy || options.act == Act::Link) && model.isFolderList())
    {
        err.write(line(QStringLiteral("corvina-cli: ") + ActionDriver::folderListText()));
        return CliExit::Refused;
    }
    // A list read from a session may be one of files that are only alike.
    if (options.act == Act::Link && model.anchors().origin.kind != ListKind::SameContents)
    {
        err.write(line(QStringLiteral("corvina-cli: ") + ActionDriver::linksNeedIdenticalFilesText()));
        return CliExit::Refused;
    }
    CommandLinePrompter prompter(options.target, err);
    ErrorLines lines(err);
    CommandLineRuns runs(model, options, prompter, errors, out, lines);
    const qint64 marked = model.markedCount();
    const qint64 total = model.markedTotal();
    // Asked once: from then on the driver keeps the last file of every fully marked group.
    const KeepOneWarning keepOne = [&err](const std::vector<int> &) {
        err.write(
            line(QStringLiteral("corvina-cli: ") + Tr::tr("groups whose every file is marked keep their last file")));
        return KeepOneChoice::KeepOneOfEach;
    };
    ActionDriver driver({model, prompter, errors, runs, keepOne, {}, {}});
    switch (options.act)
    {
    case Act::None:
        return 0;
    case Act::Trash:
    case Act::Delete:
        driver.processMarkedRows(ActionDriver::Removal::Delete);
        break;
    case Act::Move:
        driver.processMarkedRows(ActionDriver::Removal::Move);
        break;
    case Act::Copy:
        driver.copyMarkedFiles();
        break;
    case Act::Link:
        driver.replaceWithLinks(options.link);
        break;
    }
    if (runs.done && !quiet)
    {
        const qint64 refused = lines.count;
        const bool folders = model.isFolderList();
        err.write(line(QStringLiteral("corvina-cli: ") + doneText(options.act, folders)
                                                             .arg(marked - refused)
                                                             .arg(marked)
                                                             .arg(ShownSize::text(static_cast<double>(total)))
                                                             .arg(refused)));
        if (options.act == Act::Link)
            err.write(line(QStringLiteral("corvina-cli: ") +
                           Tr::tr("%1 freed").arg(ShownSize::text(static_cast<double>(runs.freed)))));
    }
    return lines.count > 0 ? CliExit::Refused : 0;
}
} // namespace CliActions
