#include "engine/ContentGroups.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

TEST(ContentGroups, LargeSetReadByManyThreadsKeepsEveryMember)
{
    // Enough files of one size that a round is shared out among threads; a quick keepGoing so
    // that no thread lags behind the others by design.
    TempTree t;
    std::vector<QString> paths;
    ContentGroups::Groups expected(3);
    for (int f = 0; f < 900; ++f)
    {
        const int content = f % 3;
        paths.push_back(t.fileOfSize(QStringLiteral("f%1").arg(f), 100, static_cast<char>('a' + content)));
        expected[static_cast<size_t>(content)].push_back(f);
    }
    for (int run = 0; run < 5; ++run)
    {
        const std::optional<ContentGroups::Groups> groups =
            ContentGroups::find(ContentGroups::Method::Exact, paths, [] { return true; });
        ASSERT_TRUE(groups);
        EXPECT_EQ(*groups, expected) << run;
    }
}
