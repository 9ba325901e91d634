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

QStringList names(const std::vector<DirectoryListing::Entry> &entries)
{
    QStringList out;
    for (const DirectoryListing::Entry &e : entries)
        out.append(e.name);
    out.sort();
    return out;
}
} // namespace

// A small regular file is read whole in the open folder and its bytes hashed, so that equal bytes
// give equal hashes; a file beyond the limit, an empty file and a link to a file get no hash.
TEST(DirectoryListing, SmallFilesAreHashedWhileTheirFolderIsOpen)
{
    TempTree tree;
    const QByteArray same("same bytes");
    tree.file(QStringLiteral("top/one"), same);
    tree.file(QStringLiteral("top/two"), same);
    tree.file(QStringLiteral("top/other"), "other bytes");
    tree.fileOfSize(QStringLiteral("top/large"), 5000, 'x');
    tree.file(QStringLiteral("top/empty"), QByteArray());
    tree.symlink(tree.path(QStringLiteral("top/one")), QStringLiteral("top/link"));
    const struct
    {
        qint64 hashUpTo;
        QStringList hashed;
    } cases[] = {
        {0, {}},
        {10, {QStringLiteral("one"), QStringLiteral("two")}},
        {1 << 20, {QStringLiteral("one"), QStringLiteral("other"), QStringLiteral("two")}}, // at most 4 KiB
    };
    for (const auto &c : cases)
    {
        std::vector<DirectoryListing::Entry> entries;
        ASSERT_TRUE(DirectoryListing::list(tree.folder(QStringLiteral("top")), true, everyFile, entries, nullptr,
                                           nullptr, nullptr, c.hashUpTo));
        QStringList hashed;
        for (const DirectoryListing::Entry &e : entries)
        {
            if (!e.hashed)
                continue;
            hashed.append(e.name);
            const QByteArray bytes = e.name == u"other" ? QByteArray("other bytes") : same;
            EXPECT_EQ(e.hash, DirectoryListing::contentHash(bytes.constData(), static_cast<size_t>(bytes.size())));
        }
        hashed.sort();
        EXPECT_EQ(hashed, c.hashed) << c.hashUpTo;
    }
}

// A folder swapped for a link after its parent was listed is refused, whether it is opened in
// its open parent or by its whole path; the location itself may still be reached through a link.
TEST(DirectoryListing, FolderSwappedForLinkAfterListingIsNotFollowed)
{
    for (const bool inParent : {true, false})
    {
        SCOPED_TRACE(inParent ? "opened in its open parent" : "opened by path");
        TempTree tree;
        tree.file(QStringLiteral("top/sub/a"), "a");
        tree.file(QStringLiteral("elsewhere/b"), "b");
        FileDescriptor top;
        std::vector<DirectoryListing::Entry> entries;
        ASSERT_TRUE(DirectoryListing::list(tree.folder(QStringLiteral("top")), false, everyFile, entries, nullptr,
                                           nullptr, &top));
        ASSERT_TRUE(QDir().rename(tree.path(QStringLiteral("top/sub")), tree.path(QStringLiteral("top/moved"))));
        tree.symlink(tree.path(QStringLiteral("elsewhere")), QStringLiteral("top/sub"));

        EXPECT_FALSE(DirectoryListing::list(tree.folder(QStringLiteral("top/sub")), true, everyFile, entries, nullptr,
                                            inParent ? &top : nullptr));
        ASSERT_TRUE(DirectoryListing::list(tree.folder(QStringLiteral("top/sub")), false, everyFile, entries));
        EXPECT_EQ(names(entries), QStringList{QStringLiteral("b")});
        // The folder moved away is still the one its open parent names, and only there.
        ASSERT_TRUE(DirectoryListing::list(tree.folder(QStringLiteral("top/moved")), true, everyFile, entries, nullptr,
                                           inParent ? &top : nullptr));
        EXPECT_EQ(names(entries), QStringList{QStringLiteral("a")});
    }
}
