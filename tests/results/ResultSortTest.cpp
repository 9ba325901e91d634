// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultSort.h"
#include "results/ResultModel.h"

#include <algorithm>

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

namespace
{
QStringList sortedNames(const QStringList &names, bool ascending)
{
    std::vector<ResultRow> rows;
    for (const QString &n : names)
    {
        ResultRow r;
        r.setName(n);
        r.path = QStringLiteral("/data/");
        rows.push_back(r);
    }
    ResultModel model;
    model.setRows(std::move(rows));
    model.sortByColumn(ResultRow::ColName, ascending);
    QStringList out;
    for (const ResultRow &r : model.rows())
        out << r.name();
    return out;
}
} // namespace

TEST(ResultSort, TextColumnsSortWithoutRegardToCaseAndKeepEqualTextsInPlace)
{
    struct Case
    {
        QStringList names;
        QStringList ascending;
    };
    const Case cases[] = {
        // A common start, texts ending inside it, and differences beyond the first 16 letters.
        {{"img_0002.jpg", "IMG_0001.JPG", "img_", "img_0001.jpf"},
         {"img_", "img_0001.jpf", "IMG_0001.JPG", "img_0002.jpg"}},
        {{"a-very-long-common-name-2", "A-VERY-LONG-COMMON-NAME-10", "a-very-long-common-name-1"},
         {"a-very-long-common-name-1", "A-VERY-LONG-COMMON-NAME-10", "a-very-long-common-name-2"}},
        // Equal without regard to case: the earlier row stays first, in both directions.
        {{"b.txt", "B.TXT", "a.txt"}, {"a.txt", "b.txt", "B.TXT"}},
        // Letters outside ASCII fold too, and then order by their codes.
        {{"Ärger", "zebra", "äpfel", "apple"}, {"apple", "zebra", "äpfel", "Ärger"}},
        {{"", "b", "A"}, {"", "A", "b"}},
    };
    for (const Case &c : cases)
    {
        EXPECT_EQ(sortedNames(c.names, true), c.ascending) << c.names.join(u',').toStdString();
        QStringList descending = sortedNames(c.names, false);
        QStringList expected = c.ascending;
        std::reverse(expected.begin(), expected.end());
        // Equal texts keep their order in both directions: compare ignoring case only.
        ASSERT_EQ(descending.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            EXPECT_EQ(descending[i].toCaseFolded(), expected[i].toCaseFolded()) << c.names.join(u',').toStdString();
    }
}
