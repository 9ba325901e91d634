// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionSummary.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace
{
// Restores the C locale the other tests run in.
struct LocaleScope
{
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};
} // namespace

TEST(ActionSummary, SaysCountsAndBytesInTheUsersNumberFormat)
{
    using Act = ActionSummary::Act;
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case
    {
        Act act;
        qint64 files, bytes, refused;
        const char *destination;
        const char *expected;
    };
    const Case cases[] = {
        {Act::Trash, 3393, 1288490189, 2, "", "3,393 files, 1.20 GB moved to the trash; 2 refused"},
        {Act::DeletePermanently, 1, 512, 0, "", "1 file, 512 Bytes deleted for good"},
        {Act::Move, 2, 2048, 0, "/d", "2 files, 2.00 KB moved to \"/d\""},
        {Act::Copy, 2, 0, 1, "/d", "2 files, 0 Bytes copied to \"/d\"; 1 refused"},
        {Act::HardLink, 1200, 1024, 1500, "", "1,200 files, 1.00 KB replaced with hard links; 1,500 refused"},
        {Act::Clone, 0, 0, 0, "", "0 files, 0 Bytes replaced with clones"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ActionSummary::done(c.act, {c.files, c.bytes, c.refused}, QString::fromLatin1(c.destination)),
                  QString::fromLatin1(c.expected));

    ActionSummary::Plan plan;
    plan.act = Act::Trash;
    plan.files = 3393;
    plan.bytes = 1288490189;
    plan.removeEmptyFolders = true;
    EXPECT_EQ(ActionSummary::willHappen(plan),
              QStringLiteral("3,393 files, 1.20 GB (1,288,490,189 bytes) will be "
                             "moved to the trash. Folders left empty will be removed."));

    // Whole folders are counted as folders and leave no folder empty.
    plan.folders = true;
    plan.files = 2;
    EXPECT_EQ(ActionSummary::willHappen(plan),
              QStringLiteral("2 folders, 1.20 GB (1,288,490,189 bytes) will be moved to the trash."));
    plan.act = Act::DeletePermanently;
    EXPECT_EQ(ActionSummary::willHappen(plan),
              QStringLiteral("2 folders, 1.20 GB (1,288,490,189 bytes) will be deleted for good: they will not go "
                             "to the trash."));
    EXPECT_EQ(ActionSummary::done(Act::Trash, {1, 512, 1, true}),
              QStringLiteral("1 folder, 512 Bytes moved to the trash; 1 refused"));
}
