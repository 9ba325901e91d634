// SPDX-License-Identifier: GPL-3.0-or-later
// Where a save or an export goes: never through another user's link, never over what is not a
// regular file; FIFOs and devices are written in place, and a file is replaced whole.
#include "SessionTestSupport.h"
#include "actions/ErrorLog.h"
#include "core/RaisedError.h"
#include "platform/NativePath.h"
#include "platform/SaveFile.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/SessionWriter.h"
#include "sessions/TextFileOutput.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
// Answers every report with Abort and keeps it.
class Recorder : public ErrorReporter
{
public:
    ErrorChoice report(const ErrorReport &r) override
    {
        reports.push_back(r);
        return ErrorChoice::Abort;
    }
    std::vector<ErrorReport> reports;
};

void someRows(ResultModel &rows)
{
    loadScanned(rows, {{"/photos/", "a.jpg", 10, 1}, {"/photos/b/", "a.jpg", 10, 1}});
}

QByteArray csvOf(const ResultModel &rows)
{
    return NativePath::encode(DelimitedExport::text(rows, QStringLiteral(","), ExportChoice(rows, ExportRows::All)));
}

bool exportCsv(const QString &path, const ResultModel &rows, ErrorReporter &errors)
{
    return DelimitedExport::exportDelimited(path, rows, QStringLiteral(","), ExportChoice(rows, ExportRows::All),
                                            errors);
}

// Every writer of files, each saying why it failed ("70 Permission denied (...)"), or nothing.
struct Writer
{
    const char *what;
    std::function<std::optional<QString>(const QString &path)> write;
};

std::optional<QString> failureOf(const Recorder &errors, bool ok)
{
    if (ok)
        return std::nullopt;
    if (errors.reports.empty())
        return QStringLiteral("failed without a report");
    return QString::number(errors.reports[0].number) + u' ' + errors.reports[0].description;
}

std::vector<Writer> writers(const ResultModel &rows)
{
    return {
        {"session",
         [&rows](const QString &path) {
             Recorder errors;
             return failureOf(errors, SessionFile::writeSessionFile(path, SessionState(), rows, false, errors));
         }},
        {"delimited export",
         [&rows](const QString &path) {
             Recorder errors;
             return failureOf(errors, exportCsv(path, rows, errors));
         }},
        {"HTML report",
         [&rows](const QString &path) {
             Recorder errors;
             const HtmlExport::Summary summary{QStringLiteral("Files : 2"), QStringLiteral("Duplicate Files: 1"),
                                               QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))};
             return failureOf(errors,
                              HtmlExport::exportHtml(path, rows, ExportChoice(rows, ExportRows::All), summary, errors));
         }},
        {"error log",
         [](const QString &path) -> std::optional<QString> {
             QString why;
             const std::vector<ActionError> logged{ActionError::unableToDelete(QStringLiteral("/photos/a.jpg"))};
             if (ErrorLog::save(path, logged, QDateTime::currentDateTime(), &why))
                 return std::nullopt;
             return why;
         }},
    };
}

QByteArray bytesOf(const QString &path)
{
    return QFile::encodeName(path);
}

struct stat lstatOf(const QString &path)
{
    struct stat st = {};
    EXPECT_EQ(::lstat(bytesOf(path).constData(), &st), 0) << path.toStdString() << ": " << std::strerror(errno);
    return st;
}

// Reads a FIFO from before the writer opens it until the test says stop.
class FifoReader
{
public:
    explicit FifoReader(const QString &path)
        : m_fd(::open(bytesOf(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)), m_thread([this] { run(); })
    {}
    ~FifoReader() { stop(); }

    // Everything read once the writer is done (or never came).
    QByteArray stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        return m_read;
    }
    bool opened() const { return m_fd >= 0; }

private:
    void run()
    {
        char buffer[4096];
        for (;;)
        {
            pollfd p{m_fd, POLLIN, 0};
            // Linux reports no hang-up on a FIFO whose writer has not come yet; the wait only
            // lets the loop see the stop request.
            const int ready = ::poll(&p, 1, 50);
            const ssize_t n = ready > 0 ? ::read(m_fd, buffer, sizeof buffer) : -1;
            if (n > 0)
                m_read.append(buffer, n);
            else if (m_stop && (n == 0 || ready == 0))
                return;
        }
    }

    int m_fd;
    QByteArray m_read;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
} // namespace

TEST(SaveTarget, ALinkInASharedFolderIsFollowedOnlyWhenItsOwnerIsTrusted)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a link to another user";
    TempTree tree;
    ResultModel rows;
    someRows(rows);
    const QString shared = tree.dir(QStringLiteral("shared"));
    ASSERT_EQ(::chmod(bytesOf(shared).constData(), 01777), 0);
    const QByteArray precious("a file the link's owner wants overwritten");

    for (const Writer &w : writers(rows))
    {
        SCOPED_TRACE(w.what);
        // Another user's link, as one could plant it in /tmp: refused, and its target untouched.
        const QString victim = tree.file(QStringLiteral("victim.txt"), precious);
        ASSERT_EQ(::chmod(bytesOf(victim).constData(), 0640), 0);
        const QString planted = tree.path(QStringLiteral("shared/out"));
        QFile::remove(planted);
        tree.symlink(victim, QStringLiteral("shared/out"));
        ASSERT_EQ(::lchown(bytesOf(planted).constData(), 12345, 12345), 0);
        const std::optional<QString> refused = w.write(planted);
        ASSERT_TRUE(refused.has_value());
        EXPECT_TRUE(refused->startsWith(QStringLiteral("70 Permission denied"))) << refused->toStdString();
        EXPECT_TRUE(refused->contains(QStringLiteral("another user's link"))) << refused->toStdString();
        EXPECT_EQ(TempTree::contents(victim), precious);
        EXPECT_TRUE(S_ISLNK(lstatOf(planted).st_mode));
        EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("out")})
            << "nothing is left beside the link";

        // The same link of our own is followed: its target is replaced whole and keeps its
        // permissions, and the link stays a link.
        ASSERT_EQ(::lchown(bytesOf(planted).constData(), ::geteuid(), ::getegid()), 0);
        const std::optional<QString> followed = w.write(planted);
        EXPECT_FALSE(followed.has_value()) << followed.value_or(QString()).toStdString();
        EXPECT_NE(TempTree::contents(victim), precious);
        EXPECT_FALSE(TempTree::contents(victim).contains(precious));
        EXPECT_EQ(lstatOf(victim).st_mode & 07777, 0640u);
        EXPECT_TRUE(S_ISLNK(lstatOf(planted).st_mode));
    }
}

TEST(SaveTarget, AFileOrFifoAnotherUserPutInASharedFolderIsLeftAlone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a file to another user";
    TempTree tree;
    ResultModel rows;
    someRows(rows);
    const QString shared = tree.dir(QStringLiteral("shared"));
    ASSERT_EQ(::chmod(bytesOf(shared).constData(), 01777), 0);
    // Put there to be replaced by a file that then keeps its owner, or to be read from.
    const QString file = tree.file(QStringLiteral("shared/report.csv"), "planted");
    ASSERT_EQ(::chmod(bytesOf(file).constData(), 0666), 0);
    tree.fifo(QStringLiteral("shared/pipe.csv"));
    const QString fifo = tree.path(QStringLiteral("shared/pipe.csv"));
    for (const QString &path : {file, fifo})
        ASSERT_EQ(::chown(bytesOf(path).constData(), 12345, 12345), 0);

    for (const Writer &w : writers(rows))
    {
        SCOPED_TRACE(w.what);
        for (const QString &path : {file, fifo})
        {
            const std::optional<QString> refused = w.write(path);
            ASSERT_TRUE(refused.has_value()) << path.toStdString();
            EXPECT_TRUE(refused->startsWith(QStringLiteral("70 Permission denied"))) << refused->toStdString();
            EXPECT_TRUE(refused->contains(QStringLiteral("another user's file"))) << refused->toStdString();
        }
        EXPECT_EQ(TempTree::contents(file), QByteArray("planted"));
        EXPECT_EQ(lstatOf(file).st_uid, 12345u);
        EXPECT_TRUE(S_ISFIFO(lstatOf(fifo).st_mode));
    }
}

TEST(SaveTarget, FifosAndDevicesAreWrittenInPlace)
{
    TempTree tree;
    ResultModel rows;
    someRows(rows);
    const QByteArray csv = csvOf(rows);

    // A FIFO with a reader, as in "corvina-cli --export fifo" with another program reading.
    tree.fifo(QStringLiteral("fifo"));
    const QString fifo = tree.path(QStringLiteral("fifo"));
    Recorder errors;
    {
        FifoReader reader(fifo);
        ASSERT_TRUE(reader.opened());
        EXPECT_TRUE(exportCsv(fifo, rows, errors));
        EXPECT_EQ(reader.stop(), csv);
    }
    EXPECT_TRUE(S_ISFIFO(lstatOf(fifo).st_mode));

    // A pipe reached through /proc, as /dev/stdout reaches standard output.
    int pipeEnds[2];
    ASSERT_EQ(::pipe2(pipeEnds, O_CLOEXEC), 0);
    tree.symlink(QStringLiteral("/proc/self/fd/%1").arg(pipeEnds[1]), QStringLiteral("stdout"));
    EXPECT_TRUE(exportCsv(tree.path(QStringLiteral("stdout")), rows, errors));
    ::close(pipeEnds[1]);
    QByteArray piped(csv.size() + 1, '\0');
    EXPECT_EQ(::read(pipeEnds[0], piped.data(), piped.size()), csv.size());
    ::close(pipeEnds[0]);
    EXPECT_EQ(piped.left(csv.size()), csv);

    // A regular file reached through /proc is replaced whole at its own name.
    const QString behind = tree.file(QStringLiteral("behind.csv"), "old text that is longer than nothing");
    const int fd = ::open(bytesOf(behind).constData(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(exportCsv(QStringLiteral("/proc/self/fd/%1").arg(fd), rows, errors));
    ::close(fd);
    EXPECT_EQ(TempTree::contents(behind), csv);
    EXPECT_TRUE(errors.reports.empty());

    // A character device: a null device of our own making, never the system's /dev/null.
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a device node";
    const QString node = tree.path(QStringLiteral("null"));
    struct statvfs vfs;
    ASSERT_EQ(::statvfs(bytesOf(tree.root()).constData(), &vfs), 0);
    if (vfs.f_flag & ST_NODEV)
        GTEST_SKIP() << "the temporary folder is on a file system mounted without devices";
    if (::mknod(bytesOf(node).constData(), S_IFCHR | 0666, ::makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node: " << std::strerror(errno);
    for (const Writer &w : writers(rows))
    {
        SCOPED_TRACE(w.what);
        const std::optional<QString> failed = w.write(node);
        EXPECT_FALSE(failed.has_value()) << failed.value_or(QString()).toStdString();
        const struct stat st = lstatOf(node);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
        EXPECT_EQ(st.st_rdev, ::makedev(1, 3));
    }
    EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("behind.csv"), QStringLiteral("fifo"), QStringLiteral("null"),
                           QStringLiteral("stdout")}));
}

TEST(SaveTarget, FoldersAndSocketsAreRefusedAndKept)
{
    TempTree tree;
    ResultModel rows;
    someRows(rows);
    const QString folder = tree.dir(QStringLiteral("folder"));
    const QString socketPath = tree.path(QStringLiteral("socket"));
    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listening, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray socketBytes = bytesOf(socketPath);
    ASSERT_LT(static_cast<size_t>(socketBytes.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketBytes.constData(), static_cast<size_t>(socketBytes.size()));
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);

    for (const Writer &w : writers(rows))
    {
        SCOPED_TRACE(w.what);
        for (const QString &path : {folder, socketPath})
        {
            const std::optional<QString> refused = w.write(path);
            ASSERT_TRUE(refused.has_value()) << path.toStdString();
            EXPECT_TRUE(refused->startsWith(QStringLiteral("75 Path/File access error"))) << refused->toStdString();
        }
        EXPECT_TRUE(S_ISDIR(lstatOf(folder).st_mode));
        EXPECT_TRUE(S_ISSOCK(lstatOf(socketPath).st_mode));
    }
    ::close(listening);
    EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("folder"), QStringLiteral("socket")}));
}

TEST(SaveTarget, ALinkSwappedInBeforeTheCommitIsReplacedNotFollowed)
{
    TempTree tree;
    const QByteArray precious("the file a swapped-in link points at");
    struct Swap
    {
        const char *what;
        std::function<void()> swap;
        QString written; // where the new bytes must be found
    };
    const QString victim = tree.file(QStringLiteral("elsewhere/out.csv"), precious);
    const std::vector<Swap> swaps = {
        {"a link at the name",
         [&] {
             QFile::remove(tree.path(QStringLiteral("out/out.csv")));
             tree.symlink(victim, QStringLiteral("out/out.csv"));
         },
         tree.path(QStringLiteral("out/out.csv"))},
        {"the folder moved away and a link put in its place",
         [&] {
             QDir(tree.root()).rename(QStringLiteral("out"), QStringLiteral("moved"));
             tree.symlink(tree.path(QStringLiteral("elsewhere")), QStringLiteral("out"));
         },
         tree.path(QStringLiteral("moved/out.csv"))},
    };
    for (const Swap &s : swaps)
    {
        SCOPED_TRACE(s.what);
        tree.file(QStringLiteral("out/out.csv"), "the previous export");
        SaveFile file(tree.path(QStringLiteral("out/out.csv")));
        ASSERT_TRUE(file.open().ok());
        ASSERT_TRUE(file.write("the new export\r\n").ok());
        s.swap();
        const FileOpen::Result committed = file.commit();
        EXPECT_TRUE(committed.ok()) << committed.text.toStdString();
        EXPECT_EQ(TempTree::contents(victim), precious);
        EXPECT_TRUE(S_ISREG(lstatOf(s.written).st_mode));
        EXPECT_EQ(TempTree::contents(s.written), QByteArray("the new export\r\n"));
        QDir(tree.path(QStringLiteral("moved"))).removeRecursively();
        QFile::remove(tree.path(QStringLiteral("out")));
        QDir(tree.path(QStringLiteral("out"))).removeRecursively();
    }
}

TEST(SaveTarget, TheEarlyCheckLeavesNothingAndOpensNoFifo)
{
    TempTree tree;
    const QString folder = tree.dir(QStringLiteral("out"));
    tree.fifo(QStringLiteral("out/fifo"));
    const QString kept = tree.file(QStringLiteral("out/kept.csv"), "an export that stays");
    // A FIFO without a reader would hold an open for writing for ever: it is not opened.
    for (const char *name : {"new.csv", "kept.csv", "fifo"})
        EXPECT_NO_THROW(TextFileOutput::checkWritable(folder + u'/' + QLatin1String(name))) << name;
    EXPECT_EQ(TempTree::contents(kept), QByteArray("an export that stays"));
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("fifo"), QStringLiteral("kept.csv")}));
    EXPECT_THROW(TextFileOutput::checkWritable(tree.path(QStringLiteral("missing/new.csv"))), RaisedError);
}

TEST(SaveTarget, ANameThatIsNotUtf8IsWrittenUnderItsOwnBytes)
{
    TempTree tree;
    ResultModel rows;
    someRows(rows);
    const QByteArray name = bytesOf(tree.root()) + "/list-\xff\xe9.csv";
    Recorder errors;
    EXPECT_TRUE(exportCsv(NativePath::decode(name), rows, errors));
    EXPECT_TRUE(errors.reports.empty());
    EXPECT_EQ(TempTree::contents(NativePath::decode(name)), csvOf(rows));
}
