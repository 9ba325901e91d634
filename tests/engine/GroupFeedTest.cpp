// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanFixture.h"

#include "core/CHive.h"
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

TEST(GroupFeed, GroupsQueuedWhileLoadingAreTheOnesTheScanTakes)
{
    // Sizes with one file, with copies, with a file listed twice, and far more groups than are
    // queued at once, so that the feed goes on in FileHive after the records are gone.
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
    loadFileHive(plain, paths);
    SearchEngine::FindSameSize(plain);

    TestSink sink;
    ScanContext ctx(sink);
    ctx.TotalFiles = static_cast<qint32>(paths.size());
    addRecords(ctx.Files, paths);
    std::vector<FileList::Index> sorted = RecordSort::sorted(ctx.Files, RecordOrder::SizeFirst);
    CompareAhead ahead(ContentGroups::Method::Exact, 2, ctx.Files);
    GroupFeed feed(ahead, ctx.Files, 8, 20);
    feed.readFrom(sorted);
    LoadFileHive(ctx.FileHive, ctx.Files, sorted, RecordOrder::SizeFirst, [&] { feed.fill(); });
    feed.readFrom(ctx.FileHive);
    std::vector<FileList::Index>().swap(sorted);
    SearchEngine::FindSameSize(ctx, ahead, feed);

    EXPECT_EQ(ahead.unanswered(), 0);
    EXPECT_EQ(groupsOf(ctx.ResultHive), groupsOf(plain.ResultHive));
    EXPECT_EQ(ctx.TotalFiles, plain.TotalFiles);
}
