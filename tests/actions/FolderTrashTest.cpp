// SPDX-License-Identifier: GPL-3.0-or-later
// A marked folder of a list of duplicate folders goes to the trash, away for good or elsewhere
// whole, only after its proof at the act, and comes back whole with Undo; every way it can fail
// its proof leaves all of it.
#include "actions/ActionDriver.h"
#include "actions/DeleteMarkedRows.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "actions/UndoLastAct.h"
#include "engine/ScanPipeline.h"
#include "platform/FolderTrees.h"
#include "platform/Trash.h"
#include "search/SearchLocation.h"
#include "support/ScratchFileSystem.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "../engine/ScanFixture.h"
#include "ActionTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
enum class How
{
    Trash,
    Delete, // for good
    Move,
};

// Runs the deletion and the move as the dialogs do, with the trash in the tree.
class TrashDialogs : public ActionDialogs
{
public:
    TrashDialogs(ResultModel &model, Prompter &prompter, ErrorReporter &reporter, QString trash)
        : m_model(model), m_prompter(prompter), m_reporter(reporter), m_trash(std::move(trash))
    {}

    bool toTrash = true;
    bool ask = false; // the question before each folder
    std::vector<ActionError> errors;

    bool runDeletion(const ActionRun &run) override
    {
        const RemovalGuard guard(m_model, run.acknowledgedGroups);
        DeleteOptions options;
        options.sendToTrash = toTrash;
        options.respondYesToAll = !ask;
        options.trashFolder = m_trash;
        RecordingProgress progress;
        DeleteMarkedRows(m_model, guard, m_prompter, m_reporter).run(options, progress);
        errors = progress.errors;
        return false;
    }
    bool runMove(const ActionRun &run) override
    {
        const RemovalGuard guard(m_model, run.acknowledgedGroups);
        RecordingProgress progress;
        MoveMarkedRows(m_model, guard, m_reporter).run([&run] { return run.targetPath; }, false, progress);
        errors = progress.errors;
        return false;
    }
    void runCopy(const ActionRun &) override {}
    bool runLinks(const ActionRun &, FileTransfer::LinkKind, LinkRunResult &) override { return true; }

private:
    ResultModel &m_model;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
    QString m_trash;
};

// Two copies of one tree (with an empty file and an empty sub-folder), and a folder whose only
// file has copies in both: "Photos" and "Backup" are a group, "Extra" has nothing unique.
void makeTrees(TempTree &tree)
{
    for (const QString &top : {QStringLiteral("Photos/"), QStringLiteral("Backup/")})
    {
        tree.file(top + u"a.jpg", QByteArray(3000, 'a'));
        tree.file(top + u"2023/b.jpg", QByteArray(2000, 'b'));
        tree.file(top + u"2023/zero.txt", QByteArray());
        tree.dir(top + u"empty");
    }
    tree.file(QStringLiteral("Extra/a.jpg"), QByteArray(3000, 'a'));
}

// Every name below the folder with its bytes ("/" after a folder's name).
std::map<QString, QByteArray> snapshot(const QString &folder)
{
    std::map<QString, QByteArray> all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        const QFileInfo info(it.next());
        const QString name = info.filePath().mid(folder.size());
        all[info.isDir() && !info.isSymLink() ? name + u'/' : name] =
            info.isFile() && !info.isSymLink() ? TempTree::contents(info.filePath()) : QByteArray();
    }
    return all;
}

struct FolderList
{
    ResultModel model;
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    std::vector<std::vector<int>> warnings;
    KeepOneChoice answer = KeepOneChoice::KeepOneOfEach;
    bool ask = false;

    void scan(const TempTree &tree, const QStringList &folders = {QString()})
    {
        SearchLocationList locations;
        for (const QString &folder : folders)
        {
            SearchLocation l;
            l.folder = tree.folder(folder);
            l.mask = QStringLiteral("All files(*.*)");
            l.minSize = QStringLiteral("0");
            locations.append(l);
        }
        ScanOptions options;
        options.engine = ScanOptions::Folders;
        TestSink sink;
        ScanPipeline(sink, model).run(locations, options);
    }
    int row(const QString &folder) const
    {
        for (int r = 0; r < model.size(); ++r)
        {
            if (model.row(r).fullPath() == folder)
                return r;
        }
        return -1;
    }
    // Moves go into `destination`, by default the tree's "moved".
    std::vector<ActionError> act(const TempTree &tree, const QStringList &marked, How how = How::Trash,
                                 QString destination = {})
    {
        for (const QString &name : marked)
            model.setMarked(row(tree.path(name)), true);
        TrashDialogs dialogs(model, prompter, reporter, tree.path(QStringLiteral("trash")));
        dialogs.toTrash = how == How::Trash;
        dialogs.ask = ask;
        if (how == How::Move)
            prompter.expectFolder(QStringLiteral("Move selected files to"),
                                  destination.isEmpty() ? tree.path(QStringLiteral("moved")) : destination);
        const KeepOneWarning warning = [this](const std::vector<int> &rows) {
            warnings.push_back(rows);
            return answer;
        };
        ActionDriver({model, prompter, reporter, dialogs, warning, {}, {}})
            .processMarkedRows(how == How::Move ? ActionDriver::Removal::Move : ActionDriver::Removal::Delete);
        return dialogs.errors;
    }
};

QStringList numbers(const std::vector<ActionError> &errors)
{
    QStringList n;
    for (const ActionError &e : errors)
        n << e.number;
    return n;
}

void replaceWithLink(const TempTree &tree, const QString &from, const QString &name)
{
    ASSERT_TRUE(QFile::remove(tree.path(name)));
    ASSERT_EQ(::link(QFile::encodeName(tree.path(from)).constData(), QFile::encodeName(tree.path(name)).constData()),
              0);
}
} // namespace

TEST(FolderTrash, TrashThenUndoBringsTheTreeBackWholeAndNeverOverANameTaken)
{
    TempTree tree;
    makeTrees(tree);
    FolderList run;
    run.scan(tree);
    ASSERT_GE(run.row(tree.path(QStringLiteral("Backup"))), 0);
    const QString backup = tree.path(QStringLiteral("Backup"));
    const auto before = snapshot(backup);
    ASSERT_EQ(before.size(), 5u);

    EXPECT_TRUE(run.act(tree, {QStringLiteral("Backup")}).empty());
    EXPECT_FALSE(QFileInfo::exists(backup));
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("trash/files/Backup"))), before) << "one item, whole";
    EXPECT_TRUE(QFileInfo::exists(tree.path(QStringLiteral("trash/info/Backup.trashinfo"))));
    EXPECT_EQ(run.row(backup), -1) << "its row leaves the list";
    EXPECT_EQ(run.row(tree.path(QStringLiteral("Photos"))), -1) << "a group of one folder is no group";
    EXPECT_GE(run.row(tree.path(QStringLiteral("Extra"))), 0) << "a folder in no group stays listed";
    EXPECT_TRUE(QFileInfo::exists(tree.path(QStringLiteral("Photos/a.jpg"))));

    // Something now has the name: the undo leaves both, and can be tried again.
    tree.file(QStringLiteral("Backup/new.txt"), "new");
    const UndoReport refused = UndoLastAct::run();
    ASSERT_EQ(refused.refused.size(), 1u) << refused.summary().toStdString();
    EXPECT_EQ(refused.refused[0].number, QStringLiteral("1024"));
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("Backup/new.txt"))), "new");
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("trash/files/Backup"))), before);

    ASSERT_TRUE(QDir(backup).removeRecursively());
    const UndoReport undone = UndoLastAct::run();
    EXPECT_EQ(undone.restored, QStringList{backup}) << undone.summary().toStdString();
    EXPECT_EQ(snapshot(backup), before) << "names, bytes, the empty file and the empty folder";
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("trash/files/Backup"))));
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("trash/info/Backup.trashinfo"))));
}

TEST(FolderTrash, AFolderThatFailsItsProofStaysWhole)
{
    struct Case
    {
        const char *what;
        std::function<void(TempTree &)> after; // done after the search, before the act
        QString mark;
        QString number;
    };
    const std::vector<Case> cases{
        {"a file of the kept copy edited",
         [](TempTree &t) { t.file(QStringLiteral("Photos/2023/b.jpg"), QByteArray(2000, 'c')); },
         QStringLiteral("Backup"), QStringLiteral("1033")},
        {"a file added to the folder", [](TempTree &t) { t.file(QStringLiteral("Backup/2023/c.txt"), "c"); },
         QStringLiteral("Backup"), QStringLiteral("1030")},
        {"a file added to the folder and its copy alike",
         [](TempTree &t) {
             t.file(QStringLiteral("Backup/2023/c.txt"), "c");
             t.file(QStringLiteral("Photos/2023/c.txt"), "c");
         },
         QStringLiteral("Backup"), QStringLiteral("1030")},
        {"a link put into the folder",
         [](TempTree &t) { t.symlink(t.path(QStringLiteral("Photos/a.jpg")), QStringLiteral("Backup/empty/l")); },
         QStringLiteral("Backup"), QStringLiteral("1031")},
        {"the kept copy made of second names of the folder's own files",
         [](TempTree &t) {
             for (const QString &f :
                  {QStringLiteral("a.jpg"), QStringLiteral("2023/b.jpg"), QStringLiteral("2023/zero.txt")})
                 replaceWithLink(t, u"Backup/" + f, u"Photos/" + f);
         },
         QStringLiteral("Backup"), QStringLiteral("1033")},
        {"the folder replaced by a link to its copy",
         [](TempTree &t) {
             QDir(t.root()).rename(QStringLiteral("Backup"), QStringLiteral("Moved"));
             t.symlink(t.path(QStringLiteral("Photos")), QStringLiteral("Backup"));
         },
         QStringLiteral("Backup"), QStringLiteral("1030")},
        {"the kept copy gone", [](TempTree &t) { QDir(t.path(QStringLiteral("Photos"))).removeRecursively(); },
         QStringLiteral("Backup"), QStringLiteral("1032")},
        {"a folder with nothing unique whose file's copies were edited",
         [](TempTree &t) {
             t.file(QStringLiteral("Photos/a.jpg"), QByteArray(3000, 'c'));
             t.file(QStringLiteral("Backup/a.jpg"), QByteArray(3000, 'c'));
         },
         QStringLiteral("Extra"), QStringLiteral("1035")},
    };
    for (const How how : {How::Trash, How::Delete, How::Move})
    {
        for (const Case &c : cases)
        {
            TempTree tree;
            makeTrees(tree);
            FolderList run;
            run.scan(tree);
            c.after(tree);
            const auto before = snapshot(tree.path(c.mark));
            EXPECT_EQ(numbers(run.act(tree, {c.mark}, how)), QStringList{c.number}) << c.what;
            EXPECT_EQ(snapshot(tree.path(c.mark)), before) << c.what << ": nothing of it went";
            EXPECT_GE(run.row(tree.path(c.mark)), 0) << c.what << ": its row stays";
            EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("trash/files/") + c.mark))) << c.what;
            EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("moved/") + c.mark))) << c.what;
        }
    }
}

TEST(FolderTrash, AFolderWithNothingUniqueGoesOnlyWhileTheCopiesOfItsFilesAreThere)
{
    for (const How how : {How::Trash, How::Delete, How::Move})
    {
        // X's files have their copies in Y and Z, theirs in X: whichever goes first, the others
        // lose their only copies and stay.
        TempTree tree;
        tree.file(QStringLiteral("X/f.jpg"), QByteArray(3000, 'f'));
        tree.file(QStringLiteral("X/sub/g.jpg"), QByteArray(2000, 'g'));
        tree.file(QStringLiteral("Y/f.jpg"), QByteArray(3000, 'f'));
        tree.file(QStringLiteral("Z/h.jpg"), QByteArray(2000, 'g'));
        FolderList run;
        run.scan(tree);
        ASSERT_EQ(run.model.size(), 3);
        const auto y = snapshot(tree.path(QStringLiteral("Y")));
        const auto z = snapshot(tree.path(QStringLiteral("Z")));
        EXPECT_EQ(numbers(run.act(tree, {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")}, how)),
                  QStringList({QStringLiteral("1035"), QStringLiteral("1035")}));
        EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("X"))));
        EXPECT_EQ(snapshot(tree.path(QStringLiteral("Y"))), y);
        EXPECT_EQ(snapshot(tree.path(QStringLiteral("Z"))), z);
    }

    // A list read from a session does not hold where the copies are.
    TempTree tree;
    makeTrees(tree);
    FolderList run;
    run.scan(tree);
    run.model.setCopiesOutside({});
    EXPECT_EQ(numbers(run.act(tree, {QStringLiteral("Extra")})), QStringList{QStringLiteral("1029")});
    EXPECT_TRUE(QFileInfo::exists(tree.path(QStringLiteral("Extra/a.jpg"))));
}

TEST(FolderTrash, DeleteForGoodAndMoveTakeTheWholeTreeAndUndoBringsAMoveBack)
{
    TempTree tree;
    makeTrees(tree);
    const QString backup = tree.path(QStringLiteral("Backup"));
    const auto before = snapshot(backup);
    {
        FolderList run;
        run.scan(tree);
        EXPECT_TRUE(run.act(tree, {QStringLiteral("Backup")}, How::Move).empty());
        EXPECT_FALSE(QFileInfo::exists(backup));
        EXPECT_EQ(snapshot(tree.path(QStringLiteral("moved/Backup"))), before);
        EXPECT_EQ(run.row(backup), -1);
        const UndoReport undone = UndoLastAct::run();
        EXPECT_EQ(undone.restored, QStringList{backup}) << undone.summary().toStdString();
        EXPECT_EQ(snapshot(backup), before);
    }
    FolderList run;
    run.scan(tree);
    EXPECT_TRUE(run.act(tree, {QStringLiteral("Backup")}, How::Delete).empty());
    EXPECT_FALSE(QFileInfo::exists(backup));
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("trash/files/Backup"))));
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("Photos"))), before) << "its copy stays";
}

namespace
{
// A folder on another file system than the tree, for a move that must copy; none when the
// machine has none at hand.
QString otherFileSystem(const TempTree &tree)
{
    struct stat a;
    struct stat b;
    if (::stat("/dev/shm", &b) != 0 || ::access("/dev/shm", W_OK) != 0 ||
        ::stat(QFile::encodeName(tree.root()).constData(), &a) != 0 || a.st_dev == b.st_dev)
        return {};
    return QStringLiteral("/dev/shm");
}
} // namespace

TEST(FolderTrash, AMoveToAnotherFileSystemCopiesProvesAndOnlyThenRemoves)
{
    TempTree tree;
    const QString shm = otherFileSystem(tree);
    if (shm.isEmpty())
        GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    QTemporaryDir there(shm + u"/corvina-move-XXXXXX");
    ASSERT_TRUE(there.isValid());
    makeTrees(tree);
    const QString backup = tree.path(QStringLiteral("Backup"));
    const auto before = snapshot(backup);
    FolderList run;
    run.scan(tree);
    EXPECT_TRUE(run.act(tree, {QStringLiteral("Backup")}, How::Move, there.path()).empty());
    EXPECT_FALSE(QFileInfo::exists(backup));
    EXPECT_EQ(snapshot(there.filePath(QStringLiteral("Backup"))), before);
    EXPECT_EQ(QDir(there.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Backup")})
        << "nothing half-made is left";

    // A folder is only ever renamed back, never copied: this one stays where it was moved.
    const UndoReport undo = UndoLastAct::run();
    ASSERT_EQ(undo.refused.size(), 1u) << undo.summary().toStdString();
    EXPECT_EQ(undo.refused[0].number, QStringLiteral("1025"));
    EXPECT_EQ(snapshot(there.filePath(QStringLiteral("Backup"))), before);
}

TEST(FolderTrash, AMoveToAFullDiskLeavesTheFolderWholeAndNoPartOfIt)
{
    TempTree tree;
    const ScratchFileSystem full(tree.path(QStringLiteral("full")), "size=4k");
    if (!full.mounted())
        GTEST_SKIP() << "needs to mount a tmpfs (root)";
    makeTrees(tree);
    const QString backup = tree.path(QStringLiteral("Backup"));
    const auto before = snapshot(backup);
    FolderList run;
    run.scan(tree, {QStringLiteral("Photos"), QStringLiteral("Backup")});
    EXPECT_EQ(run.act(tree, {QStringLiteral("Backup")}, How::Move, tree.path(QStringLiteral("full"))).size(), 1u)
        << "one page holds the first file, not the second";
    EXPECT_EQ(snapshot(backup), before);
    EXPECT_TRUE(
        QDir(tree.path(QStringLiteral("full"))).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(FolderTrash, AFolderChangedAfterItsSurveyIsNeitherRemovedNorCopied)
{
    TempTree tree;
    tree.file(QStringLiteral("F/a.txt"), "aaaa");
    tree.file(QStringLiteral("F/sub/b.txt"), "bbbb");
    const SearchRoot root = AnchoredFiles::resolveRoot(tree.folder());
    const auto locate = [&] { return FolderTrees::locate(root, u"", root.id, QStringLiteral("F")).file; };
    const auto before = snapshot(tree.path(QStringLiteral("F")));

    // The same size and time, new bytes: only the status change time tells.
    const FolderTrees::LocatedFolder f = locate();
    const FolderTrees::Survey seen = FolderTrees::survey(f);
    ASSERT_EQ(seen.entries.size(), 3u);
    tree.file(QStringLiteral("F/sub/b.txt"), "cccc");
    const qint64 ns = seen.entries[2].status.mtimeNs;
    const struct timespec times[2] = {{0, UTIME_OMIT}, {ns / 1000000000, ns % 1000000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(tree.path(QStringLiteral("F/sub/b.txt"))).constData(), times, 0),
              0);
    EXPECT_EQ(FolderTrees::removeTree(f, seen).error, FileOpError::Changed);
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("F"))).size(), before.size());

    // A file edited once its copy for a move to another file system is made, while the next one's is.
    const QString shm = otherFileSystem(tree);
    if (shm.isEmpty())
        GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    QTemporaryDir there(shm + u"/corvina-move-XXXXXX");
    const auto copied = [&there] {
        const QStringList made = QDir(there.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        return made.size() == 1 && QFileInfo::exists(there.filePath(made[0] + u"/a.txt"));
    };
    const FolderTrees::LocatedFolder g = locate();
    const FolderTrees::Survey now = FolderTrees::survey(g);
    bool edited = false;
    const FileOpResult moved = FolderTrees::moveTree(g, now, {there.path()}, [&] {
        if (!edited && copied())
        {
            tree.file(QStringLiteral("F/a.txt"), "dddd");
            edited = true;
        }
    });
    EXPECT_TRUE(edited);
    EXPECT_EQ(moved.error, FileOpError::Changed);
    EXPECT_TRUE(QDir(there.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "no copy, whole or half";
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("F/a.txt"))), "dddd");
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("F/sub/b.txt"))), "cccc");
}

TEST(FolderTrash, AGroupWhoseEveryFolderIsMarkedAsksAndKeepsOne)
{
    TempTree tree;
    makeTrees(tree);
    FolderList run;
    run.scan(tree);
    EXPECT_TRUE(run.act(tree, {QStringLiteral("Photos"), QStringLiteral("Backup")}).empty());
    ASSERT_EQ(run.warnings.size(), 1u);
    EXPECT_EQ(run.warnings[0].size(), 2u);
    EXPECT_NE(QFileInfo::exists(tree.path(QStringLiteral("Photos"))),
              QFileInfo::exists(tree.path(QStringLiteral("Backup"))))
        << "one folder of the group stays";
}

TEST(FolderTrash, UndoTakesBackOnlyTheFolderItPutInTheTrash)
{
    TempTree tree;
    makeTrees(tree);
    FolderList run;
    run.scan(tree);
    ASSERT_TRUE(run.act(tree, {QStringLiteral("Backup")}).empty());
    ASSERT_TRUE(QDir().rename(tree.path(QStringLiteral("trash/files/Backup")), tree.path(QStringLiteral("aside"))));
    tree.file(QStringLiteral("trash/files/Backup/planted.txt"), "planted");

    const UndoReport undo = UndoLastAct::run();
    ASSERT_EQ(undo.refused.size(), 1u) << undo.summary().toStdString();
    EXPECT_EQ(undo.refused[0].number, QStringLiteral("1025"));
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("Backup"))));
    EXPECT_TRUE(QFileInfo::exists(tree.path(QStringLiteral("trash/files/Backup/planted.txt"))));
}

TEST(FolderTrash, AFolderChangedAfterItsProofIsNotRenamed)
{
    TempTree tree;
    tree.file(QStringLiteral("F/a.txt"), "a");
    tree.setMtime(QStringLiteral("F"), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC));
    const SearchRoot root = AnchoredFiles::resolveRoot(tree.folder());
    AnchoredFiles::Location found = FolderTrees::locate(root, u"", root.id, QStringLiteral("F"));
    ASSERT_EQ(found.found, AnchoredFiles::Found::File);

    tree.file(QStringLiteral("F/b.txt"), "b");
    EXPECT_EQ(Trash::moveFolderToTrash(found.file, tree.path(QStringLiteral("trash"))).error, FileOpError::Changed);
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("F"))).size(), 2u);
}

TEST(FolderTrash, ASearchLocationListedWholeIsFoundByItsOwnIdentity)
{
    TempTree tree;
    makeTrees(tree);
    FolderList run;
    run.scan(tree, {QStringLiteral("Photos"), QStringLiteral("Backup")});
    const QString backup = tree.path(QStringLiteral("Backup"));
    ASSERT_GE(run.row(backup), 0) << "the two locations are the group";
    const auto before = snapshot(backup);

    // A folder put in the location's place after the search is not the location.
    ASSERT_TRUE(QDir(tree.root()).rename(QStringLiteral("Backup"), QStringLiteral("Moved")));
    tree.dir(QStringLiteral("Backup"));
    EXPECT_EQ(numbers(run.act(tree, {QStringLiteral("Backup")})), QStringList{QStringLiteral("1011")});
    ASSERT_TRUE(QDir(backup).removeRecursively());
    ASSERT_TRUE(QDir(tree.root()).rename(QStringLiteral("Moved"), QStringLiteral("Backup")));

    EXPECT_TRUE(run.act(tree, {QStringLiteral("Backup")}).empty());
    EXPECT_FALSE(QFileInfo::exists(backup));
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("trash/files/Backup"))), before);
    EXPECT_TRUE(QFileInfo::exists(tree.path(QStringLiteral("Photos/a.jpg"))));
}

TEST(FolderTrash, AKeptCopyEditedWhileTheQuestionWaitsDoesNotCount)
{
    TempTree tree;
    makeTrees(tree);
    FolderList run;
    run.scan(tree);
    run.ask = true;
    run.prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes,
                               [&tree] { tree.file(QStringLiteral("Photos/2023/b.jpg"), QByteArray(2000, 'c')); });
    const auto before = snapshot(tree.path(QStringLiteral("Backup")));
    EXPECT_EQ(numbers(run.act(tree, {QStringLiteral("Backup")})), QStringList{QStringLiteral("1033")})
        << "the proof comes after the answer";
    EXPECT_EQ(snapshot(tree.path(QStringLiteral("Backup"))), before);
    EXPECT_TRUE(run.prompter.allUsed());
}
