// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RowAnchors.h"

#include "platform/FileStatus.h"
#include "results/ResultModel.h"
#include "support/TempTree.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A row for `name` in the folder text `folder`, with the size and date of the file at `like`.
ResultRow rowIn(const QString &folder, const QString &name, const QString &like)
{
    const FileStatus status = statFile(like);
    ResultRow row;
    row.setName(name);
    row.path = folder;
    row.size = status.size;
    row.stamp = status.stamp;
    row.group = 1;
    row.sortGroup = 1;
    return row;
}
} // namespace

// Files alike in name, size and time in folders whose texts share beginnings ("a", "a/b", "ab"),
// listed in an order unlike their folders', so that a folder asked for after another must be
// reached from the right one; rows whose folder or name leads elsewhere stay unidentified.
TEST(RowAnchors, EveryRowIsIdentifiedAsItsOwnFileOrNotAtAll)
{
    TempTree t;
    const QDateTime when = QDateTime::currentDateTime().addDays(-3);
    const QStringList folders = {QStringLiteral("a"),     QStringLiteral("a/b"), QStringLiteral("ab"),
                                 QStringLiteral("a/b/c"), QStringLiteral("z"),   QStringLiteral("ref/in")};
    for (const QString &f : folders)
        t.file(f + QStringLiteral("/x.txt"), "same bytes", when);
    t.symlink(t.path(QStringLiteral("a")), QStringLiteral("link"));
    const QString like = t.path(QStringLiteral("a/x.txt"));
    const QString root = t.root() + u'/';

    std::vector<ResultRow> rows;
    for (const int i : {4, 1, 2, 0, 3, 5, 2, 0})
        rows.push_back(rowIn(root + folders[i] + u'/', QStringLiteral("x.txt"), like));
    const size_t own = rows.size();
    rows.push_back(rowIn(root + QStringLiteral("link/"), QStringLiteral("x.txt"), like));
    rows.push_back(rowIn(root + QStringLiteral("a/"), QStringLiteral("../ab/x.txt"), like));
    rows.push_back(rowIn(root + QStringLiteral("a/../ab/"), QStringLiteral("x.txt"), like));
    rows.push_back(rowIn(root + QStringLiteral("a/./"), QStringLiteral("x.txt"), like));
    rows.push_back(rowIn(root + QStringLiteral("gone/"), QStringLiteral("x.txt"), like));
    ResultModel model;
    model.setGroupedRows(std::move(rows));

    anchorRows(model, {}, {t.root(), t.path(QStringLiteral("ref"))}, {}, {t.path(QStringLiteral("ref"))});

    for (int r = 0; r < model.size(); ++r)
    {
        const ResultRow &row = model.row(r);
        if (static_cast<size_t>(r) >= own)
        {
            EXPECT_FALSE(row.identified()) << row.fullPath().toStdString();
            continue;
        }
        const FileStatus status = statFile(row.fullPath());
        EXPECT_EQ(row.inode, status.inode) << row.fullPath().toStdString();
        EXPECT_EQ(row.device, status.device) << row.fullPath().toStdString();
        const RowAnchors::Folder *folder = model.anchors().folder(row.path);
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(folder->reference, row.path.endsWith(QStringLiteral("/ref/in/"))) << row.fullPath().toStdString();
    }
}
