// SPDX-License-Identifier: GPL-3.0-or-later
// The counts and sizes the status panels, the progress bar and the messages show follow the
// user's number format; the texts files keep do not.
#include "app/ProgressShown.h"
#include "app/ScanTotals.h"
#include "core/TextFormat.h"
#include "engine/StatusTexts.h"
#include "results/ResultModel.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace
{
// The default locale for as long as it lives; the C locale after.
class DefaultLocale
{
public:
    explicit DefaultLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
    DefaultLocale(const DefaultLocale &) = delete;
    DefaultLocale &operator=(const DefaultLocale &) = delete;
};

struct Shown
{
    QString files;
    QString folders;
    QString duplicates;
    QString walk;
    QString byName;
    QString marked;
};

Shown shownTexts()
{
    ScanTotals totals;
    totals.files = 1234567;
    totals.folders = 4321;
    totals.duplicateCount = 12345;
    totals.duplicateSize = 1536;
    totals.filesText = StatusTexts::files(totals.files);
    totals.foldersText = StatusTexts::folders(totals.folders);
    totals.duplicatesText = StatusTexts::duplicates(totals.duplicateCount, totals.duplicateSize);
    totals.counted = true;
    ScanProgress walk;
    walk.files = 12345;
    walk.folders = 1;
    ScanProgress byName;
    byName.stage = ScanProgress::Stage::Compare;
    byName.unit = ScanProgress::Unit::Files;
    byName.done = 1000;
    byName.total = 20000;
    return {totals.shownFiles(),
            totals.shownFolders(),
            totals.shownDuplicates(),
            ProgressShown::of(walk).text,
            ProgressShown::of(byName).text,
            ResultModel::summaryText(2500, 3.0 * 1024 * 1024)};
}
} // namespace

TEST(ShownNumbers, FollowTheLocaleOnScreenAndNotInFiles)
{
    const Shown c = shownTexts();
    EXPECT_EQ(c.files, QStringLiteral("Files : 1234567"));
    EXPECT_EQ(c.folders, QStringLiteral("Folders : 4321"));
    EXPECT_EQ(c.duplicates, QStringLiteral("Duplicate Files: 12345  Size: 1.50 KB"));
    EXPECT_EQ(c.walk, QStringLiteral("12345 files in 1 folder"));
    EXPECT_EQ(c.byName, QStringLiteral("1000 of 20000 files"));
    EXPECT_EQ(c.marked, QStringLiteral("Total Files Marked 2500 Size 3.00 MB"));

    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    const Shown de = shownTexts();
    EXPECT_EQ(de.files, QStringLiteral("Files : 1.234.567"));
    EXPECT_EQ(de.folders, QStringLiteral("Folders : 4.321"));
    EXPECT_EQ(de.duplicates, QStringLiteral("Duplicate Files: 12.345  Size: 1,50 KB"));
    EXPECT_EQ(de.walk, QStringLiteral("12.345 files in 1 folder"));
    EXPECT_EQ(de.byName, QStringLiteral("1.000 of 20.000 files"));
    EXPECT_EQ(de.marked, QStringLiteral("Total Files Marked 2.500 Size 3,00 MB"));
    // What session files and reports keep reads the same in every locale.
    EXPECT_EQ(StatusTexts::duplicates(12345, 1536), QStringLiteral("Duplicate Files: 12345  Size: 1.50 KB"));
    EXPECT_EQ(StatusTexts::files(1234567), QStringLiteral("Files : 1234567"));
    EXPECT_EQ(TextFormat::sizeText(3.0 * 1024 * 1024), QStringLiteral("3.00 MB"));
}
