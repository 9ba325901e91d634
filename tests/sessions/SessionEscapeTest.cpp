#include "sessions/SessionEscape.h"
#include "SessionTestSupport.h"
#include "platform/NativePath.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace
{
// A name as the walk would hand it over: raw bytes decoded reversibly.
QString nameFromBytes(const QByteArray &bytes)
{
    return NativePath::decode(bytes);
}

} // namespace

TEST(SessionEscape, FieldsRoundTripThroughTheirEscapedForm)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("plain.txt"), QStringLiteral("plain.txt")},
        {QStringLiteral("a,b?c;d"), QStringLiteral("a%2Cb%3Fc%3Bd")},
        {QStringLiteral("100%"), QStringLiteral("100%25")},
        {QStringLiteral("line\r\nbreak"), QStringLiteral("line%0D%0Abreak")},
        {nameFromBytes("caf\xc3\xa9"), nameFromBytes("caf\xc3\xa9")},
        {nameFromBytes("bad\xff\xfe"), QStringLiteral("bad%FF%FE")},
        {nameFromBytes("\xc3(mixed\xe2\x82"), QStringLiteral("%C3(mixed%E2%82")},
        {QStringLiteral("%41"), QStringLiteral("%2541")},
    };
    for (const auto &[text, escaped] : cases)
    {
        EXPECT_EQ(SessionEscape::encode(text), escaped) << escaped.toStdString();
        EXPECT_EQ(SessionEscape::decode(escaped), text) << escaped.toStdString();
    }
    // A "%" without two hexadecimal digits stands for itself.
    EXPECT_EQ(SessionEscape::decode(u"50%"), QStringLiteral("50%"));
    EXPECT_EQ(SessionEscape::decode(u"%zz%4"), QStringLiteral("%zz%4"));
}

TEST(SessionEscape, OnlyTextsThatWouldShiftFieldsNeedIt)
{
    EXPECT_FALSE(SessionEscape::needed(u"a?b;100%", u','));
    EXPECT_TRUE(SessionEscape::needed(u"a,b", u','));
    EXPECT_FALSE(SessionEscape::needed(u"a,b", u'?'));
    EXPECT_TRUE(SessionEscape::needed(u"a?b", u'?'));
    EXPECT_TRUE(SessionEscape::needed(u"a\nb", u'?'));
    EXPECT_TRUE(SessionEscape::needed(u"a\rb", u','));
    EXPECT_TRUE(SessionEscape::needed(nameFromBytes("x\x80"), u'?'));
}

TEST(SessionEscape, OrdinaryNamesKeepThePlainLayout)
{
    TempTree t;
    SessionState s;
    SearchLocation l;
    l.folder = QStringLiteral("/data/100% done; really");
    l.mask = QStringLiteral("Pictures(*.jpg *.png)");
    l.minSize = QStringLiteral("10");
    s.locations.append(l);
    ResultModel rows;
    loadScanned(rows, {{"/data/a,b/", "x%41.txt", 1, 1}, {"/data/", "caf\u00e9;.txt", 1, 1}});
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::WriteSessionFile(t.path("s.cvf"), s, rows, false, errors));
    const QByteArray bytes = readBytes(t.path("s.cvf"));
    EXPECT_TRUE(bytes.startsWith("1,1,0,2,,,0,0,0\r\n/data/100% done; really,Yes,Pictures(*.jpg *.png),10,,15\r\n"));
    EXPECT_TRUE(bytes.contains(";x%41.txt?1?"));
    EXPECT_TRUE(bytes.contains("?/data/a,b/?"));
    EXPECT_TRUE(bytes.contains("caf\xc3\xa9;.txt?"));
}

TEST(SessionEscape, AwkwardNamesRoundTripInAnEscapedFile)
{
    struct Case
    {
        const char *what;
        QString folder; // location folder
        QString mask;
        QString name; // result row name
        QString path; // result row folder
    };
    const std::vector<Case> cases = {
        {"comma in a location", "/data/a,b", "All files(*.*)", "a.txt", "/data/a,b/"},
        {"comma in a mask", "/data", "Docs(*.doc,*.pdf)", "a.txt", "/data/"},
        {"question mark in a name", "/data", "All files(*.*)", "what?.txt", "/data/"},
        {"question mark in a folder", "/data", "All files(*.*)", "a.txt", "/data/why?/"},
        {"line break in a name", "/data", "All files(*.*)", "two\nlines\r.txt", "/data/"},
        {"line break in a location", "/da\nta", "All files(*.*)", "a", "/da\nta/"},
        {"bytes that are not UTF-8", nameFromBytes("/d\xe9j\xe0"), "All files(*.*)", nameFromBytes("\xff.bin"),
         nameFromBytes("/d\xe9j\xe0/")},
        {"percent signs in an escaped file", "/data/a,b%2C", "All files(*.*)", "%3F?.txt", "/data/%/"},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree t;
        SessionState s;
        SearchLocation l;
        l.folder = c.folder;
        l.mask = c.mask;
        l.minSize = QStringLiteral("10");
        s.locations.append(l);
        s.filesPanel = QStringLiteral("Files : 2");
        s.foldersPanel = QStringLiteral("Folders : 1");
        ResultModel rows;
        loadScanned(rows, {{c.path, c.name, 7, 1}, {QStringLiteral("/other/"), QStringLiteral("b.txt"), 7, 1}});
        ScriptedErrorReporter errors;
        ASSERT_TRUE(SessionFile::WriteSessionFile(t.path("s.cvf"), s, rows, false, errors));

        const QByteArray bytes = readBytes(t.path("s.cvf"));
        EXPECT_TRUE(bytes.startsWith("1,1,0,2,2,1,0,0,0,%\r\n"));
        EXPECT_EQ(bytes.count("\r\n"), 4) << "one line per header, location and row";
        EXPECT_EQ(bytes.count('\n'), 4);
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << "the file is valid UTF-8";

        // The parameters text carries the marker too, so both writers agree.
        EXPECT_TRUE(bytes.startsWith(SessionFile::parametersText(s, rows).toUtf8()));

        SessionState state;
        ResultModel back;
        TestSink sink;
        ASSERT_TRUE(SessionFile::OpenCorvinaFile(t.path("s.cvf"), false, false, state, back, sink).result);
        EXPECT_EQ(state.locations.rows(), s.locations.rows());
        EXPECT_EQ(allColumns(back), allColumns(rows));

        SessionState params;
        ResultModel none;
        ScriptedErrorReporter paraErrors;
        ASSERT_TRUE(SessionFile::LoadSessionParameters(t.path("s.cvf"), params, none, paraErrors).whole());
        EXPECT_EQ(params.locations.rows(), s.locations.rows());
    }
}
