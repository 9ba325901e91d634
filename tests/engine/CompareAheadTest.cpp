#include "engine/CompareAhead.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace
{
const auto Wait = [] { return true; };
} // namespace

TEST(CompareAhead, AnswersTheGroupAskedForAndDropsTheOnesQueuedBefore)
{
    TempTree t;
    const std::vector<QString> pair{t.file(QStringLiteral("a"), "same"), t.file(QStringLiteral("b"), "same")};
    const std::vector<QString> differing{t.file(QStringLiteral("c"), "one"), t.file(QStringLiteral("d"), "two")};
    const std::vector<QString> three{t.file(QStringLiteral("e"), "xyz!"), t.file(QStringLiteral("f"), "qqqq"),
                                     t.file(QStringLiteral("g"), "xyz!")};
    CompareAhead ahead(ContentGroups::Method::Exact, 2);
    for (const auto &group : {pair, differing, three})
        ahead.submit(group);
    EXPECT_EQ(ahead.queuedGroups(), 3);
    EXPECT_EQ(ahead.queuedFiles(), 7);

    CompareAhead::Answer a = ahead.take(pair, Wait);
    EXPECT_EQ(a.kind, CompareAhead::Answer::Found);
    EXPECT_EQ(a.groups, (ContentGroups::Groups{{0, 1}}));

    // A group the scan never queued is not answered, and costs the queue nothing.
    const std::vector<QString> other{pair[0], three[0]};
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
    std::vector<QString> big;
    for (int f = 0; f < 40; ++f)
        big.push_back(t.fileOfSize(QStringLiteral("big%1").arg(f), 1 << 20, 'z'));
    CompareAhead ahead(ContentGroups::Method::Crc, 1);
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
    const std::vector<QString> pair{t.fileOfSize(QStringLiteral("a"), Size, 'p'),
                                    t.fileOfSize(QStringLiteral("b"), Size, 'p')};
    CompareAhead ahead(ContentGroups::Method::Exact, 1);
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
}
