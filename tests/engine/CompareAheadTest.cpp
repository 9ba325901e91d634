// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CompareAhead.h"
#include "support/TempTree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace
{
const auto Wait = [] { return true; };

// The files as records of `files`: their record numbers.
std::vector<FileList::Index> recordsOf(FileList &files, const std::vector<QString> &paths)
{
    std::vector<FileList::Index> records;
    for (const QString &path : paths)
    {
        const QFileInfo info(path);
        records.push_back(static_cast<FileList::Index>(files.count()));
        files.append(FileRecord{info.size(), info.fileName(), info.absolutePath() + u'/', 0, {}});
    }
    return records;
}
} // namespace

TEST(CompareAhead, AnswersTheGroupAskedForAndDropsTheOnesQueuedBefore)
{
    TempTree t;
    FileList files;
    const auto pair = recordsOf(files, {t.file(QStringLiteral("a"), "same"), t.file(QStringLiteral("b"), "same")});
    const auto differing = recordsOf(files, {t.file(QStringLiteral("c"), "one"), t.file(QStringLiteral("d"), "two")});
    const auto three = recordsOf(files, {t.file(QStringLiteral("e"), "xyz!"), t.file(QStringLiteral("f"), "qqqq"),
                                         t.file(QStringLiteral("g"), "xyz!")});
    CompareAhead ahead(ContentGroups::Method::Exact, 2, files);
    for (const auto &group : {pair, differing, three})
        ahead.submit(group);
    EXPECT_EQ(ahead.queuedGroups(), 3);
    EXPECT_EQ(ahead.queuedFiles(), 7);

    CompareAhead::Answer a = ahead.take(pair, Wait);
    EXPECT_EQ(a.kind, CompareAhead::Answer::Found);
    EXPECT_EQ(a.groups, (ContentGroups::Groups{{0, 1}}));

    // A group the scan never queued is not answered, and costs the queue nothing.
    const std::vector<FileList::Index> other{pair[0], three[0]};
    EXPECT_EQ(ahead.take(other, Wait).kind, CompareAhead::Answer::NotQueued);
    EXPECT_EQ(ahead.queuedGroups(), 2);

    a = ahead.take(three, Wait);
    EXPECT_EQ(a.kind, CompareAhead::Answer::Found);
    EXPECT_EQ(a.groups, (ContentGroups::Groups{{0, 2}}));
    EXPECT_EQ(ahead.queuedGroups(), 0);
    EXPECT_EQ(ahead.queuedFiles(), 0);
    EXPECT_EQ(ahead.take(differing, Wait).kind, CompareAhead::Answer::NotQueued);
}

TEST(CompareAhead, EndsWithWorkStillQueued)
{
    TempTree t;
    std::vector<QString> paths;
    for (int f = 0; f < 40; ++f)
        paths.push_back(t.fileOfSize(QStringLiteral("big%1").arg(f), 1 << 20, 'z'));
    FileList files;
    const auto big = recordsOf(files, paths);
    CompareAhead ahead(ContentGroups::Method::Crc, 1, files);
    for (int g = 0; g < 50; ++g)
        ahead.submit(big);
    // A poll that says stop ends the wait at once or after its first interval.
    const CompareAhead::Answer a = ahead.take(big, [] { return false; });
    EXPECT_NE(a.kind, CompareAhead::Answer::NotQueued);
}

TEST(CompareAhead, CountsTheBytesReadOfGroupsNotYetTaken)
{
    TempTree t;
    constexpr qint64 Size = 1 << 20;
    FileList files;
    const auto pair =
        recordsOf(files, {t.fileOfSize(QStringLiteral("a"), Size, 'p'), t.fileOfSize(QStringLiteral("b"), Size, 'p')});
    CompareAhead ahead(ContentGroups::Method::Exact, 1, files);
    EXPECT_EQ(ahead.bytesReadAhead(), 0);
    ahead.submit(pair);
    // The worker reads the pair whole before anybody takes it.
    for (int i = 0; i < 6000 && ahead.bytesReadAhead() < 2 * Size; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ahead.bytesReadAhead(), 2 * Size);
    const CompareAhead::Answer a = ahead.take(pair, Wait);
    EXPECT_EQ(a.kind, CompareAhead::Answer::Found);
    EXPECT_TRUE(a.unreadable.empty());
    EXPECT_EQ(ahead.bytesReadAhead(), 0) << "a group taken is the scan's to count";

    // A group passed over is dropped: what its worker read, before the drop or after, leaves the
    // count as well (one worker, so the group taken starts only once the dropped one has ended).
    const auto other =
        recordsOf(files, {t.fileOfSize(QStringLiteral("c"), Size, 'q'), t.fileOfSize(QStringLiteral("d"), Size, 'q')});
    ahead.submit(pair);
    ahead.submit(other);
    EXPECT_EQ(ahead.take(other, Wait).kind, CompareAhead::Answer::Found);
    EXPECT_EQ(ahead.bytesReadAhead(), 0) << "a dropped group is nobody's to count";
}
