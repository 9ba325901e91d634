// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchListView.h"

#include "core/VisibleText.h"
#include "search/SearchLocationModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace
{
QIcon excludedIcon(const QIcon &folder, int size)
{
    QPixmap pixmap = folder.pixmap(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(200, 30, 30));
    pen.setWidthF(size / 8.0);
    p.setPen(pen);
    const QRectF sign(size * 0.35, size * 0.35, size * 0.6, size * 0.6);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(sign);
    p.drawLine(sign.topLeft() + QPointF(size * 0.1, size * 0.1), sign.bottomRight() - QPointF(size * 0.1, size * 0.1));
    return QIcon(pixmap);
}

// A folder with a small green tick: its files are the originals the user keeps.
QIcon referenceIcon(const QIcon &folder, int size)
{
    QPixmap pixmap = folder.pixmap(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sign(size * 0.35, size * 0.35, size * 0.6, size * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 140, 60));
    p.drawEllipse(sign);
    QPen pen(Qt::white);
    pen.setWidthF(size / 10.0);
    p.setPen(pen);
    const QPointF tick[] = {sign.topLeft() + QPointF(size * 0.14, size * 0.31),
                            sign.topLeft() + QPointF(size * 0.26, size * 0.43),
                            sign.topLeft() + QPointF(size * 0.46, size * 0.17)};
    p.drawPolyline(tick, 3);
    return QIcon(pixmap);
}

class LocationDelegate : public QStyledItemDelegate
{
public:
    explicit LocationDelegate(QWidget *parent) : QStyledItemDelegate(parent)
    {
        const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
        m_included = folder;
        m_excluded = excludedIcon(folder, 32);
        m_reference = referenceIcon(folder, 32);
    }

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        // Before the base class, which would turn a newline into a line break.
        if (value.userType() == QMetaType::QString)
            return VisibleText::of(value.toString());
        return QStyledItemDelegate::displayText(value, locale);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != 0)
            return;
        const int icon = index.data(SearchLocationModel::IconRole).toInt();
        option->icon = icon == SearchLocation::ExcludedIcon    ? m_excluded
                       : icon == SearchLocation::ReferenceIcon ? m_reference
                                                               : m_included;
        option->features |= QStyleOptionViewItem::HasDecoration;
    }

private:
    QIcon m_included;
    QIcon m_excluded;
    QIcon m_reference;
};
} // namespace

SearchListView::SearchListView(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("SearchList"));
    setItemDelegate(new LocationDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    // A long path keeps its last folders in sight, which tell the locations apart.
    setTextElideMode(Qt::ElideMiddle);
    // Tab leaves the list for the next control; the arrow keys move within it.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column != 0)
            fitPathColumn();
    });
}

void SearchListView::setLocationModel(SearchLocationModel *model)
{
    setModel(model);
    const int em = fontMetrics().horizontalAdvance(u'M');
    m_pathMinimum = 16 * em;
    const int widths[] = {m_pathMinimum, 6 * em, 10 * em, 5 * em, 5 * em};
    // Never narrower than the header's own text ("Sub Folders" is wider than its "Yes").
    for (int c = 0; c < 5; ++c)
        horizontalHeader()->resizeSection(c, std::max(widths[c], horizontalHeader()->sectionSizeHint(c)));
    fitPathColumn();
}

void SearchListView::fitPathColumn()
{
    // The path is what tells the locations apart: it takes the width the other columns leave,
    // and keeps a useful width of its own in a narrow list, which then scrolls.
    const QHeaderView *header = horizontalHeader();
    if (header->count() == 0)
        return;
    int others = 0;
    for (int c = 1; c < header->count(); ++c)
        others += header->sectionSize(c);
    setColumnWidth(0, std::max(m_pathMinimum, viewport()->width() - others));
}

void SearchListView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitPathColumn();
}

int SearchListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    if (!rows.isEmpty())
        return rows.first().row();
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

namespace
{
// The keys the list answers itself, with no modifier.
bool ownKey(const QKeyEvent *key)
{
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Delete;
}
} // namespace

bool SearchListView::event(QEvent *event)
{
    // Delete removes a location here, where the window's Delete would act on the marked files.
    if (event->type() == QEvent::ShortcutOverride && ownKey(static_cast<QKeyEvent *>(event)))
    {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void SearchListView::keyPressEvent(QKeyEvent *event)
{
    if (!ownKey(event))
    {
        QTableView::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Delete)
        Q_EMIT removeRequested();
    else
        Q_EMIT changeRequested();
}

void SearchListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    Q_EMIT listDoubleClicked();
}
