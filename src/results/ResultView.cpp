// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultView.h"

#include "core/VisibleText.h"
#include "results/LocaleText.h"
#include "results/ResultModel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace
{
// The width of the widest date the locale writes: each month (names differ in width), a
// two-digit day, and an hour before and after noon.
int widestDate(const QFontMetrics &metrics, const QLocale &locale)
{
    int widest = 0;
    for (qint64 month = 1; month <= 12; ++month)
    {
        for (qint64 hour : {10, 22})
        {
            const qint64 stamp = ((((qint64{2024} * 100 + month) * 100 + 28) * 100 + hour) * 100 + 58) * 100 + 58;
            widest = std::max(widest, metrics.horizontalAdvance(LocaleText::stamp(stamp, locale)));
        }
    }
    return widest;
}
} // namespace

void ResultDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ResultModel::ShadedRole).toBool())
        option->backgroundBrush = bandColor();
    const bool reference = index.data(ResultModel::ReferenceRole).toBool();
    // The originals of a reference location stand out and cannot be ticked.
    if (reference)
        option->font.setBold(true);
    if (index.data(ResultModel::LinkedRole).toBool())
        option->font.setItalic(true);
    // Sizes and dates in the user's locale; the model holds the texts files store.
    const auto *model = qobject_cast<const ResultModel *>(index.model());
    const int column = index.column();
    if (model && (column == ResultRow::ColSize || column == ResultRow::ColModified || column == ResultRow::ColGroup))
    {
        const QLocale locale = option->widget ? option->widget->locale() : QLocale();
        option->text = VisibleText::of(model->row(index.row()).displayText(column, locale));
    }
    if (column == 0)
    {
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        option->checkState = index.data(ResultModel::MarkedRole).toBool() ? Qt::Checked : Qt::Unchecked;
        if (reference)
            option->state &= ~QStyle::State_Enabled;
    }
}

QString ResultDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    // Before the base class, which would turn a newline into a line break.
    if (value.userType() == QMetaType::QString)
        return VisibleText::of(value.toString());
    return QStyledItemDelegate::displayText(value, locale);
}

bool ResultDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                 const QModelIndex &index)
{
    Q_UNUSED(event);
    Q_UNUSED(model);
    Q_UNUSED(option);
    Q_UNUSED(index);
    return false;
}

ResultView::ResultView(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("RLV"));
    setItemDelegate(new ResultDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Tab leaves the list for the next control; the arrow keys move within it.
    setTabKeyNavigation(false);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView *columns = horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    connect(columns, &QHeaderView::sectionClicked, this, &ResultView::columnClicked);
}

void ResultView::setResultModel(ResultModel *model)
{
    setModel(model);
    QHeaderView *columns = horizontalHeader();
    const int em = fontMetrics().horizontalAdvance(u'M');
    // A cell's text stands between the margins the delegate keeps on either side.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 6;
    auto fit = [&](const QString &widest) { return fontMetrics().horizontalAdvance(widest) + margins; };
    // Dates and versions are read whole, so they get the width of their longest texts in the
    // view's locale; names and folders get a share, and the last column takes whatever width is
    // left.
    const int widths[ResultRow::ColumnCount] = {18 * em,
                                                fit(LocaleText::bytes(Q_INT64_C(1099511627776), locale())),
                                                widestDate(fontMetrics(), locale()) + margins,
                                                fit(QStringLiteral("10.0.22621.4317")),
                                                5 * em,
                                                28 * em,
                                                0,
                                                0,
                                                0,
                                                5 * em};
    // Wide enough for the header's text beside its sort mark ("Size(Bytes)" is wider than its numbers).
    m_columnsWidth = 0;
    for (int c = 0; c < ResultRow::ColumnCount; ++c)
    {
        const int width = widths[c] ? std::max(widths[c], columns->sectionSizeHint(c)) : 0;
        columns->resizeSection(c, width);
        m_columnsWidth += width;
    }
    for (int c : {ResultRow::ColSortSize, ResultRow::ColSortDate, ResultRow::ColSortGrpno})
        columns->setSectionHidden(c, true);
    // Width beyond the columns' own goes to the folders, which are the longest texts; the group
    // number, last in the row, keeps its width.
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(ResultRow::ColPath, QHeaderView::Stretch);
    columns->moveSection(columns->visualIndex(ResultRow::ColExt), 1);
    columns->moveSection(columns->visualIndex(ResultRow::ColPath), 2);
}

int ResultView::widthForEveryColumn() const
{
    return m_columnsWidth + 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void ResultView::setSortMark(int column, bool ascending)
{
    horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int ResultView::sortMarkColumn() const
{
    return horizontalHeader()->sortIndicatorSection();
}

bool ResultView::sortMarkAscending() const
{
    return horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
}

void ResultView::mousePressEvent(QMouseEvent *event)
{
    // Twips at 96 pixels to the inch: the marks toggle within 300 twips of the left edge.
    Q_EMIT pointerDown(static_cast<int>(event->position().x()) * 15);
    QTableView::mousePressEvent(event);
}

void ResultView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    Q_EMIT mouseUp(event->button());
}

void ResultView::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        Q_EMIT keyUp(event->key());
}
