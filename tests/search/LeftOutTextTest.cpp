// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LeftOutText.h"
#include "search/SearchLocation.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace
{
SearchLocation searched(const char *min, const char *max, const char *mask = "All files(*.*)", bool subFolders = true)
{
    SearchLocation l;
    l.folder = QStringLiteral("/x/");
    l.minSize = QString::fromLatin1(min);
    l.maxSize = QString::fromLatin1(max);
    l.mask = QString::fromLatin1(mask);
    l.subFolders = subFolders ? QStringLiteral("Yes") : QStringLiteral("No");
    return l;
}

SearchLocation excluded()
{
    SearchLocation l;
    l.folder = QStringLiteral("/x/skip/");
    l.mask.clear();
    l.minSize.clear();
    l.icon = SearchLocation::ExcludedIcon;
    return l;
}
} // namespace

TEST(LeftOutText, NamesEachLimitOnceAndNothingWhenEveryFileIsTaken)
{
    struct Case
    {
        std::vector<SearchLocation> locations;
        bool includeHidden;
        const char *expected;
    };
    const Case cases[] = {
        {{searched("0", "")}, true, ""},
        {{searched("", "")}, true, ""},
        {{searched("0", "")}, false, "Hidden files were left out."},
        {{searched("10", ""), excluded(), excluded()},
         false,
         "Files under 10 KB, hidden files and 2 excluded folders were left out."},
        {{searched("10", ""), searched("10", "500"), searched("20", "")},
         true,
         "Files under 10 KB or 20 KB and files over 500 KB were left out."},
        {{searched("0", "0")}, true, "Files over 0 KB were left out."},
        {{searched("0.4", "", "*.jpg;*.png", false), excluded()},
         true,
         "Files not matching \"*.jpg;*.png\", the sub folders of 1 folder and 1 excluded folder were left out."},
    };
    for (const Case &c : cases)
    {
        SearchLocationList list;
        for (const SearchLocation &l : c.locations)
            list.append(l);
        EXPECT_EQ(LeftOutText::of(list, c.includeHidden), QString::fromLatin1(c.expected)) << c.expected;
    }
}

TEST(LeftOutText, WritesSizesInTheUsersNumberFormat)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SearchLocationList list;
    list.append(searched("2048", ""));
    const QString text = LeftOutText::of(list, true);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(text, QStringLiteral("Files under 2.048 KB were left out."));
}
