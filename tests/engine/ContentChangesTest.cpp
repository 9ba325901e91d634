// SPDX-License-Identifier: GPL-3.0-or-later
// The groups of a content search hold files equal to their last byte as they are when read: a
// difference at the very end is found wherever the blocks of a round end, and a file that is cut
// or grows while its set is read leaves the set.
#include "engine/ContentGroups.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace
{
using ContentGroups::Groups;
using ContentGroups::Method;

void appendTo(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Lowers the limit of open files for the life of the object, as a user's shell may have it: the
// search then holds few files of a large set open from one round to the next.
class OpenFileLimit
{
public:
    explicit OpenFileLimit(rlim_t most)
    {
        m_set = ::getrlimit(RLIMIT_NOFILE, &m_old) == 0;
        struct rlimit lower = m_old;
        lower.rlim_cur = most;
        m_set = m_set && ::setrlimit(RLIMIT_NOFILE, &lower) == 0;
    }
    ~OpenFileLimit()
    {
        if (m_set)
            ::setrlimit(RLIMIT_NOFILE, &m_old);
    }
    OpenFileLimit(const OpenFileLimit &) = delete;
    OpenFileLimit &operator=(const OpenFileLimit &) = delete;
    bool set() const { return m_set; }

private:
    struct rlimit m_old = {};
    bool m_set = false;
};
} // namespace

TEST(ContentChanges, FilesThatDifferOnlyInTheirLastByteAreNeverGrouped)
{
    // Lengths at and around the ends of the blocks a round reads (64 bytes at least, 64 KiB first,
    // growing to 1 MiB).
    const qint64 lengths[] = {1, 63, 64, 65, 4097, 65535, 65536, 65537, 196609, (qint64{1} << 20) + 65537};
    for (const qint64 length : lengths)
    {
        SCOPED_TRACE(std::to_string(length) + " bytes");
        TempTree t;
        QByteArray bytes(length, 'e');
        const QString a = t.file(QStringLiteral("a"), bytes);
        const QString same = t.file(QStringLiteral("same"), bytes);
        bytes[length - 1] = 'f';
        const QString last = t.file(QStringLiteral("last"), bytes);

        const std::optional<Groups> groups = ContentGroups::find(Method::Exact, {a, last, same}, [] { return true; });
        ASSERT_TRUE(groups);
        EXPECT_EQ(*groups, (Groups{{0, 2}}));
    }
}

TEST(ContentChanges, AFileCutWhileItsSetIsReadLeavesTheGroup)
{
    TempTree t;
    const qint64 length = 100 << 10; // two rounds: 64 KiB, then the rest
    std::vector<QString> paths;
    for (const char *name : {"a", "b", "cut"})
        paths.push_back(t.fileOfSize(QString::fromLatin1(name), length, 'c'));
    // Asked before each round: after the first one, the last file loses all but 100 bytes of the
    // part still to be read.
    int rounds = 0;
    ContentGroups::Tally tally;
    const std::optional<Groups> groups = ContentGroups::exact(
        ContentGroups::PathMembers(paths),
        [&] {
            if (++rounds == 2)
            {
                EXPECT_TRUE(QFile::resize(paths[2], (64 << 10) + 100));
            }
            return true;
        },
        &tally);
    ASSERT_TRUE(groups);
    ASSERT_GE(rounds, 2);
    EXPECT_EQ(*groups, (Groups{{0, 1}}));
    EXPECT_EQ(tally.unreadable, std::vector<qsizetype>{2});
}

TEST(ContentChanges, AFileThatGrowsWhileALargeSetIsReadLeavesTheGroup)
{
    // So few open files that no file of a set this large stays open between rounds: each is
    // opened again for its next block, and must still have the length it had.
    const OpenFileLimit limit(100);
    if (!limit.set())
        GTEST_SKIP() << "the limit of open files cannot be lowered here";
    TempTree t;
    const qint64 length = 300 << 10;
    std::vector<QString> paths;
    Groups expected(1);
    for (int f = 0; f < 40; ++f)
    {
        paths.push_back(t.fileOfSize(QStringLiteral("f%1").arg(f), length, 'g'));
        if (f != 7)
            expected[0].push_back(f);
    }
    int rounds = 0;
    const std::optional<Groups> groups = ContentGroups::exact(ContentGroups::PathMembers(paths), [&] {
        if (++rounds == 2)
            appendTo(paths[7], "more");
        return true;
    });
    ASSERT_TRUE(groups);
    ASSERT_GT(rounds, 2);
    EXPECT_EQ(*groups, expected);
}

TEST(ContentChanges, FilesOfAnotherLengthAreNeverGrouped)
{
    // A file that grew since the walk starts with the bytes of its old equals: it is still no
    // copy of them.
    QByteArray alike(10000, 'z');
    alike.replace(0, 4000, QByteArray(4000, 'y')); // 6 of 10 blocks equal
    const struct
    {
        Method method;
        QByteArray third; // grouped with the first file
    } cases[] = {
        {Method::Exact, QByteArray(10000, 'z')},
        {Method::Fuzzy, alike},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(static_cast<int>(c.method));
        TempTree t;
        const QString a = t.fileOfSize(QStringLiteral("a"), 10000, 'z');
        const QString longer = t.fileOfSize(QStringLiteral("longer"), 10500, 'z');
        const QString third = t.file(QStringLiteral("third"), c.third);

        const std::optional<Groups> groups = ContentGroups::find(c.method, {a, longer, third}, [] { return true; });
        ASSERT_TRUE(groups);
        EXPECT_EQ(*groups, (Groups{{0, 2}}));
    }
}
