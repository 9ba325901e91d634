// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchLocation.h"

int SearchLocationList::add(const SearchLocation &location)
{
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        if (m_rows[i].folder == location.folder)
        {
            SearchLocation &row = m_rows[i];
            row.subFolders = location.subFolders;
            row.mask = location.mask;
            row.minSize = location.minSize;
            row.maxSize = location.maxSize;
            row.icon = location.icon;
            return static_cast<int>(i);
        }
    }
    m_rows.push_back(location);
    return size() - 1;
}

void SearchLocationList::change(int i, const SearchLocation &location)
{
    if (i >= 0 && i < size())
        m_rows[static_cast<size_t>(i)] = location;
}

void SearchLocationList::remove(int i)
{
    if (i >= 0 && i < size())
        m_rows.erase(m_rows.begin() + i);
}
