// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "search/FileMasks.h"
#include "search/MaskList.h"
#include "search/SearchLocation.h"
#include "search/TypedFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
SearchLocation loc(const char *folder, const char *mask = "All files(*.*)", int icon = SearchLocation::IncludedIcon)
{
    SearchLocation l;
    l.folder = QString::fromLatin1(folder);
    l.mask = QString::fromLatin1(mask);
    l.minSize = QStringLiteral("10");
    l.icon = icon;
    return l;
}
} // namespace

TEST(SearchLocationList, AddingAPathTwiceChangesItsRowAndCaseCounts)
{
    SearchLocationList list;
    EXPECT_EQ(list.add(loc("/data", "*.jpg")), 0);
    EXPECT_EQ(list.add(loc("/data", "*.png")), 0);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.at(0).mask, QStringLiteral("*.png"));
    EXPECT_EQ(list.add(loc("/Data")), 1);
    EXPECT_EQ(list.size(), 2);

    // Changing a row to a path another row has keeps both rows.
    list.change(1, loc("/data"));
    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(1).folder, QStringLiteral("/data"));
    list.remove(7);
    list.remove(0);
    EXPECT_EQ(list.size(), 1);
}

TEST(FileMasks, MatchingIsASubstringTestOnTheExtension)
{
    struct Case
    {
        const char *name;
        const char *mask;
        bool match;
    };
    const std::vector<Case> cases{{"A.JPG", "*.jpg;*.gif", true},    {"a.jpeg", "*.jpg;*.gif", false},
                                  {"a.jp", "*.jpg;*.gif", true},     {"noext", "*.jpg", false},
                                  {"noext", "All files(*.*)", true}, {"x.tx", "*.txt;*.doc", true},
                                  {"archive.tar.gz", "*.gz", true},  {"x.mp3", "Music files (*.mp3)", true}};
    for (const Case &c : cases)
        EXPECT_EQ(FileMasks::matchesMask(QString::fromLatin1(c.name), QString::fromLatin1(c.mask)), c.match) << c.name;
    EXPECT_EQ(FileMasks::presets().size(), 10);
    EXPECT_EQ(FileMasks::presets()[3],
              QStringLiteral("Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)"));
}

TEST(MaskList, TypedMasksGoFirstAndAreStoredInOrder)
{
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/s.ini"));
    Settings settings(store);
    QStringList masks = MaskList::masksOrPresets(settings);
    EXPECT_EQ(masks, FileMasks::presets());
    EXPECT_FALSE(MaskList::addTypedMask(masks, QStringLiteral("All files(*.*)")));
    EXPECT_FALSE(MaskList::addTypedMask(masks, QStringLiteral("   ")));
    EXPECT_TRUE(MaskList::addTypedMask(masks, QStringLiteral("ALL FILES(*.*)")));
    EXPECT_TRUE(MaskList::addTypedMask(masks, QStringLiteral("*.iso")));
    settings.setFileMasks(masks);
    const QStringList stored = MaskList::masksOrPresets(settings);
    ASSERT_EQ(stored.size(), 12);
    EXPECT_EQ(stored.at(0), QStringLiteral("*.iso"));
    EXPECT_EQ(stored.at(1), QStringLiteral("ALL FILES(*.*)"));
    EXPECT_EQ(stored.at(11), FileMasks::presets().last());
}

TEST(SizeFields, MinimumAndMaximumRules)
{
    EXPECT_EQ(SizeFields::normalizedMin(QString()), QStringLiteral("10"));
    EXPECT_EQ(SizeFields::normalizedMin(QStringLiteral("abc")), QStringLiteral("10"));
    EXPECT_EQ(SizeFields::normalizedMin(QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(SizeFields::normalizedMax(QStringLiteral("abc")), QString());
    EXPECT_EQ(SizeFields::normalizedMax(QStringLiteral("200")), QStringLiteral("200"));
    EXPECT_FALSE(SizeFields::maxAcceptable(QStringLiteral("100"), QStringLiteral("100")));
    EXPECT_TRUE(SizeFields::maxAcceptable(QStringLiteral("100"), QStringLiteral("101")));
    EXPECT_TRUE(SizeFields::maxAcceptable(QString(), QStringLiteral("5")));
    EXPECT_TRUE(SizeFields::maxAcceptable(QStringLiteral("100"), QString()));
}

TEST(TypedFolder, TildeExpandsAndOnlyExistingFoldersPass)
{
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/home");
    QDir().mkpath(home + QStringLiteral("/Pictures/2023"));
    QFile file(home + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString H = home;
    const struct
    {
        QString typed;
        QString folder; // "" when refused
        QString error;
    } cases[] = {
        {QStringLiteral("~"), H, {}},
        {QStringLiteral("~/Pictures/2023/"), H + QStringLiteral("/Pictures/2023"), {}},
        {QStringLiteral("  ") + H + QStringLiteral("/Pictures  "), H + QStringLiteral("/Pictures"), {}},
        {QStringLiteral("/"), QStringLiteral("/"), {}},
        {QStringLiteral("Pictures"),
         {},
         QStringLiteral("\"Pictures\" is not a full path: type one that starts with \"/\" or \"~\".")},
        {QStringLiteral("~sam/Pictures"),
         {},
         QStringLiteral("\"~sam/Pictures\" is not a full path: type one that starts with \"/\" or \"~\".")},
        {QStringLiteral("~/Music"), {}, u"The folder \"" + H + u"/Music\" does not exist."},
        {QStringLiteral("~/notes.txt"), {}, u'"' + H + u"/notes.txt\" is a file, not a folder."},
    };
    for (const auto &c : cases)
    {
        const TypedFolder::Checked checked = TypedFolder::check(c.typed, home);
        EXPECT_EQ(checked.folder, c.folder) << c.typed.toStdString();
        EXPECT_EQ(checked.error, c.error) << c.typed.toStdString();
    }
}
