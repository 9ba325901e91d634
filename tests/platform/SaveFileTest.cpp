// SPDX-License-Identifier: GPL-3.0-or-later
// What a save finds at its name when it is done: a file or a link is replaced, anything else that
// took the name while the file was written stays.
#include "platform/SaveFile.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

mode_t kindOf(const QString &path)
{
    struct stat st = {};
    EXPECT_EQ(::lstat(encoded(path).constData(), &st), 0) << path.toStdString();
    return st.st_mode & S_IFMT;
}
} // namespace

TEST(SaveFile, WhatTookTheNameWhileTheFileWasWrittenIsReplacedOnlyWhenAFileOrALink)
{
    const struct
    {
        const char *what;
        std::function<void(TempTree &, const QString &name)> takeName;
        bool replaced;
        mode_t kindAfter;
    } cases[] = {
        {"a FIFO", [](TempTree &, const QString &name) { ASSERT_EQ(::mkfifo(encoded(name).constData(), 0600), 0); },
         false, S_IFIFO},
        {"a folder", [](TempTree &, const QString &name) { ASSERT_TRUE(QDir().mkdir(name)); }, false, S_IFDIR},
        {"a link",
         [](TempTree &t, const QString &) { t.symlink(t.path(QStringLiteral("victim")), QStringLiteral("out.csv")); },
         true, S_IFREG},
        {"another file", [](TempTree &t, const QString &) { t.file(QStringLiteral("out.csv"), "theirs"); }, true,
         S_IFREG},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree tree;
        const QString name = tree.file(QStringLiteral("out.csv"), "the old export");
        const QString victim = tree.file(QStringLiteral("victim"), "precious");
        bool committed = false;
        {
            SaveFile file(name);
            ASSERT_TRUE(file.open().ok());
            ASSERT_TRUE(file.write("the new export").ok());
            ASSERT_TRUE(QFile::remove(name));
            c.takeName(tree, name);
            committed = file.commit().ok();
        }
        EXPECT_EQ(committed, c.replaced);
        EXPECT_EQ(kindOf(name), c.kindAfter);
        if (c.replaced)
        {
            EXPECT_EQ(TempTree::contents(name), "the new export");
        }
        EXPECT_EQ(TempTree::contents(victim), "precious");
        EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  (QStringList{QStringLiteral("out.csv"), QStringLiteral("victim")}));
    }
}
