// SPDX-License-Identifier: GPL-3.0-or-later
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
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), s, rows, false, errors));
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
        ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), s, rows, false, errors));

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
        ASSERT_TRUE(SessionFile::openCorvinaFile(t.path("s.cvf"), false, false, state, back, sink).result);
        EXPECT_EQ(state.locations.rows(), s.locations.rows());
        EXPECT_EQ(allColumns(back), allColumns(rows));

        SessionState params;
        ResultModel none;
        ScriptedErrorReporter paraErrors;
        ASSERT_TRUE(SessionFile::loadSessionParameters(t.path("s.cvf"), params, none, paraErrors).whole());
        EXPECT_EQ(params.locations.rows(), s.locations.rows());
    }
}

namespace
{
// Saves a session whose rows have the given names (and whose location is the first name's
// folder) and loads it back; the names as they came back.
QStringList savedAndLoaded(const QStringList &names, const QString &folder, bool *escaped = nullptr)
{
    TempTree t;
    SessionState s;
    SearchLocation l;
    l.folder = folder;
    s.locations.append(l);
    std::vector<ScannedFile> files;
    for (const QString &name : names)
        files.push_back({folder + u'/', name, 1, 1});
    ResultModel rows;
    loadScanned(rows, files);
    ScriptedErrorReporter errors;
    EXPECT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), s, rows, false, errors));
    if (escaped)
        *escaped = readBytes(t.path("s.cvf")).split('\n').first().endsWith(",%\r");
    SessionState state;
    ResultModel back;
    TestSink sink;
    const SessionLoadReport report = SessionFile::openCorvinaFile(t.path("s.cvf"), false, false, state, back, sink);
    EXPECT_TRUE(report.result) << report.damage.toStdString();
    EXPECT_EQ(state.locations.rows(), s.locations.rows());
    QStringList out;
    for (const ResultRow &r : back.rows())
    {
        EXPECT_EQ(r.path, folder + u'/');
        out << r.name();
    }
    return out;
}
} // namespace

TEST(SessionEscape, EveryUnicodeScalarValueRoundTrips)
{
    // Every scalar value but "/" and NUL, 256 to a name, through the escaped form.
    QString name;
    int names = 0;
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp)
    {
        if (cp == u'/' || (cp >= 0xD800 && cp <= 0xDFFF))
            continue;
        const char32_t one[1] = {cp};
        name += QString::fromUcs4(one, 1);
        if (name.size() < 256 && cp != 0x10FFFF)
            continue;
        ASSERT_EQ(SessionEscape::decode(SessionEscape::encode(name)), name)
            << "up to U+" << std::hex << static_cast<quint32>(cp);
        ASSERT_EQ(NativePath::decode(NativePath::encode(name)), name);
        name.clear();
        ++names;
    }
    EXPECT_GT(names, 4000);

    // Every first and every second half of a surrogate pair, in a whole session file: the second
    // halves U+DC80..U+DCFF share their values with the bytes that are not UTF-8.
    QStringList astral;
    for (char16_t k = 0; k < 1024; ++k)
    {
        const QChar pair[2] = {QChar(char16_t(0xD800 + k)), QChar(char16_t(0xDC00 + k))};
        astral << QStringLiteral("photo ") + QString(pair, 2) + QStringLiteral(".jpg");
    }
    const QString camera = QStringLiteral("/home/ann/\U0001F4F7 \U0001F4C1 \U0001F4DA \U0001F4BE \U0001F480");
    bool escaped = true;
    EXPECT_EQ(savedAndLoaded(astral, camera, &escaped), astral);
    EXPECT_FALSE(escaped) << "names that are valid UTF-8 keep the plain layout";
    // The same in an escaped file (a "?" in one name switches the escape on).
    astral << QStringLiteral("why?.txt");
    EXPECT_EQ(savedAndLoaded(astral, camera, &escaped), astral);
    EXPECT_TRUE(escaped);
}

TEST(SessionEscape, RandomByteNamesRoundTripToTheirBytes)
{
    quint32 seed = 20261207;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    std::vector<QByteArray> bytes;
    QStringList names;
    for (int i = 0; i < 500; ++i)
    {
        QByteArray b;
        const int length = 1 + static_cast<int>(next() % 40);
        while (b.size() < length)
        {
            const char c = static_cast<char>(next() & 0xFF);
            if (c != '\0' && c != '/')
                b.append(c);
        }
        if (b == "." || b == "..")
            continue; // the folder itself and its parent: no file has these names
        bytes.push_back(b);
        names << NativePath::decode(b);
    }
    const QStringList back = savedAndLoaded(names, nameFromBytes("/data/\xff\xfe"));
    ASSERT_EQ(back.size(), names.size());
    for (int i = 0; i < back.size(); ++i)
        EXPECT_EQ(NativePath::encode(back[i]), bytes[static_cast<size_t>(i)]) << i;
}
