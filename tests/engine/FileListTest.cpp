// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileList.h"

#include "core/TextFormat.h"
#include "platform/NativePath.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <limits>

namespace
{
// Records at the edges of every field: names that are not UTF-8, hold the separator or a
// character beyond U+FFFF, or are as long as a name can be; sizes beyond 4 GiB and at the largest;
// times before 1970 and far ahead; the largest identities.
std::vector<FileRecord> edgeRecords()
{
    const qint64 before1970 = QDateTime(QDate(1969, 7, 20), QTime(20, 17, 40)).toSecsSinceEpoch();
    const QString notUtf8 = NativePath::decode(QByteArray("caf\xe9 \xff\xfe.bin"));
    return {
        {1, notUtf8, QStringLiteral("/data/"), before1970, {2049, 12}},
        {5368709121LL, QStringLiteral("why?.txt"), NativePath::decode(QByteArray("/old\x80/")), -1, {1, 1}},
        {std::numeric_limits<qint64>::max(), QString(255, u'n'), QStringLiteral("/"), 4102444800LL, {0, 0}},
        {4294967296LL,
         QStringLiteral("photo \U0001F4F7.jpg"),
         QStringLiteral("/data/"),
         0,
         {std::numeric_limits<quint64>::max(), std::numeric_limits<quint64>::max()}},
        {0, QStringLiteral("Readme.txt"), QStringLiteral("/a,b;c/"), 1733558400LL, {7, 1u << 31}},
    };
}
} // namespace

TEST(FileList, ACompactRecordKeepsEveryFieldExactly)
{
    const std::vector<FileRecord> records = edgeRecords();
    FileList list;
    for (const FileRecord &r : records)
        list.append(r);
    ASSERT_EQ(list.count(), static_cast<qsizetype>(records.size()));
    for (FileList::Index i = 0; i < records.size(); ++i)
    {
        const FileRecord &r = records[i];
        EXPECT_EQ(list.record(i), r) << i;
        EXPECT_EQ(NativePath::encode(list.name(i)), NativePath::encode(r.name)) << i;
        // The date text is that of the local time, before 1970 too.
        EXPECT_EQ(list.date(i), TextFormat::dateText(QDateTime::fromSecsSinceEpoch(r.mtime))) << i;
    }
    EXPECT_EQ(list.record(1).sizeKey(), QStringLiteral("005368709121"));
}

TEST(FileList, NamesAcrossManyArenaChunksAndATruncatedWalk)
{
    // Enough names of varying length that the arena fills several chunks, names that would not
    // fit the end of one start the next.
    FileList list;
    std::vector<FileRecord> expected;
    const quint32 folder = list.addFolder(QStringLiteral("/x/"));
    for (int i = 0; i < 40000; ++i)
    {
        const QString name = QStringLiteral("f%1-").arg(i) + QString(i % 200, QChar(u'a' + i % 26));
        list.append(folder, name, i, i, {1, static_cast<quint64>(i)});
        expected.push_back({i, name, QStringLiteral("/x/"), i, {1, static_cast<quint64>(i)}});
    }
    // A location walked again after a failure forgets what it had added, and goes on from there.
    list.truncate(25000);
    expected.resize(25000);
    for (int i = 0; i < 3000; ++i)
    {
        const QString name = QStringLiteral("again%1").arg(i) + QString(i % 300, u'z');
        list.append(folder, name, i, -i, {2, static_cast<quint64>(i)});
        expected.push_back({i, name, QStringLiteral("/x/"), -i, {2, static_cast<quint64>(i)}});
    }
    ASSERT_EQ(list.count(), static_cast<qsizetype>(expected.size()));
    for (FileList::Index i = 0; i < expected.size(); ++i)
        ASSERT_EQ(list.record(i), expected[i]) << i;
    EXPECT_THROW(list.append(folder, QString(70000, u'q'), 1, 1, {}), std::length_error);
}
