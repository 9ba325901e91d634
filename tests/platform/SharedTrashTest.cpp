// SPDX-License-Identifier: GPL-3.0-or-later
// The trash of a file system shared by several users: $top/.Trash/$uid only when the
// administrator made $top/.Trash a sticky folder, in which nobody can rename or remove what is
// not theirs; $top/.Trash-$uid otherwise.
#include "platform/Trash.h"
#include "support/Located.h"
#include "support/ScratchFileSystem.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(SharedTrash, TheSharedTrashIsUsedOnlyWithItsStickyBit)
{
    for (const bool sticky : {false, true})
    {
        SCOPED_TRACE(sticky ? "sticky" : "not sticky");
        TempTree tree;
        const QString top = tree.path(QStringLiteral("volume"));
        const ScratchFileSystem volume(top, "size=4m,mode=0755");
        if (!volume.mounted())
            GTEST_SKIP() << "no file system can be mounted here (needs root outside a locked-down container)";
        const QString uid = QString::number(::getuid());
        const QByteArray shared = QFile::encodeName(top + QStringLiteral("/.Trash"));
        ASSERT_EQ(::mkdir(shared.constData(), 0777), 0);
        ASSERT_EQ(::chmod(shared.constData(), sticky ? 01777 : 0777), 0);
        const QByteArray own = shared + '/' + QFile::encodeName(uid);
        ASSERT_EQ(::mkdir(own.constData(), 0700), 0);
        const QString path = tree.file(QStringLiteral("volume/photo.jpg"), "photo");

        const FileOpResult r = Trash::moveToTrash(locatedAt(path), tree.path(QStringLiteral("home/Trash")));
        ASSERT_TRUE(r.ok()) << r.reason().toStdString();
        const QString expected = sticky ? QStringLiteral("/.Trash/") + uid : QStringLiteral("/.Trash-") + uid;
        EXPECT_EQ(r.target, top + expected + QStringLiteral("/files/photo.jpg"));
        EXPECT_EQ(TempTree::contents(r.target), "photo");
    }
}
