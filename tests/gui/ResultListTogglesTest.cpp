// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultListToggles.h"

#include "results/MarkingCommands.h"
#include "results/ResultModel.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
// The result list as the window shows it: a table view whose selection and current row the
// marking commands read.
struct ResultListTogglesTest : ::testing::Test
{
    ResultModel model;
    QTableView view;
    QStringList statuses;
    MarkingCommands commands{model,
                             {[this] {
                                  std::vector<int> rows;
                                  for (const QModelIndex &i : view.selectionModel()->selectedRows())
                                      rows.push_back(i.row());
                                  return rows;
                              },
                              [this] { return view.currentIndex().row(); },
                              {},
                              [this](const QString &text) { statuses << text; },
                              {}}};
    ResultListToggles toggles{&view, commands};

    void SetUp() override
    {
        std::vector<ResultRow> rows;
        for (int i = 0; i < 4; ++i)
        {
            ResultRow r;
            r.setName(QStringLiteral("f%1").arg(i));
            r.path = QStringLiteral("/d/");
            r.size = 10;
            r.group = r.sortGroup = 1;
            rows.push_back(r);
        }
        model.setRows(rows);
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.horizontalHeader()->resizeSection(0, 600);
        view.resize(900, 300);
        view.show();
    }

    // A double click as the window system delivers it: press, release, press, double click,
    // release.
    void doubleClick(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(view.viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, modifiers, at);
        QTest::mousePress(view.viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, modifiers, at);
    }

    // A point in row r, x pixels from the list's left edge.
    QPoint at(int r, int x) const { return {x, view.visualRect(model.index(r, 0)).center().y()}; }
    int inZone() const { return 1; }
    int beyondZone() const { return 400; }
    QStringList marked() const
    {
        QStringList out;
        for (const ResultRow &r : model.rows())
        {
            if (r.marked)
                out << r.name();
        }
        return out;
    }
};
} // namespace

TEST_F(ResultListTogglesTest, PixelsBecomeTwips)
{
    EXPECT_EQ(ResultListToggles::twips(20, 96), 300);
    EXPECT_EQ(ResultListToggles::twips(21, 96), 315);
    EXPECT_EQ(ResultListToggles::twips(40, 192), 300);
}

TEST_F(ResultListTogglesTest, AClickNearTheLeftEdgeFlipsTheRowAndFurtherRightOnlySelects)
{
    ASSERT_LE(ResultListToggles::twips(inZone(), view.logicalDpiX()), 300);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(1, inZone()));
    EXPECT_EQ(marked(), (QStringList{"f1"}));
    EXPECT_EQ(statuses.last(), QStringLiteral("Total Files Marked 1 Size 10 Bytes"));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(2, beyondZone()));
    EXPECT_EQ(marked(), (QStringList{"f1"}));
    EXPECT_EQ(view.currentIndex().row(), 2);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(1, inZone()));
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(ResultListTogglesTest, ADoubleClickFurtherRightAsksToOpenTheFile)
{
    QSignalSpy open(&commands, &MarkingCommands::openFileRequested);
    doubleClick(at(3, beyondZone()));
    ASSERT_EQ(open.count(), 1);
    EXPECT_EQ(open.takeFirst().at(0).toInt(), 3);
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(ResultListTogglesTest, ADoubleClickNearTheEdgeMarksTheSelectionByTheFocusedRow)
{
    // The first click of the double click flips the row; the double click then sees it marked
    // and unmarks the selection, in the order the list reports the two events.
    doubleClick(at(0, inZone()));
    EXPECT_TRUE(marked().isEmpty());
    model.setMarked(2, true);
    view.selectionModel()->select(model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    doubleClick(at(0, inZone()), Qt::ControlModifier);
    EXPECT_TRUE(marked().isEmpty()) << "row 1 flipped to marked, then the selection was unmarked";
}

TEST_F(ResultListTogglesTest, TheSpaceBarMarksTheSelectionWithoutChangingIt)
{
    view.setFocus();
    view.selectionModel()->setCurrentIndex(model.index(1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view.selectionModel()->select(model.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(marked(), (QStringList{"f1", "f3"}));
    EXPECT_EQ(view.selectionModel()->selectedRows().size(), 2);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_TRUE(marked().isEmpty());
}
