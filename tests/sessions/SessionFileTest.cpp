// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionTestSupport.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace
{
const QByteArray CrLf = "\r\n";

SessionState exampleState()
{
    SessionState s;
    s.options.engine = ScanOptions::ByteToByte;
    s.options.protect = true;
    s.options.includeHidden = false;
    s.options.fuzzy = false;
    s.filesPanel = QStringLiteral("Files : 1200");
    s.foldersPanel = QStringLiteral("Folders : 80");
    s.duplicateCount = 1;
    s.duplicateSize = 3072;
    SearchLocation l;
    l.folder = QStringLiteral("/data");
    l.subFolders = QStringLiteral("Yes");
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("10");
    s.locations.append(l);
    return s;
}

void exampleRows(ResultModel &rows)
{
    loadScanned(rows, {{QStringLiteral("/data/"), QStringLiteral("a.txt"), 3072, 1},
                       {QStringLiteral("/data/Old/"), QStringLiteral("b.txt"), 3072, 1}});
}

const QByteArray ExampleFile =
    "1,1,0,2,1200,80,1,3072,0\r\n"
    "/data,Yes,All files(*.*),10,,15\r\n"
    ";a.txt?3072?3/7/2004 9:05:03 PM?N/A?1?/data/?000000003072?20040307210503?00000000001\r\n"
    "b.txt?3072?3/7/2004 9:05:03 PM?N/A?1?/data/Old/?000000003072?20040307210503?"
    "00000000001\r\n";

SessionLoadReport load(const QString &path, SessionState &state, ResultModel &rows, bool reScan = false)
{
    TestSink sink;
    return SessionFile::openCorvinaFile(path, reScan, false, state, rows, sink);
}
} // namespace

TEST(SessionFile, HeaderMatchesTheDescribedExample)
{
    SessionState s = exampleState();
    s.options.engine = ScanOptions::ByteToByte;
    s.duplicateCount = 3;
    s.locations.clear();
    ResultModel rows;
    for (int i = 0; i < 5; ++i)
        rows.appendRow(ResultRow{});
    EXPECT_EQ(SessionFile::parametersText(s, rows), QStringLiteral("1,1,0,5,1200,80,3,3072,0"));
}

TEST(SessionFile, WholeFileIsWrittenByteForByte)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    ScriptedErrorReporter errors;
    std::vector<int> progress;
    ProgressHooks hooks;
    int maximum = 0;
    hooks.setMaximum = [&](int m) { maximum = m; };
    hooks.setValue = [&](int v) { progress.push_back(v); };
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), exampleState(), rows, false, errors, hooks));
    EXPECT_EQ(readBytes(t.path("s.cvf")), ExampleFile);
    EXPECT_EQ(maximum, 2);
    EXPECT_EQ(progress, (std::vector<int>{1, 2}));
}

TEST(SessionFile, MarksAreSavedAsATenthFieldAndLoadBack)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    rows.setMarked(1, true);
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("m.cvf"), exampleState(), rows, false, errors));
    QByteArray marked = ExampleFile;
    marked.insert(marked.size() - 2, "?*");
    EXPECT_EQ(readBytes(t.path("m.cvf")), marked) << "only the marked file's line changes";

    SessionState state;
    ResultModel back;
    ASSERT_TRUE(load(t.path("m.cvf"), state, back).result);
    ASSERT_EQ(back.size(), 2);
    EXPECT_FALSE(back.isMarked(0));
    EXPECT_TRUE(back.isMarked(1));

    writeBytes(t.path("bad.cvf"), ExampleFile.left(ExampleFile.size() - 2) + "?x\r\n");
    EXPECT_FALSE(load(t.path("bad.cvf"), state, back).result) << "a tenth field is a mark or nothing";
}

TEST(SessionFile, ParametersOnlyIsTheSameTextAsTheDefaultSession)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("p.cvf"), exampleState(), rows, true, errors));
    SessionFile::saveSessionParameters(t.path("d.cvf"), exampleState(), rows);
    const QByteArray expected = "1,1,0,2,1200,80,1,3072,0\r\n/data,Yes,All files(*.*),10,,15\r\n";
    EXPECT_EQ(readBytes(t.path("p.cvf")), expected);
    EXPECT_EQ(readBytes(t.path("d.cvf")), expected);
    EXPECT_TRUE(ExampleFile.startsWith(expected));
}

TEST(SessionFile, SavingTheDefaultSessionIgnoresFailures)
{
    TempTree t;
    ResultModel rows;
    SessionFile::saveSessionParameters(t.path("missing/folder/d.cvf"), exampleState(), rows);
    SessionFile::saveSessionParameters(QString(), exampleState(), rows);
    EXPECT_FALSE(QFile::exists(t.path("missing/folder/d.cvf")));
}

TEST(SessionFile, WriteFailureGoesToTheReportAndRetryWritesAgain)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    ScriptedErrorReporter errors;
    errors.expect(ErrorChoice::Abort);
    EXPECT_FALSE(SessionFile::writeSessionFile(t.path("no/such/s.cvf"), exampleState(), rows, false, errors));
    ASSERT_EQ(errors.reports().size(), 1u);
    EXPECT_EQ(errors.reports()[0].label, QStringLiteral("File Saving"));
    EXPECT_EQ(errors.reports()[0].number, 76);

    // Retry after the folder appeared writes the whole file.
    ScriptedErrorReporter retry;
    retry.expect(ErrorChoice::Retry);
    const QString path = t.path("later/s.cvf");
    class CreatingReporter : public ErrorReporter
    {
    public:
        CreatingReporter(TempTree &tree, ScriptedErrorReporter &inner) : m_tree(tree), m_inner(inner) {}
        ErrorChoice report(const ErrorReport &r) override
        {
            m_tree.dir(QStringLiteral("later"));
            return m_inner.report(r);
        }

    private:
        TempTree &m_tree;
        ScriptedErrorReporter &m_inner;
    } creating(t, retry);
    EXPECT_TRUE(SessionFile::writeSessionFile(path, exampleState(), rows, false, creating));
    EXPECT_EQ(readBytes(path), ExampleFile);
}

TEST(SessionFile, RoundTripKeepsOptionsLocationsCountersAndEveryColumn)
{
    TempTree t;
    SessionState saved = exampleState();
    saved.options.engine = ScanOptions::Crc32;
    saved.options.protect = false;
    saved.options.includeHidden = true;
    saved.options.fuzzy = true;
    SearchLocation excluded;
    excluded.folder = QStringLiteral("/data/skip");
    excluded.icon = SearchLocation::ExcludedIcon;
    saved.locations.append(excluded);
    saved.duplicateCount = 3;
    saved.duplicateSize = 5000;
    ResultModel rows;
    loadScanned(rows,
                {{"/d/", "a.txt", 1000, 1},
                 {"/d/x/", "a.txt", 1000, 1},
                 {"/e/", "archive.tar.gz", 2000, 2},
                 {"/E/", "copy of archive", 2000, 2},
                 {"/d/", "three", 5, 1},
                 {"/d/", "three (2)", 5, 1}},
                QStringLiteral("12/31/2023 11:59:59 PM"));
    rows.setMarked(1, true);
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("r.cvf"), saved, rows, false, errors));

    SessionState state;
    ResultModel back;
    const SessionLoadReport report = load(t.path("r.cvf"), state, back);
    EXPECT_TRUE(report.result);
    EXPECT_EQ(report.ending, SessionRead::Ending::ReadToEnd);
    EXPECT_EQ(state.options, saved.options);
    EXPECT_EQ(state.locations.rows(), saved.locations.rows());
    EXPECT_EQ(report.totalFiles, 1200);
    EXPECT_EQ(report.totalFolders, 80);
    EXPECT_EQ(state.duplicateCount, 3);
    EXPECT_EQ(state.duplicateSize, 5000);
    EXPECT_EQ(allColumns(back), allColumns(rows));
    EXPECT_TRUE(back.isMarked(1)) << "marks are kept";
    EXPECT_EQ(back.markedCount(), 1);
    EXPECT_EQ(back.groupTotal(), 3);
    EXPECT_EQ(back.groupRowCounts(), (std::vector<qint32>{0, 2, 2, 2}));
    EXPECT_EQ(back.rowBands(), (std::vector<qint32>{1, 1, 2, 2, 3, 3}));
    EXPECT_TRUE(back.isBanded());
    EXPECT_EQ(back.folders(), (QStringList{"/d/", "/d/x/", "/e/", "/E/"}));
    EXPECT_FALSE(report.zeroSizeMenus);
    EXPECT_EQ(report.protectTag, QStringLiteral("Direct"));
    EXPECT_EQ(report.fuzzyTag, QStringLiteral("Direct"));

    const SessionStatusTexts &s = report.status;
    EXPECT_EQ(s.panel1, QStringLiteral("Search Completed."));
    EXPECT_EQ(s.panel2, QStringLiteral("Duplicate Files: 3  Size: 4.88 KB"));
    EXPECT_EQ(s.panel3, QStringLiteral("Files : 1200"));
    EXPECT_EQ(s.panel4, QStringLiteral("Folders : 80"));
    EXPECT_TRUE(s.panel2Visible && s.panel3Visible && s.panel4Visible);
    EXPECT_EQ(state.filesPanel, s.panel3);
    EXPECT_EQ(state.foldersPanel, s.panel4);

    // What was loaded saves to the same bytes.
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("again.cvf"), state, back, false, errors));
    EXPECT_EQ(readBytes(t.path("again.cvf")), readBytes(t.path("r.cvf")));
}

TEST(SessionFile, PlainLoadNumbersGroupsByRunsAndKeepsTheSavedKey)
{
    TempTree t;
    writeBytes(t.path("s.cvf"), "1,1,0,3,10,2,2,6,0\r\n"
                                ";b?3?3/7/2004 9:05:03 PM?N/A?4?/x/?000000000003?20040307210503?00000000004\r\n"
                                "a?3?3/7/2004 9:05:03 PM?N/A?4?/X/?000000000003?20040307210503?00000000004\r\n"
                                "c?3?3/7/2004 9:05:03 PM?N/A?1?/y/?000000000003?20040307210503?00000000001\r\n");
    SessionState state;
    ResultModel rows;
    ASSERT_TRUE(load(t.path("s.cvf"), state, rows).result);
    QStringList groups;
    QStringList keys;
    for (const ResultRow &r : rows.rows())
    {
        groups << r.column(ResultRow::ColGroup);
        keys << r.column(ResultRow::ColSortGrpno);
    }
    EXPECT_EQ(groups, (QStringList{"1", "1", "2"}));
    EXPECT_EQ(keys, (QStringList{"00000000004", "00000000004", "00000000001"}));
    EXPECT_EQ(rows.folders(), (QStringList{"/x/", "/X/", "/y/"}));
    EXPECT_EQ(rows.row(0).column(ResultRow::ColExt), QString());
}

TEST(SessionFile, HeaderOfSevenFieldsLoadsAndSixFieldsDoNot)
{
    TempTree t;
    const QByteArray rowsText = ";a?1?3/7/2004 9:05:03 PM?N/A?1?/x/?000000000001?20040307210503?00000000001\r\n"
                                "b?1?3/7/2004 9:05:03 PM?N/A?1?/y/?000000000001?20040307210503?00000000001\r\n";
    writeBytes(t.path("seven.cvf"), "1,1,1,2,4,2,1\r\n" + rowsText);
    SessionState state;
    state.duplicateSize = 99;
    ResultModel rows;
    const SessionLoadReport seven = load(t.path("seven.cvf"), state, rows);
    EXPECT_TRUE(seven.result);
    EXPECT_EQ(state.duplicateSize, 0);
    EXPECT_FALSE(state.options.fuzzy);
    EXPECT_TRUE(state.options.includeHidden);
    EXPECT_EQ(rows.size(), 2);

    writeBytes(t.path("six.cvf"), "1,1,1,2,4,2\r\n" + rowsText);
    EXPECT_FALSE(load(t.path("six.cvf"), state, rows).result);
}

TEST(SessionFile, LoadingParametersSkipsResultsAndFuzzy)
{
    TempTree t;
    writeBytes(t.path("s.cvf"), "3,0,1,2,4,2,1,5,1\r\n/a,No,Docs(*.doc),1,2,15\r\n/b,Yes,,,,16\r\n"
                                ";a?1??N/A?1?/x/?1?2?3\r\nb?1??N/A?1?/y/?1?2?3\r\n");
    SessionState state;
    state.duplicateCount = 7;
    ResultModel rows;
    rows.appendRow(ResultRow{});
    ScriptedErrorReporter errors;
    bool newSession = false;
    SessionFile::LoadHooks hooks;
    hooks.newSession = [&] { newSession = true; };
    ASSERT_TRUE(SessionFile::loadSessionParameters(t.path("s.cvf"), state, rows, errors, hooks).whole());
    EXPECT_TRUE(newSession);
    EXPECT_EQ(state.options.engine, ScanOptions::SameName);
    EXPECT_FALSE(state.options.protect);
    EXPECT_TRUE(state.options.includeHidden);
    EXPECT_FALSE(state.options.fuzzy);
    ASSERT_EQ(state.locations.size(), 2);
    EXPECT_EQ(state.locations.at(0).mask, QStringLiteral("Docs(*.doc)"));
    EXPECT_EQ(state.locations.at(0).maxSize, QStringLiteral("2"));
    EXPECT_TRUE(state.locations.at(1).excluded());
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(state.duplicateCount, 7);
}

TEST(SessionFile, SessionsOfFewRowsOrNoSearchLoadBack)
{
    // After a load of fewer than two rows, or before any search, the panels show no counts and
    // the header's count fields are written empty; such a file is Corvina's own and loads.
    for (const int count : {0, 1, 2})
    {
        SCOPED_TRACE(count);
        TempTree t;
        SessionState s = exampleState();
        s.filesPanel.clear();
        s.foldersPanel.clear();
        const std::vector<ScannedFile> files{{"/data/", "a.txt", 3072, 1}, {"/data/Old/", "b.txt", 3072, 1}};
        ResultModel rows;
        loadScanned(rows, {files.begin(), files.begin() + count});
        ScriptedErrorReporter errors;
        ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), s, rows, false, errors));
        const QByteArray header = "1,1,0," + QByteArray::number(count) + ",,,1,3072,0\r\n";
        EXPECT_TRUE(readBytes(t.path("s.cvf")).startsWith(header));

        SessionState state;
        ResultModel back;
        const SessionLoadReport report = load(t.path("s.cvf"), state, back);
        EXPECT_TRUE(report.result) << report.damage.toStdString();
        EXPECT_EQ(back.size(), count);
        EXPECT_EQ(report.totalFiles, 0);
        EXPECT_TRUE(SessionFile::loadSessionParameters(t.path("s.cvf"), state, back, errors).whole());

        // And what that load leaves saves and loads again.
        ASSERT_TRUE(SessionFile::writeSessionFile(t.path("again.cvf"), state, back, false, errors));
        EXPECT_TRUE(load(t.path("again.cvf"), state, back).result);
    }
}

TEST(SessionFile, ZeroSizeSessionWithReScanLoadsTheRowsAsSaved)
{
    TempTree t;
    writeBytes(t.path("z.cvf"), "4,1,0,2,2,1,2,0,0\r\n"
                                ";a?0?3/7/2004 9:05:03 PM?N/A?N/A?/gone/?000000000000?20040307210503?\r\n"
                                "b?0?3/7/2004 9:05:03 PM?N/A?N/A?/gone/?000000000000?20040307210503?\r\n");
    SessionState state;
    ResultModel rows;
    const SessionLoadReport report = load(t.path("z.cvf"), state, rows, true);
    EXPECT_TRUE(report.result);
    EXPECT_FALSE(report.rescanned);
    EXPECT_TRUE(report.zeroSizeMenus);
    EXPECT_FALSE(report.status.panel2Visible);
    ASSERT_EQ(rows.size(), 2);
    // The listing it was saved as, not one group of every empty file.
    for (int r = 0; r < rows.size(); ++r)
    {
        EXPECT_EQ(rows.row(r).group, 0) << r;
        EXPECT_EQ(rows.row(r).column(ResultRow::ColGroup), QStringLiteral("N/A"));
        EXPECT_EQ(rows.row(r).column(ResultRow::ColSortGrpno), QString());
    }

    // Saved back, its rows read as they were read.
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("again.cvf"), state, rows, false, errors));
    const QByteArray first = readBytes(t.path("z.cvf"));
    const QByteArray again = readBytes(t.path("again.cvf"));
    EXPECT_EQ(again.mid(again.indexOf("\r\n")), first.mid(first.indexOf("\r\n")));
}

TEST(SessionFile, ReScanWithOneResultLineListsNothing)
{
    TempTree t;
    writeBytes(t.path("one.cvf"), "1,1,0,1,2,1,1,3,0\r\n;a?3?3/7/2004 9:05:03 PM?N/A?1?/x/?000000000003?1?1\r\n");
    SessionState state;
    ResultModel rows;
    const SessionLoadReport report = load(t.path("one.cvf"), state, rows, true);
    EXPECT_TRUE(report.result);
    EXPECT_FALSE(report.rescanned);
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(state.duplicateCount, 0);
    // One result line or none: only panel 1 (as New Session left it) and panel 5 show.
    EXPECT_EQ(report.status.panel1, QStringLiteral("Add search path and click on the scan button to start search."));
    EXPECT_EQ(report.status.panel5, QStringLiteral("00:00:00"));
    EXPECT_FALSE(report.status.panel2Visible || report.status.panel3Visible || report.status.panel4Visible);
    EXPECT_TRUE(state.filesPanel.isEmpty());
}

TEST(SessionFile, CancelLeavesTheSessionAsItWas)
{
    TempTree t;
    QByteArray text = "1,1,0,6,6,1,3,3,0\r\n";
    for (int i = 0; i < 6; ++i)
        text += (i == 0 ? ";" : "") + QByteArray::number(i) + "?1?3/7/2004 9:05:03 PM?N/A?" +
                QByteArray::number(i / 2 + 1) + "?/x/?000000000001?20040307210503?1\r\n";
    writeBytes(t.path("c.cvf"), text);
    SessionState state = exampleState();
    ResultModel rows;
    exampleRows(rows);
    TestSink sink;
    sink.cancelAfter = 5; // header and four rows
    const SessionLoadReport report = SessionFile::openCorvinaFile(t.path("c.cvf"), false, false, state, rows, sink);
    EXPECT_FALSE(report.result);
    EXPECT_EQ(report.ending, SessionRead::Ending::Aborted);
    EXPECT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.row(0).name(), QStringLiteral("a.txt"));
    EXPECT_EQ(state.locations.rows(), exampleState().locations.rows());
}
