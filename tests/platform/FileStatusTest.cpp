// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileStatus.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>

TEST(FileStatus, AnyTimeAFileSystemKeepsIsReadWithoutOverflow)
{
    // tmpfs keeps any 64-bit time a program sets, ext4 times until 2446: beyond the nanoseconds,
    // milliseconds and date numbers that 64 bits hold.
    TempTree tree;
    const ScratchFileSystem scratch(tree.path(QStringLiteral("tmpfs")), "size=64k");
    if (!scratch.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs: " << std::strerror(errno);
    const QString file = tree.file(QStringLiteral("tmpfs/f"), "x");
    const auto setMtime = [&](qint64 when) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(when), 999999999}};
        return ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0) == 0;
    };
    constexpr qint64 Huge = std::numeric_limits<qint64>::max();
    for (const qint64 when : {qint64{1} << 62, -(qint64{1} << 62), Huge, -Huge})
    {
        ASSERT_TRUE(setMtime(when));
        const FileStatus now = statFile(file);
        ASSERT_TRUE(now.exists) << when;
        EXPECT_EQ(now.mtime, when);
        EXPECT_GE(now.stamp / 10000000000LL, 1) << when;
        EXPECT_LE(now.stamp / 10000000000LL, 100'001'970) << when;
        EXPECT_TRUE(fileDetails(file).exists) << when;
    }

    ASSERT_TRUE(setMtime(QDateTime(QDate(2400, 1, 2), QTime(3, 4, 5), Qt::UTC).toSecsSinceEpoch()));
    EXPECT_EQ(fileDetails(file).modified.toUTC().date(), QDate(2400, 1, 2));
    EXPECT_EQ(statFile(file).stamp / 10000000000LL, 2400);
}
