// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SameNameSearch.h"

#include "ScanFixture.h"
#include "core/TextFormat.h"
#include "engine/RecordSort.h"
#include "results/ResultModel.h"
#include "support/TempTree.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
const QString kDate = QStringLiteral("3/7/2004 9:05:03 PM");

FileRecord record(const QString &folder, const QString &name, qint64 size)
{
    return {size, name, folder, QDateTime(QDate(2004, 3, 7), QTime(21, 5, 3)).toSecsSinceEpoch(), {}};
}

// The records as the scan leaves them for the engine: sorted in `order`.
void load(ScanContext &ctx, const std::vector<FileRecord> &list, RecordOrder order)
{
    for (const FileRecord &r : list)
        ctx.files.append(r);
    ctx.sortedFiles = RecordSort::sorted(ctx.files, order);
    ctx.totalFiles = static_cast<qint32>(list.size());
}

QStringList column(const ResultList &results, int item)
{
    QStringList values;
    for (quint32 r = 0; r < results.count(); ++r)
        values << results.value(r, item).toString();
    return values;
}
} // namespace

TEST(FindSameName, OneNameInThreeFoldersIsOneGroupInSizeOrder)
{
    TestSink sink;
    ScanContext ctx(sink, {ScanOptions::SameName});
    load(ctx,
         {record(QStringLiteral("/a/"), QStringLiteral("report.doc"), 300),
          record(QStringLiteral("/b/"), QStringLiteral("report.doc"), 100),
          record(QStringLiteral("/c/"), QStringLiteral("report.doc"), 200),
          record(QStringLiteral("/c/"), QStringLiteral("single.txt"), 100)},
         RecordOrder::NameFirst);
    findSameName(ctx);

    const std::vector<QStringList> groups = groupsOf(ctx.results);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0], QStringList({QStringLiteral("/b/report.doc"), QStringLiteral("/c/report.doc"),
                                      QStringLiteral("/a/report.doc")}));
    EXPECT_EQ(ctx.duplicateCount, 2);
    EXPECT_EQ(ctx.duplicateSize, 500);
    EXPECT_EQ(ctx.totalFiles, 4);
    // The result layout: size key, name, folder, version, shade, date.
    EXPECT_EQ(column(ctx.results, 0), QStringList({QStringLiteral("000000000100"), QStringLiteral("000000000200"),
                                                   QStringLiteral("000000000300")}));
    EXPECT_EQ(column(ctx.results, 3), QStringList(3, QStringLiteral("N/A")));
    EXPECT_EQ(column(ctx.results, 4), QStringList(3, QStringLiteral("1")));
    EXPECT_EQ(column(ctx.results, 5), QStringList(3, kDate));
}

TEST(FindSameName, NamesMatchWithoutRegardToCaseAndGroupsAlternateShades)
{
    TestSink sink;
    ScanContext ctx(sink, {ScanOptions::SameName});
    load(ctx,
         {record(QStringLiteral("/a/"), QStringLiteral("Readme.txt"), 5),
          record(QStringLiteral("/b/"), QStringLiteral("README.TXT"), 7),
          record(QStringLiteral("/a/"), QStringLiteral("zeta"), 1),
          record(QStringLiteral("/b/"), QStringLiteral("Zeta"), 1),
          record(QStringLiteral("/c/"), QStringLiteral("alone"), 1)},
         RecordOrder::NameFirst);
    findSameName(ctx);

    EXPECT_EQ(groupsOf(ctx.results).size(), 2u);
    EXPECT_EQ(column(ctx.results, 1), QStringList({QStringLiteral("Readme.txt"), QStringLiteral("README.TXT"),
                                                   QStringLiteral("zeta"), QStringLiteral("Zeta")}));
    EXPECT_EQ(column(ctx.results, 4),
              QStringList({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("2")}));
    EXPECT_EQ(ctx.groupShade, 2);
    EXPECT_EQ(ctx.duplicateCount, 2);
    EXPECT_EQ(ctx.duplicateSize, 8);
}

TEST(FindSameName, RepeatedListingsOfOnePathCountOnce)
{
    // Two equal files in one folder both stay; the same path listed twice is one file.
    TestSink sink;
    ScanContext ctx(sink, {ScanOptions::SameName});
    load(ctx,
         {record(QStringLiteral("/a/"), QStringLiteral("x.txt"), 10),
          record(QStringLiteral("/a/"), QStringLiteral("x.txt"), 10),
          record(QStringLiteral("/b/"), QStringLiteral("x.txt"), 10),
          record(QStringLiteral("/a/"), QStringLiteral("y.txt"), 10),
          record(QStringLiteral("/a/"), QStringLiteral("y.txt"), 10)},
         RecordOrder::NameFirst);
    findSameName(ctx);

    EXPECT_EQ(ctx.totalFiles, 3);
    const std::vector<QStringList> groups = groupsOf(ctx.results);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0], QStringList({QStringLiteral("/a/x.txt"), QStringLiteral("/b/x.txt")}));
    EXPECT_EQ(ctx.duplicateCount, 1);
}

TEST(FindSameName, CancelKeepsTheGroupsFoundSoFar)
{
    TestSink sink;
    ScanContext ctx(sink, {ScanOptions::SameName});
    std::vector<FileRecord> list;
    for (int g = 0; g < 10; ++g)
    {
        list.push_back(record(QStringLiteral("/a/"), QStringLiteral("n%1").arg(g), 1));
        list.push_back(record(QStringLiteral("/b/"), QStringLiteral("n%1").arg(g), 1));
    }
    load(ctx, list, RecordOrder::NameFirst);
    sink.go = [](int call) { return call < 4; };
    findSameName(ctx);

    EXPECT_TRUE(ctx.cancelSearch);
    EXPECT_EQ(groupsOf(ctx.results).size(), 3u);
    EXPECT_EQ(ctx.duplicateCount, 3);
}

TEST(FindSameName, ProgressCountsFilesHandled)
{
    TestSink sink;
    ScanContext ctx(sink, {ScanOptions::SameName});
    load(ctx,
         {record(QStringLiteral("/a/"), QStringLiteral("a"), 1), record(QStringLiteral("/a/"), QStringLiteral("b"), 1),
          record(QStringLiteral("/a/"), QStringLiteral("c"), 1), record(QStringLiteral("/b/"), QStringLiteral("c"), 1)},
         RecordOrder::NameFirst);
    findSameName(ctx);
    // Written while the result count is a multiple of 100 (0 included): before the first group.
    EXPECT_EQ(sink.statuses, QStringList({QStringLiteral("Searching for same name files...(1/4) 25.0%"),
                                          QStringLiteral("Searching for same name files...(2/4) 50.0%")}));

    TestSink minimized;
    minimized.isMinimized = true;
    ScanContext small(minimized, {ScanOptions::SameName});
    load(small,
         {record(QStringLiteral("/a/"), QStringLiteral("a"), 1), record(QStringLiteral("/b/"), QStringLiteral("a"), 1)},
         RecordOrder::NameFirst);
    findSameName(small);
    EXPECT_EQ(minimized.captions, QStringList({QStringLiteral("50.0% (1/2)")}));
    EXPECT_TRUE(minimized.statuses.isEmpty());
}

TEST(ZeroSizeListing, ListsEveryExistingEmptyFileWithoutGroups)
{
    TempTree tree;
    const QDateTime when(QDate(2004, 3, 7), QTime(21, 5, 3));
    tree.file(QStringLiteral("a/empty.log"), QByteArray(), when);
    tree.file(QStringLiteral("b/noext"), QByteArray(), when);
    TestSink sink;
    ScanContext ctx(sink, {ScanOptions::ZeroSize});
    load(ctx,
         {record(tree.folder(QStringLiteral("a")), QStringLiteral("empty.log"), 0),
          record(tree.folder(QStringLiteral("b")), QStringLiteral("noext"), 0),
          record(tree.folder(QStringLiteral("b")), QStringLiteral("vanished"), 0)},
         RecordOrder::SizeFirst);
    sink.go = [](int call) { return call < 2; }; // a cancel does not shorten the listing

    ResultModel model;
    listZeroSizeFiles(ctx, model);
    EXPECT_TRUE(ctx.cancelSearch);
    ASSERT_EQ(model.size(), 2);
    const ResultRow &row = model.row(0);
    EXPECT_EQ(row.column(ResultRow::ColName), QStringLiteral("empty.log"));
    EXPECT_EQ(row.column(ResultRow::ColSize), QStringLiteral("0"));
    EXPECT_EQ(row.column(ResultRow::ColModified), kDate);
    EXPECT_EQ(row.column(ResultRow::ColVersion), QStringLiteral("N/A"));
    EXPECT_EQ(row.column(ResultRow::ColGroup), QStringLiteral("N/A"));
    EXPECT_EQ(row.column(ResultRow::ColPath), tree.folder(QStringLiteral("a")));
    EXPECT_EQ(row.column(ResultRow::ColSortSize), QStringLiteral("000000000000"));
    EXPECT_EQ(row.column(ResultRow::ColSortDate), QStringLiteral("20040307210503"));
    EXPECT_EQ(row.column(ResultRow::ColSortGrpno), QString());
    EXPECT_EQ(row.column(ResultRow::ColExt), QStringLiteral("log"));
    EXPECT_EQ(model.row(1).column(ResultRow::ColExt), QString());
    EXPECT_FALSE(row.marked);
}
