// SPDX-License-Identifier: GPL-3.0-or-later
// The result list: a table over the ResultModel, built to stay fast with a million rows.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

class ResultModel;

/// Paints each row's colour band (light blue where the model says ShadedRole) and, in the first
/// column, the row's mark as a check box picture (checked = marked). Control characters in a
/// name show as visible marks (VisibleText), so a row never breaks. Sizes and dates are shown in
/// the view's locale (ResultRow::displayText), while the model holds the texts files store.
class ResultDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// The light blue of every other band: red 213, green 233, blue 249.
    static QColor bandColor() { return {213, 233, 249}; }

    QString displayText(const QVariant &value, const QLocale &locale) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    /// The picture is not a control: marks change through the marking commands only.
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
};

/// Rows have one fixed height and columns fixed widths, so that neither depends on the row count:
/// dates and versions fit their longest texts (dates and sizes in the view's locale when the model
/// is set), and the last column takes the width left over.
/// The sort columns 6 to 8 are hidden; "Ext" and "Path" stand at display positions 2 and 3.
/// Header clicks are reported (columnClicked) and never sort by themselves.
class ResultView : public QTableView
{
    Q_OBJECT
public:
    explicit ResultView(QWidget *parent = nullptr);

    void setResultModel(ResultModel *model);
    /// The width that shows every column whole at its first width, with the frame and the
    /// vertical scroll bar.
    int widthForEveryColumn() const;

    /// The header's sort mark: on column (model index) ascending or descending; -1 removes it.
    void setSortMark(int column, bool ascending);
    /// The model column whose header shows the sort mark, or -1.
    int sortMarkColumn() const;
    bool sortMarkAscending() const;

Q_SIGNALS:
    /// A click on the header of a model column.
    void columnClicked(int column);
    /// A mouse button went down over the rows, this far from the list's left edge (twips).
    void pointerDown(int xTwips);
    /// A mouse button was released over the rows.
    void mouseUp(Qt::MouseButton button);
    /// A key was released (not an auto-repeat).
    void keyUp(int key);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int m_columnsWidth = 0; // the columns at their first widths
};
