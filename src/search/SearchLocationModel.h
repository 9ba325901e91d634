// SPDX-License-Identifier: GPL-3.0-or-later
// The search-location list as a table for the main window's location list.
#pragma once

#include "search/SearchLocation.h"

#include <QAbstractTableModel>

/// Columns: 0 "Search Locations", 1 "Sub Folders", 2 "File Type", 3 "Min Size", 4 "Max Size".
/// The row's icon number (15 searched, 16 excluded) is answered for IconRole; the view turns it
/// into a picture.
class SearchLocationModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        IconRole = Qt::UserRole + 1
    };

    explicit SearchLocationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const SearchLocationList &locations() const { return m_list; }
    int size() const { return m_list.size(); }
    bool empty() const { return m_list.empty(); }

    /// Adds a location, or changes the row that has exactly its folder text; returns the row.
    int add(const SearchLocation &location);
    /// Changes row i (text included).
    void change(int i, const SearchLocation &location);
    /// Removes row i; an index outside the list does nothing.
    void remove(int i);
    /// Replaces every row (New Session, a session load).
    void setLocations(const SearchLocationList &list);

private:
    SearchLocationList m_list;
};
