// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScanRows.h"

#include <gtest/gtest.h>

// More records than are given back at once, listed as results in an order unlike the walk's (every
// third record, from the last back), so that rows made in record order must be put back in the
// result order, and records are given back while later ones are still read (a record read after
// its memory went would fail under the address sanitizer).
TEST(ScanRows, RowsComeInTheResultOrderWhileTheRecordsAreGivenBack)
{
    FileList files;
    const quint32 folders[] = {files.addFolder(QStringLiteral("/a/")), files.addFolder(QStringLiteral("/b/ü/"))};
    constexpr FileList::Index Records = 150000;
    for (FileList::Index i = 0; i < Records; ++i)
    {
        const QString name = i % 5 == 0 ? QStringLiteral("long name ünïcode %1 写真.txt").arg(i) : QString::number(i);
        files.append(folders[i % 2], name, i, 86400 + i, {1, i + 1});
    }
    ResultList results(files);
    std::vector<FileList::Index> records;
    for (FileList::Index r = Records - 1; r < Records; r -= 3)
        records.push_back(r);
    for (size_t e = 0; e < records.size(); ++e)
        results.append(records[e], e % 7 == 0 ? QStringLiteral("1.2") : QStringLiteral("N/A"), e / 2 % 2 == 0 ? 1 : 2);
    std::vector<FileRecord> expected;
    for (const FileList::Index r : records)
        expected.push_back(files.record(r));

    int steps = 0;
    const std::vector<ResultRow> rows = ScanRows::take(files, results, [&steps] { ++steps; });

    EXPECT_EQ(steps, 2 * static_cast<int>(records.size()));
    EXPECT_EQ(results.count(), 0u);
    ASSERT_EQ(rows.size(), records.size());
    for (size_t e = 0; e < rows.size(); ++e)
    {
        const FileRecord &r = expected[e];
        ASSERT_EQ(rows[e].fullPath(), r.fullPath()) << e;
        ASSERT_EQ(rows[e].size, r.size) << e;
        ASSERT_EQ(rows[e].stamp, fileDateStamp(r.mtime)) << e;
        ASSERT_EQ(rows[e].group, e / 2 % 2 == 0 ? 1 : 2) << e;
        ASSERT_EQ(rows[e].version(), e % 7 == 0 ? QStringLiteral("1.2") : QStringLiteral("N/A")) << e;
    }
}
