// SPDX-License-Identifier: GPL-3.0-or-later
// The names a session file gives back: escapes are decoded only in a file whose header carries
// the escape marker, in either case of hexadecimal digits; any other file's names stand as written.
#include "sessions/SessionParser.h"

#include <gtest/gtest.h>

TEST(SessionNames, OnlyAFileWithTheEscapeMarkerHasItsNamesDecoded)
{
    const struct
    {
        const char *what;
        const char *header;
        const char *name;
        const char *folder;
        QString expectedName;
        QString expectedFolder;
    } cases[] = {
        {"escaped", "1,1,0,1,,,0,0,0,%", "x%41.txt", "/d%2Cx/", QStringLiteral("xA.txt"), QStringLiteral("/d,x/")},
        {"escaped in lower case", "1,1,0,1,,,0,0,0,%", "caf%c3%a9.txt", "/d%2cx/", QStringLiteral("caf\u00e9.txt"),
         QStringLiteral("/d,x/")},
        {"a later version's tenth field", "1,1,0,1,,,0,0,0,later", "x%41.txt", "/d%2Cx/", QStringLiteral("x%41.txt"),
         QStringLiteral("/d%2Cx/")},
        {"nine fields", "1,1,0,1,,,0,0,0", "x%41.txt", "/d%2Cx/", QStringLiteral("x%41.txt"),
         QStringLiteral("/d%2Cx/")},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.what);
        QList<QStringList> rows;
        SessionFile::SessionParser parser([&](const QStringList &fields) { rows.append(fields); });
        const QString row = QStringLiteral(";%1?3?3/7/2004 9:05:03 PM?N/A?1?%2?000000000003?20040307210503?00000000001")
                                .arg(QString::fromLatin1(c.name), QString::fromLatin1(c.folder));
        EXPECT_TRUE(parser.take(QString::fromLatin1(c.header)));
        EXPECT_TRUE(parser.take(row)) << parser.damage().toStdString();
        EXPECT_TRUE(parser.finish(false)) << parser.damage().toStdString();
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0][0], c.expectedName);
        EXPECT_EQ(rows[0][5], c.expectedFolder);
    }
}
