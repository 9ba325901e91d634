// SPDX-License-Identifier: GPL-3.0-or-later
// Every file Corvina writes, on a disk that is full: the previous file stays byte for byte, no
// fragment is left beside it, and the report says "61 Disk full". The disk is a small tmpfs the
// test mounts; where it cannot (not root, or no right to mount), a read-only folder stands in
// and the report says "70 Permission denied".
#include "SessionTestSupport.h"
#include "actions/ErrorLog.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/SessionWriter.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
class FullDiskTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        disk = tree.dir(QStringLiteral("disk"));
        if (::geteuid() != 0)
            return;
        scratch.emplace(disk, "size=256k");
        if (!scratch->mounted())
            GTEST_SKIP() << "cannot mount a small tmpfs to fill: " << std::strerror(errno);
        mounted = true;
    }

    void TearDown() override
    {
        if (!mounted)
            ::chmod(QFile::encodeName(disk).constData(), 0755);
    }

    QString path(const char *name) const { return disk + u'/' + QLatin1String(name); }

    // Fills the disk to the last byte, or makes the folder read-only where no disk was mounted.
    void fill()
    {
        if (!mounted)
        {
            ASSERT_EQ(::chmod(QFile::encodeName(disk).constData(), 0555), 0);
            return;
        }
        QFile filler(path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0)
        {}
        QFile more(path("more"));
        ASSERT_TRUE(more.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (more.write("f", 1) > 0)
        {}
    }

    qint32 expectedNumber() const { return mounted ? 61 : 70; }
    QString expectedWords() const
    {
        return mounted ? QStringLiteral("Disk full") : QStringLiteral("Permission denied");
    }

    QStringList entries() const { return QDir(disk).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    TempTree tree;
    QString disk;
    std::optional<ScratchFileSystem> scratch;
    bool mounted = false;
};

SessionState someState(int locations)
{
    SessionState s;
    for (int i = 0; i < locations; ++i)
    {
        SearchLocation l;
        l.folder = QStringLiteral("/photos/%1").arg(i);
        l.mask = QStringLiteral("All files(*.*)");
        s.locations.append(l);
    }
    return s;
}
} // namespace

TEST_F(FullDiskTest, SavesOnAFullDiskLeaveThePreviousFilesWhole)
{
    ResultModel rows;
    loadScanned(rows, {{"/photos/", "a.jpg", 10, 1}, {"/photos/b/", "a.jpg", 10, 1}});
    ResultModel more;
    std::vector<ScannedFile> many;
    for (int i = 0; i < 2000; ++i)
        many.push_back({QStringLiteral("/photos/%1/").arg(i), QStringLiteral("copy.jpg"), 10, i % 2 + 1});
    loadScanned(more, many);
    ScriptedErrorReporter none;
    ASSERT_TRUE(SessionFile::writeSessionFile(path("s.cvf"), someState(3), rows, false, none));
    SessionFile::saveSessionParameters(path("default.cvf"), someState(200), rows);
    const ExportChoice all(rows, ExportRows::All);
    ASSERT_TRUE(DelimitedExport::exportDelimited(path("e.csv"), rows, QStringLiteral(","), all, none));
    const HtmlExport::Summary summary{QStringLiteral("Files : 2"), QStringLiteral("Duplicate Files: 1  Size: 10 Bytes"),
                                      QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))};
    ASSERT_TRUE(HtmlExport::exportHtml(path("e.htm"), rows, all, summary, none));
    const std::vector<ActionError> logged{ActionError::unableToDelete(QStringLiteral("/photos/a.jpg"))};
    ASSERT_TRUE(ErrorLog::save(path("errors.log"), logged, QDateTime::currentDateTime()));
    std::map<QString, QByteArray> before;
    for (const char *name : {"s.cvf", "default.cvf", "e.csv", "e.htm", "errors.log"})
        before[QLatin1String(name)] = readBytes(path(name));
    EXPECT_TRUE(before["default.cvf"].contains("/photos/199,"));

    fill();
    const QStringList present = entries();

    struct Attempt
    {
        const char *what;
        std::function<bool(ErrorReporter &)> save;
        QString label;
    };
    const ExportChoice allMore(more, ExportRows::All);
    const std::vector<Attempt> attempts = {
        {"session",
         [&](ErrorReporter &e) { return SessionFile::writeSessionFile(path("s.cvf"), someState(5), more, false, e); },
         QStringLiteral("File Saving")},
        {"delimited export",
         [&](ErrorReporter &e) {
             return DelimitedExport::exportDelimited(path("e.csv"), more, QStringLiteral(";"), allMore, e);
         },
         QStringLiteral("Exporting CSV")},
        {"HTML report",
         [&](ErrorReporter &e) { return HtmlExport::exportHtml(path("e.htm"), more, allMore, summary, e); },
         QStringLiteral("Exporting CSV")},
    };
    for (const Attempt &a : attempts)
    {
        SCOPED_TRACE(a.what);
        ScriptedErrorReporter errors;
        errors.expect(ErrorChoice::Abort);
        EXPECT_FALSE(a.save(errors));
        ASSERT_EQ(errors.reports().size(), 1u);
        EXPECT_EQ(errors.reports()[0].number, expectedNumber());
        EXPECT_EQ(errors.reports()[0].description.left(expectedWords().size()), expectedWords());
        EXPECT_EQ(errors.reports()[0].label, a.label);
    }
    SessionFile::saveSessionParameters(path("default.cvf"), someState(1), more);
    QString why;
    EXPECT_FALSE(ErrorLog::save(path("errors.log"), std::vector<ActionError>(500, logged[0]),
                                QDateTime::currentDateTime(), &why));
    EXPECT_TRUE(why.startsWith(QString::number(expectedNumber()) + u' ' + expectedWords())) << why.toStdString();

    for (const auto &[name, bytes] : before)
        EXPECT_EQ(readBytes(disk + u'/' + name), bytes) << name.toStdString();
    EXPECT_EQ(entries(), present) << "no fragment is left beside the files";
}
