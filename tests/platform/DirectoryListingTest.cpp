// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryListing.h"
#include "support/TempTree.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{
bool everyFile(QStringView)
{
    return true;
}

qsizetype openCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
}

QStringList names(const std::vector<DirectoryListing::Entry> &entries)
{
    QStringList out;
    for (const DirectoryListing::Entry &e : entries)
        out.append(e.name);
    out.sort();
    return out;
}
} // namespace

// A folder swapped for a link after its parent was listed is refused, whether it is opened in
// the held parent or by its whole path; the location itself may still be reached through a link.
TEST(DirectoryListing, FolderSwappedForLinkAfterListingIsNotFollowed)
{
    for (const bool holding : {true, false})
    {
        SCOPED_TRACE(holding ? "opened in the held parent" : "opened by path");
        TempTree tree;
        tree.file(QStringLiteral("top/sub/a"), "a");
        tree.file(QStringLiteral("elsewhere/b"), "b");
        DirectoryListing::OpenFolders held;
        DirectoryListing::OpenFolders *use = holding ? &held : nullptr;
        std::vector<DirectoryListing::Entry> entries;
        ASSERT_TRUE(
            DirectoryListing::list(tree.folder(QStringLiteral("top")), false, everyFile, entries, nullptr, use));
        ASSERT_TRUE(QDir().rename(tree.path(QStringLiteral("top/sub")), tree.path(QStringLiteral("top/moved"))));
        tree.symlink(tree.path(QStringLiteral("elsewhere")), QStringLiteral("top/sub"));

        EXPECT_FALSE(
            DirectoryListing::list(tree.folder(QStringLiteral("top/sub")), true, everyFile, entries, nullptr, use));
        ASSERT_TRUE(DirectoryListing::list(tree.folder(QStringLiteral("top/sub")), false, everyFile, entries));
        EXPECT_EQ(names(entries), QStringList{QStringLiteral("b")});
    }
}

// A walk deeper and wider than the folders held lists every folder whole, opening the ones whose
// parent is no longer held by path, and holds a bounded number of descriptors, all closed after.
TEST(DirectoryListing, DeepWalkBeyondTheHeldFoldersListsEveryFolder)
{
    TempTree tree;
    constexpr int Depth = 40;
    QString rel = QStringLiteral("top");
    QStringList chain;
    for (int d = 0; d < Depth; ++d)
    {
        rel += QStringLiteral("/d%1").arg(d);
        chain.append(rel);
        tree.file(rel + QStringLiteral("/f"), "f");
        tree.file(rel + QStringLiteral("/s/g"), "g");
    }
    const qsizetype before = openCount();
    {
        DirectoryListing::OpenFolders held;
        std::vector<DirectoryListing::Entry> entries;
        ASSERT_TRUE(
            DirectoryListing::list(tree.folder(QStringLiteral("top")), false, everyFile, entries, nullptr, &held));
        // Down the chain first, then each side folder from the deepest up, as a depth-first walk.
        for (int d = 0; d < Depth; ++d)
        {
            ASSERT_TRUE(DirectoryListing::list(tree.folder(chain[d]), true, everyFile, entries, nullptr, &held));
            const QStringList expected =
                d + 1 < Depth ? QStringList{QStringLiteral("d%1").arg(d + 1), QStringLiteral("f"), QStringLiteral("s")}
                              : QStringList{QStringLiteral("f"), QStringLiteral("s")};
            EXPECT_EQ(names(entries), expected) << chain[d].toStdString();
        }
        for (int d = Depth - 1; d >= 0; --d)
        {
            ASSERT_TRUE(DirectoryListing::list(tree.folder(chain[d] + QStringLiteral("/s")), true, everyFile, entries,
                                               nullptr, &held));
            EXPECT_EQ(names(entries), QStringList{QStringLiteral("g")}) << chain[d].toStdString();
        }
        EXPECT_LT(openCount() - before, Depth);
    }
    EXPECT_EQ(openCount(), before);
}
