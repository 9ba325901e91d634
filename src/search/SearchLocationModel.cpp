// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchLocationModel.h"

#include "search/FileMasks.h"

namespace
{
const char *const kHeaders[] = {
    QT_TRANSLATE_NOOP("SearchLocationModel", "Search Locations"),
    QT_TRANSLATE_NOOP("SearchLocationModel", "Sub Folders"), QT_TRANSLATE_NOOP("SearchLocationModel", "File Type"),
    QT_TRANSLATE_NOOP("SearchLocationModel", "Min Size"), QT_TRANSLATE_NOOP("SearchLocationModel", "Max Size")};
constexpr int kColumns = 5;

// The row holds "Yes" or "No" as session files store it; the list says it in the user's language.
QString subFoldersText(const QString &stored)
{
    //: Sub-folders are searched.
    if (stored == u"Yes")
        return SearchLocationModel::tr("Yes");
    //: Sub-folders are not searched.
    if (stored == u"No")
        return SearchLocationModel::tr("No");
    return stored;
}
} // namespace

SearchLocationModel::SearchLocationModel(QObject *parent) : QAbstractTableModel(parent) {}

int SearchLocationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.size();
}

int SearchLocationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant SearchLocationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.size())
        return {};
    const SearchLocation &row = m_list.at(index.row());
    if (role == IconRole)
        return row.icon;
    if (role == Qt::ToolTipRole && index.column() == 0 && row.reference())
        return QString(row.folder + u'\n' +
                       tr("Reference location: its files are kept as the originals, never marked, moved or deleted"));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column())
    {
    case 0:
        return row.folder;
    case 1:
        return subFoldersText(row.subFolders);
    case 2:
        return FileMasks::shown(row.mask);
    case 3:
        return row.minSize;
    case 4:
        return row.maxSize;
    default:
        return {};
    }
}

QVariant SearchLocationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return tr(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

int SearchLocationModel::add(const SearchLocation &location)
{
    const int before = m_list.size();
    for (int i = 0; i < before; ++i)
    {
        if (m_list.at(i).folder == location.folder)
        {
            m_list.add(location);
            Q_EMIT dataChanged(index(i, 0), index(i, kColumns - 1));
            return i;
        }
    }
    beginInsertRows({}, before, before);
    const int row = m_list.add(location);
    endInsertRows();
    return row;
}

void SearchLocationModel::change(int i, const SearchLocation &location)
{
    if (i < 0 || i >= m_list.size())
        return;
    m_list.change(i, location);
    Q_EMIT dataChanged(index(i, 0), index(i, kColumns - 1));
}

void SearchLocationModel::remove(int i)
{
    if (i < 0 || i >= m_list.size())
        return;
    beginRemoveRows({}, i, i);
    m_list.remove(i);
    endRemoveRows();
}

void SearchLocationModel::setLocations(const SearchLocationList &list)
{
    beginResetModel();
    m_list = list;
    endResetModel();
}
