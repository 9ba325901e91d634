// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SortingLib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using SortingLib::sortStrings;

namespace
{
std::vector<QString> texts(std::initializer_list<const char *> list)
{
    std::vector<QString> v;
    for (const char *t : list)
        v.push_back(QString::fromLatin1(t));
    return v;
}
} // namespace

TEST(SortStrings, OrdersWithoutRegardToCaseBothWays)
{
    auto v = texts({"b", "A", "c"});
    sortStrings(v, true, false);
    EXPECT_EQ(v, texts({"A", "b", "c"}));
    sortStrings(v, false, false);
    EXPECT_EQ(v, texts({"c", "b", "A"}));
    auto exact = texts({"b", "a", "C"});
    sortStrings(exact, true, true);
    EXPECT_EQ(exact, texts({"C", "a", "b"}));
    auto one = texts({"only"});
    sortStrings(one, true, false);
    EXPECT_EQ(one, texts({"only"}));
    std::vector<QString> none;
    sortStrings(none, true, false);
    EXPECT_TRUE(none.empty());
}

// Small ranges are insertion-sorted and keep equal elements in order; from 62 elements on the
// range is partitioned first, which moves the middle element to the front of its side.
TEST(SortStrings, InsertionSortUpTo61ElementsThenPartition)
{
    auto run = [](size_t n) {
        std::vector<std::pair<int, int>> v;
        for (size_t i = 0; i < n; ++i)
            v.push_back({static_cast<int>(i % 3), static_cast<int>(i)});
        sortStrings(v, true, [](const auto &a, const auto &b) { return (a.first > b.first) - (a.first < b.first); });
        return v;
    };
    const auto small = run(61);
    EXPECT_TRUE(std::is_sorted(small.begin(), small.end())) << "61 elements keep their order among equals";
    const auto large = run(62);
    EXPECT_TRUE(
        std::is_sorted(large.begin(), large.end(), [](const auto &a, const auto &b) { return a.first < b.first; }));
    EXPECT_FALSE(std::is_sorted(large.begin(), large.end())) << "62 elements go through the partition";
}

TEST(SortStrings, SortsRandomArraysLikeAReference)
{
    std::mt19937 rng(42);
    for (int round = 0; round < 300; ++round)
    {
        const size_t n = rng() % 500;
        const unsigned range = 1 + rng() % 1000;
        std::vector<int> v(n);
        for (int &x : v)
            x = static_cast<int>(rng() % range);
        for (bool ascending : {true, false})
        {
            auto sorted = v;
            sortStrings(sorted, ascending, [](int a, int b) { return (a > b) - (a < b); });
            auto expected = v;
            if (ascending)
                std::sort(expected.begin(), expected.end());
            else
                std::sort(expected.begin(), expected.end(), std::greater<>());
            ASSERT_EQ(sorted, expected) << "n=" << n;
        }
    }
}

TEST(SortStrings, QStringListOverload)
{
    QStringList list{QStringLiteral("pear"), QStringLiteral("Apple"), QStringLiteral("banana")};
    sortStrings(list, true, false);
    EXPECT_EQ(list, (QStringList{QStringLiteral("Apple"), QStringLiteral("banana"), QStringLiteral("pear")}));
}
