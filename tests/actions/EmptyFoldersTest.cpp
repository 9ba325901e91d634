// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/EmptyFolders.h"
#include "platform/EmptyFolderRemoval.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace
{
// The anchors a search of the locations leaves for the files (paths inside the tree), which
// are then removed, as a deletion does.
RowAnchors anchorsAfterDeleting(const TempTree &tree, const QStringList &files, const QStringList &locations)
{
    ResultModel model;
    std::vector<ResultRow> rows;
    for (const QString &file : files)
        rows.push_back(scannedRow(tree.path(file), 1));
    model.setGroupedRows(std::move(rows));
    QStringList folders;
    for (const QString &location : locations)
        folders << tree.path(location);
    anchorRows(model, {}, folders);
    for (const QString &file : files)
        EXPECT_TRUE(QFile::remove(tree.path(file))) << file.toStdString();
    return model.anchors();
}

FoldersToCheck queued(const TempTree &tree, const QStringList &folders)
{
    FoldersToCheck check;
    for (const QString &folder : folders)
        check.queueFolderCheck(tree.folder(folder));
    return check;
}
} // namespace

TEST(EmptyFolders, WhatCountsAsContent)
{
    TempTree tree;
    tree.dir(QStringLiteral("empty"));
    tree.file(QStringLiteral("hidden/.secret"), "x");
    tree.dir(QStringLiteral("dotdir/.git"));
    tree.dir(QStringLiteral("sub/child"));
    tree.symlink(tree.path(QStringLiteral("sub")), QStringLiteral("link/to-sub"));
    const struct
    {
        const char *folder;
        bool subFolders;
        bool files;
    } cases[] = {
        {"empty", false, false}, {"hidden", false, true}, {"dotdir", false, false},
        {"sub", true, false},    {"link", false, true},   {"missing", false, false},
    };
    for (const auto &c : cases)
    {
        const QString folder = tree.folder(QString::fromLatin1(c.folder));
        EXPECT_EQ(EmptyFolders::hasSubFolders(folder), c.subFolders) << c.folder;
        EXPECT_EQ(EmptyFolders::hasFiles(folder), c.files) << c.folder;
        EXPECT_EQ(EmptyFolders::isFolderEmpty(folder), !c.subFolders && !c.files) << c.folder;
    }

    // A folder holding only a dot-folder passes the test, but its removal fails harmlessly.
    tree.file(QStringLiteral("dotdir/a.txt"), "x");
    const RowAnchors anchors = anchorsAfterDeleting(tree, {QStringLiteral("dotdir/a.txt")}, {QString()});
    EXPECT_FALSE(EmptyFolders::removeFolder(anchors, tree.folder(QStringLiteral("dotdir"))));
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("dotdir/.git"))).exists());
}

TEST(EmptyFolders, EachFolderIsQueuedOnceAndCaseMakesAnotherFolder)
{
    FoldersToCheck folders;
    folders.queueFolderCheck(QStringLiteral("/data/Photos/"));
    folders.queueFolderCheck(QStringLiteral("/data/other/"));
    folders.queueFolderCheck(QStringLiteral("/data/photos/"));
    folders.queueFolderCheck(QStringLiteral("/data/Photos/"));
    EXPECT_EQ(folders.folders(), (QStringList{QStringLiteral("/data/Photos/"), QStringLiteral("/data/other/"),
                                              QStringLiteral("/data/photos/")}));
}

TEST(EmptyFolders, PassRemovesOneLevelOnly)
{
    TempTree tree;
    tree.file(QStringLiteral("A/B/x.txt"), "deleted");
    tree.file(QStringLiteral("C/y.txt"), "deleted");
    tree.file(QStringLiteral("C/keep.txt"), "duplicate kept");
    const RowAnchors anchors =
        anchorsAfterDeleting(tree, {QStringLiteral("A/B/x.txt"), QStringLiteral("C/y.txt")}, {QString()});
    RecordingProgress progress;

    runEmptyFolderPass(queued(tree, {QStringLiteral("A/B"), QStringLiteral("C")}), anchors, progress);
    EXPECT_FALSE(QDir(tree.path(QStringLiteral("A/B"))).exists());
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("A"))).exists());
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("C/keep.txt"))));
    EXPECT_EQ(progress.maximum, 2);
    EXPECT_EQ(progress.values, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(progress.statuses.back(), QStringLiteral("Checking for empty folders. Please wait..."));

    RecordingProgress none;
    runEmptyFolderPass(FoldersToCheck(), anchors, none);
    EXPECT_EQ(none.maximum, 1);
    EXPECT_EQ(none.values, (std::vector<int>{0}));
}

TEST(EmptyFolders, PassNeverRemovesALocationOrAFolderPutInThePlaceOfTheOneSearched)
{
    const struct
    {
        const char *what;
        QStringList locations;
        QStringList files;
        const char *folder;              // emptied by the deletion, and checked by the pass
        void (*afterSearch)(TempTree &); // what happens between the search and the pass
        const char *kept;                // the folder that must still be there
    } cases[] = {
        {"a file directly in a search location", {"s"}, {"s/x"}, "s", nullptr, "s"},
        {"a file in a reference location inside another location",
         {"s", "s/ref"},
         {"s/ref/x"},
         "s/ref",
         nullptr,
         "s/ref"},
        {"a location reached through a link to a folder inside another location",
         {"s", "ref-link"},
         {"s/ref/x"},
         "s/ref",
         nullptr,
         "s/ref"},
        {"the folder swapped for another empty folder",
         {"s"},
         {"s/sub/x"},
         "s/sub",
         [](TempTree &tree) {
             ASSERT_TRUE(QDir().rename(tree.path(QStringLiteral("s/sub")), tree.path(QStringLiteral("s/old"))));
             tree.dir(QStringLiteral("s/sub"));
         },
         "s/sub"},
        {"a folder on the way swapped for a link to a folder holding an empty one of that name",
         {"s"},
         {"s/a/b/x"},
         "s/a/b",
         [](TempTree &tree) {
             tree.dir(QStringLiteral("elsewhere/b"));
             ASSERT_TRUE(QDir().rename(tree.path(QStringLiteral("s/a")), tree.path(QStringLiteral("s/old"))));
             tree.symlink(tree.path(QStringLiteral("elsewhere")), QStringLiteral("s/a"));
         },
         "elsewhere/b"},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree tree;
        for (const QString &file : c.files)
            tree.file(file, "x");
        tree.symlink(tree.path(QStringLiteral("s/ref")), QStringLiteral("ref-link"));
        const RowAnchors anchors = anchorsAfterDeleting(tree, c.files, c.locations);
        ASSERT_NE(anchors.folder(tree.folder(QString::fromLatin1(c.folder))), nullptr);
        if (c.afterSearch)
            c.afterSearch(tree);
        RecordingProgress progress;
        runEmptyFolderPass(queued(tree, {QString::fromLatin1(c.folder)}), anchors, progress);
        EXPECT_TRUE(QDir(tree.path(QString::fromLatin1(c.kept))).exists());
    }
}

TEST(EmptyFolders, PassNeverRemovesAMountPoint)
{
    TempTree tree;
    const ScratchFileSystem volume(tree.path(QStringLiteral("s/volume")), "size=64k");
    if (!volume.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs (needs root): " << std::strerror(errno);
    tree.file(QStringLiteral("s/volume/x"), "x");
    const RowAnchors anchors = anchorsAfterDeleting(tree, {QStringLiteral("s/volume/x")}, {QStringLiteral("s")});
    const RowAnchors::Folder *folder = anchors.folder(tree.folder(QStringLiteral("s/volume")));
    ASSERT_NE(folder, nullptr);

    RecordingProgress progress;
    runEmptyFolderPass(queued(tree, {QStringLiteral("s/volume")}), anchors, progress);
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("s/volume"))).exists());
    // Refused for what it is, before the system's own refusal to remove a folder in use.
    EXPECT_EQ(EmptyFolderRemoval::removeIfEmpty(anchors.roots[0], u"volume/", folder->id, anchors.roots),
              EmptyFolderRemoval::Outcome::MountPoint);
}
