// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/EmptyFolders.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

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
        EXPECT_EQ(EmptyFolders::HasSubFolders(folder), c.subFolders) << c.folder;
        EXPECT_EQ(EmptyFolders::HasFiles(folder), c.files) << c.folder;
        EXPECT_EQ(EmptyFolders::IsFolderEmpty(folder), !c.subFolders && !c.files) << c.folder;
    }

    // A folder holding only a dot-folder passes the test, but its removal fails harmlessly.
    EmptyFolders::RemoveFolder(tree.folder(QStringLiteral("dotdir")));
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("dotdir/.git"))).exists());
}

TEST(EmptyFolders, EachFolderIsQueuedOnceAndCaseMakesAnotherFolder)
{
    FoldersToCheck folders;
    folders.QueueFolderCheck(QStringLiteral("/data/Photos/"));
    folders.QueueFolderCheck(QStringLiteral("/data/other/"));
    folders.QueueFolderCheck(QStringLiteral("/data/photos/"));
    folders.QueueFolderCheck(QStringLiteral("/data/Photos/"));
    EXPECT_EQ(folders.folders(), (QStringList{QStringLiteral("/data/Photos/"), QStringLiteral("/data/other/"),
                                              QStringLiteral("/data/photos/")}));
}

TEST(EmptyFolders, PassRemovesOneLevelOnly)
{
    TempTree tree;
    tree.dir(QStringLiteral("A/B"));
    tree.file(QStringLiteral("C/keep.txt"), "duplicate kept");
    FoldersToCheck folders;
    folders.QueueFolderCheck(tree.folder(QStringLiteral("A/B")));
    folders.QueueFolderCheck(tree.folder(QStringLiteral("C")));
    RecordingProgress progress;

    RunEmptyFolderPass(folders, progress);
    EXPECT_FALSE(QDir(tree.path(QStringLiteral("A/B"))).exists());
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("A"))).exists());
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("C/keep.txt"))));
    EXPECT_EQ(progress.maximum, 2);
    EXPECT_EQ(progress.values, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(progress.statuses.back(), QStringLiteral("Checking for empty folders. Please wait..."));

    RecordingProgress none;
    RunEmptyFolderPass(FoldersToCheck(), none);
    EXPECT_EQ(none.maximum, 1);
    EXPECT_EQ(none.values, (std::vector<int>{0}));
}
