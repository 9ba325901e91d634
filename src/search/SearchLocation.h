// SPDX-License-Identifier: GPL-3.0-or-later
// One search location (a row of the search-location list) and the list's add/change/remove rules.
#pragma once

#include <QString>

#include <vector>

struct SearchLocation
{
    static constexpr int IncludedIcon = 15;
    static constexpr int ExcludedIcon = 16;
    /// Searched, and its files are the originals: never marked, moved or deleted.
    static constexpr int ReferenceIcon = 19;

    QString folder;                             // as the dialog returns it; no "/" is appended here
    QString subFolders = QStringLiteral("Yes"); // "Yes" or "No"; always "Yes" for an exclusion
    QString mask;                               // empty for an exclusion
    QString minSize;                            // kilobytes as text; empty for an exclusion
    QString maxSize;                            // kilobytes as text, empty for no upper bound
    int icon = IncludedIcon;                    // 16 = excluded; every other value is searched

    bool excluded() const { return icon == ExcludedIcon; }
    bool reference() const { return icon == ReferenceIcon; }
    bool operator==(const SearchLocation &) const = default;
};

/// The rows of the search-location list, in the order they were added.
class SearchLocationList
{
public:
    const std::vector<SearchLocation> &rows() const { return m_rows; }
    int size() const { return static_cast<int>(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    const SearchLocation &at(int i) const { return m_rows[static_cast<size_t>(i)]; }

    /// Adds a location; a row whose folder text is exactly the same (letter case included) is
    /// changed instead (its text stays). Returns the row's index.
    int add(const SearchLocation &location);
    /// Changes row i to the location (text included), even when another row has that folder.
    void change(int i, const SearchLocation &location);
    /// Removes row i; an index outside the list does nothing.
    void remove(int i);
    void clear() { m_rows.clear(); }
    /// Appends as it stands (session files restore rows this way).
    void append(const SearchLocation &location) { m_rows.push_back(location); }

private:
    std::vector<SearchLocation> m_rows;
};
