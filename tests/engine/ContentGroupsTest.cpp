// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ContentGroups.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

TEST(ContentGroups, LargeSetReadByManyThreadsKeepsEveryMember)
{
    // Enough files of one size that a round is shared out among threads; a quick keepGoing so
    // that no thread lags behind the others by design.
    TempTree t;
    std::vector<QString> paths;
    ContentGroups::Groups expected(3);
    for (int f = 0; f < 900; ++f)
    {
        const int content = f % 3;
        paths.push_back(t.fileOfSize(QStringLiteral("f%1").arg(f), 100, static_cast<char>('a' + content)));
        expected[static_cast<size_t>(content)].push_back(f);
    }
    for (int run = 0; run < 5; ++run)
    {
        const std::optional<ContentGroups::Groups> groups =
            ContentGroups::find(ContentGroups::Method::Exact, paths, [] { return true; });
        ASSERT_TRUE(groups);
        EXPECT_EQ(*groups, expected) << run;
    }
}

TEST(ContentGroups, TheTallyCountsBytesAsTheyAreReadAndTheFilesThatCannotBe)
{
    // One large group: its progress must show while it is read, not only when it is settled.
    TempTree t;
    constexpr qint64 Size = 4 << 20;
    std::vector<QString> paths;
    for (const char *name : {"a", "b", "c", "locked"})
        paths.push_back(t.fileOfSize(QString::fromLatin1(name), Size, 'v'));
    const bool locks = ::geteuid() != 0; // permissions do not stop the superuser
    ::chmod(QFile::encodeName(paths[3]).constData(), 0);
    const qint64 members = locks ? 3 : 4;
    const struct
    {
        ContentGroups::Method method;
        qint64 perFile; // bytes read of each readable member
    } cases[] = {
        {ContentGroups::Method::Exact, Size},
        {ContentGroups::Method::Crc, Size},
        {ContentGroups::Method::Fuzzy, Size / 1000 * 1000}, // whole blocks only
    };
    for (const auto &c : cases)
    {
        ContentGroups::Tally tally;
        std::vector<qint64> seen;
        const auto groups = ContentGroups::find(
            c.method, paths,
            [&] {
                seen.push_back(tally.bytesRead.load());
                return true;
            },
            &tally);
        ASSERT_TRUE(groups);
        EXPECT_EQ(groups->front().size(), static_cast<size_t>(members));
        EXPECT_EQ(tally.bytesRead.load(), members * c.perFile) << static_cast<int>(c.method);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [&](qint64 b) { return b > 0 && b < members * c.perFile; }))
            << "progress within the group, method " << static_cast<int>(c.method);
        EXPECT_EQ(tally.unreadable, locks ? std::vector<qsizetype>{3} : std::vector<qsizetype>{});
    }
    ::chmod(QFile::encodeName(paths[3]).constData(), 0600);
}

TEST(ContentGroups, AFoldersMembersAreOpenedInItAndNeverThroughALink)
{
    // Two folders with the same names but other contents, enough members that the first round is
    // hashed and shared out among threads, and files put in other shapes after the walk.
    TempTree t;
    constexpr qint64 Size = 20000;
    FileList files;
    std::vector<FileList::Index> records;
    ContentGroups::Groups expected(3);
    // Folders of uneven sizes, so that a thread's stretch of members crosses from one to the next.
    const QStringList folders{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
    const int counts[] = {150, 97, 61};
    for (qsizetype d = 0; d < folders.size(); ++d)
    {
        const quint32 folder = files.addFolder(t.folder(folders[d]));
        for (int f = 0; f < counts[d]; ++f)
        {
            const QString name = QStringLiteral("f%1").arg(f);
            const auto content = static_cast<size_t>((f + d) % 3);
            t.fileOfSize(folders[d] + u'/' + name, Size, static_cast<char>('a' + content));
            files.append(folder, name, Size, 0, {});
            const auto member = static_cast<qsizetype>(records.size());
            records.push_back(static_cast<FileList::Index>(member));
            if (d > 0 || (f != 7 && f != 10 && f != 20))
                expected[content].push_back(member);
        }
    }
    const QString outside = t.fileOfSize(QStringLiteral("outside"), Size, 'b');
    QFile::remove(t.path(QStringLiteral("one/f7")));
    t.symlink(outside, QStringLiteral("one/f7"));
    QFile::remove(t.path(QStringLiteral("one/f10")));
    t.fifo(QStringLiteral("one/f10"));
    QFile::remove(t.path(QStringLiteral("one/f20")));

    for (int run = 0; run < 3; ++run)
    {
        ContentGroups::Tally tally;
        const auto groups = ContentGroups::exact(
            ContentGroups::RecordMembers(files, records), [] { return true; }, &tally);
        ASSERT_TRUE(groups);
        EXPECT_EQ(*groups, expected) << run;
        EXPECT_TRUE(tally.unreadable.empty()) << "a link, a FIFO and a vanished file are no unreadable files";
    }
}

TEST(ContentGroups, ALargeSetHashedFirstCountsEachByteOnce)
{
    // Enough files of one known size that the first 4 KiB of each are hashed before the bytes
    // are compared; the progress counts the length of every file once.
    TempTree t;
    constexpr qint64 Size = 20000;
    FileList files;
    const quint32 folder = files.addFolder(t.folder());
    std::vector<FileList::Index> records;
    for (int f = 0; f < 300; ++f)
    {
        const QString name = QStringLiteral("f%1").arg(f);
        t.fileOfSize(name, Size, f % 2 ? 'a' : 'b');
        files.append(folder, name, Size, 0, {});
        records.push_back(static_cast<FileList::Index>(f));
    }
    ContentGroups::Tally tally;
    const auto groups = ContentGroups::exact(
        ContentGroups::RecordMembers(files, records), [] { return true; }, &tally);
    ASSERT_TRUE(groups);
    EXPECT_EQ(groups->size(), 2u);
    EXPECT_EQ(tally.bytesRead.load(), 300 * Size);
}

TEST(ContentGroups, ListedHashesSettleLoneMembersButNeverProveAGroup)
{
    // Three files of one size per case: their bytes, and the hash the walk listed for each (-1:
    // none). Unequal hashes settle a member unread; equal hashes are only a reason to compare.
    const struct
    {
        const char *what;
        std::vector<char> bytes;
        std::vector<qint64> hashes;
        ContentGroups::Groups expected;
    } cases[] = {
        {"equal hashes, bytes compared", {'a', 'b', 'a'}, {5, 5, 5}, {{0, 2}}},
        {"a member alone with its hash is not compared", {'a', 'a', 'a'}, {1, 2, 2}, {{1, 2}}},
        {"a member without a hash has every member read", {'a', 'a', 'b'}, {1, -1, 2}, {{0, 1}}},
    };
    constexpr qint64 Size = 100;
    for (const auto &c : cases)
    {
        TempTree t;
        FileList files;
        ListedHashes listed;
        const quint32 folder = files.addFolder(t.folder());
        std::vector<FileList::Index> records;
        for (size_t f = 0; f < c.bytes.size(); ++f)
        {
            const QString name = QStringLiteral("f%1").arg(f);
            t.fileOfSize(name, Size, c.bytes[f]);
            const auto r = static_cast<FileList::Index>(f);
            files.append(folder, name, Size, 0, {});
            records.push_back(r);
            if (c.hashes[f] >= 0)
                listed.set(r, static_cast<quint64>(c.hashes[f]));
        }
        ContentGroups::Tally tally;
        const auto groups = ContentGroups::exact(
            ContentGroups::RecordMembers(files, records, &listed), [] { return true; }, &tally);
        ASSERT_TRUE(groups);
        EXPECT_EQ(*groups, c.expected) << c.what;
        EXPECT_EQ(tally.bytesRead.load(), 3 * Size) << c.what << ": each byte counted once";
    }
}
