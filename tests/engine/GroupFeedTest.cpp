// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanFixture.h"

#include "engine/CompareAhead.h"
#include "engine/GroupFeed.h"
#include "engine/RecordSort.h"
#include "engine/SearchEngine.h"
#include "support/TempTree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
void addRecords(FileList &files, const QStringList &paths)
{
    for (const QString &path : paths)
    {
        const QFileInfo info(path);
        files.append(FileRecord{info.size(), info.fileName(), info.absolutePath() + u'/', 0, {}});
    }
}
} // namespace

TEST(GroupFeed, GroupsQueuedAheadAreTheOnesTheScanTakes)
{
    // Sizes with one file, with copies, with a file listed twice, and far more groups than are
    // queued at once, so that the feed refills as the scan takes them.
    TempTree t;
    QStringList paths;
    for (int size = 1; size <= 200; ++size)
    {
        for (int copy = 0; copy < size % 4; ++copy)
            paths << t.fileOfSize(QStringLiteral("s%1/c%2").arg(size).arg(copy), size, 'a');
        if (size % 7 == 0 && size % 4 != 0)
            paths << paths.last();
    }
    TestSink plainSink;
    ScanContext plain(plainSink);
    loadSortedFiles(plain, paths);
    SearchEngine::findSameSize(plain);

    TestSink sink;
    ScanContext ctx(sink);
    ctx.totalFiles = static_cast<qint32>(paths.size());
    addRecords(ctx.files, paths);
    ctx.sortedFiles = RecordSort::sorted(ctx.files, RecordOrder::SizeFirst);
    CompareAhead ahead(ContentGroups::Method::Exact, 2, ctx.files);
    GroupFeed feed(ahead, ctx.files, 8, 20);
    feed.readFrom(ctx.sortedFiles);
    feed.fill();
    SearchEngine::findSameSize(ctx, ahead, feed);

    EXPECT_EQ(ahead.unanswered(), 0);
    EXPECT_EQ(groupsOf(ctx.results), groupsOf(plain.results));
    EXPECT_EQ(ctx.totalFiles, plain.totalFiles);
}
