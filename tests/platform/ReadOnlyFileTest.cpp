// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadOnlyFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// The number of descriptors the process's table holds now, as the kernel reports it.
qint64 tableSize()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
    {
        if (line.startsWith("FDSize:"))
            return line.mid(7).trimmed().toLongLong();
    }
    return -1;
}

qsizetype openCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
}
} // namespace

TEST(ReadOnlyFile, ReservedDescriptorsGrowTheTableAndStayFree)
{
    const qint64 before = tableSize();
    ASSERT_GT(before, 0);
    const qint64 wanted = std::min<qint64>(ReadOnlyFile::openLimit(), before * 4);
    if (wanted <= before)
        GTEST_SKIP() << "the open-file limit leaves no room to grow the table";
    const qsizetype open = openCount();

    ReadOnlyFile::reserveDescriptors(wanted);
    EXPECT_GE(tableSize(), wanted);
    EXPECT_EQ(openCount(), open) << "reserving leaves no descriptor open";

    ReadOnlyFile::reserveDescriptors(ReadOnlyFile::openLimit() + 1000);
    EXPECT_EQ(openCount(), open) << "asking past the limit takes what the limit allows and holds nothing";
}
