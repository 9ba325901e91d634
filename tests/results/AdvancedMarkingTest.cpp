// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvancedMarking.h"
#include "results/AdvMarkingChoices.h"
#include "results/FolderTickModel.h"
#include "results/VersionOrder.h"

#include "ResultRows.h"

#include "platform/Settings.h"
#include "platform/SettingsStore.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using ResultRows::fill;
using ResultRows::marked;

namespace
{
const QString kAll = QStringLiteral("All files(*.*)");
const QString kImages = QStringLiteral("Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)");
} // namespace

TEST(AdvancedMarking, EachKeepRuleLeavesItsFileUnmarked)
{
    // One group per case; the file the rule keeps is named "keep".
    struct Case
    {
        KeepRule rule;
        std::vector<ResultRows::Entry> rows;
    };
    const std::vector<Case> cases = {
        {KeepRule::OlderFiles,
         {{"may3", "/d/", 1, 20040503120000}, {"keep", "/d/", 1, 20040501120000}, {"may2", "/d/", 1, 20040502120000}}},
        {KeepRule::NewerFiles,
         {{"may1", "/d/", 1, 20040501120000}, {"keep", "/d/", 1, 20040503120000}, {"undated", "/d/", 1, 0}}},
        {KeepRule::OlderFiles, {{"may1", "/d/", 1, 20040501120000}, {"keep", "/d/", 1, 0}}},
        {KeepRule::LargerFiles, {{"s100", "/d/", 100}, {"keep", "/d/", 300}, {"s200", "/d/", 200}}},
        {KeepRule::SmallerFiles, {{"big", "/d/", 2000000000000}, {"keep", "/d/", 999999999999}}},
        {KeepRule::NewerVersion,
         {{"v9", "/d/", 1, 0, 1, "9.0"}, {"keep", "/d/", 1, 0, 1, "10.0"}, {"na", "/d/", 1, 0, 1, "N/A"}}},
        {KeepRule::OlderVersion, {{"v10", "/d/", 1, 0, 1, "10.0.0.1"}, {"keep", "/d/", 1, 0, 1, "9.9.9.9"}}},
        {KeepRule::OlderVersion, {{"v1", "/d/", 1, 0, 1, "1.0"}, {"keep", "/d/", 1, 0, 1, "N/A"}}},
    };
    for (size_t i = 0; i < cases.size(); ++i)
    {
        ResultModel model;
        fill(model, cases[i].rows);
        const MarkOutcome outcome = AdvancedMarking::markByRange(model, {cases[i].rule, 0, kAll});
        EXPECT_FALSE(marked(model).contains(QStringLiteral("keep"))) << "case " << i;
        EXPECT_EQ(outcome.tally.count, model.size() - 1) << "case " << i;
        EXPECT_EQ(outcome.sorted, (ListSort{ResultRow::ColGroup, true}));
    }
}

TEST(AdvancedMarking, EqualValuesAreSettledByThePositionReadAsTextInTheRulesDirection)
{
    std::vector<ResultRows::Entry> rows;
    for (int i = 1; i <= 10; ++i)
        rows.push_back({"same", "/d/", 5});
    ResultModel model;
    fill(model, rows);
    AdvancedMarking::markByRange(model, {KeepRule::LargerFiles, 0, kAll});
    EXPECT_FALSE(model.isMarked(8)) << "descending: row 9";
    AdvancedMarking::markByRange(model, {KeepRule::SmallerFiles, 0, kAll});
    EXPECT_FALSE(model.isMarked(0)) << "ascending: row 1";
    EXPECT_TRUE(model.isMarked(8));
}

TEST(AdvancedMarking, FilesOutsideTheMaskAreNotTouched)
{
    ResultModel model;
    fill(model, {{"photo.jpg", "/d/", 10, 0, 1},
                 {"notes.txt", "/d/", 10, 0, 1},
                 {"a.JPG", "/d/", 20, 0, 2},
                 {"b.jpg", "/d/", 30, 0, 2},
                 {"c.txt", "/d/", 40, 0, 2, "N/A", true}});
    const MarkOutcome outcome = AdvancedMarking::markByRange(model, {KeepRule::LargerFiles, 0, kImages});
    EXPECT_EQ(marked(model), (QStringList{"a.JPG", "c.txt"})) << "the first group stays alone; c.txt keeps its mark";
    EXPECT_EQ(outcome.tally.summary(), QStringLiteral("Total Files Marked 1 Size 20 Bytes"));
}

TEST(AdvancedMarking, ALimitEndsTheWalkAtTheFirstMatchingFileOnceTheTotalIsAbove)
{
    constexpr qint64 MB = 1024 * 1024;
    ResultModel model;
    fill(model, {{"g1-keep", "/d/", 400 * MB, 20040509000000, 1},
                 {"g1-a", "/d/", 400 * MB, 20040501000000, 1},
                 {"g1-b", "/d/", 400 * MB, 20040502000000, 1},
                 {"g2-a", "/d/", 1, 20040501000000, 2},
                 {"g2-b", "/d/", 1, 20040502000000, 2}});
    const MarkOutcome outcome = AdvancedMarking::markByRange(model, {KeepRule::NewerFiles, 716800, kAll});
    // Totals before each file: 0, 400 MB, 800 MB (above 700 MB: stop). The kept file of the last
    // group walked is still unmarked.
    EXPECT_EQ(marked(model), (QStringList{"g1-a"}));
    EXPECT_EQ(outcome.tally.count, 1);
}

TEST(AdvancedMarking, ByFoldersMarksTicketFoldersWithOrWithoutTheirSubFolders)
{
    ResultModel model;
    fill(model, {{"x.txt", "/A/B/", 1},
                 {"y.jpg", "/A/", 2},
                 {"z.jpg", "/AB/", 4},
                 {"w.jpg", "/A/B/", 8},
                 {"v.jpg", "/C/", 16, 0, 1, "N/A", true}});
    std::vector<FolderTick> folders{{"/A/", true}, {"/A/B/", false}, {"/AB/", false}, {"/C/", false}};

    MarkOutcome outcome = AdvancedMarking::markByFolders(model, folders, false, kImages);
    EXPECT_EQ(ResultRows::names(model), (QStringList{"x.txt", "y.jpg", "z.jpg", "w.jpg", "v.jpg"})) << "order kept";
    EXPECT_EQ(marked(model), (QStringList{"y.jpg", "v.jpg"}));
    EXPECT_EQ(outcome.tally.count, 1);
    EXPECT_FALSE(folders[1].ticked);
    EXPECT_FALSE(outcome.sorted);

    outcome = AdvancedMarking::markByFolders(model, folders, true, kImages);
    EXPECT_EQ(folders, (std::vector<FolderTick>{{"/A/", true}, {"/A/B/", true}, {"/AB/", false}, {"/C/", false}}));
    EXPECT_EQ(marked(model), (QStringList{"y.jpg", "w.jpg", "v.jpg"}));
    EXPECT_EQ(ResultRows::names(model), (QStringList{"x.txt", "y.jpg", "z.jpg", "w.jpg", "v.jpg"}));
    EXPECT_EQ(outcome.tally.summary(), QStringLiteral("Total Files Marked 2 Size 10 Bytes"));
}

TEST(AdvancedMarking, SubFoldersAreTickedByExactPrefix)
{
    std::vector<FolderTick> folders{{"/a/", false},  {"/a/b/", false}, {"/a/b/c/", false}, {"/A/b/", false},
                                    {"/ab/", false}, {"/x", true},     {"/xy/", false}};
    folders[1].ticked = true;
    AdvancedMarking::tickSubFolders(folders);
    std::vector<bool> ticked;
    for (const FolderTick &f : folders)
        ticked.push_back(f.ticked);
    EXPECT_EQ(ticked, (std::vector<bool>{false, true, true, false, false, true, true}));
}

TEST(KeepRules, ExactlyOneKeepRuleIsAlwaysActive)
{
    struct Case
    {
        KeepChoice before;
        KeepGroup group;
        int value;
        KeepChoice after;
    };
    const std::vector<Case> cases = {
        {{1, 0, 0}, KeepGroup::FileSize, 2, {0, 2, 0}}, {{0, 2, 0}, KeepGroup::Version, 1, {0, 0, 1}},
        {{0, 0, 1}, KeepGroup::DateTime, 2, {2, 0, 0}}, {{0, 0, 1}, KeepGroup::Version, 0, {1, 0, 0}},
        {{2, 0, 0}, KeepGroup::DateTime, 0, {1, 0, 0}}, {{0, 1, 0}, KeepGroup::DateTime, 0, {0, 1, 0}},
    };
    for (const Case &c : cases)
    {
        const KeepChoice got = KeepRules::pick(c.before, c.group, c.value);
        EXPECT_EQ(got, c.after) << got.dateTime << got.fileSize << got.version;
    }
    EXPECT_EQ(KeepRules::normalized({0, 0, 0}), (KeepChoice{1, 0, 0}));
    EXPECT_EQ(KeepRules::normalized({0, 2, 1}), (KeepChoice{0, 2, 0}));
    EXPECT_EQ(KeepRules::normalized({7, 0, 2}), (KeepChoice{0, 0, 2}));
    EXPECT_EQ(KeepRules::rule({0, 0, 2}), KeepRule::OlderVersion);
    EXPECT_EQ(KeepRules::rule({0, 1, 0}), KeepRule::LargerFiles);
    EXPECT_EQ(KeepRules::rule({2, 0, 0}), KeepRule::OlderFiles);
}

TEST(AdvMarkingChoices, DefaultsAndWhatWasStoredComeBack)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("c.ini")));
    Settings settings(store);
    const AdvMarkingChoices defaults = AdvMarkingChoices::load(settings);
    EXPECT_EQ(defaults, AdvMarkingChoices{});
    EXPECT_EQ(defaults.keep, (KeepChoice{1, 0, 0}));
    EXPECT_EQ(defaults.sizeUnit, Settings::SizeUnit::KB);
    EXPECT_TRUE(defaults.includeSubFolders);

    AdvMarkingChoices c;
    c.keep = {0, 0, 2};
    c.sizeLimit = Settings::SizeLimit::Specified;
    c.sizeLimitText = QStringLiteral("12x");
    c.sizeUnit = Settings::SizeUnit::GB;
    c.fileMask1 = kImages;
    c.includeSubFolders = false;
    c.fileMask2 = QStringLiteral("*.iso");
    c.save(settings);
    EXPECT_EQ(settings.markingKeep(), Settings::KeepRule::OlderVersion);
    EXPECT_FALSE(settings.markingIncludeSubFolders());
    EXPECT_EQ(AdvMarkingChoices::load(settings), c);
    {
        SettingsStore again(dir.filePath(QStringLiteral("c.ini")));
        EXPECT_EQ(AdvMarkingChoices::load(Settings(again)), c);
    }

    // A damaged file gives the defaults.
    store.write(QStringLiteral("AdvancedMarking"), QStringLiteral("Keep"), QStringLiteral("x"));
    store.write(QStringLiteral("AdvancedMarking"), QStringLiteral("SizeLimit"), QStringLiteral("9"));
    const AdvMarkingChoices damaged = AdvMarkingChoices::load(settings);
    EXPECT_EQ(damaged.keep, (KeepChoice{1, 0, 0}));
    EXPECT_EQ(damaged.sizeLimit, Settings::SizeLimit::None);

    // Each keep rule is its own choice, and a choice of two rules keeps the first.
    for (const KeepChoice keep : {KeepChoice{1, 0, 0}, KeepChoice{2, 0, 0}, KeepChoice{0, 1, 0}, KeepChoice{0, 2, 0},
                                  KeepChoice{0, 0, 1}, KeepChoice{0, 0, 2}})
        EXPECT_EQ(KeepRules::choiceOf(KeepRules::storedRule(keep)), keep)
            << keep.dateTime << keep.fileSize << keep.version;
    EXPECT_EQ(KeepRules::storedRule({0, 2, 1}), Settings::KeepRule::SmallerFiles);
    EXPECT_EQ(KeepRules::storedRule({0, 0, 0}), Settings::KeepRule::NewerFiles);
}

TEST(VersionOrder, VersionsCompareNumberByNumber)
{
    const std::vector<std::tuple<const char *, const char *, int>> cases = {
        {"10.0", "9.0", 1},
        {"9.0", "10.0", -1},
        {"1.2", "1.2.0", 0},
        {"1.2.0.1", "1.2", 1},
        {"5.1.2600.0", "5.1.2600.0", 0},
        {"N/A", "0.0", -1},
        {"", "N/A", -1},
        {"n/a", "N/A", 0},
        {"007.1", "7.1", 0},
        {"99999999999999999999.0", "99999999999999999998.9", 1},
    };
    for (const auto &[a, b, want] : cases)
        EXPECT_EQ(VersionOrder::compare(QString::fromLatin1(a), QString::fromLatin1(b)), want) << a << " vs " << b;
}

TEST(FolderTickModel, FoldersStandInAscendingOrderAndKeepTheirTicks)
{
    FolderTickModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setFolders({"/b/", "/A/", "/a/c/", "/b/"});
    auto folders = [&] {
        QStringList out;
        for (const FolderTick &t : model.ticks())
            out << t.folder + (t.ticked ? "+" : "");
        return out;
    };
    EXPECT_EQ(folders(), (QStringList{"/A/", "/a/c/", "/b/"}));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Folders"));
    EXPECT_TRUE(model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(model.data(model.index(1), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    model.setFolders({"/A/", "/a/c/", "/0/"});
    EXPECT_EQ(folders(), (QStringList{"/0/", "/A/", "/a/c/+"}));
    model.setAllTicked(true);
    EXPECT_EQ(folders(), (QStringList{"/0/+", "/A/+", "/a/c/+"}));
    model.setAllTicked(false);
    EXPECT_EQ(folders(), (QStringList{"/0/", "/A/", "/a/c/"}));
}
