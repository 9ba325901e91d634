// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AppendString.h"
#include "core/CErrorCollection.h"
#include "core/ErrorReport.h"
#include "core/RaisedError.h"
#include "core/buzTimer.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(AppendString, BuildsTextAndGrowsInSteps)
{
    AppendString b;
    EXPECT_EQ(b.ReturnString(), QString());
    b.AddToString(u"ab");
    EXPECT_EQ(b.Capacity(), 10000);
    b.AddToString(u"cd");
    b.AddToString(u"e");
    EXPECT_EQ(b.ReturnString(), QStringLiteral("abcde"));
    EXPECT_EQ(b.Capacity(), 5);
    b.AddToString(u"f");
    EXPECT_EQ(b.Capacity(), 10005);
    EXPECT_EQ(b.ReturnString(), QStringLiteral("abcdef"));

    AppendString big;
    const QString longText(25000, u'x');
    big.AddToString(longText);
    big.AddToString(u"!");
    EXPECT_EQ(big.ReturnString(), longText + u'!');
}

TEST(CErrorCollection, AddsRemovesAndReadsRecords)
{
    CErrorCollection c;
    c.Add();
    EXPECT_EQ(c.Count(), 0);
    c.Add(1, QStringLiteral("s1"), QStringLiteral("first"), QStringLiteral("11"), QStringLiteral("f1"));
    c.Add(2, QStringLiteral("s2"), QStringLiteral("second"));
    c.Add(3, QStringLiteral("s3"), QStringLiteral("third"), QStringLiteral("x"));
    EXPECT_EQ(c.Description(), QStringLiteral("third"));
    EXPECT_EQ(c.HelpContext(0), 11);
    EXPECT_EQ(c.HelpFile(0), QStringLiteral("f1"));
    EXPECT_EQ(c.ErrNumber(QStringLiteral("abc")), 0);
    EXPECT_THROW(c.ErrNumber(7), RaisedError);
    EXPECT_THROW(c.HelpContext(), RaisedError);

    c.Remove(QVariant(QStringLiteral("abc")));
    c.Remove(QVariant(9));
    EXPECT_EQ(c.Count(), 3);
    c.Remove(QVariant(0));
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Source(0), QStringLiteral("s2"));
    EXPECT_EQ(c.Source(QStringLiteral("1")), QStringLiteral("s3"));
    c.Remove();
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Description(), QStringLiteral("second"));
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.ErrNumber(), 0);
    EXPECT_EQ(c.Description(), QString());
}

TEST(CErrorCollection, IsErrorRecordsTheCurrentError)
{
    CErrorCollection c;
    EXPECT_FALSE(c.IsError());
    {
        CurrentError::Scope scope(
            {QStringLiteral("File not found"), QStringLiteral("0"), QString(), 53, QStringLiteral("Corvina")});
        EXPECT_TRUE(c.IsError());
        c.Add(); // takes the current number
    }
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.ErrNumber(0), 53);
    EXPECT_EQ(c.Description(0), QStringLiteral("File not found"));
    EXPECT_EQ(c.Description(1), QString());
    EXPECT_FALSE(c.IsError());
}

TEST(buzTimer, ElapsedAndRemainingFollowTheClock)
{
    QDateTime now(QDate(2026, 12, 5), QTime(10, 0, 0));
    buzTimer t([&now] { return now; });
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:00"));
    const std::vector<std::pair<int, const char *>> texts{
        {45, "00:00:45"}, {125, "00:02:05"}, {3600, "1:0:00"}, {3725, "1:2:05"}, {36000 + 61, "10:1:01"}};
    for (const auto &[secs, text] : texts)
    {
        now = t.StartTime.addSecs(secs);
        EXPECT_EQ(t.Elapsed(), QString::fromLatin1(text)) << secs;
    }
    now = t.StartTime.addSecs(60);
    EXPECT_EQ(t.Remaining(50, 100), QStringLiteral("00:01:00"));
    EXPECT_EQ(t.Remaining(0, 100), QString());
    EXPECT_EQ(t.Remaining(5, 3), QString());
    EXPECT_EQ(t.Remaining(1, 0), QString());
    t.Reset();
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:00"));
    t.StartTime = QDateTime();
    EXPECT_EQ(t.Elapsed(), QString());
}

TEST(buzTimer, TimeAQuestionWaitsIsNotCounted)
{
    QDateTime now(QDate(2026, 12, 5), QTime(10, 0, 0));
    buzTimer t([&now] { return now; });
    now = now.addSecs(10);
    t.Pause();
    now = now.addSecs(300); // the question waits five minutes
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:10")) << "stands still while paused";
    t.Pause(); // a second question over the first
    now = now.addSecs(60);
    t.Resume();
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:10")) << "still paused: one Resume is owed";
    t.Resume();
    now = now.addSecs(5);
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:15"));
    t.Resume(); // one too many changes nothing
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:15"));
    t.Pause();
    t.Reset(); // a new run starts unpaused
    now = now.addSecs(7);
    EXPECT_EQ(t.Elapsed(), QStringLiteral("00:00:07"));
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
