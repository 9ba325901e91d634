// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileTransfer.h"
#include "platform/FileStatus.h"
#include "platform/NativePath.h"
#include "support/Located.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <utility>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
bool exists(const QString &path)
{
    return statFile(path).exists;
}

const QDateTime kOld(QDate(2019, 5, 4), QTime(10, 20, 30), Qt::UTC);

// A temporary folder on another file system than the test trees, or none.
std::unique_ptr<QTemporaryDir> otherFileSystemDir(const TempTree &tree)
{
    struct stat a;
    struct stat b;
    if (::stat("/dev/shm", &b) != 0 || ::stat(QFile::encodeName(tree.root()).constData(), &a) != 0 ||
        a.st_dev == b.st_dev)
        return nullptr;
    auto dir = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/corvina-test-XXXXXX"));
    return dir->isValid() ? std::move(dir) : nullptr;
}
} // namespace

TEST(FileTransfer, NumberedNamesKeepTheExtension)
{
    const struct
    {
        const char *name;
        int n;
        const char *expected;
    } cases[] = {
        {"photo.jpg", 1, "photo.jpg"},   {"photo.jpg", 2, "photo (2).jpg"}, {"archive.tar.gz", 3, "archive.tar (3).gz"},
        {".profile", 2, ".profile (2)"}, {"README", 10, "README (10)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileTransfer::numberedName(QString::fromUtf8(c.name), c.n), QString::fromUtf8(c.expected)) << c.name;

    const QString longName = QString(120, QChar(u'é')) + QStringLiteral(".txt"); // 244 bytes
    const QString numbered = FileTransfer::numberedName(longName, 12);
    EXPECT_LE(NativePath::encode(numbered).size(), 255);
    EXPECT_TRUE(numbered.endsWith(QStringLiteral("é (12).txt")));
}

TEST(FileTransfer, CopyKeepsEveryExistingFile)
{
    TempTree tree;
    const QString source = tree.file(QStringLiteral("a/x.txt"), "new", kOld);
    tree.file(QStringLiteral("b/x.txt"), "old");
    tree.file(QStringLiteral("b/x (2).txt"), "older");

    const FileOpResult r = FileTransfer::copyNoClobber(locatedAt(source), {tree.folder(QStringLiteral("b"))});
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, tree.path(QStringLiteral("b/x (3).txt")));
    EXPECT_EQ(TempTree::contents(r.target), "new");
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("b/x.txt"))), "old");
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("b/x (2).txt"))), "older");
    EXPECT_EQ(TempTree::contents(source), "new");
    EXPECT_EQ(statFile(r.target).mtimeNs, statFile(source).mtimeNs);
}

TEST(FileTransfer, MoveKeepsBothFilesOnAClash)
{
    TempTree tree;
    const QString source = tree.file(QStringLiteral("a/x.txt"), "moved");
    tree.file(QStringLiteral("b/x.txt"), "stays");
    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), {tree.folder(QStringLiteral("b"))});
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, tree.path(QStringLiteral("b/x (2).txt")));
    EXPECT_EQ(TempTree::contents(r.target), "moved");
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("b/x.txt"))), "stays");
    EXPECT_FALSE(exists(source));
}

TEST(FileTransfer, MoveCreatesAMissingDestination)
{
    TempTree tree;
    const QString source = tree.file(QStringLiteral("a/x.txt"), "data");
    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), {tree.path(QStringLiteral("new/deeper"))});
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("new/deeper/x.txt"))), "data");
}

TEST(FileTransfer, MoveRefusalsLeaveTheFileInPlace)
{
    TempTree tree;
    const QString source = tree.file(QStringLiteral("a/x.txt"), "data");
    tree.dir(QStringLiteral("b"));

    EXPECT_EQ(FileTransfer::moveNoClobber(locatedAt(source), {tree.folder(QStringLiteral("a"))}).error,
              FileOpError::SameFolder);

    const LocatedFile scanned = locatedAt(source);
    tree.file(QStringLiteral("a/x.txt"), "changed!");
    EXPECT_EQ(FileTransfer::moveNoClobber(scanned, {tree.folder(QStringLiteral("b"))}).error, FileOpError::Changed);

    EXPECT_EQ(TempTree::contents(source), "changed!");
    EXPECT_FALSE(exists(tree.path(QStringLiteral("b/x.txt"))));
}

TEST(FileTransfer, MoveAcrossFileSystemsCopiesVerifiesThenRemoves)
{
    TempTree tree;
    const auto other = otherFileSystemDir(tree);
    if (!other)
        GTEST_SKIP() << "no second file system";
    const QString source = other->path() + QStringLiteral("/big.bin");
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 3000; ++i)
            f.write(QByteArray(1000, static_cast<char>('a' + i % 26)));
    }
    const QByteArray data = TempTree::contents(source);
    tree.file(QStringLiteral("dest/big.bin"), "already here");
    const FileStatus before = statFile(source);

    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), {tree.folder(QStringLiteral("dest"))});
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, tree.path(QStringLiteral("dest/big (2).bin")));
    EXPECT_EQ(TempTree::contents(r.target), data);
    EXPECT_EQ(statFile(r.target).mtimeNs, before.mtimeNs);
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("dest/big.bin"))), "already here");
    EXPECT_FALSE(exists(source));
}

TEST(FileTransfer, NamesThatAreNotUtf8TravelUnchanged)
{
    TempTree tree;
    const QByteArray raw = tree.rawFile(QStringLiteral("a"), QByteArray("caf\xe9.txt"), "latin");
    const QString source = NativePath::decode(raw);
    ASSERT_TRUE(exists(source));

    const FileOpResult copied = FileTransfer::copyNoClobber(locatedAt(source), {tree.folder(QStringLiteral("c"))});
    ASSERT_TRUE(copied.ok());
    EXPECT_EQ(NativePath::encode(copied.target), QFile::encodeName(tree.path("c")) + "/caf\xe9.txt");

    const FileOpResult moved = FileTransfer::moveNoClobber(locatedAt(source), {tree.folder(QStringLiteral("m"))});
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ(NativePath::encode(moved.target), QFile::encodeName(tree.path("m")) + "/caf\xe9.txt");
    EXPECT_FALSE(exists(source));
    // Qt's own clean-up cannot reach names that are not UTF-8.
    ::unlink(NativePath::encode(copied.target).constData());
    ::unlink(NativePath::encode(moved.target).constData());
}

TEST(FileTransfer, RenameNeverReplacesAFile)
{
    TempTree tree;
    const QString a = tree.file(QStringLiteral("a.txt"), "a");
    const QString b = tree.file(QStringLiteral("b.txt"), "b");

    const FileOpResult taken = AnchoredFiles::renameInFolder(locatedAt(a), QStringLiteral("b.txt"));
    EXPECT_EQ(taken.error, FileOpError::System);
    EXPECT_EQ(taken.errorNumber, EEXIST);
    EXPECT_EQ(TempTree::contents(a), "a");
    EXPECT_EQ(TempTree::contents(b), "b");

    const QString upper = tree.path(QStringLiteral("A.txt"));
    ASSERT_TRUE(AnchoredFiles::renameInFolder(locatedAt(a), QStringLiteral("A.txt")).ok());
    EXPECT_EQ(TempTree::contents(upper), "a");
    EXPECT_FALSE(exists(a));
}

TEST(FileTransfer, DeleteForGoodOnlyTheExpectedFile)
{
    TempTree tree;
    const QString path = tree.file(QStringLiteral("x.txt"), "one");
    const LocatedFile scanned = locatedAt(path);
    tree.file(QStringLiteral("x.txt"), "other size");
    EXPECT_EQ(FileTransfer::deleteForGood(scanned).error, FileOpError::Changed);
    EXPECT_TRUE(exists(path));

    const LocatedFile now = locatedAt(path);
    EXPECT_TRUE(FileTransfer::deleteForGood(now).ok());
    EXPECT_FALSE(exists(path));
    EXPECT_EQ(FileTransfer::deleteForGood(now).errorNumber, ENOENT);
    EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST(FileTransfer, AFullDestinationKeepsTheSourceAndLeavesNoPart)
{
    TempTree tree;
    const QString disk = tree.path(QStringLiteral("full"));
    const ScratchFileSystem scratch(disk, "size=256k");
    if (!scratch.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs: " << std::strerror(errno);
    const QString source = tree.fileOfSize(QStringLiteral("src/big.bin"), 600 * 1024, 'q');
    const QByteArray data = TempTree::contents(source);

    for (const auto &[name, act] :
         {std::pair{"copy", &FileTransfer::copyNoClobber}, std::pair{"move", &FileTransfer::moveNoClobber}})
    {
        const FileOpResult r = act(locatedAt(source), {disk, {}}, {});
        EXPECT_FALSE(r.ok()) << name;
        EXPECT_EQ(r.errorNumber, ENOSPC) << name << ": " << r.reason().toStdString();
        EXPECT_EQ(TempTree::contents(source), data) << name;
        EXPECT_EQ(QDir(disk).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList())
            << name << ": no part of the copy stays behind";
    }
}

namespace
{
const QString kPart = QStringLiteral(".corvina-part-");

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The names in the folder that anyone would take for files: all but a copy's hidden temporary.
QStringList visibleEntriesOf(const QString &folder)
{
    QStringList names = entriesOf(folder);
    names.removeIf([](const QString &name) { return name.startsWith(kPart); });
    return names;
}

// Whether the folder's file system makes files without a name.
bool unnamedFilesWork(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// Runs act in a child process that kills itself (SIGKILL) at the pulse after its first whole
// MiB, as a kill or a power cut would stop a copy half-way; true when it died so.
bool killedHalfWay(const std::function<void(const FileTransfer::Pulse &)> &act)
{
    const pid_t pid = ::fork();
    if (pid == 0)
    {
        int pulses = 0;
        act([&pulses] {
            if (++pulses == 2)
                ::raise(SIGKILL);
        });
        ::_exit(3);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Hides /proc from this process (a child's own mount namespace), so that a file without a name
// could never be named: the copy must fall back on a hidden temporary name.
bool hideProc()
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", "/proc", "tmpfs", 0, "size=16k") == 0;
}

// Runs act in a child process without /proc; its exit code, or -1 when it could not run.
int exitCodeWithoutProc(const std::function<int()> &act)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(hideProc() ? act() : 100);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 100)
        return -1;
    return WEXITSTATUS(status);
}

const auto copyTo = &FileTransfer::copyNoClobber;
const auto moveTo = &FileTransfer::moveNoClobber;
} // namespace

TEST(FileTransfer, ACopyKilledHalfWayLeavesNothingUnderTheName)
{
    TempTree tree;
    const QString source = tree.fileOfSize(QStringLiteral("src/big.bin"), 8 << 20, 'k');
    const QString dest = tree.dir(QStringLiteral("dest"));

    ASSERT_TRUE(killedHalfWay([&](const FileTransfer::Pulse &pulse) { copyTo(locatedAt(source), {dest, {}}, pulse); }));
    EXPECT_EQ(visibleEntriesOf(dest), QStringList()) << "no part of the copy carries a name";
    if (unnamedFilesWork(dest))
    {
        EXPECT_EQ(entriesOf(dest), QStringList()) << "a file without a name goes with the process";
    }
    EXPECT_EQ(TempTree::contents(source), QByteArray(8 << 20, 'k'));
}

TEST(FileTransfer, AMoveToAnotherFileSystemKilledHalfWayKeepsTheSourceAndLeavesNoPart)
{
    TempTree tree;
    const QString volume = tree.path(QStringLiteral("volume"));
    const ScratchFileSystem scratch(volume, "size=32m");
    const auto shm = scratch.mounted() ? nullptr : otherFileSystemDir(tree);
    if (!scratch.mounted() && !shm)
        GTEST_SKIP() << "no second file system";
    const QString source = (scratch.mounted() ? volume : shm->path()) + QStringLiteral("/big.bin");
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(QByteArray(8 << 20, 'm')), 8 << 20);
    }
    const QString dest = tree.dir(QStringLiteral("dest"));

    ASSERT_TRUE(killedHalfWay([&](const FileTransfer::Pulse &pulse) { moveTo(locatedAt(source), {dest, {}}, pulse); }));
    EXPECT_EQ(visibleEntriesOf(dest), QStringList());
    if (unnamedFilesWork(dest))
    {
        EXPECT_EQ(entriesOf(dest), QStringList());
    }
    EXPECT_EQ(TempTree::contents(source), QByteArray(8 << 20, 'm'));
}

TEST(FileTransfer, WithoutUnnamedFilesTheCopyWaitsUnderAHiddenName)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "hiding /proc needs a mount namespace of its own (root)";
    TempTree tree;
    const QString source = tree.fileOfSize(QStringLiteral("src/x.txt"), 3 << 20, 'h');
    const QString dest = tree.dir(QStringLiteral("dest"));
    tree.file(QStringLiteral("dest/x.txt"), "taken");

    const int code = exitCodeWithoutProc([&] {
        const FileOpResult r = copyTo(locatedAt(source), {dest, {}}, {});
        return r.ok() && r.target == dest + QStringLiteral("/x (2).txt") ? 0 : 1;
    });
    if (code < 0)
        GTEST_SKIP() << "no mount namespace of its own here";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(entriesOf(dest), (QStringList{QStringLiteral("x (2).txt"), QStringLiteral("x.txt")}));
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("dest/x (2).txt"))), QByteArray(3 << 20, 'h'));
    ASSERT_TRUE(QFile::remove(tree.path(QStringLiteral("dest/x (2).txt"))));

    // Killed half-way, the hidden name is all that is left.
    const int killed = exitCodeWithoutProc([&] {
        return killedHalfWay([&](const FileTransfer::Pulse &pulse) {
            copyTo(locatedAt(source), {dest, {}}, pulse);
        })
                   ? 0
                   : 1;
    });
    ASSERT_EQ(killed, 0);
    EXPECT_EQ(visibleEntriesOf(dest), QStringList{QStringLiteral("x.txt")});
    EXPECT_EQ(entriesOf(dest).size(), 2) << "the hidden part stays: the one thing a kill leaves here";
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("dest/x.txt"))), "taken");
}

TEST(FileTransfer, FoldersBelowTheDestinationAreEnteredWithoutFollowingLinks)
{
    const struct
    {
        const char *name;
        QStringList below;
        const char *lands; // where the file goes, or nullptr for a refusal
    } cases[] = {
        {"made when missing", {QStringLiteral("new"), QStringLiteral("deeper")}, "dest/new/deeper/x.txt"},
        {"a link below", {QStringLiteral("link")}, nullptr},
        {"a link further down", {QStringLiteral("real"), QStringLiteral("link")}, nullptr},
        {"climbing out", {QStringLiteral("..")}, nullptr},
        {"the folder itself", {QStringLiteral(".")}, nullptr},
        {"an empty name", {QString()}, nullptr},
        {"two names in one", {QStringLiteral("real/inner")}, nullptr},
        {"a name cut short", {QStringLiteral("..") + QChar(0) + QStringLiteral("x")}, nullptr},
    };
    for (const auto &[action, act] : {std::pair{"copy", copyTo}, std::pair{"move", moveTo}})
    {
        for (const auto &c : cases)
        {
            TempTree tree;
            const QString source = tree.file(QStringLiteral("src/x.txt"), "data");
            const QString victim = tree.dir(QStringLiteral("victim"));
            tree.dir(QStringLiteral("dest/real/inner"));
            tree.symlink(victim, QStringLiteral("dest/link"));
            tree.symlink(victim, QStringLiteral("dest/real/link"));

            const FileOpResult r = act(locatedAt(source), {tree.path(QStringLiteral("dest")), c.below}, {});
            EXPECT_EQ(r.ok(), c.lands != nullptr) << action << ", " << c.name << ": " << r.reason().toStdString();
            if (c.lands)
            {
                EXPECT_EQ(r.target, tree.path(QString::fromLatin1(c.lands))) << action << ", " << c.name;
            }
            else
            {
                EXPECT_EQ(TempTree::contents(source), "data") << action << ", " << c.name;
            }
            EXPECT_EQ(entriesOf(victim), QStringList()) << action << ", " << c.name;
            EXPECT_EQ(entriesOf(tree.root()),
                      (QStringList{QStringLiteral("dest"), QStringLiteral("src"), QStringLiteral("victim")}))
                << action << ", " << c.name;
        }
    }
}
