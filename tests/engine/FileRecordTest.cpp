// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileRecord.h"
#include "core/SortingLib.h"
#include "core/TextCompare.h"
#include "engine/RecordSort.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace
{
const qint64 k2004 = QDateTime(QDate(2004, 3, 7), QTime(21, 5, 3)).toSecsSinceEpoch();

FileRecord record(qint64 size, const QString &name, const QString &folder = QStringLiteral("/data/"),
                  qint64 mtime = k2004)
{
    return {size, name, folder, mtime, {}};
}

// Names and folders made from pieces that stress the joined-text order: the separator, texts that
// sort around it ("-", " "), letters in both cases, non-ASCII letters in both cases (also beyond
// the 16-bit range), prefixes.
QString randomText(std::mt19937 &rng, int maxLen)
{
    static const QStringList pieces{QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("?"),
                                    QStringLiteral("-"), QStringLiteral(" "), QStringLiteral("é"), QStringLiteral("É"),
                                    QStringLiteral("z"), QStringLiteral("0"), QStringLiteral("."), QStringLiteral("_"),
                                    QStringLiteral("😀"), QStringLiteral("𐐀"), QStringLiteral("𐐨"), QStringLiteral("ß"),
                                    QStringLiteral("Ω")};
    std::uniform_int_distribution<int> len(0, maxLen);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(pieces.size()) - 1);
    QString s;
    for (int i = len(rng); i > 0; --i)
        s += pieces[pick(rng)];
    return s;
}
} // namespace

TEST(FileRecord, TextsInBothFieldOrders)
{
    const FileRecord r = record(1234, QStringLiteral("report.doc"), QStringLiteral("/home/u/"));
    EXPECT_EQ(r.sizeKey(), QStringLiteral("000000001234"));
    EXPECT_EQ(r.text(RecordOrder::SizeFirst), QStringLiteral("000000001234?report.doc?/home/u/?3/7/2004 9:05:03 PM"));
    EXPECT_EQ(r.text(RecordOrder::NameFirst), QStringLiteral("report.doc?000000001234?/home/u/?3/7/2004 9:05:03 PM"));

    // A name holding the separator stays one field.
    const FileRecord q = record(1, QStringLiteral("why?.txt"));
    EXPECT_EQ(q.fields(RecordOrder::SizeFirst)[1], QStringLiteral("why?.txt"));
    EXPECT_EQ(q.fields(RecordOrder::NameFirst)[0], QStringLiteral("why?.txt"));

    // Files of 2 GiB and more keep their true size.
    EXPECT_EQ(record(3221225472LL, QStringLiteral("big")).sizeKey(), QStringLiteral("003221225472"));
}

TEST(FileRecord, DateTextIsLocalTimeOnTheTwelveHourClock)
{
    const struct
    {
        QDateTime when;
        const char *text;
    } cases[] = {
        {QDateTime(QDate(2004, 3, 7), QTime(21, 5, 3)), "3/7/2004 9:05:03 PM"},
        {QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0)), "12/31/2024 12:00:00 AM"},
        {QDateTime(QDate(1999, 1, 2), QTime(12, 30, 59)), "1/2/1999 12:30:59 PM"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileDateText(c.when.toSecsSinceEpoch()), QString::fromUtf8(c.text));
}

TEST(FileRecord, TimesBeyondTheCalendarShowAsItsBounds)
{
    // tmpfs keeps any time a program sets; none may overflow the date number or its text.
    const qint64 first = fileDateStamp(std::numeric_limits<qint64>::min());
    const qint64 last = fileDateStamp(std::numeric_limits<qint64>::max());
    EXPECT_EQ(first / 10000000000LL, 1);
    EXPECT_GE(last / 10000000000LL, 100'000'000);
    for (const qint64 t :
         {std::numeric_limits<qint64>::min(), -qint64{1} << 62, qint64{-62135596800}, qint64{30000000000000000},
          qint64{67767976233316800}, qint64{1} << 62, std::numeric_limits<qint64>::max()})
    {
        const qint64 stamp = fileDateStamp(t);
        EXPECT_TRUE(stamp == first || stamp == last) << t;
        EXPECT_FALSE(fileDateText(t).contains(u'-')) << t;
    }
    EXPECT_LT(first, fileDateStamp(0));
    EXPECT_LT(fileDateStamp(k2004), last);
}

TEST(FileRecord, ComparisonIsTheCaseInsensitiveOrderOfTheRecordTexts)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> size(0, 3);
    // Times whose date texts differ in length and in their first digits, so that records equal
    // up to the date are ordered by the date texts.
    const qint64 times[] = {k2004, k2004 + 3600 * 5, k2004 - 86400 * 40, k2004 + 86400 * 300};
    std::uniform_int_distribution<int> time(0, 3);
    for (const RecordOrder order : {RecordOrder::SizeFirst, RecordOrder::NameFirst})
    {
        for (int i = 0; i < 20000; ++i)
        {
            const FileRecord a =
                record(size(rng), randomText(rng, 4), u'/' + randomText(rng, 2) + u'/', times[time(rng)]);
            const FileRecord b =
                record(size(rng), randomText(rng, 4), u'/' + randomText(rng, 2) + u'/', times[time(rng)]);
            ASSERT_EQ(compareRecords(a, b, order), TextCompare::compareNoCase(a.text(order), b.text(order)))
                << a.text(order).toStdString() << " | " << b.text(order).toStdString();
        }
    }
}

TEST(FileRecord, SortingRecordsGivesTheOrderOfSortingTheirTexts)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> size(0, 5);
    for (const RecordOrder order : {RecordOrder::SizeFirst, RecordOrder::NameFirst})
    {
        FileList list;
        std::vector<QString> texts;
        for (int i = 0; i < 3000; ++i)
        {
            // Short texts, and texts long enough that the sort's first look at eight units decides.
            const FileRecord r =
                record(size(rng), randomText(rng, i % 2 ? 3 : 9), u'/' + randomText(rng, i % 3) + u'/');
            list.append(r);
            texts.push_back(r.text(order));
        }
        const std::vector<FileList::Index> sorted = RecordSort::sorted(list, order);
        SortingLib::sortStrings(texts, true, false);
        ASSERT_EQ(sorted.size(), texts.size());
        for (size_t i = 0; i < sorted.size(); ++i)
            ASSERT_EQ(list.record(sorted[i]).text(order), texts[i]) << "at " << i;
    }
}

TEST(FileRecord, LargeFilesSortBySizeAndSameSizesStandTogether)
{
    FileList list;
    for (const FileRecord &r : {record(1000000000000LL, QStringLiteral("a")), record(3221225472LL, QStringLiteral("b")),
                                record(100000000000LL, QStringLiteral("c")), record(5, QStringLiteral("d")),
                                record(3221225472LL, QStringLiteral("e"))})
        list.append(r);
    QStringList names;
    for (const FileList::Index i : RecordSort::sorted(list, RecordOrder::SizeFirst))
        names.append(list.name(i).toString());
    EXPECT_EQ(names, QStringList({QStringLiteral("d"), QStringLiteral("b"), QStringLiteral("e"), QStringLiteral("c"),
                                  QStringLiteral("a")}));
}
