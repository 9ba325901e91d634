#include "results/ResultSort.h"

#include <gtest/gtest.h>

TEST(ResultSort, HeaderColumnsSortByTheirKeys)
{
    const std::pair<int, std::optional<int>> cases[] = {
        {1, 0},
        {2, 6},
        {3, 7},
        {4, 3},
        {5, 8},
        {6, 5},
        {7, std::nullopt},
        {8, std::nullopt},
        {9, std::nullopt},
        {10, 9},
        {0, std::nullopt},
        {11, std::nullopt},
    };
    for (const auto &[col, key] : cases)
        EXPECT_EQ(ResultSort::keyColumn(col), key) << col;
}

TEST(ResultSort, AHeaderClickTogglesOnlyAnAscendingSortedList)
{
    ResultSort::State state;
    EXPECT_TRUE(state.nextAscending(true)) << "an unsorted list sorts ascending first";
    state = {true, true};
    EXPECT_FALSE(state.nextAscending(true));
    EXPECT_TRUE(state.nextAscending(false)) << "other requests always sort ascending";
    state = {true, false};
    EXPECT_TRUE(state.nextAscending(true));
}
