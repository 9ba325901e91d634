// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchLocationModel.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace
{
SearchLocation location(const char *folder, const char *mask = "All files(*.*)", int icon = 15)
{
    SearchLocation l;
    l.folder = QString::fromUtf8(folder);
    l.mask = QString::fromUtf8(mask);
    l.minSize = QStringLiteral("10");
    l.icon = icon;
    return l;
}
} // namespace

TEST(SearchLocationModel, RowsColumnsAndIcons)
{
    SearchLocationModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Search Locations"));
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("Max Size"));

    model.add(location("/data"));
    model.add(location("/Data"));
    model.add(location("/data", "Documents(*.doc *.pdf *.rtf *.xls *.ppt)"));
    ASSERT_EQ(model.rowCount(), 2) << "the same text changes its row; other letter case is another row";
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("Documents(*.doc *.pdf *.rtf *.xls *.ppt)"));
    EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral("10"));

    model.change(1, location("/data", "", 16));
    EXPECT_EQ(model.rowCount(), 2) << "a change may give a row a text another row has";
    EXPECT_EQ(model.index(1, 0).data(SearchLocationModel::IconRole).toInt(), 16);

    model.remove(5);
    model.remove(0);
    EXPECT_EQ(model.rowCount(), 1);
    model.setLocations({});
    EXPECT_TRUE(model.empty());
}
