// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionTestSupport.h"
#include "sessions/SessionReader.h"
#include "support/MarkingTranslator.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <tuple>

namespace
{
const QByteArray GoodHeader = "1,1,0,2,4,2,1,3,0\r\n";
const QByteArray Row1 = ";a?3?3/7/2004 9:05:03 PM?N/A?1?/x/?000000000003?20040307210503?00000000001\r\n";
const QByteArray Row2 = "b?3?3/7/2004 9:05:03 PM?N/A?1?/y/?000000000003?20040307210503?00000000001\r\n";

// A result line with one field replaced (0 to 8).
QByteArray rowWith(int field, const QByteArray &text)
{
    QList<QByteArray> f = Row2.chopped(2).split('?');
    f[field] = text;
    return f.join('?') + "\r\n";
}

// What the window held before a load: it must still hold it after a load that failed.
struct Before
{
    SessionState state;
    ResultModel rows;

    Before()
    {
        state.options.engine = ScanOptions::Crc32;
        state.duplicateCount = 7;
        SearchLocation stale;
        stale.folder = QStringLiteral("/kept");
        state.locations.append(stale);
        loadScanned(rows, {{"/kept/", "one", 5, 1}, {"/kept/", "two", 5, 1}});
    }

    bool unchanged() const
    {
        return state.options.engine == ScanOptions::Crc32 && state.duplicateCount == 7 && state.locations.size() == 1 &&
               state.locations.at(0).folder == QStringLiteral("/kept") && rows.size() == 2 &&
               rows.row(0).name() == QStringLiteral("one");
    }
};

struct Outcome
{
    SessionLoadReport report;
    SessionRead parameters; // what loadSessionParameters makes of the same file
    bool unchanged = false;
    std::vector<ErrorReport> reports;
};

// Loads the file with both readers over a session that holds something; the reporter answers
// every error report with the given choices.
Outcome openFile(const QString &path, std::vector<ErrorChoice> answers = {})
{
    Outcome o;
    Before full;
    TestSink sink;
    for (ErrorChoice c : answers)
        sink.reporter.expect(c);
    bool newSession = false;
    SessionFile::LoadHooks hooks;
    hooks.newSession = [&] { newSession = true; };
    o.report = SessionFile::openCorvinaFile(path, false, false, full.state, full.rows, sink, hooks);
    o.reports = sink.reporter.reports();

    Before setup;
    ScriptedErrorReporter errors;
    for (size_t i = 0; i < answers.size(); ++i)
        errors.expect(ErrorChoice::Abort);
    o.parameters = SessionFile::loadSessionParameters(path, setup.state, setup.rows, errors, hooks);
    o.unchanged = full.unchanged() && setup.unchanged() && !newSession;
    return o;
}
} // namespace

TEST(SessionDamage, AFileThatIsNotWholeIsDamagedAndChangesNothing)
{
    struct Case
    {
        const char *what;
        QByteArray text;
        const char *why; // a part of the reason given
    };
    const std::vector<Case> cases = {
        {"empty file", "", "The file is empty."},
        {"empty first line", "\r\n/x,Yes,m,1,,15\r\n", "Line 1 is not a session header: it has 0"},
        {"six header fields", "1,1,0,2,4,2\r\n", "Line 1 is not a session header: it has 6"},
        {"a counter that is no number", "1,1,0,2,many,2,1,3,0\r\n", "field 5 of the header, \"many\""},
        {"a counter beyond 32 bits", "1,1,0,2,99999999999,2,1,3,0\r\n", "field 5 of the header"},
        {"an engine that does not exist", "7,1,0,0,0,0,0,0,0\r\n", "search engine \"7\""},
        {"negative row count", "1,1,0,-1,4,2,1,3,0\r\n", "field 4 of the header"},
        {"location of five fields", GoodHeader + "/x,Yes,m,1,\r\n", "a search location has 6 fields, this line has 5"},
        {"comma in a plain location", GoodHeader + "/a,b,Yes,m,1,,15\r\n", "this line has 7"},
        {"empty location line", GoodHeader + "/x,Yes,m,1,,15\r\n\r\n", "Line 3: a search location"},
        {"relative location", GoodHeader + "x,Yes,m,1,,15\r\n", "\"x\" is not an absolute path"},
        {"icon that is no number", GoodHeader + "/x,Yes,m,1,,x\r\n", "icon \"x\" is none of"},
        {"icon of no kind", GoodHeader + "/x,Yes,m,1,,0\r\n", "icon \"0\" is none of"},
        {"row of eight fields", GoodHeader + Row1 + "b?3?d?N/A?1?/y/?3?4\r\n", "a result row has 9 fields"},
        {"question mark in a plain row", GoodHeader + Row1 + rowWith(0, "what?.txt"),
         "the tenth field of a result row can only be"},
        {"more rows than announced", GoodHeader + Row1 + Row2 + Row2, "Line 4: the header announces 2"},
        {"fewer rows than announced", "1,1,0,3,4,2,1,3,0\r\n" + Row1 + Row2,
         "The header announces 3 result rows, but the file holds 2."},
        {"cut in the last row", GoodHeader + Row1 + "b?3?3/7/2004 9:0", "this line has 3"},
        {"cut after the last field", GoodHeader + Row1 + Row2.chopped(5), "ends in the middle of line 3"},
        {"raw NUL in a name", GoodHeader + Row1 + rowWith(0, QByteArray("sh\0ort", 6)), "Line 3 holds a NUL"},
        {"escaped NUL in a name", "1,1,0,1,4,2,1,3,0,%\r\n;sh%00ort?3?3/7/2004 9:05:03 PM?N/A?1?/x/?3?1?1\r\n",
         "Line 2 holds a NUL"},
        {"escaped slash in a name", "1,1,0,1,4,2,1,3,0,%\r\n;..%2F..%2Fetc?3??N/A?1?/x/?3?1?1\r\n", "the file name"},
        {"name that is the folder itself", GoodHeader + Row1 + rowWith(0, ".."), "the file name \"..\""},
        {"relative result folder", GoodHeader + Row1 + rowWith(5, "y/"), "the folder \"y/\""},
        {"result folder without its slash", GoodHeader + Row1 + rowWith(5, "/y"), "the folder \"/y\""},
        {"size that is no number", GoodHeader + Row1 + rowWith(1, "3 KB"), "the size \"3 KB\""},
        {"size beyond 64 bits", GoodHeader + Row1 + rowWith(1, "99999999999999999999"), "the size"},
        {"size in exponent form", GoodHeader + Row1 + rowWith(1, "1E30"), "the size \"1E30\""},
        {"date that is no date", GoodHeader + Row1 + rowWith(2, "yesterday"), "the date \"yesterday\""},
        {"sort key that is no number", GoodHeader + Row1 + rowWith(8, "x"), "the group key"},
        {"binary garbage", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "Line 1 is not a session header"},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree t;
        writeBytes(t.path("d.cvf"), c.text);
        const Outcome o = openFile(t.path("d.cvf"));
        EXPECT_FALSE(o.report.result);
        EXPECT_EQ(o.report.ending, SessionRead::Ending::Damaged);
        EXPECT_TRUE(o.report.damage.contains(QString::fromLatin1(c.why))) << o.report.damage.toStdString();
        EXPECT_EQ(o.parameters.ending, SessionRead::Ending::Damaged) << "both readers take a file only whole";
        EXPECT_TRUE(o.reports.empty()) << "damage is no unexpected failure";
        EXPECT_TRUE(o.unchanged);
        const auto message = SessionFile::cannotLoad(QStringLiteral("/d.cvf"), o.report);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->title, QStringLiteral("Damaged Session File"));
        EXPECT_EQ(message->text, QStringLiteral("\"/d.cvf\"\r\n") + o.report.damage);
        // What is wrong is told in the user's language, as one sentence with the file's details.
        const MarkedTexts translated;
        const Outcome marked = openFile(t.path("d.cvf"));
        EXPECT_EQ(marked.report.damage, MarkingTranslator::Mark + o.report.damage);
        const auto markedMessage = SessionFile::cannotLoad(QStringLiteral("/d.cvf"), marked.report);
        ASSERT_TRUE(markedMessage.has_value());
        EXPECT_EQ(markedMessage->title, QStringLiteral("[tr] Damaged Session File"));
    }
}

TEST(SessionDamage, AMissingFileChangesNothingAndIsNotFound)
{
    TempTree t;
    const Outcome o = openFile(t.path("nothing.cvf"));
    EXPECT_EQ(o.report.ending, SessionRead::Ending::Missing);
    EXPECT_EQ(o.parameters.ending, SessionRead::Ending::Missing);
    EXPECT_TRUE(o.reports.empty());
    EXPECT_TRUE(o.unchanged);
    const auto message = SessionFile::cannotLoad(QStringLiteral("/nothing.cvf"), o.report);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, QStringLiteral("File Not Found"));
    EXPECT_EQ(message->text, QStringLiteral("\"/nothing.cvf\""));
}

TEST(SessionDamage, FilesThatCannotBeReadGoToTheReportAndChangeNothing)
{
    TempTree t;
    t.dir(QStringLiteral("folder.cvf"));
    t.fifo(QStringLiteral("pipe.cvf"));
    for (const char *name : {"folder.cvf", "pipe.cvf"})
    {
        SCOPED_TRACE(name);
        const Outcome o = openFile(t.path(QString::fromLatin1(name)), {ErrorChoice::Abort});
        EXPECT_EQ(o.report.ending, SessionRead::Ending::Aborted);
        ASSERT_EQ(o.reports.size(), 1u);
        EXPECT_EQ(o.reports[0].label, QStringLiteral("File Opening"));
        EXPECT_EQ(o.reports[0].number, 75);
        EXPECT_TRUE(o.unchanged);
        EXPECT_FALSE(SessionFile::cannotLoad(QStringLiteral("/x"), o.report).has_value()) << "the report said it";
    }
}

TEST(SessionDamage, UnixLineEndsAndAByteOrderMarkAreWhole)
{
    TempTree t;
    QByteArray unix = "\xEF\xBB\xBF" + GoodHeader + Row1 + Row2;
    unix.replace("\r\n", "\n");
    writeBytes(t.path("u.cvf"), unix);
    SessionState state;
    ResultModel rows;
    TestSink sink;
    EXPECT_TRUE(SessionFile::openCorvinaFile(t.path("u.cvf"), false, false, state, rows, sink).result);
    EXPECT_EQ(rows.size(), 2);
}

TEST(SessionDamage, NumbersBeyondTheirRangeNeverOverflow)
{
    TempTree t;
    // A year no stamp holds loads with its text kept; the row simply has no date to sort by.
    writeBytes(t.path("y.cvf"), GoodHeader + Row1 + rowWith(2, "1/1/2000000000 1:00:00 AM"));
    SessionState state;
    ResultModel rows;
    TestSink sink;
    ASSERT_TRUE(SessionFile::openCorvinaFile(t.path("y.cvf"), false, false, state, rows, sink).result);
    EXPECT_EQ(rows.row(1).column(ResultRow::ColModified), QStringLiteral("1/1/2000000000 1:00:00 AM"));
    EXPECT_EQ(rows.row(1).stamp, 0);

    // The row's own conversion, for texts that do not come through the reader.
    const ResultRow huge = ResultRow::fromColumns(QStringLiteral("a"), QStringLiteral("1E30"), QString(), QString(), 1,
                                                  QStringLiteral("/x/"), QString(), QString(), QString());
    EXPECT_EQ(huge.size, 0);
    EXPECT_EQ(huge.column(ResultRow::ColSize), QStringLiteral("1E30"));
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
    EXPECT_EQ(o.report.ending, SessionRead::Ending::Damaged);
    EXPECT_EQ(o.report.damage, QStringLiteral("Line 1 is longer than any line of a session file."));
    EXPECT_TRUE(o.unchanged);
}

TEST(SessionDamage, AnnouncedRowCountIsNotTrustedForMemory)
{
    TempTree t;
    writeBytes(t.path("d.cvf"), "1,1,0,2000000000,4,2,1,3,0\r\n" + Row1 + Row2);
    const Outcome o = openFile(t.path("d.cvf"));
    EXPECT_EQ(o.report.damage, QStringLiteral("The header announces 2000000000 result rows, but the file holds 2."));
}

// A load tells its activity in the user's language; the other panels are the English texts that
// session files and the HTML report keep, which the window shows from their counts.
TEST(SessionDamage, AWholeFileLoadsAlikeInEveryLanguage)
{
    TempTree t;
    writeBytes(t.path("s.cvf"), GoodHeader + Row1 + Row2);
    const Outcome english = openFile(t.path("s.cvf"));
    ASSERT_TRUE(english.report.result);
    const MarkedTexts translated;
    const Outcome marked = openFile(t.path("s.cvf"));
    ASSERT_TRUE(marked.report.result);
    const SessionStatusTexts &e = english.report.status;
    const SessionStatusTexts &m = marked.report.status;
    EXPECT_EQ(m.panel1, MarkingTranslator::Mark + e.panel1);
    EXPECT_EQ(e.panel3, QStringLiteral("Files : 4"));
    EXPECT_EQ(std::tie(m.panel2, m.panel3, m.panel4), std::tie(e.panel2, e.panel3, e.panel4));
    EXPECT_EQ(SessionStatusTexts::newSession().panel1,
              QStringLiteral("[tr] Add search path and click on the scan button to start search."));
    const auto missing = SessionFile::cannotLoad(QStringLiteral("/gone.cvf"), SessionRead{});
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->title, QStringLiteral("[tr] File Not Found"));
}
