// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFolders.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
QByteArray bytes(const QString &path)
{
    return QFile::encodeName(path);
}

// The folder the descriptor holds is the one at path.
bool holds(const FileDescriptor &fd, const QString &path)
{
    struct stat a;
    struct stat b;
    return fd.valid() && ::fstat(fd.get(), &a) == 0 && ::stat(bytes(path).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

struct stat statWith(mode_t mode, uid_t uid)
{
    struct stat st = {};
    st.st_mode = mode;
    st.st_uid = uid;
    return st;
}
} // namespace

TEST(SafeFolders, ALinkIsFollowedUnlessAStrangerPlantedItInASharedFolder)
{
    const uid_t me = ::geteuid();
    const uid_t owner = me + 1000;
    const uid_t stranger = me + 2000;
    const struct
    {
        const char *name;
        mode_t folderMode;
        uid_t linkOwner;
        bool follow;
    } cases[] = {
        {"a stranger's link in a sticky folder anyone may write", S_IFDIR | 01777, stranger, false},
        {"my own link there", S_IFDIR | 01777, me, true},
        {"the folder owner's link there", S_IFDIR | 01777, owner, true},
        {"a stranger's link in a sticky folder only some may write", S_IFDIR | 01775, stranger, true},
        {"a stranger's link in a folder anyone may write, not sticky", S_IFDIR | 0777, stranger, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SafeFolders::mayFollow(statWith(c.folderMode, owner), statWith(S_IFLNK | 0777, c.linkOwner)),
                  c.follow)
            << c.name;
}

TEST(SafeFolders, PathsAreTakenNameByName)
{
    TempTree tree;
    const QString real = tree.dir(QStringLiteral("real"));
    tree.file(QStringLiteral("file"), "not a folder");
    tree.symlink(real, QStringLiteral("absolute"));
    tree.symlink(QStringLiteral("real"), QStringLiteral("relative"));
    tree.symlink(QStringLiteral("loop"), QStringLiteral("loop"));

    // Missing folders are made, through a link of our own as through a real folder.
    FileDescriptor made = SafeFolders::openFolder(bytes(tree.path(QStringLiteral("absolute/new/deeper"))), true);
    EXPECT_TRUE(holds(made, tree.path(QStringLiteral("real/new/deeper"))));
    EXPECT_TRUE(holds(SafeFolders::openFolder(bytes(tree.path(QStringLiteral("relative/new/../new/deeper/.")))),
                      tree.path(QStringLiteral("real/new/deeper"))));
    EXPECT_TRUE(holds(SafeFolders::openFolder("/"), QStringLiteral("/")));

    const struct
    {
        const char *name;
        QByteArray path;
        bool create;
        int error;
    } refused[] = {
        {"missing, not to be made", bytes(tree.path(QStringLiteral("absent"))), false, ENOENT},
        {"relative", "tmp/x", true, EINVAL},
        {"a NUL inside", bytes(tree.path(QStringLiteral("real"))) + QByteArray("\0/../x", 6), true, EINVAL},
        {"a file on the way", bytes(tree.path(QStringLiteral("file/x"))), true, ENOTDIR},
        {"a link to itself", bytes(tree.path(QStringLiteral("loop/x"))), true, ELOOP},
    };
    for (const auto &c : refused)
    {
        errno = 0;
        EXPECT_FALSE(SafeFolders::openFolder(c.path, c.create).valid()) << c.name;
        EXPECT_EQ(errno, c.error) << c.name;
    }
    EXPECT_FALSE(QDir(tree.path(QStringLiteral("absent"))).exists());
}

TEST(SafeFolders, APlainNameIsEnteredWithoutFollowingALink)
{
    TempTree tree;
    const QString victim = tree.dir(QStringLiteral("victim"));
    tree.dir(QStringLiteral("top/inner"));
    tree.symlink(victim, QStringLiteral("top/link"));
    const FileDescriptor top = SafeFolders::openFolder(bytes(tree.path(QStringLiteral("top"))));
    ASSERT_TRUE(top.valid());

    EXPECT_TRUE(holds(SafeFolders::openFolderAt(top.get(), "inner", false), tree.path(QStringLiteral("top/inner"))));
    EXPECT_TRUE(holds(SafeFolders::openFolderAt(top.get(), "new", true), tree.path(QStringLiteral("top/new"))));
    const struct
    {
        const char *name;
        QByteArray folder;
        int error;
    } refused[] = {
        {"a link", "link", ENOTDIR},      {"empty", "", EINVAL},
        {"itself", ".", EINVAL},          {"its parent", "..", EINVAL},
        {"two names", "inner/x", EINVAL}, {"a NUL inside", QByteArray("..\0x", 4), EINVAL},
        {"missing", "absent", ENOENT},
    };
    for (const auto &c : refused)
    {
        errno = 0;
        EXPECT_FALSE(SafeFolders::openFolderAt(top.get(), c.folder, c.folder == "link").valid()) << c.name;
        EXPECT_EQ(errno, c.error) << c.name;
    }
    EXPECT_EQ(QDir(victim).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST(SafeFolders, AStrangersLinkInASharedFolderIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    TempTree tree;
    const QString shared = tree.dir(QStringLiteral("shared"));
    ASSERT_EQ(::chmod(bytes(shared).constData(), 01777), 0);
    const QString victim = tree.dir(QStringLiteral("victim"));
    tree.symlink(victim, QStringLiteral("shared/planted"));
    tree.symlink(victim, QStringLiteral("shared/mine"));
    ASSERT_EQ(::lchown(bytes(tree.path(QStringLiteral("shared/planted"))).constData(), 12345, 12345), 0);

    errno = 0;
    EXPECT_FALSE(SafeFolders::openFolder(bytes(tree.path(QStringLiteral("shared/planted/new"))), true).valid());
    EXPECT_EQ(errno, EACCES);
    EXPECT_FALSE(QDir(victim + QStringLiteral("/new")).exists()) << "nothing is made behind the link";
    EXPECT_TRUE(holds(SafeFolders::openFolder(bytes(tree.path(QStringLiteral("shared/mine")))), victim));

    // The folder's owner may have put it there: the link is as good as the folder.
    ASSERT_EQ(::chown(bytes(shared).constData(), 12345, 12345), 0);
    EXPECT_TRUE(holds(SafeFolders::openFolder(bytes(tree.path(QStringLiteral("shared/planted")))), victim));
}
