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
#include <cstring>
#include <utility>

#include <sys/stat.h>
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

    const FileOpResult r = FileTransfer::copyNoClobber(locatedAt(source), tree.folder(QStringLiteral("b")));
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
    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), tree.folder(QStringLiteral("b")));
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
    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), tree.path(QStringLiteral("new/deeper")));
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("new/deeper/x.txt"))), "data");
}

TEST(FileTransfer, MoveRefusalsLeaveTheFileInPlace)
{
    TempTree tree;
    const QString source = tree.file(QStringLiteral("a/x.txt"), "data");
    tree.dir(QStringLiteral("b"));

    EXPECT_EQ(FileTransfer::moveNoClobber(locatedAt(source), tree.folder(QStringLiteral("a"))).error,
              FileOpError::SameFolder);

    const LocatedFile scanned = locatedAt(source);
    tree.file(QStringLiteral("a/x.txt"), "changed!");
    EXPECT_EQ(FileTransfer::moveNoClobber(scanned, tree.folder(QStringLiteral("b"))).error, FileOpError::Changed);

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

    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), tree.folder(QStringLiteral("dest")));
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

    const FileOpResult copied = FileTransfer::copyNoClobber(locatedAt(source), tree.folder(QStringLiteral("c")));
    ASSERT_TRUE(copied.ok());
    EXPECT_EQ(NativePath::encode(copied.target), QFile::encodeName(tree.path("c")) + "/caf\xe9.txt");

    const FileOpResult moved = FileTransfer::moveNoClobber(locatedAt(source), tree.folder(QStringLiteral("m")));
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

    const FileOpResult taken = FileTransfer::renameNoReplace(a, b);
    EXPECT_EQ(taken.error, FileOpError::System);
    EXPECT_EQ(taken.errorNumber, EEXIST);
    EXPECT_EQ(TempTree::contents(a), "a");
    EXPECT_EQ(TempTree::contents(b), "b");

    const QString upper = tree.path(QStringLiteral("A.txt"));
    ASSERT_TRUE(FileTransfer::renameNoReplace(a, upper).ok());
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
        const FileOpResult r = act(locatedAt(source), disk, {});
        EXPECT_FALSE(r.ok()) << name;
        EXPECT_EQ(r.errorNumber, ENOSPC) << name << ": " << r.reason().toStdString();
        EXPECT_EQ(TempTree::contents(source), data) << name;
        EXPECT_EQ(QDir(disk).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList())
            << name << ": no part of the copy stays behind";
    }
}
