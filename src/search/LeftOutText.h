// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence that names what the search locations and options leave out of a scan (size
// limits, masks, hidden files, sub folders, exclusions), shown by the window and corvina-cli.
#pragma once

#include <QCoreApplication>
#include <QString>

class SearchLocationList;

class LeftOutText
{
    Q_DECLARE_TR_FUNCTIONS(LeftOutText)

public:
    /// "Files under 10 KB, hidden files and 2 excluded folders were left out." in the user's
    /// language and number format, naming each limit once; "" when the scan takes every file of
    /// its locations. Without sizeLimits (the folder search, which compares every file of a
    /// folder) the locations' sizes leave nothing out.
    static QString of(const SearchLocationList &locations, bool includeHidden, bool sizeLimits = true);
};
