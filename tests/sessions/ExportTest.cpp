// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionTestSupport.h"
#include "platform/NativePath.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/OutputPath.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace
{
void exampleRows(ResultModel &rows)
{
    loadScanned(rows, {{"/data/", "a.txt", 3072, 1}, {"/data/Old/", "b.txt", 3072, 1}});
}

QString delimited(const ResultModel &rows, const QString &delimiter, ExportRows which = ExportRows::All,
                  const std::vector<int> &selected = {})
{
    return DelimitedExport::text(rows, delimiter, ExportChoice(rows, which, selected));
}

HtmlExport::Summary summary()
{
    return {QStringLiteral("Files : 1200"), QStringLiteral("Duplicate Files: 1  Size: 3.00 KB"),
            QDateTime(QDate(2004, 3, 7), QTime(21, 5, 3))};
}
} // namespace

TEST(DelimitedExport, CommaExampleIsWrittenByteForByte)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    ScriptedErrorReporter errors;
    int maximum = 0;
    int last = 0;
    ProgressHooks progress{[&](int m) { maximum = m; }, [&](int v) { last = v; }};
    ASSERT_TRUE(DelimitedExport::exportDelimited(t.path("e.csv"), rows, QStringLiteral(","),
                                                 ExportChoice(rows, ExportRows::All), errors, progress));
    EXPECT_EQ(readBytes(t.path("e.csv")), QByteArray("File Name,Size(Bytes),Last Modified,Version,Group,Path\r\n"
                                                     "a.txt,3072,3/7/2004 9:05:03 PM,N/A,1,/data/\r\n"
                                                     "b.txt,3072,3/7/2004 9:05:03 PM,N/A,1,/data/Old/\r\n"));
    EXPECT_EQ(maximum, 2);
    EXPECT_EQ(last, 2);
}

TEST(DelimitedExport, EveryDelimiterChoice)
{
    ResultModel rows;
    loadScanned(rows, {{"/d/", "a", 1, 1}});
    using D = DelimitedExport::Delimiter;
    const std::vector<std::tuple<D, QString, QString>> cases = {
        {D::Tab, QString(),
         "File Name Size(Bytes) Last Modified Version Group Path\r\na 1 3/7/2004 9:05:03 PM N/A 1 /d/\r\n"},
        {D::Comma, QString(),
         "File Name,Size(Bytes),Last Modified,Version,Group,Path\r\na,1,3/7/2004 9:05:03 PM,N/A,1,/d/\r\n"},
        {D::Semi, QString(),
         "File Name;Size(Bytes);Last Modified;Version;Group;Path\r\na;1;3/7/2004 9:05:03 PM;N/A;1;/d/\r\n"},
        {D::Other, "::",
         "File Name::Size(Bytes)::Last Modified::Version::Group::Path\r\n"
         "a::1::3/7/2004 9:05:03 PM::N/A::1::/d/\r\n"},
        {D::Other, QString(), "File NameSize(Bytes)Last ModifiedVersionGroupPath\r\na13/7/2004 9:05:03 PMN/A1/d/\r\n"},
    };
    for (const auto &[choice, other, expected] : cases)
    {
        const QString delimiter = DelimitedExport::delimiterText(choice, other);
        EXPECT_EQ(delimited(rows, delimiter), expected) << delimiter.toStdString();
    }
}

TEST(DelimitedExport, RowsAllMarkedOrSelected)
{
    ResultModel rows;
    loadScanned(rows, {{"/d/", "a", 1, 1}, {"/d/", "b", 1, 1}, {"/d/", "c", 2, 2}, {"/d/", "d", 2, 2}});
    const QString header = QStringLiteral("File Name,Size(Bytes),Last Modified,Version,Group,Path\r\n");
    EXPECT_EQ(delimited(rows, QStringLiteral(","), ExportRows::Marked), header);
    rows.setMarked(1, true);
    rows.setMarked(3, true);
    EXPECT_EQ(delimited(rows, QStringLiteral(","), ExportRows::Marked),
              header + "b,1,3/7/2004 9:05:03 PM,N/A,1,/d/\r\nd,2,3/7/2004 9:05:03 PM,N/A,2,/d/\r\n");
    EXPECT_EQ(delimited(rows, QStringLiteral(","), ExportRows::Selected, {2, 0, 99}),
              header + "a,1,3/7/2004 9:05:03 PM,N/A,1,/d/\r\nc,2,3/7/2004 9:05:03 PM,N/A,2,/d/\r\n");
    EXPECT_EQ(delimited(rows, QStringLiteral(","), ExportRows::Selected), header);
}

TEST(DelimitedExport, FieldsThatWouldShiftColumnsAreQuoted)
{
    ResultModel rows;
    loadScanned(rows, {{"/data/a,b/", "say \"hi\".txt", 1, 1}, {"/d/", "two\nlines", 1, 1}});
    const QString comma = delimited(rows, QStringLiteral(","));
    EXPECT_TRUE(
        comma.contains(QStringLiteral("\r\n\"say \"\"hi\"\".txt\",1,3/7/2004 9:05:03 PM,N/A,1,\"/data/a,b/\"\r\n")))
        << comma.toStdString();
    EXPECT_TRUE(comma.contains(QStringLiteral("\r\n\"two\nlines\",1,")));
    // The date holds the delimiter "/": quoted, so the columns stay.
    EXPECT_TRUE(delimited(rows, QStringLiteral("/")).contains(QStringLiteral("/\"3/7/2004 9:05:03 PM\"/")));
    // Blank and quote delimiters cannot be quoted around: fields stand as they are.
    EXPECT_TRUE(delimited(rows, QStringLiteral(" ")).contains(QStringLiteral("say \"hi\".txt 1 ")));
    EXPECT_TRUE(delimited(rows, QStringLiteral("\"")).contains(QStringLiteral("say \"hi\".txt\"1\"")));
}

TEST(DelimitedExport, NamesThatAreNotUtf8AreShownWithReplacementCharacters)
{
    ResultModel rows;
    loadScanned(rows, {{"/d/", NativePath::decode(QByteArray("x\xff.bin")), 1, 1},
                       {"/d/", QStringLiteral("\U0001F4F7.jpg"), 1, 1}});
    EXPECT_TRUE(delimited(rows, QStringLiteral(",")).contains(QStringLiteral("\r\nx\uFFFD.bin,")));
    EXPECT_TRUE(delimited(rows, QStringLiteral(",")).contains(QStringLiteral("\r\n\U0001F4F7.jpg,")))
        << "a character beyond U+FFFF is no byte to replace";
    EXPECT_TRUE(HtmlExport::text(rows, ExportChoice(rows, ExportRows::All), summary())
                    .contains(QStringLiteral(">x\uFFFD.bin</td>")));
}

TEST(DelimitedExport, EmptyPathDoesNothingAndWriteFailuresAreReported)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    ScriptedErrorReporter errors;
    EXPECT_FALSE(DelimitedExport::exportDelimited(QStringLiteral("  "), rows, QStringLiteral(","),
                                                  ExportChoice(rows, ExportRows::All), errors));
    errors.expect(ErrorChoice::Abort);
    EXPECT_FALSE(DelimitedExport::exportDelimited(t.path("none/e.csv"), rows, QStringLiteral(","),
                                                  ExportChoice(rows, ExportRows::All), errors));
    ASSERT_EQ(errors.reports().size(), 1u);
    EXPECT_EQ(errors.reports()[0].label, QStringLiteral("Exporting CSV"));

    ScriptedErrorReporter htmlErrors;
    htmlErrors.expect(ErrorChoice::Abort);
    EXPECT_FALSE(
        HtmlExport::exportHtml(t.path("none/e.htm"), rows, ExportChoice(rows, ExportRows::All), summary(), htmlErrors));
    ASSERT_EQ(htmlErrors.reports().size(), 1u);
    EXPECT_EQ(htmlErrors.reports()[0].label, QStringLiteral("Exporting CSV"));
}

TEST(HtmlExport, PageIsWrittenPieceByPiece)
{
    TempTree t;
    ResultModel rows;
    exampleRows(rows);
    ScriptedErrorReporter errors;
    ASSERT_TRUE(HtmlExport::exportHtml(t.path("e.htm"), rows, ExportChoice(rows, ExportRows::All), summary(), errors));
    const QByteArray expected =
        "<html><head>\r\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=utf-8'>\r\n"
        "<title>Export List - Corvina(Corvina duplicate file finder)</title>\r\n"
        "</head><style>\r\n"
        ".title { font-family: Arial; font-size: 14pt; color: #0099FF; font-weight: bold}\r\n"
        ".tr1   { font-family: Verdana; font-size: 10pt; padding: 0; margin-top:0; margin-bottom:0 }\r\n"
        ".th    { margin:2 3; font-family: Arial; font-size: 10pt; color: #FFFFFF; font-weight: bold; "
        "text-align:left; background-color:#BF0005; line-height:100% }\r\n"
        ".even  { text-align: left; line-height: 100%; font-family: Arial; font-size: 10pt; margin: 0 3; "
        "background-color: #ECF5FF }\r\n"
        ".odd   { font-family: Arial; font-size: 10pt; text-align: left; line-height: 100%; margin: 0 3 }\r\n"
        "</style><body>\r\n"
        "<table border='0' width='350'>\r\n"
        "<tr height='15' width='130'><td class='title' colspan='2' width='344'> Corvina </td></tr>\r\n"
        "<tr class='tr1'><td width='120'>Total Scanned</td> <td width='220'><b> 1200</b></td></tr>\r\n"
        "<tr class='tr1'><td width='120'>Total Duplicates</td><td width='220'><b> 1  Size: 3.00 KB</b></td></tr>\r\n"
        "<tr class='tr1'><td width='120'>Generate on</td><td width='220'><b>3/7/2004 9:05:03 PM</b></td></tr>"
        "</table><hr>\r\n"
        "<table border='0' cellspacing='1' style='border-collapse: collapse' bordercolor='#111111' cellpadding='2' "
        "width='100%'>\r\n"
        "<tr><th class='th'>File Name</th>\r\n"
        "<th class='th' nowrap>Size(Bytes)</th>\r\n"
        "<th class='th' nowrap>Last Modified</th>\r\n"
        "<th class='th'>Version</th>\r\n"
        "<th class='th'>Group#</th>\r\n"
        "<th class='th'>Path</th></tr>\r\n"
        "<tr><td class='odd'>a.txt</td>\r\n"
        "<td class='odd'>3072</td>\r\n"
        "<td class='odd' nowrap>3/7/2004 9:05:03 PM</td>\r\n"
        "<td class='odd'>N/A</td>\r\n"
        "<td class='odd'>1</td>\r\n"
        "<td class='odd'>/data/</td></tr>\r\n"
        "<tr><td class='odd'>b.txt</td>\r\n"
        "<td class='odd'>3072</td>\r\n"
        "<td class='odd' nowrap>3/7/2004 9:05:03 PM</td>\r\n"
        "<td class='odd'>N/A</td>\r\n"
        "<td class='odd'>1</td>\r\n"
        "<td class='odd'>/data/Old/</td></tr>\r\n"
        "</table><table border='0' cellspacing='0' style='border-collapse: collapse' bordercolor='#111111' "
        "width='100%' bgcolor='#666666' height='20'>"
        "<tr><td width='100%' height='18'><p align='center'><b><font face='Verdana' size='1' color='#FFFFFF'> "
        "Created with Corvina duplicate file finder</font></b></td></tr></table></body></html>\r\n";
    EXPECT_EQ(readBytes(t.path("e.htm")), expected);
}

TEST(HtmlExport, BandsFollowRunsOfTheWholeList)
{
    ResultModel rows;
    loadScanned(rows, {{"/d/", "a", 1, 1},
                       {"/d/", "b", 1, 1},
                       {"/d/", "c", 2, 2},
                       {"/d/", "d", 2, 2},
                       {"/d/", "e", 3, 1},
                       {"/d/", "f", 3, 1}});
    rows.setMarked(2, true);
    rows.setMarked(4, true);
    const QString page = HtmlExport::text(rows, ExportChoice(rows, ExportRows::Marked), summary());
    EXPECT_TRUE(page.contains(QStringLiteral("<tr><td class='even'>c</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<tr><td class='odd'>e</td>")));
    EXPECT_FALSE(page.contains(QStringLiteral(">a</td>")));
    EXPECT_EQ(page.count(QStringLiteral("<tr><td class=")), 2);
}

TEST(HtmlExport, CellsEscapeMarkupAndEmptyExportsKeepTheFrame)
{
    ResultModel rows;
    loadScanned(rows, {{"/d/<i>/", "<b>&amp;.txt", 1, 1}});
    const QString page = HtmlExport::text(rows, ExportChoice(rows, ExportRows::All), summary());
    EXPECT_TRUE(page.contains(QStringLiteral("<tr><td class='odd'>&lt;b&gt;&amp;amp;.txt</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<td class='odd'>/d/&lt;i&gt;/</td></tr>")));

    const QString empty = HtmlExport::text(rows, ExportChoice(rows, ExportRows::Marked), summary());
    EXPECT_TRUE(empty.contains(QStringLiteral("Total Scanned")));
    EXPECT_TRUE(empty.contains(QStringLiteral("<th class='th'>Path</th></tr>\r\n</table><table")));
    EXPECT_TRUE(empty.endsWith(QStringLiteral("</body></html>\r\n")));
}

TEST(OutputPath, TheExtensionFollowsTheFormat)
{
    const QStringList others{QStringLiteral(".htm"), QStringLiteral(".html")};
    const std::vector<std::pair<QString, QString>> cases = {
        {"/tmp/list", "/tmp/list.csv"},      {"/tmp/list.htm", "/tmp/list.csv"},
        {"/tmp/list.HTML", "/tmp/list.csv"}, {"/tmp/list.CSV", "/tmp/list.CSV"},
        {"/tmp/list.txt", "/tmp/list.txt"},  {"/tmp/my.folder/list", "/tmp/my.folder/list.csv"},
        {"/tmp/.list", "/tmp/.list.csv"},    {"list", "list.csv"},
        {"/tmp/folder/", "/tmp/folder/"},    {"", ""},
    };
    for (const auto &[typed, written] : cases)
        EXPECT_EQ(OutputPath::withExtension(typed, QStringLiteral(".csv"), others), written) << typed.toStdString();
}
