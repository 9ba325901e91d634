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
    // queued at once, so that the feed goes on in fileHive after the records are gone.
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
    SearchEngine::findSameSize(plain);

    TestSink sink;
    ScanContext ctx(sink);
    ctx.totalFiles = static_cast<qint32>(paths.size());
    addRecords(ctx.files, paths);
    std::vector<FileList::Index> sorted = RecordSort::sorted(ctx.files, RecordOrder::SizeFirst);
    CompareAhead ahead(ContentGroups::Method::Exact, 2, ctx.files);
    GroupFeed feed(ahead, ctx.files, 8, 20);
    feed.readFrom(sorted);
    loadFileHive(ctx.fileHive, ctx.files, sorted, RecordOrder::SizeFirst, [&] { feed.fill(); });
    feed.readFrom(ctx.fileHive);
    std::vector<FileList::Index>().swap(sorted);
    SearchEngine::findSameSize(ctx, ahead, feed);

    EXPECT_EQ(ahead.unanswered(), 0);
    EXPECT_EQ(groupsOf(ctx.resultHive), groupsOf(plain.resultHive));
    EXPECT_EQ(ctx.totalFiles, plain.totalFiles);
}
