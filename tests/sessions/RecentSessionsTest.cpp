// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/RecentSessions.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(RecentSessions, TheLatestComesFirstOnceAndTheOldestGo)
{
    const QString here = QDir::currentPath();
    QStringList recent;
    for (int i = 0; i < 10; ++i)
        recent = RecentSessions::withLatest(recent, QStringLiteral("/s/%1.cvf").arg(i));
    ASSERT_EQ(recent.size(), RecentSessions::Kept);
    EXPECT_EQ(recent.first(), QStringLiteral("/s/9.cvf"));
    EXPECT_EQ(recent.last(), QStringLiteral("/s/2.cvf"));

    // Opened again, a session moves to the top rather than showing twice, however it was named.
    recent = RecentSessions::withLatest(recent, QStringLiteral("/s/x/../5.cvf"));
    EXPECT_EQ(recent.first(), QStringLiteral("/s/5.cvf"));
    EXPECT_EQ(recent.count(QStringLiteral("/s/5.cvf")), 1);
    EXPECT_EQ(recent.size(), RecentSessions::Kept);
    // A name relative to the current folder is kept as the file it names now.
    EXPECT_EQ(RecentSessions::withLatest({}, QStringLiteral("a.cvf")), QStringList{here + QStringLiteral("/a.cvf")});
    EXPECT_EQ(RecentSessions::withLatest(recent, QString()), recent);

    const QStringList gone = RecentSessions::without(recent, QStringLiteral("/s/./9.cvf"));
    EXPECT_EQ(gone.size(), recent.size() - 1);
    EXPECT_FALSE(gone.contains(QStringLiteral("/s/9.cvf")));
}
