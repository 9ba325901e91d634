// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/FolderTickModel.h"

#include "core/TextCompare.h"

#include <QHash>

#include <algorithm>

FolderTickModel::FolderTickModel(QObject *parent) : QAbstractListModel(parent) {}

int FolderTickModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant FolderTickModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FolderTick &row = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return row.folder;
    if (role == Qt::CheckStateRole)
        return row.ticked ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool FolderTickModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    m_rows[static_cast<size_t>(index.row())].ticked = value.value<Qt::CheckState>() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags FolderTickModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

QVariant FolderTickModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return tr("Folders");
    return QAbstractListModel::headerData(section, orientation, role);
}

void FolderTickModel::setFolders(const QStringList &folders)
{
    QStringList sorted = folders;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const int c = TextCompare::compareNoCase(a, b);
        return c != 0 ? c < 0 : TextCompare::compareExact(a, b) < 0;
    });
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (std::equal(sorted.begin(), sorted.end(), m_rows.begin(), m_rows.end(),
                   [](const QString &f, const FolderTick &t) { return f == t.folder; }))
        return;
    QHash<QString, bool> before;
    for (const FolderTick &t : m_rows)
        before.insert(t.folder, t.ticked);
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(static_cast<size_t>(sorted.size()));
    for (const QString &f : std::as_const(sorted))
        m_rows.push_back({f, before.value(f, false)});
    endResetModel();
}

void FolderTickModel::setAllTicked(bool ticked)
{
    if (m_rows.empty())
        return;
    for (FolderTick &t : m_rows)
        t.ticked = ticked;
    Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

void FolderTickModel::setTicks(const std::vector<FolderTick> &ticks)
{
    if (ticks.size() != m_rows.size() || m_rows.empty())
        return;
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        if (m_rows[i].folder == ticks[i].folder)
            m_rows[i].ticked = ticks[i].ticked;
    }
    Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}
