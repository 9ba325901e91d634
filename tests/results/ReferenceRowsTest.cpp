// SPDX-License-Identifier: GPL-3.0-or-later
// Files of reference locations: kept as the originals by every marking command.
#include "ResultRows.h"
#include "results/AdvancedMarking.h"
#include "results/MarkingRules.h"

#include <gtest/gtest.h>

using namespace ResultRows;

namespace
{
// Group 1: an original in /ref/ and two copies; group 2: two originals only; group 3: no
// original at all; group 4: the reference holds a folder that is searched normally.
void fillGroups(ResultModel &model)
{
    fill(model, {
                    {"c1", "/home/a/", 10, 20200101000000, 1, "N/A", true},
                    {"o1", "/ref/", 10, 20100101000000, 1},
                    {"c2", "/home/b/", 10, 20210101000000, 1},
                    {"o2", "/ref/", 20, 20100101000000, 2},
                    {"o3", "/ref/x/", 20, 20100101000000, 2},
                    {"n1", "/home/a/", 30, 20200101000000, 3},
                    {"n2", "/home/b/", 30, 20210101000000, 3},
                    {"s1", "/ref/scratch/", 40, 20200101000000, 4},
                    {"s2", "/home/a/", 40, 20210101000000, 4},
                });
    model.applyReferences({QStringLiteral("/ref/")}, {QStringLiteral("/home/"), QStringLiteral("/ref/scratch/")});
}
} // namespace

TEST(ReferenceRows, OriginalsComeFirstCannotBeMarkedAndAloneAreNotListed)
{
    ResultModel model;
    fillGroups(model);
    EXPECT_EQ(names(model), (QStringList{"o1", "c1", "c2", "n1", "n2", "s1", "s2"}));
    EXPECT_EQ(model.groupRowCounts(), (std::vector<qint32>{0, 3, 2, 2})) << "a group of originals alone is no work";
    EXPECT_EQ(model.row(6).column(ResultRow::ColGroup), QStringLiteral("3"));
    EXPECT_TRUE(model.row(0).reference);
    EXPECT_FALSE(model.row(5).reference) << "the inner, searched location decides";
    EXPECT_EQ(marked(model), QStringList{"c1"});

    model.setMarked(0, true);
    MarkingRules::markAll(model);
    EXPECT_FALSE(model.isMarked(0));
    EXPECT_EQ(model.markedCount(), 6);
}

TEST(ReferenceRows, EveryRuleKeepsTheOriginalAndMarksTheCopies)
{
    ResultModel model;
    fillGroups(model);
    // Without an original, the newest file is kept; with one, every copy goes.
    MarkingRules::markAllDuplicates(model);
    EXPECT_EQ(marked(model), (QStringList{"c1", "c2", "n1", "s1"}));

    MarkingRules::markNone(model);
    AdvancedMarking::markByRange(model, {KeepRule::OlderFiles, 0, QStringLiteral("All files(*.*)")});
    EXPECT_EQ(marked(model), (QStringList{"c1", "c2", "n2", "s2"}));

    MarkingRules::markAllDuplicatesUpTo(model, 1e9, false);
    EXPECT_EQ(marked(model), (QStringList{"c1", "c2", "n2", "s2"}));
}
