// SPDX-License-Identifier: GPL-3.0-or-later
// A file whose source goes (a move to another file system, the trash's copy) and a file saved over
// another are on the disk before they take a name, and a copy is read back before its source goes:
// a disk that cannot flush, or that hands back less than was written, costs nothing.
#include "platform/FileTransfer.h"
#include "platform/SaveFile.h"
#include "platform/Trash.h"
#include "support/Located.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstddef>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

quint64 deviceOf(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : 0;
}

// A folder on another file system than the test tree: a small tmpfs of its own where this process
// may mount one, else /dev/shm when that is another file system; none otherwise.
class OtherFileSystem
{
public:
    explicit OtherFileSystem(const TempTree &tree)
        : m_mountPoint(tree.path(QStringLiteral("volume"))), m_scratch(m_mountPoint, "size=32m")
    {
        if (m_scratch.mounted())
        {
            m_folder = m_mountPoint;
            return;
        }
        if (deviceOf(QStringLiteral("/dev/shm")) == deviceOf(tree.root()))
            return;
        m_shm = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/corvina-test-XXXXXX"));
        if (m_shm->isValid())
            m_folder = m_shm->path();
    }

    /// Empty when there is none.
    QString folder() const { return m_folder; }

private:
    QString m_mountPoint;
    ScratchFileSystem m_scratch;
    std::unique_ptr<QTemporaryDir> m_shm;
    QString m_folder;
};

QString fileOf(const QString &path, const QByteArray &data)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(data) == data.size()) << path.toStdString();
    return path;
}

// Runs act in a child process in which every fsync and fdatasync fails with EIO, as on a disk
// that cannot keep what it was given: act's exit code, or -1 when no such process could be made.
int exitCodeWhenFlushesFail(const std::function<int()> &act)
{
    const auto op = [](unsigned code, unsigned jumpIfTrue, unsigned k) {
        return sock_filter{static_cast<__u16>(code), static_cast<__u8>(jumpIfTrue), 0, k};
    };
    sock_filter program[] = {
        op(BPF_LD | BPF_W | BPF_ABS, 0, offsetof(seccomp_data, nr)),
        op(BPF_JMP | BPF_JEQ | BPF_K, 2, __NR_fsync),
        op(BPF_JMP | BPF_JEQ | BPF_K, 1, __NR_fdatasync),
        op(BPF_RET | BPF_K, 0, SECCOMP_RET_ALLOW),
        op(BPF_RET | BPF_K, 0, SECCOMP_RET_ERRNO | (EIO & SECCOMP_RET_DATA)),
    };
    const sock_fprog filter = {static_cast<unsigned short>(std::size(program)), program};
    const pid_t pid = ::fork();
    if (pid == 0)
    {
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
            ::_exit(100);
        ::_exit(act());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 100)
        return -1;
    return WEXITSTATUS(status);
}

// What a child reports: 0 when the operation failed with EIO, 1 when it went through, 2 else.
int eioExpected(bool ok, bool eio)
{
    if (ok)
        return 1;
    return eio ? 0 : 2;
}

// The copy being written into folderDevice's file system: the one regular file this process has
// open there for reading and writing; -1 when there is none.
int copyUnderWay(quint64 folderDevice)
{
    for (const QString &entry : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System))
    {
        const int fd = entry.toInt();
        struct stat st = {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == folderDevice &&
            (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDWR)
            return fd;
    }
    return -1;
}
} // namespace

TEST(DurableWrites, AMoveToAnotherFileSystemKeepsItsSourceWhenTheCopyReadsBackShort)
{
    TempTree tree;
    const OtherFileSystem other(tree);
    if (other.folder().isEmpty())
        GTEST_SKIP() << "no second file system";
    // Two whole blocks of the comparison and a few bytes, all alike: a copy that lost its last few
    // bytes reads back as the blocks before them.
    const QByteArray data((qint64{2} << 20) + 10, 'm');
    const QString source = fileOf(other.folder() + QStringLiteral("/big.bin"), data);
    const QString dest = tree.dir(QStringLiteral("dest"));
    const quint64 destDevice = deviceOf(dest);
    // The disk loses the copy's tail the moment it is whole.
    bool cut = false;
    const auto pulse = [&] {
        const int fd = copyUnderWay(destDevice);
        struct stat st = {};
        if (!cut && fd >= 0 && ::fstat(fd, &st) == 0 && st.st_size == data.size())
            cut = ::ftruncate(fd, st.st_size - 10) == 0;
    };

    const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(source), {dest, {}}, pulse);
    ASSERT_TRUE(cut) << "the copy was never seen whole";
    EXPECT_EQ(r.error, FileOpError::Mismatch);
    EXPECT_EQ(TempTree::contents(source), data);
    EXPECT_EQ(entriesOf(dest), QStringList());
}

TEST(DurableWrites, WhatCannotBeFlushedNeverTakesTheNameNorCostsTheOriginal)
{
    struct Case
    {
        const char *what;
        bool needsMount; // a file system of its own, whose trash cannot be used
        // The operation, in the child whose flushes fail; its eioExpected() code.
        std::function<int(TempTree &, const QString &volume)> act;
        // The file that must be kept as it was, and the folder that must not gain a name.
        const char *original;
        const char *untouched;
    };
    const QByteArray data(3 << 20, 'd');
    const std::vector<Case> cases{
        {"a move to another file system", false,
         [](TempTree &tree, const QString &volume) {
             const FileOpResult r = FileTransfer::moveNoClobber(locatedAt(volume + QStringLiteral("/f.bin")),
                                                                {tree.path(QStringLiteral("dest")), {}});
             return eioExpected(r.ok(), r.error == FileOpError::System && r.errorNumber == EIO);
         },
         "volume/f.bin", "dest"},
        {"a copy into the home trash", true,
         [](TempTree &tree, const QString &volume) {
             const FileOpResult r =
                 Trash::moveToTrash(locatedAt(volume + QStringLiteral("/f.bin")), tree.path(QStringLiteral("trash")));
             return eioExpected(r.ok(), r.error == FileOpError::System && r.errorNumber == EIO);
         },
         "volume/f.bin", "trash/files"},
        {"a save over a file", false,
         [](TempTree &tree, const QString &) {
             SaveFile file(tree.path(QStringLiteral("dest/f.bin")));
             if (!file.open().ok() || !file.write("new contents").ok())
                 return 2;
             const FileOpen::Result r = file.commit();
             return eioExpected(r.ok(), r.text == FileOpen::systemFailure(EIO).text);
         },
         "dest/f.bin", "dest"},
    };
    QStringList notRun;
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree tree;
        tree.dir(QStringLiteral("dest"));
        tree.dir(QStringLiteral("trash/files"));
        const OtherFileSystem other(tree);
        const QString volume = other.folder();
        // /dev/shm would do for a move, but its trash is not the test's to make.
        if (volume.isEmpty() || (c.needsMount && volume != tree.path(QStringLiteral("volume"))))
        {
            notRun << QString::fromLatin1(c.what);
            continue;
        }
        fileOf(volume + QStringLiteral("/f.bin"), data);
        // The trash of the volume cannot be made, so the file goes into the home trash as a copy.
        fileOf(volume + QStringLiteral("/.Trash-") + QString::number(::getuid()), "in the way");
        fileOf(tree.path(QStringLiteral("dest/f.bin")), data);
        const QString original = QString::fromLatin1(c.original).startsWith(QLatin1String("volume/"))
                                     ? volume + QString::fromLatin1(c.original).mid(6)
                                     : tree.path(QString::fromLatin1(c.original));
        const QStringList before = entriesOf(tree.path(QString::fromLatin1(c.untouched)));

        const int code = exitCodeWhenFlushesFail([&] { return c.act(tree, volume); });
        if (code < 0)
            GTEST_SKIP() << "system calls cannot be made to fail here (no seccomp filters)";
        EXPECT_EQ(code, 0) << "1: it went through; 2: it failed for another reason than the flush";
        EXPECT_EQ(TempTree::contents(original), data);
        EXPECT_EQ(entriesOf(tree.path(QString::fromLatin1(c.untouched))), before);
    }
    if (!notRun.isEmpty())
        GTEST_SKIP() << "not run without a file system of their own (root): " << notRun.join(u", ").toStdString();
}
