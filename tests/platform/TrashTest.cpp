// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Trash.h"
#include "platform/FileStatus.h"
#include "platform/NativePath.h"
#include "support/Located.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// The .trashinfo of a file in a trash's files/ folder.
QString infoOf(const QString &trashed)
{
    const qsizetype slash = trashed.lastIndexOf(u'/');
    const QString root = trashed.left(trashed.lastIndexOf(u'/', slash - 1));
    return root + QStringLiteral("/info/") + trashed.mid(slash + 1) + QStringLiteral(".trashinfo");
}

void expectInfo(const QString &trashed, const QByteArray &escapedPath)
{
    const QByteArray info = TempTree::contents(infoOf(trashed));
    const QRegularExpression shape(
        QStringLiteral("^\\[Trash Info\\]\nPath=([^\n]*)\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$"));
    const auto m = shape.match(QString::fromLatin1(info));
    ASSERT_TRUE(m.hasMatch()) << info.constData();
    EXPECT_EQ(m.captured(1).toLatin1(), escapedPath);
}

class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name)) { qputenv(name, value); }
    ~ScopedEnv() { qputenv(m_name, m_old); }

private:
    const char *m_name;
    QByteArray m_old;
};
} // namespace

TEST(Trash, FileGoesToTheHomeTrashWithItsInfo)
{
    TempTree tree;
    const QString path = tree.file(QStringLiteral("photos/beach day.jpg"), "sand");
    const QString trash = tree.path(QStringLiteral("not yet/share/Trash"));

    const FileOpResult r = Trash::moveToTrash(locatedAt(path), trash);
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, trash + QStringLiteral("/files/beach day.jpg"));
    EXPECT_EQ(TempTree::contents(r.target), "sand");
    EXPECT_FALSE(statFile(path).exists);
    expectInfo(r.target, NativePath::encode(path).toPercentEncoding("/"));
}

TEST(Trash, DefaultTrashIsMadeWhenTheDataFolderIsMissing)
{
    TempTree tree;
    const QString data = tree.path(QStringLiteral("fresh/share"));
    const ScopedEnv env("XDG_DATA_HOME", QFile::encodeName(data));
    ASSERT_EQ(Trash::homeTrash(), data + QStringLiteral("/Trash"));

    const QString path = tree.file(QStringLiteral("doc.txt"), "text");
    const FileOpResult r = Trash::moveToTrash(locatedAt(path));
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, data + QStringLiteral("/Trash/files/doc.txt"));
    expectInfo(r.target, NativePath::encode(path).toPercentEncoding("/"));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(data + QStringLiteral("/Trash")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(Trash, NamesAlreadyInTheTrashAreKept)
{
    TempTree tree;
    const QString trash = tree.path(QStringLiteral("Trash"));
    const QString first = tree.file(QStringLiteral("a/x.txt"), "first");
    const QString second = tree.file(QStringLiteral("b/x.txt"), "second");
    const QString third = tree.file(QStringLiteral("c/x.txt"), "third");
    tree.file(QStringLiteral("Trash/files/x (3).txt"), "left without info");

    const FileOpResult r1 = Trash::moveToTrash(locatedAt(first), trash);
    const FileOpResult r2 = Trash::moveToTrash(locatedAt(second), trash);
    const FileOpResult r3 = Trash::moveToTrash(locatedAt(third), trash);
    ASSERT_TRUE(r1.ok() && r2.ok() && r3.ok());
    EXPECT_EQ(r1.target, trash + QStringLiteral("/files/x.txt"));
    EXPECT_EQ(r2.target, trash + QStringLiteral("/files/x (2).txt"));
    EXPECT_EQ(r3.target, trash + QStringLiteral("/files/x (4).txt"));
    EXPECT_EQ(TempTree::contents(r3.target), "third");
    EXPECT_EQ(TempTree::contents(trash + QStringLiteral("/files/x (3).txt")), "left without info");
    EXPECT_FALSE(QFile::exists(trash + QStringLiteral("/info/x (3).txt.trashinfo")));
    expectInfo(r2.target, NativePath::encode(second).toPercentEncoding("/"));
}

TEST(Trash, PathIsEscapedByteForByte)
{
    TempTree tree;
    const QByteArray raw = tree.rawFile(QStringLiteral("d"), QByteArray("50% caf\xe9"), "x");
    const FileOpResult r = Trash::moveToTrash(locatedAt(NativePath::decode(raw)), tree.path(QStringLiteral("T")));
    ASSERT_TRUE(r.ok());
    const QByteArray folder = QFile::encodeName(tree.path(QStringLiteral("d"))).toPercentEncoding("/");
    expectInfo(r.target, folder + "/50%25%20caf%E9");
    // Qt's own clean-up cannot reach names that are not UTF-8.
    ::unlink(NativePath::encode(infoOf(r.target)).constData());
    ::unlink(NativePath::encode(r.target).constData());
}

TEST(Trash, FileStaysWhenTheTrashCannotBeMade)
{
    TempTree tree;
    const QString path = tree.file(QStringLiteral("keep.txt"), "keep");
    const QString blocker = tree.file(QStringLiteral("blocker"), "a file where a folder should be");

    const FileOpResult r = Trash::moveToTrash(locatedAt(path), blocker + QStringLiteral("/Trash"));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(TempTree::contents(path), "keep");
}

TEST(Trash, ChangedFileIsNotTrashed)
{
    TempTree tree;
    const QString path = tree.file(QStringLiteral("x.txt"), "scan");
    const LocatedFile scanned = locatedAt(path);
    tree.file(QStringLiteral("x.txt"), "changed after the scan");

    EXPECT_EQ(Trash::moveToTrash(scanned, tree.path(QStringLiteral("T"))).error, FileOpError::Changed);
    EXPECT_TRUE(statFile(path).exists);
}

TEST(Trash, FileOnAnotherFileSystemUsesThatFileSystemsTrash)
{
    TempTree tree;
    struct stat a;
    struct stat b;
    struct stat parent;
    if (::stat("/dev/shm", &b) != 0 || ::stat(QFile::encodeName(tree.root()).constData(), &a) != 0 ||
        a.st_dev == b.st_dev || ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no second writable file system";
    // The trash goes to the top of /dev/shm's file system; that is /dev/shm only where it is a
    // mount of its own (not in a chroot that bound /dev without its sub-mounts).
    if (::stat("/dev", &parent) != 0 || parent.st_dev == b.st_dev)
        GTEST_SKIP() << "/dev/shm is not the top of its file system here";
    QTemporaryDir other(QStringLiteral("/dev/shm/corvina-test-XXXXXX"));
    ASSERT_TRUE(other.isValid());
    const QString top = QStringLiteral("/dev/shm/.Trash-") + QString::number(::getuid());
    const bool hadTopTrash = QFileInfo::exists(top) || QFileInfo::exists(QStringLiteral("/dev/shm/.Trash"));
    const QString path = other.path() + QStringLiteral("/note.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("note");
    }

    const FileOpResult r = Trash::moveToTrash(locatedAt(path), tree.path(QStringLiteral("T")));
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_TRUE(r.target.startsWith(QStringLiteral("/dev/shm/.Trash"))) << r.target.toStdString();
    EXPECT_EQ(TempTree::contents(r.target), "note");
    // Inside a file system's own trash the path is relative to its top folder.
    expectInfo(r.target, other.path().mid(9).toUtf8().toPercentEncoding("/") + "/note.txt");

    QFile::remove(infoOf(r.target));
    QFile::remove(r.target);
    if (!hadTopTrash)
        QDir(top).removeRecursively();
}

namespace
{
} // namespace

TEST(Trash, APlantedTrashOnAnotherFileSystemIsNeverUsed)
{
    TempTree tree;
    const QString top = tree.path(QStringLiteral("volume"));
    const ScratchFileSystem volume(top, "size=4m,mode=0755");
    if (!volume.mounted())
        GTEST_SKIP() << "no file system can be mounted here (needs root outside a locked-down container)";
    const QString uid = QString::number(::getuid());
    const QString stranger = tree.dir(QStringLiteral("stranger"));
    const QString home = tree.path(QStringLiteral("home/Trash"));
    auto trashFile = [&](const QString &name) {
        const QString path = top + u'/' + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("photo");
        f.close();
        return Trash::moveToTrash(locatedAt(path), home);
    };
    auto strangerGotNothing = [&] {
        return QDir(stranger).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty();
    };

    // Links where the trash folders would be: neither is followed; the file goes to the home
    // trash as a verified copy.
    tree.symlink(stranger, QStringLiteral("volume/.Trash"));
    tree.symlink(stranger, QStringLiteral("volume/.Trash-") + uid);
    FileOpResult r = trashFile(QStringLiteral("one.jpg"));
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, home + QStringLiteral("/files/one.jpg"));
    EXPECT_EQ(TempTree::contents(r.target), "photo");
    EXPECT_TRUE(strangerGotNothing());

    // A shared .Trash with the sticky bit whose folder for this user is a link, and a .Trash-UID
    // that belongs to someone else.
    ASSERT_TRUE(QFile::remove(top + QStringLiteral("/.Trash")) &&
                QFile::remove(top + QStringLiteral("/.Trash-") + uid));
    ASSERT_EQ(::mkdir(QFile::encodeName(top + QStringLiteral("/.Trash")).constData(), 01777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(top + QStringLiteral("/.Trash")).constData(), 01777), 0);
    tree.symlink(stranger, QStringLiteral("volume/.Trash/") + uid);
    const QByteArray own = QFile::encodeName(top + QStringLiteral("/.Trash-") + uid);
    ASSERT_EQ(::mkdir(own.constData(), 0700), 0);
    if (::getuid() == 0)
        ASSERT_EQ(::chown(own.constData(), 4242, 4242), 0);
    else
        ASSERT_EQ(::chmod(own.constData(), 0755), 0); // ours, but open to others
    r = trashFile(QStringLiteral("two.jpg"));
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, home + QStringLiteral("/files/two.jpg"));
    EXPECT_TRUE(strangerGotNothing());
    EXPECT_TRUE(QDir(QFile::decodeName(own)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // Once nothing is planted, the volume's own trash is made and used.
    ASSERT_TRUE(QDir(QFile::decodeName(own)).removeRecursively());
    r = trashFile(QStringLiteral("three.jpg"));
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, top + QStringLiteral("/.Trash-") + uid + QStringLiteral("/files/three.jpg"));
    expectInfo(r.target, "three.jpg");
}

namespace
{
// A file on a small file system of its own whose trash cannot be used (.Trash-UID is a file), so
// that trashing it means a verified copy into the home trash on the tree's file system.
struct NoTrashOnItsVolume
{
    TempTree tree;
    QString top = tree.path(QStringLiteral("volume"));
    ScratchFileSystem volume{top, "size=32m,mode=0755"};
    QString home = tree.path(QStringLiteral("home/Trash"));
    QString file = top + QStringLiteral("/big.bin");
    QByteArray data = QByteArray(8 << 20, 'b');

    bool ready()
    {
        if (!volume.mounted())
            return false;
        QFile blocker(top + QStringLiteral("/.Trash-") + QString::number(::getuid()));
        QFile f(file);
        return blocker.open(QIODevice::WriteOnly) && f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    }
    QStringList names(const char *folder) const
    {
        return QDir(home + u'/' + QLatin1String(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
};

// Stops the process the moment a write would take a file past 3 MiB: half-way through the
// copy of a larger file, wherever the copy is made.
void dieAtThreeMegabytes()
{
    const struct rlimit limit = {3 << 20, 3 << 20};
    ::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
} // namespace

TEST(Trash, ACopyIntoTheHomeTrashKilledHalfWayLeavesNoInfoForAPart)
{
    NoTrashOnItsVolume t;
    if (!t.ready())
        GTEST_SKIP() << "no file system can be mounted here (needs root outside a locked-down container)";

    const pid_t pid = ::fork();
    if (pid == 0)
    {
        const LocatedFile file = locatedAt(t.file);
        dieAtThreeMegabytes();
        Trash::moveToTrash(file, t.home);
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the copy was not stopped half-way";

    EXPECT_EQ(TempTree::contents(t.file), t.data);
    for (const QString &info : t.names("info"))
        EXPECT_EQ(TempTree::contents(t.home + QStringLiteral("/files/") + info.chopped(10)), t.data)
            << info.toStdString() << " describes a file that is not whole";
    EXPECT_EQ(t.names("files"), QStringList()) << "no part of the copy carries a name";
}

TEST(Trash, ACopyIntoTheHomeTrashTakesTheNextNameWhenItsOwnIsTaken)
{
    NoTrashOnItsVolume t;
    if (!t.ready())
        GTEST_SKIP() << "no file system can be mounted here (needs root outside a locked-down container)";
    const QString stray = t.tree.file(QStringLiteral("home/Trash/files/big.bin"), "left without info");

    const FileOpResult r = Trash::moveToTrash(locatedAt(t.file), t.home);
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_EQ(r.target, t.home + QStringLiteral("/files/big (2).bin"));
    EXPECT_EQ(TempTree::contents(r.target), t.data);
    EXPECT_EQ(TempTree::contents(stray), "left without info");
    EXPECT_EQ(t.names("info"), QStringList{QStringLiteral("big (2).bin.trashinfo")});
    expectInfo(r.target, NativePath::encode(t.file).toPercentEncoding("/"));
    EXPECT_FALSE(statFile(t.file).exists);
}
