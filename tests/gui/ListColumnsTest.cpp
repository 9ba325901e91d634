// SPDX-License-Identifier: GPL-3.0-or-later
// The result list and the location list read without resizing a column: whole dates and
// versions, the last column or the path taking the width left, names with control characters on
// one line.
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
ResultRow row(const QString &name, qint64 stamp, const QString &version, qint32 group)
{
    ResultRow r;
    r.setName(name);
    r.path = QStringLiteral("/home/sam/Music/");
    r.size = 4294967296;
    r.stamp = stamp;
    r.setVersion(version);
    r.group = r.sortGroup = group;
    return r;
}

// The right edge of the last column shown.
int lastEdge(const QHeaderView *header)
{
    int edge = 0;
    for (int c = 0; c < header->count(); ++c)
    {
        if (!header->isSectionHidden(c))
            edge = std::max(edge, header->sectionViewportPosition(c) + header->sectionSize(c));
    }
    return edge;
}

// The width the column's texts need (the delegate's own measure).
int needed(const QAbstractItemView &view, int column)
{
    return view.sizeHintForColumn(column);
}

QString shown(const QAbstractItemView &view, const QModelIndex &index)
{
    auto *delegate = qobject_cast<QStyledItemDelegate *>(view.itemDelegateForIndex(index));
    return delegate ? delegate->displayText(index.data(), QLocale()) : QString();
}
} // namespace

TEST(ListColumns, TheResultListShowsWholeDatesAndVersionsAndFillsItsWidth)
{
    ResultModel model;
    // The widest texts each column can hold: December, two-digit day and hour, PM.
    model.setRows({row(QStringLiteral("nine am.mp3"), 20241228095959, QStringLiteral("10.0.22621.4317"), 1),
                   row(QStringLiteral("nine pm.mp3"), 20241228215959, QStringLiteral("6.1.7601.24214"), 1),
                   row(QStringLiteral("two\nlines.mp3"), 20241128225858, QStringLiteral("N/A"), 2)});
    ResultView view;
    view.setResultModel(&model);
    view.resize(1800, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    for (int c : {ResultRow::ColSize, ResultRow::ColModified, ResultRow::ColVersion, ResultRow::ColGroup})
        EXPECT_GE(view.columnWidth(c), needed(view, c)) << ResultModel::header(c).toStdString();
    EXPECT_EQ(model.index(1, ResultRow::ColModified).data().toString(), QStringLiteral("12/28/2024 9:59:59 PM"));
    EXPECT_EQ(lastEdge(view.horizontalHeader()), view.viewport()->width()) << "the columns fill the width";

    // Width beyond the columns' own goes to the folders, never to the group number.
    const int groupWidth = view.columnWidth(ResultRow::ColGroup);
    const int pathWidth = view.columnWidth(ResultRow::ColPath);
    view.resize(2400, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.columnWidth(ResultRow::ColPath) == pathWidth + 600; }));
    EXPECT_EQ(view.columnWidth(ResultRow::ColGroup), groupWidth);
    // At the width it asks for, every column shows whole without a horizontal scroll bar.
    view.resize(view.widthForEveryColumn(), 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lastEdge(view.horizontalHeader()) == view.viewport()->width(); }));
    for (int c : {ResultRow::ColSize, ResultRow::ColModified, ResultRow::ColVersion, ResultRow::ColGroup})
        EXPECT_GE(view.columnWidth(c), needed(view, c)) << ResultModel::header(c).toStdString();
    EXPECT_FALSE(view.horizontalScrollBar()->isVisible());

    const QString name = shown(view, model.index(2, ResultRow::ColName));
    EXPECT_FALSE(name.contains(u'\n'));
    EXPECT_EQ(name, QStringLiteral("two\u240Alines.mp3"));
}

TEST(ListColumns, TheLocationPathTakesTheFreeWidth)
{
    SearchLocationModel model;
    SearchLocation l;
    l.folder = QStringLiteral("/home/sam/Pictures/Holidays/2023/Summer in the mountains");
    l.subFolders = QStringLiteral("Yes");
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("10");
    l.maxSize = QStringLiteral("2097151");
    model.add(l);
    l.folder = QStringLiteral("/tmp/odd\tname");
    model.add(l);
    SearchListView view;
    view.setLocationModel(&model);
    view.resize(1200, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QHeaderView *header = view.horizontalHeader();
    EXPECT_EQ(lastEdge(header), view.viewport()->width());
    EXPECT_GT(view.columnWidth(0), view.columnWidth(2)) << "the path, not \"Max Size\", grows";
    for (int c = 1; c < 5; ++c)
        EXPECT_GE(view.columnWidth(c), needed(view, c)) << c;
    view.resize(1600, 200);
    QTest::qWait(1);
    EXPECT_EQ(lastEdge(header), view.viewport()->width());
    // In a narrow list the path keeps a width of its own, and the list scrolls.
    view.resize(300, 200);
    QTest::qWait(1);
    for (int c = 1; c < 5; ++c)
        EXPECT_GT(view.columnWidth(0), view.columnWidth(c)) << c;
    EXPECT_EQ(shown(view, model.index(1, 0)), QStringLiteral("/tmp/odd\u2409name"));
}
