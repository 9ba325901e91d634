// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultModel.h"

#include "core/CHive.h"
#include "core/TextFormat.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace
{
struct Entry
{
    qint64 size;
    const char *name;
    const char *folder;
    int shade;
    bool exists = true;
};

// A result collection as the engines write it, and a load that pretends which files exist.
void load(ResultModel &model, const std::vector<Entry> &entries, std::vector<QString> *statuses = nullptr)
{
    CHive hive;
    QSet<QString> existing;
    for (const Entry &e : entries)
    {
        const QString folder = QString::fromLatin1(e.folder);
        const QString name = QString::fromLatin1(e.name);
        hive.add(TextFormat::pad12(e.size), name, folder, QStringLiteral("N/A"), e.shade,
                 QStringLiteral("3/7/2004 9:05:03 PM"));
        if (e.exists)
            existing.insert(folder + name);
    }
    ResultLoadHooks hooks;
    hooks.fileExists = [&existing](const QString &path) { return existing.contains(path); };
    if (statuses)
        hooks.status = [statuses](const QString &text) { statuses->push_back(text); };
    model.loadResultList(hive, hooks);
}

QStringList column(const ResultModel &m, int c)
{
    QStringList out;
    for (const ResultRow &r : m.rows())
        out << r.column(c);
    return out;
}
} // namespace

TEST(ResultModel, LoadNumbersGroupsByShadeAndFillsEveryColumn)
{
    ResultModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    load(model, {{1234, "a.txt", "/d/", 1},
                 {1234, "b", "/d/", 1},
                 {5, "c.tar.gz", "/e/", 2},
                 {5, "d.tar.gz", "/E/", 2},
                 {5, "e", "/d/", 2}});
    EXPECT_EQ(column(model, 4), (QStringList{"1", "1", "2", "2", "2"}));
    EXPECT_EQ(model.row(2).column(8), QStringLiteral("00000000002"));
    EXPECT_EQ(model.row(0).column(1), QStringLiteral("1234"));
    EXPECT_EQ(model.row(0).column(6), QStringLiteral("000000001234"));
    EXPECT_EQ(model.row(0).column(2), QStringLiteral("3/7/2004 9:05:03 PM"));
    EXPECT_EQ(model.row(0).column(7), QStringLiteral("20040307210503"));
    EXPECT_EQ(column(model, 9), (QStringList{"txt", "", "gz", "gz", ""}));
    EXPECT_EQ(model.row(0).fullPath(), QStringLiteral("/d/a.txt"));
    EXPECT_EQ(model.groupTotal(), 2);
    EXPECT_EQ(model.groupRowCounts(), (std::vector<qint32>{0, 2, 3}));
    EXPECT_EQ(model.rowBands(), (std::vector<qint32>{1, 1, 2, 2, 2}));
    EXPECT_EQ(model.folders(), (QStringList{"/d/", "/e/", "/E/"})) << "folders differing in case are two folders";
    EXPECT_FALSE(model.data(model.index(0, 0), ResultModel::ShadedRole).toBool());
    EXPECT_TRUE(model.data(model.index(2, 0), ResultModel::ShadedRole).toBool());
    for (int c = 0; c < ResultRow::ColumnCount; ++c)
        EXPECT_EQ(model.data(model.index(1, c)).toString(), model.row(1).column(c));
}

TEST(ResultModel, VanishedFilesGetNoRowAndNeverMergeTwoGroups)
{
    ResultModel model;
    load(model, {{10, "a", "/x/", 1},
                 {10, "b", "/x/", 1},
                 {20, "c", "/x/", 2, false},
                 {20, "d", "/x/", 2, false},
                 {30, "e", "/x/", 1},
                 {30, "f", "/x/", 1, false},
                 {30, "g", "/x/", 1}});
    EXPECT_EQ(column(model, 0), (QStringList{"a", "b", "e", "g"}));
    EXPECT_EQ(column(model, 4), (QStringList{"1", "1", "2", "2"}));
    EXPECT_EQ(model.groupTotal(), 2);
}

TEST(ResultModel, ProgressEvery500Entries)
{
    ResultModel model;
    std::vector<Entry> entries(1200, Entry{1, "f", "/x/", 1});
    std::vector<QString> statuses;
    load(model, entries, &statuses);
    EXPECT_EQ(statuses, (std::vector<QString>{"Loading Searched Result...", "Loading Searched Result...(500/1200)",
                                              "Loading Searched Result...(1000/1200)"}));
}

TEST(ResultModel, DropSingleRowGroupsRemovesLoneRowsUnlessZeroSize)
{
    for (bool zero : {false, true})
    {
        ResultModel model;
        load(model, {{1, "a", "/x/", 1}, {1, "b", "/x/", 1}, {2, "c", "/x/", 2}, {2, "d", "/x/", 2}});
        model.removeRowsIf([](const ResultRow &r) { return r.name() == u"a"; });
        model.dropSingleRowGroups(zero);
        if (zero)
            EXPECT_EQ(column(model, 0), (QStringList{"b", "c", "d"}));
        else
            EXPECT_EQ(column(model, 0), (QStringList{"c", "d"}));
    }
}

TEST(ResultModel, SortingByNameRebandsRunsAndPaddedKeysSortAsNumbers)
{
    ResultModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<ResultRow> rows;
    auto add = [&rows](const char *name, qint64 size, int group) {
        ResultRow r;
        r.setName(QString::fromLatin1(name));
        r.path = QStringLiteral("/p/");
        r.size = size;
        r.group = r.sortGroup = group;
        rows.push_back(r);
    };
    add("b", 100, 4);
    add("a", 9, 4);
    add("C", 10, 1);
    add("A", 10, 1);
    model.setRows(rows);
    model.sortByColumn(ResultRow::ColName, true);
    EXPECT_EQ(column(model, 0), (QStringList{"a", "A", "b", "C"}));
    model.rebandRows();
    EXPECT_EQ(model.rowBands(), (std::vector<qint32>{1, 2, 3, 4}));
    model.sortByColumn(ResultRow::ColSortSize, true);
    EXPECT_EQ(column(model, 1), (QStringList{"9", "10", "10", "100"}));
    EXPECT_EQ(column(model, 0), (QStringList{"a", "A", "C", "b"})) << "equal keys keep their order";
    model.sortByColumn(ResultRow::ColSortSize, false);
    EXPECT_EQ(column(model, 1), (QStringList{"100", "10", "10", "9"}));
    model.sortByColumn(ResultRow::ColSortGrpno, true);
    model.rebandRows();
    EXPECT_EQ(column(model, 4), (QStringList{"1", "1", "4", "4"}));
    EXPECT_EQ(model.rowBands(), (std::vector<qint32>{1, 1, 2, 2}));
}

TEST(ResultModel, TextColumnsSortWithoutRegardToCaseAndKeepTheOrderOfEqualTexts)
{
    ResultModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<ResultRow> rows;
    int n = 0;
    for (const char *name : {"b", "A", "\xc3\x89", "a", "e", "B", "ab", "A"})
    {
        ResultRow r;
        r.setName(QString::fromUtf8(name));
        r.path = QStringLiteral("/p%1/").arg(n++ % 3);
        rows.push_back(r);
    }
    model.setRows(rows);
    auto namesAndPaths = [&model] {
        QStringList out;
        for (const ResultRow &r : model.rows())
            out << r.name() + r.path;
        return out;
    };
    model.sortByColumn(ResultRow::ColName, true);
    EXPECT_EQ(namesAndPaths(),
              (QStringList{"A/p1/", "a/p0/", "A/p1/", "ab/p0/", "b/p0/", "B/p2/", "e/p1/", "\u00c9/p2/"}));
    model.sortByColumn(ResultRow::ColName, false);
    EXPECT_EQ(namesAndPaths(),
              (QStringList{"\u00c9/p2/", "e/p1/", "b/p0/", "B/p2/", "ab/p0/", "A/p1/", "a/p0/", "A/p1/"}));
    model.sortByColumn(ResultRow::ColPath, true);
    EXPECT_EQ(column(model, 5), (QStringList{"/p0/", "/p0/", "/p0/", "/p1/", "/p1/", "/p1/", "/p2/", "/p2/"}));
    EXPECT_EQ(column(model, 0).mid(0, 3), (QStringList{"b", "ab", "a"})) << "equal folders keep their order";
}

TEST(ResultModel, MarksCountAndSummary)
{
    ResultModel model;
    load(model,
         {{512, "a", "/x/", 1}, {512, "b", "/x/", 1}, {512, "c", "/x/", 1}, {1, "d", "/x/", 2}, {1, "e", "/x/", 2}});
    model.setMarks([](int i, const ResultRow &) { return i < 3; });
    EXPECT_EQ(model.markedCount(), 3);
    EXPECT_EQ(model.markedTotal(), 1536);
    EXPECT_EQ(ResultModel::summaryText(model.markedCount(), model.markedTotal()),
              QStringLiteral("Total Files Marked 3 Size 1.50 KB"));
    EXPECT_EQ(ResultModel::summaryText(0, 0), QStringLiteral("Total Files Marked 0 Size 0 Bytes"));
}

TEST(ResultModel, RemovingManyScatteredRowsKeepsTheRest)
{
    ResultModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<ResultRow> rows(100);
    for (int i = 0; i < 100; ++i)
    {
        rows[static_cast<size_t>(i)].size = i;
        rows[static_cast<size_t>(i)].group = i / 2 + 1;
    }
    model.setRows(rows);
    model.rebandRows();
    EXPECT_EQ(model.removeRowsIf([](const ResultRow &r) { return r.size % 3 == 0; }), 34);
    ASSERT_EQ(model.size(), 66);
    EXPECT_EQ(model.row(0).size, 1);
    EXPECT_EQ(model.row(65).size, 98);
    EXPECT_EQ(model.rowBands().size(), 66u);
}

TEST(ResultModel, RowsFromSessionTextsKeepWhatNumbersCannotSay)
{
    const ResultRow plain =
        ResultRow::fromColumns(QStringLiteral("a.txt"), QStringLiteral("3072"), QStringLiteral("3/7/2004 9:05:03 PM"),
                               QStringLiteral("N/A"), 1, QStringLiteral("/d/"), QStringLiteral("000000003072"),
                               QStringLiteral("20040307210503"), QStringLiteral("00000000004"));
    EXPECT_FALSE(plain.texts());
    EXPECT_EQ(plain.column(8), QStringLiteral("00000000004"));
    EXPECT_EQ(plain.column(4), QStringLiteral("1"));
    const ResultRow odd = ResultRow::fromColumns(QStringLiteral("x"), QStringLiteral("12 kB"),
                                                 QStringLiteral("yesterday"), QStringLiteral("1.0"), 2,
                                                 QStringLiteral("/d/"), QStringLiteral("12"), QString(), QString());
    ASSERT_TRUE(odd.texts());
    EXPECT_EQ(odd.column(1), QStringLiteral("12 kB"));
    EXPECT_EQ(odd.column(2), QStringLiteral("yesterday"));
    EXPECT_EQ(odd.column(6), QStringLiteral("12"));
    EXPECT_EQ(odd.column(7), QString());
    EXPECT_EQ(odd.column(8), QString());
    EXPECT_EQ(odd.size, 12);
}
