// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowFilter.h"
#include "results/ResultModel.h"

#include <gtest/gtest.h>

TEST(RowFilter, ANameOrFolderThatHoldsTheTextInAnyCase)
{
    ResultModel model;
    std::vector<ResultRow> rows(3);
    rows[0].setName(QStringLiteral("Holiday.JPG"));
    rows[0].path = QStringLiteral("/home/sam/Pictures/");
    rows[1].setName(QStringLiteral("notes.txt"));
    rows[1].path = QStringLiteral("/home/sam/Holidays 2023/");
    rows[2].setName(QStringLiteral("song.mp3"));
    rows[2].path = QStringLiteral("/media/backup/");
    model.setRows(rows);
    EXPECT_EQ(RowFilter::shownRows(model, QStringLiteral("holiday")), (std::vector<int>{0, 1}));
    EXPECT_EQ(RowFilter::shownRows(model, QStringLiteral(".jpg")), std::vector<int>{0});
    EXPECT_EQ(RowFilter::shownRows(model, QString()), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(RowFilter::shownRows(model, QStringLiteral("nowhere")).empty());
}
