#include "ScanFixture.h"

#include "core/CHive.h"
#include "engine/CompareAhead.h"
#include "engine/GroupFeed.h"
#include "engine/SearchEngine.h"
#include "support/TempTree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
FileList recordsOf(const QStringList &paths)
{
    FileList records;
    for (const QString &path : paths)
    {
        const QFileInfo info(path);
        records.push_back({info.size(), info.fileName(), info.absolutePath() + u'/', QStringLiteral("1/1/2001"), {}});
    }
    SortFileList(records, RecordOrder::SizeFirst);
    return records;
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
    FileList records = recordsOf(paths);
    CompareAhead ahead(ContentGroups::Method::Exact, 2);
    GroupFeed feed(ahead, 8, 20);
    feed.readFrom(records);
    LoadFileHive(ctx.FileHive, records, RecordOrder::SizeFirst, [&] { feed.fill(); });
    feed.readFrom(ctx.FileHive);
    FileList().swap(records);
    SearchEngine::FindSameSize(ctx, ahead, feed);

    EXPECT_EQ(ahead.unanswered(), 0);
    EXPECT_EQ(groupsOf(ctx.ResultHive), groupsOf(plain.ResultHive));
    EXPECT_EQ(ctx.TotalFiles, plain.TotalFiles);
}
