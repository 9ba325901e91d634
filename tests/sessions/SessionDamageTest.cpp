#include "SessionTestSupport.h"
#include "sessions/SessionReader.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

namespace
{
const QByteArray GoodHeader = "1,1,0,2,4,2,1,3,0\r\n";
const QByteArray Row1 = ";a?3?3/7/2004 9:05:03 PM?N/A?1?/x/?000000000003?20040307210503?00000000001\r\n";
const QByteArray Row2 = "b?3?3/7/2004 9:05:03 PM?N/A?1?/y/?000000000003?20040307210503?00000000001\r\n";

struct Outcome
{
    SessionLoadReport report;
    SessionState state;
    int rows = 0;
    std::vector<ErrorReport> reports;
};

// Loads with a sink whose reporter answers every report with the given choices.
Outcome openFile(const QString &path, std::vector<ErrorChoice> answers = {})
{
    Outcome o;
    ResultModel rows;
    TestSink sink;
    for (ErrorChoice c : answers)
        sink.reporter.expect(c);
    o.state.options.engine = ScanOptions::Crc32; // the reset must undo this
    SearchLocation stale;
    stale.folder = QStringLiteral("/stale");
    o.state.locations.append(stale);
    o.report = SessionFile::OpenCorvinaFile(path, false, false, o.state, rows, sink);
    o.rows = rows.size();
    o.reports = sink.reporter.reports();
    return o;
}

bool loadParameters(const QString &path, std::vector<ErrorChoice> answers = {},
                    std::vector<ErrorReport> *reports = nullptr)
{
    SessionState state;
    ResultModel rows;
    ScriptedErrorReporter errors;
    for (ErrorChoice c : answers)
        errors.expect(c);
    const bool ok = SessionFile::LoadSessionParameters(path, state, rows, errors);
    if (reports)
        *reports = errors.reports();
    return ok;
}
} // namespace

TEST(SessionDamage, MissingFileLeavesAnEmptySessionWithoutAMessage)
{
    TempTree t;
    const Outcome o = openFile(t.path("nothing.cvf"));
    EXPECT_FALSE(o.report.result);
    EXPECT_EQ(o.report.ending, SessionLoadReport::Ending::Failed);
    EXPECT_TRUE(o.reports.empty());
    EXPECT_EQ(o.state.options.engine, ScanOptions::ByteToByte);
    EXPECT_TRUE(o.state.locations.empty());
    EXPECT_EQ(o.rows, 0);
    EXPECT_EQ(o.report.status.panel5, QStringLiteral("00:00:00"));
    EXPECT_FALSE(loadParameters(t.path("nothing.cvf")));
    EXPECT_FALSE(loadParameters(QString()));
}

TEST(SessionDamage, LinesWithTooFewFieldsEndTheLoadWithFalse)
{
    struct Case
    {
        const char *what;
        QByteArray text;
        int rowsKept;
        bool parametersLoad; // what LoadSessionParameters makes of the same file
    };
    const std::vector<Case> cases = {
        {"empty first line", "\r\n/x,Yes,m,1,,15\r\n", 0, false},
        {"empty file's only line break", "\n", 0, false},
        {"six header fields", "1,1,0,2,4,2\r\n", 0, true},
        {"two header fields", "1,1\r\n", 0, false},
        {"location of five fields", GoodHeader + "/x,Yes,m,1,\r\n", 0, false},
        {"empty location line", GoodHeader + "/x,Yes,m,1,,15\r\n\r\n", 0, false},
        {"row of eight fields", GoodHeader + Row1 + "b?3?d?N/A?1?/y/?3?4\r\n", 1, true},
        {"more rows than announced", GoodHeader + Row1 + Row2 + Row2, 2, true},
        {"negative row count", "1,1,0,-1,4,2,1,3,0\r\n", 0, true},
        {"truncated last row", GoodHeader + Row1 + "b?3?3/7/2004 9:0", 1, true},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree t;
        writeBytes(t.path("d.cvf"), c.text);
        const Outcome o = openFile(t.path("d.cvf"));
        EXPECT_FALSE(o.report.result);
        EXPECT_EQ(o.report.ending, SessionLoadReport::Ending::Failed);
        EXPECT_TRUE(o.reports.empty());
        EXPECT_EQ(o.rows, c.rowsKept);
        EXPECT_TRUE(o.report.CancelSearch);
        EXPECT_EQ(loadParameters(t.path("d.cvf")), c.parametersLoad);
    }
}

TEST(SessionDamage, TruncatedLastLineWithAllItsFieldsStillLoads)
{
    TempTree t;
    writeBytes(t.path("d.cvf"), GoodHeader + Row1 + "b?3?3/7/2004 9:05:03 PM?N/A?1?/y/?000000000003?2004?000");
    const Outcome o = openFile(t.path("d.cvf"));
    EXPECT_TRUE(o.report.result);
    EXPECT_EQ(o.rows, 2);
}

TEST(SessionDamage, FilesWithoutAFinalLineEndOrWithUnixLineEndsLoad)
{
    TempTree t;
    QByteArray unix = GoodHeader + Row1 + Row2;
    unix.replace("\r\n", "\n");
    writeBytes(t.path("u.cvf"), unix);
    EXPECT_TRUE(openFile(t.path("u.cvf")).report.result);
    EXPECT_EQ(openFile(t.path("u.cvf")).rows, 2);
}

TEST(SessionDamage, NonNumericCountersGoToTheReport)
{
    TempTree t;
    writeBytes(t.path("d.cvf"), "3,1,0,2,many,2,1,3,0\r\n/x,Yes,m,1,,15\r\n" + Row1 + Row2);
    // Abort: the load ends at once.
    const Outcome aborted = openFile(t.path("d.cvf"), {ErrorChoice::Abort});
    EXPECT_FALSE(aborted.report.result);
    EXPECT_EQ(aborted.report.ending, SessionLoadReport::Ending::Aborted);
    EXPECT_TRUE(aborted.report.CancelSearch);
    ASSERT_EQ(aborted.reports.size(), 1u);
    EXPECT_EQ(aborted.reports[0].number, 13);
    EXPECT_EQ(aborted.reports[0].label, QStringLiteral("File Opening"));
    EXPECT_TRUE(aborted.state.locations.empty());

    // Retry runs the same line again (and fails again); the options read before it stay.
    const Outcome retried = openFile(t.path("d.cvf"), {ErrorChoice::Retry, ErrorChoice::Abort});
    EXPECT_EQ(retried.reports.size(), 2u);
    EXPECT_EQ(retried.state.options.engine, ScanOptions::SameName);

    // A count too large for its type is an overflow.
    writeBytes(t.path("o.cvf"), "1,1,0,2,99999999999,2,1,3,0\r\n");
    const Outcome overflow = openFile(t.path("o.cvf"), {ErrorChoice::Abort});
    ASSERT_EQ(overflow.reports.size(), 1u);
    EXPECT_EQ(overflow.reports[0].number, 6);

    // The parameter load reads only the first three fields.
    EXPECT_TRUE(loadParameters(t.path("d.cvf")));
    writeBytes(t.path("p.cvf"), "1,yes,0\r\n");
    std::vector<ErrorReport> reports;
    EXPECT_FALSE(loadParameters(t.path("p.cvf"), {ErrorChoice::Abort}, &reports));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].label, QStringLiteral("ParaFile Opening"));
}

TEST(SessionDamage, BinaryGarbageIsReportedNotCrashedOn)
{
    TempTree t;
    QByteArray garbage("\x89PNG\r\n\x1a\n", 8);
    quint32 seed = 12345;
    for (int i = 0; i < 200000; ++i)
    {
        seed = seed * 1664525u + 1013904223u;
        garbage.append(static_cast<char>(seed >> 24));
    }
    writeBytes(t.path("picture.cvf"), garbage);
    const Outcome o = openFile(t.path("picture.cvf"), {ErrorChoice::Abort});
    EXPECT_FALSE(o.report.result);
    ASSERT_EQ(o.reports.size(), 1u);
    EXPECT_EQ(o.reports[0].number, 13);
    EXPECT_FALSE(loadParameters(t.path("picture.cvf"), {ErrorChoice::Abort}));
}

TEST(SessionDamage, AHundredMegabyteLineIsRefusedWithoutReadingItAll)
{
    TempTree t;
    const QString path = t.path("huge.cvf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray chunk(1024 * 1024, 'A');
        ASSERT_EQ(f.write("1,1,0,2,4,2,1,3,0,"), 18);
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(f.write(chunk), chunk.size());
    }
    const Outcome o = openFile(path);
    EXPECT_FALSE(o.report.result);
    EXPECT_EQ(o.report.ending, SessionLoadReport::Ending::Failed);
    EXPECT_FALSE(loadParameters(path));
}

TEST(SessionDamage, AnnouncedRowCountIsNotTrustedForMemory)
{
    TempTree t;
    writeBytes(t.path("d.cvf"), "1,1,0,2000000000,4,2,1,3,0\r\n" + Row1 + Row2);
    const Outcome o = openFile(t.path("d.cvf"));
    EXPECT_TRUE(o.report.result);
    EXPECT_EQ(o.rows, 2);
}

TEST(SessionDamage, FoldersAndFifosAreNotSessionFiles)
{
    TempTree t;
    t.dir(QStringLiteral("folder.cvf"));
    t.fifo(QStringLiteral("pipe.cvf"));
    for (const char *name : {"folder.cvf", "pipe.cvf"})
    {
        SCOPED_TRACE(name);
        const Outcome o = openFile(t.path(QString::fromLatin1(name)), {ErrorChoice::Abort});
        EXPECT_FALSE(o.report.result);
        ASSERT_EQ(o.reports.size(), 1u);
        EXPECT_EQ(o.reports[0].label, QStringLiteral("File Opening"));
    }
}
