// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AppendString.h"
#include "core/CErrorCollection.h"
#include "core/CompactText.h"
#include "core/ErrorReport.h"
#include "core/RaisedError.h"
#include "core/Stopwatch.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(AppendString, BuildsTextAndGrowsInSteps)
{
    AppendString b;
    EXPECT_EQ(b.returnString(), QString());
    b.addToString(u"ab");
    EXPECT_EQ(b.capacity(), 10000);
    b.addToString(u"cd");
    b.addToString(u"e");
    EXPECT_EQ(b.returnString(), QStringLiteral("abcde"));
    EXPECT_EQ(b.capacity(), 5);
    b.addToString(u"f");
    EXPECT_EQ(b.capacity(), 10005);
    EXPECT_EQ(b.returnString(), QStringLiteral("abcdef"));

    AppendString big;
    const QString longText(25000, u'x');
    big.addToString(longText);
    big.addToString(u"!");
    EXPECT_EQ(big.returnString(), longText + u'!');
}

TEST(CompactText, EveryTextComesBackExactlyThroughCopiesAndMoves)
{
    // Inline and in a block of its own, one and two bytes a character, a lone surrogate (a name
    // that was not valid UTF-8 on the disk) and the last one-byte character.
    const QString texts[] = {QString(),
                             QStringLiteral("IMG_0012345.JPG"),
                             QStringLiteral("IMG_0012345.JPEG"),
                             QStringLiteral("na\u00efve caf\u00e9 \u00ff.txt"),
                             QStringLiteral("\u03bb\u03cc\u03b3\u03bf\u03c2"),
                             QString(QStringLiteral("caf") + QChar(char16_t(0xDCE9))),
                             QString(70000, u'x')};
    for (const QString &text : texts)
    {
        const CompactText kept(text);
        EXPECT_EQ(kept.toString(), text);
        EXPECT_EQ(kept.size(), text.size());
        EXPECT_EQ(kept.isEmpty(), text.isEmpty());
        CompactText copy(kept);
        EXPECT_TRUE(copy == kept);
        CompactText moved(std::move(copy));
        EXPECT_EQ(moved.toString(), text);
        CompactText assigned(QStringLiteral("something else entirely"));
        assigned = moved;
        const CompactText &same = assigned;
        assigned = same;
        EXPECT_EQ(assigned.toString(), text);
        for (const QString &other : texts)
            EXPECT_EQ(CompactText(other) == kept, other == text) << other.left(20).toStdString();
    }
}

TEST(CErrorCollection, AddsRemovesAndReadsRecords)
{
    CErrorCollection c;
    c.add();
    EXPECT_EQ(c.count(), 0);
    c.add(1, QStringLiteral("s1"), QStringLiteral("first"), QStringLiteral("11"), QStringLiteral("f1"));
    c.add(2, QStringLiteral("s2"), QStringLiteral("second"));
    c.add(3, QStringLiteral("s3"), QStringLiteral("third"), QStringLiteral("x"));
    EXPECT_EQ(c.description(), QStringLiteral("third"));
    EXPECT_EQ(c.helpContext(0), 11);
    EXPECT_EQ(c.helpFile(0), QStringLiteral("f1"));
    EXPECT_EQ(c.errNumber(QStringLiteral("abc")), 0);
    EXPECT_THROW(c.errNumber(7), RaisedError);
    EXPECT_THROW(c.helpContext(), RaisedError);

    c.remove(QVariant(QStringLiteral("abc")));
    c.remove(QVariant(9));
    EXPECT_EQ(c.count(), 3);
    c.remove(QVariant(0));
    EXPECT_EQ(c.count(), 2);
    EXPECT_EQ(c.source(0), QStringLiteral("s2"));
    EXPECT_EQ(c.source(QStringLiteral("1")), QStringLiteral("s3"));
    c.remove();
    EXPECT_EQ(c.count(), 1);
    EXPECT_EQ(c.description(), QStringLiteral("second"));
    c.clear();
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(c.errNumber(), 0);
    EXPECT_EQ(c.description(), QString());
}

TEST(CErrorCollection, IsErrorRecordsTheCurrentError)
{
    CErrorCollection c;
    EXPECT_FALSE(c.isError());
    {
        CurrentError::Scope scope(
            {QStringLiteral("File not found"), QStringLiteral("0"), QString(), 53, QStringLiteral("Corvina")});
        EXPECT_TRUE(c.isError());
        c.add(); // takes the current number
    }
    EXPECT_EQ(c.count(), 2);
    EXPECT_EQ(c.errNumber(0), 53);
    EXPECT_EQ(c.description(0), QStringLiteral("File not found"));
    EXPECT_EQ(c.description(1), QString());
    EXPECT_FALSE(c.isError());
}

TEST(Stopwatch, ElapsedAndRemainingFollowTheClock)
{
    QDateTime now(QDate(2026, 12, 5), QTime(10, 0, 0));
    Stopwatch t([&now] { return now; });
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:00"));
    const std::vector<std::pair<int, const char *>> texts{
        {45, "00:00:45"}, {125, "00:02:05"}, {3600, "1:0:00"}, {3725, "1:2:05"}, {36000 + 61, "10:1:01"}};
    for (const auto &[secs, text] : texts)
    {
        now = t.startTime.addSecs(secs);
        EXPECT_EQ(t.elapsed(), QString::fromLatin1(text)) << secs;
    }
    now = t.startTime.addSecs(60);
    EXPECT_EQ(t.remaining(50, 100), QStringLiteral("00:01:00"));
    EXPECT_EQ(t.remaining(0, 100), QString());
    EXPECT_EQ(t.remaining(5, 3), QString());
    EXPECT_EQ(t.remaining(1, 0), QString());
    t.restart();
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:00"));
    t.startTime = QDateTime();
    EXPECT_EQ(t.elapsed(), QString());
}

TEST(Stopwatch, TimeAQuestionWaitsIsNotCounted)
{
    QDateTime now(QDate(2026, 12, 5), QTime(10, 0, 0));
    Stopwatch t([&now] { return now; });
    now = now.addSecs(10);
    t.pause();
    now = now.addSecs(300); // the question waits five minutes
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:10")) << "stands still while paused";
    t.pause(); // a second question over the first
    now = now.addSecs(60);
    t.resume();
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:10")) << "still paused: one Resume is owed";
    t.resume();
    now = now.addSecs(5);
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:15"));
    t.resume(); // one too many changes nothing
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:15"));
    t.pause();
    t.restart(); // a new run starts unpaused
    now = now.addSecs(7);
    EXPECT_EQ(t.elapsed(), QStringLiteral("00:00:07"));
}

TEST(runStep, RetryRunsTheStepAgainAndAbortLeaves)
{
    ScriptedErrorReporter reporter;
    reporter.expect(ErrorChoice::Retry).expect(ErrorChoice::Abort);
    int runs = 0;
    const bool completed = runStep(reporter, QStringLiteral("Scanning"), [&] {
        ++runs;
        throw RaisedError(9, QStringLiteral("x"), QStringLiteral("Subscript out of range"));
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(reporter.reports().size(), 2u);
    EXPECT_EQ(reporter.reports()[0].number, 9);
    EXPECT_EQ(reporter.reports()[0].label, QStringLiteral("Scanning"));
    EXPECT_GT(reporter.reports()[0].line, 0);

    ScriptedErrorReporter once;
    once.expect(ErrorChoice::Retry);
    int attempts = 0;
    EXPECT_TRUE(runStep(once, QStringLiteral("Find Duplicates"), [&] {
        if (attempts++ == 0)
            throw std::runtime_error("disk hiccup");
    }));
    EXPECT_EQ(once.reports()[0].description, QStringLiteral("disk hiccup"));
}
