// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceCompare.h"
#include "ScanFixture.h"

#include "core/ListRules.h"
#include "engine/SearchEngine.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace SearchEngine;
using ReferenceCompare::compareFilesExact;
using ReferenceCompare::sameCrc;

namespace
{
QByteArray blocks(int count, char fill)
{
    return QByteArray(count * 1000, fill);
}

// Ten 1000-byte blocks; blocks [0, same) equal to `base`, the rest changed in one byte.
QByteArray partlyEqual(const QByteArray &base, int same)
{
    QByteArray b = base;
    for (int k = same; k < 10; ++k)
        b[k * 1000 + 500] = 'z';
    return b;
}

ScanOutcome scan(const QStringList &paths, ScanOptions options = {}, TestSink *sinkOut = nullptr)
{
    TestSink local;
    TestSink &sink = sinkOut ? *sinkOut : local;
    ScanContext ctx(sink, options);
    loadSortedFiles(ctx, paths);
    findSameSize(ctx);
    return outcomeOf(ctx);
}
} // namespace

TEST(CompareFiles, ExactFuzzyAndCrcVerdicts)
{
    TempTree t;
    QByteArray at2001(2500, 'a');
    at2001[2000] = 'b';
    const QByteArray ten = blocks(10, 'q');
    struct Case
    {
        const char *what;
        QByteArray a, b;
        int exact, fuzzy;
        bool crc;
    } cases[] = {
        {"same 2500 bytes", QByteArray(2500, 'a'), QByteArray(2500, 'a'), 1, 1, true},
        {"byte 2001 differs", QByteArray(2500, 'a'), at2001, 0, 1, false},
        {"exactly one block", blocks(1, 'k'), blocks(1, 'k'), 1, 1, true},
        {"different lengths", blocks(2, 'k'), blocks(3, 'k'), 0, 0, false},
        {"5 of 10 blocks equal", ten, partlyEqual(ten, 5), 0, 1, false},
        {"4 of 10 blocks equal", ten, partlyEqual(ten, 4), 0, 0, false},
        {"999 identical bytes", QByteArray(999, 'n'), QByteArray(999, 'n'), 1, -1, true},
        {"trailing part differs", blocks(3, 'p') + "xy", blocks(3, 'p') + "xz", 0, 1, false},
        {"empty files", QByteArray(), QByteArray(), 1, -1, true},
    };
    for (const Case &c : cases)
    {
        const QString a = t.file(QStringLiteral("%1/a").arg(QLatin1String(c.what)), c.a);
        const QString b = t.file(QStringLiteral("%1/b").arg(QLatin1String(c.what)), c.b);
        EXPECT_EQ(compareFilesExact(a, b), c.exact) << c.what;
        EXPECT_EQ(compareFilesFuzzy(a, b), c.fuzzy) << c.what;
        EXPECT_EQ(sameCrc(a, b), c.crc) << c.what;
    }
}

TEST(CompareFiles, MissingHiddenAndSpecialFilesCannotBeCompared)
{
    TempTree t;
    const QString a = t.file(QStringLiteral("a"), blocks(2, 'x'));
    const QString hidden = t.file(QStringLiteral(".b"), blocks(2, 'x'));
    const QString missing = t.path(QStringLiteral("gone"));
    t.fifo(QStringLiteral("pipe"));
    const QString pipe = t.path(QStringLiteral("pipe"));
    EXPECT_EQ(compareFilesExact(a, missing), -1);
    EXPECT_EQ(compareFilesExact(pipe, a), -1);
    EXPECT_EQ(compareFilesExact(a, hidden), 1);
    EXPECT_EQ(compareFilesFuzzy(a, hidden), -1);
    EXPECT_EQ(compareFilesFuzzy(missing, a), -1);
    EXPECT_FALSE(sameCrc(a, missing));
    EXPECT_FALSE(sameCrc(pipe, pipe));
}

TEST(CompareFiles, ChecksumIsTheStandardCrc32)
{
    TempTree t;
    EXPECT_EQ(fileCrc32(t.file(QStringLiteral("check"), "123456789")), 0xCBF43926u);
    EXPECT_EQ(fileCrc32(t.file(QStringLiteral("empty"), QByteArray())), 0u);
}

TEST(CompareFiles, FuzzyShareIsRoundedToFourDecimals)
{
    struct Case
    {
        qint64 equal, blocks;
        bool accepted;
    } cases[] = {
        {5, 10, true},
        {4, 10, false},
        {1, 1, true},
        {0, 1, false},
        {1, 3, false},
        {2, 3, true},
        // 49.99995 % rounds to 50.0000 only for files of a million blocks and more.
        {499999, 999999, false},
        {1000000, 2000001, true},
        {1, 2000001, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ListRules::similarEnough(c.equal, c.blocks), c.accepted) << c.equal << "/" << c.blocks;
}

TEST(FindSameSize, ThreeIdenticalFilesMakeOneGroupOfThree)
{
    TempTree t;
    const QString a = t.fileOfSize(QStringLiteral("a.bin"), 1500, 'a');
    const QString b = t.fileOfSize(QStringLiteral("b.bin"), 1500, 'a');
    const QString c = t.fileOfSize(QStringLiteral("c.bin"), 1500, 'a');
    const QString unique = t.fileOfSize(QStringLiteral("d.bin"), 700, 'a');
    TestSink sink;
    const ScanOutcome out = scan({c, unique, a, b}, {}, &sink);
    ASSERT_EQ(out.results.size(), 3u);
    const QString folder = t.folder();
    EXPECT_EQ(out.results[0][0], QStringLiteral("000000001500"));
    EXPECT_EQ(out.results[0][1], QStringLiteral("a.bin"));
    EXPECT_EQ(out.results[0][2], folder);
    EXPECT_EQ(out.results[0][3], QStringLiteral("N/A"));
    EXPECT_EQ(out.results[0][4], QStringLiteral("1"));
    EXPECT_FALSE(out.results[0][5].isEmpty());
    EXPECT_EQ(out.results[1][1], QStringLiteral("b.bin"));
    EXPECT_EQ(out.results[2][1], QStringLiteral("c.bin"));
    EXPECT_EQ(out.duplicateCount, 2);
    EXPECT_EQ(out.duplicateSize, 3000);
    EXPECT_EQ(out.totalFiles, 4);
    EXPECT_EQ(out.groupShade, 1);
    EXPECT_EQ(sink.statuses.last(), QStringLiteral("Searching for duplicates...(3/4) 75.0%"));
}

TEST(FindSameSize, MatchesAreNotChainedThroughOtherMembers)
{
    TempTree t;
    const QString a = t.file(QStringLiteral("a"), "1111");
    const QString b = t.file(QStringLiteral("b"), "2222");
    const QString c = t.file(QStringLiteral("c"), "1111");
    const QString d = t.file(QStringLiteral("d"), "2222");
    const QString e = t.file(QStringLiteral("e"), "3333");
    for (const ScanOptions options : {ScanOptions{}, ScanOptions{ScanOptions::Crc32}})
    {
        TestSink sink;
        ScanContext ctx(sink, options);
        loadSortedFiles(ctx, {a, b, c, d, e});
        findSameSize(ctx);
        const std::vector<QStringList> expected{{a, c}, {b, d}};
        EXPECT_EQ(groupsOf(ctx.results), expected);
        EXPECT_EQ(ctx.groupShade, 2);
        EXPECT_EQ(ctx.duplicateCount, 2);
    }
}

TEST(FindSameSize, RepeatedListingsAreDroppedAndUnreadableFilesMatchNothing)
{
    TempTree t;
    const QString a = t.file(QStringLiteral("a"), "same");
    const QString b = t.file(QStringLiteral("b"), "same");
    const QString lone = t.file(QStringLiteral("lone"), "abcd");
    const QString gone = t.file(QStringLiteral("gone"), "abcd");
    TestSink sink;
    ScanContext ctx(sink);
    loadSortedFiles(ctx, {a, a, b, lone, lone, gone});
    ASSERT_TRUE(QFile::remove(gone));
    findSameSize(ctx);
    const std::vector<QStringList> expected{{a, b}};
    EXPECT_EQ(groupsOf(ctx.results), expected);
    EXPECT_EQ(ctx.totalFiles, 4);
    EXPECT_EQ(ctx.duplicateCount, 1);
}

TEST(FindSameSize, FilesThatGrewAfterTheWalkMatchOnlyFilesOfTheirNewLength)
{
    for (const ScanOptions options :
         {ScanOptions{}, ScanOptions{ScanOptions::ByteToByte, true}, ScanOptions{ScanOptions::Crc32}})
    {
        TempTree t;
        QStringList paths;
        for (const char *name : {"a", "b", "c", "d"})
            paths << t.fileOfSize(QLatin1String(name), 1500, 'q');
        TestSink sink;
        ScanContext ctx(sink, options);
        loadSortedFiles(ctx, paths);
        for (const QString &grown : {paths[1], paths[3]})
        {
            QFile f(grown);
            ASSERT_TRUE(f.open(QIODevice::Append));
            f.write("!");
        }
        findSameSize(ctx);
        const std::vector<QStringList> expected{{paths[0], paths[2]}, {paths[1], paths[3]}};
        EXPECT_EQ(groupsOf(ctx.results), expected) << options.engine << options.fuzzy;
    }
}

TEST(FindSameSize, DifferingGroupAddsNothingAndKeepsTheShade)
{
    TempTree t;
    const QString a = t.file(QStringLiteral("a"), "xxxx");
    const QString b = t.file(QStringLiteral("b"), "yyyy");
    TestSink sink;
    sink.isMinimized = true;
    ScanContext ctx(sink);
    loadSortedFiles(ctx, {a, b});
    findSameSize(ctx);
    EXPECT_EQ(ctx.results.count(), 0u);
    EXPECT_EQ(ctx.groupShade, 0);
    EXPECT_TRUE(sink.statuses.isEmpty());
    EXPECT_EQ(sink.captions.last(), QStringLiteral("50.0% (1/2)"));
}

TEST(FindSameSize, CancelKeepsTheGroupsFoundSoFar)
{
    TempTree t;
    QStringList paths;
    for (int size = 1; size <= 3; ++size)
    {
        paths << t.fileOfSize(QStringLiteral("a%1").arg(size), size, 'a');
        paths << t.fileOfSize(QStringLiteral("b%1").arg(size), size, 'a');
    }
    TestSink sink;
    ScanContext ctx(sink);
    loadSortedFiles(ctx, paths);
    bool cancelled = false;
    // Cancel as soon as the first group is in.
    sink.go = [&](int) {
        if (ctx.results.count() > 0)
            cancelled = true;
        return !cancelled;
    };
    findSameSize(ctx);
    EXPECT_TRUE(ctx.cancelSearch);
    EXPECT_EQ(ctx.results.count(), 2u);
}

TEST(FindSameSize, AFailedStepIsReportedAndRetryOrAbortLeavesNoGroupOut)
{
    // Groups of every size 1..30 while the workers compare ahead; the sink fails once, in the
    // middle of the scan. Retry goes on as if nothing happened, Abort ends the scan after the
    // groups found so far.
    TempTree t;
    QStringList paths;
    for (int size = 1; size <= 30; ++size)
    {
        for (int copy = 0; copy < 2 + size % 2; ++copy)
            paths << t.fileOfSize(QStringLiteral("s%1-%2").arg(size).arg(copy), size,
                                  static_cast<char>('a' + copy % 2));
    }
    const ScanOutcome all = scan(paths);
    ASSERT_FALSE(all.results.empty());

    class FailingSink : public TestSink
    {
    public:
        int failAt = 0;
        int calls = 0;
        void status(const QString &text) override
        {
            if (++calls == failAt)
                throw std::runtime_error("status failed");
            TestSink::status(text);
        }
    };
    for (const ErrorChoice choice : {ErrorChoice::Retry, ErrorChoice::Abort})
    {
        FailingSink sink;
        sink.failAt = 20;
        sink.reporter.expect(choice);
        const ScanOutcome out = scan(paths, {}, &sink);
        ASSERT_EQ(sink.reporter.reports().size(), 1u);
        EXPECT_EQ(sink.reporter.reports()[0].label, QStringLiteral("Find Same"));
        if (choice == ErrorChoice::Retry)
        {
            EXPECT_EQ(out.results, all.results);
            EXPECT_EQ(out.duplicateCount, all.duplicateCount);
        }
        else
        {
            ASSERT_LT(out.results.size(), all.results.size());
            EXPECT_TRUE(std::equal(out.results.begin(), out.results.end(), all.results.begin()));
        }
    }
}
