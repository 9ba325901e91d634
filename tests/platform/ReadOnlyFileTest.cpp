// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadOnlyFile.h"
#include "platform/NativePath.h"
#include "support/TempTree.h"

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

TEST(ReadOnlyFile, OpensANameInAFolderWithTheChecksOfAPath)
{
    TempTree t;
    t.file(QStringLiteral("real/plain"), "twelve bytes");
    t.symlink(t.path(QStringLiteral("real/plain")), QStringLiteral("real/link"));
    t.fifo(QStringLiteral("real/fifo"));
    t.dir(QStringLiteral("real/sub"));
    t.file(QStringLiteral("real/sub/inner"), "x");
    const QByteArray latin1Name("caf\xe9");
    t.rawFile(QStringLiteral("real"), latin1Name, "latin-1 name");
    t.symlink(t.path(QStringLiteral("real")), QStringLiteral("through"));

    // A folder is opened through a link as a path's folders are; only the name itself is never
    // followed.
    const FileDescriptor folder = ReadOnlyFile::openFolder(t.path(QStringLiteral("through")));
    ASSERT_TRUE(folder.valid());
    ReadOnlyFile f;
    ASSERT_TRUE(f.openIn(folder, u"plain"));
    EXPECT_EQ(f.size(), 12);
    char bytes[12];
    EXPECT_EQ(f.readAt(bytes, 12, 0), 12);
    EXPECT_EQ(QByteArray(bytes, 12), "twelve bytes");

    EXPECT_TRUE(f.openIn(folder, NativePath::decode(latin1Name.constData(), latin1Name.size())))
        << "a name that is not UTF-8";
    EXPECT_EQ(f.size(), 12);

    for (const char16_t *refused : {u"link", u"fifo", u"sub", u"sub/inner", u"missing", u"", u".", u".."})
    {
        EXPECT_FALSE(f.openIn(folder, QStringView(refused))) << QString::fromUtf16(refused).toStdString();
        EXPECT_FALSE(f.isOpen());
    }
    EXPECT_FALSE(f.openIn(FileDescriptor(), u"plain"));
    EXPECT_FALSE(ReadOnlyFile::openFolder(t.path(QStringLiteral("real/plain"))).valid()) << "a file is no folder";
}
