// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/CopyMarkedRows.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "actions/StructuredDestination.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
const QDateTime kScanned(QDate(2021, 3, 4), QTime(5, 6, 7), Qt::UTC);

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A marked photo found below one search location and its unmarked copy found in another.
struct Photos
{
    TempTree tree;
    ResultModel model;
    QString marked;

    // location: the location's folder below the tree as the user gave it ("src", "src/.");
    // below: the photo's folder below the location ("" or "sub").
    explicit Photos(const QString &location, const QString &below = QString())
    {
        const QString folder = tree.path(location) + u'/';
        // Every folder the text names is there, so that "a/src/.." resolves.
        QStringList named = location.split(u'/', Qt::SkipEmptyParts);
        named.removeIf([](const QString &part) { return part == u"." || part == u".."; });
        tree.dir(named.join(u'/'));
        const QString inside = below.isEmpty() ? QString() : below + u'/';
        marked = tree.file(QDir::cleanPath(location + u'/' + inside) + QStringLiteral("/x.jpg"), "photo", kScanned);
        ResultRow row = scannedRow(marked, 1, true);
        row.path = folder + inside;
        model.setGroupedRows({row, scannedRow(tree.file(QStringLiteral("keep/x.jpg"), "photo", kScanned), 1)});
        anchorRows(model, {ListKind::SameContents, false}, {folder, tree.path(QStringLiteral("keep"))});
    }

    // Copies (or moves) the marked photo into destination with "Copy with directory structure."
    // as given; the errors listed.
    std::vector<ActionError> run(bool move, const QString &destination, bool keepStructure = true)
    {
        const RemovalGuard guard(model);
        ScriptedErrorReporter reporter;
        RecordingProgress progress;
        if (move)
        {
            MoveMarkedRows action(model, guard, reporter);
            action.keepStructure(keepStructure);
            EXPECT_TRUE(action.run([&] { return destination; }, false, progress));
        }
        else
        {
            CopyMarkedRows action(model, guard, reporter);
            action.keepStructure(keepStructure);
            EXPECT_TRUE(action.run([&] { return destination; }, progress));
        }
        return progress.errors;
    }
    ActionError refusal(bool move) const
    {
        return move ? ActionError::unableToMove(marked) : ActionError::unableToCopy(marked);
    }
};
} // namespace

TEST(SafeDestination, ALinkPlantedInsideTheDestinationIsNeverFollowed)
{
    const struct
    {
        const char *name;
        const char *folder; // made in the destination first
        const char *link;   // then the link, to a folder of someone else
    } plants[] = {
        {"the location's folder", "dest", "dest/src"},
        {"a folder the file was found in", "dest/src", "dest/src/sub"},
    };
    for (const bool move : {false, true})
    {
        for (const auto &plant : plants)
        {
            Photos t(QStringLiteral("src"), QStringLiteral("sub"));
            const QString victim = t.tree.dir(QStringLiteral("victim"));
            t.tree.dir(QString::fromLatin1(plant.folder));
            t.tree.symlink(victim, QString::fromLatin1(plant.link));

            EXPECT_EQ(t.run(move, t.tree.path(QStringLiteral("dest"))), std::vector<ActionError>{t.refusal(move)})
                << plant.name << (move ? ", move" : ", copy");
            EXPECT_EQ(entriesOf(victim), QStringList()) << plant.name << (move ? ", move" : ", copy");
            EXPECT_EQ(TempTree::contents(t.marked), "photo") << plant.name << (move ? ", move" : ", copy");
        }
    }
}

TEST(SafeDestination, AStrangersLinkInASharedFolderIsNoDestination)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    for (const bool move : {false, true})
    {
        Photos t(QStringLiteral("src"));
        const QString shared = t.tree.dir(QStringLiteral("shared"));
        ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        const QString victim = t.tree.dir(QStringLiteral("victim"));
        t.tree.symlink(victim, QStringLiteral("shared/backup"));
        ASSERT_EQ(::lchown(QFile::encodeName(shared + QStringLiteral("/backup")).constData(), 12345, 12345), 0);

        for (const bool keepStructure : {false, true})
        {
            EXPECT_EQ(t.run(move, shared + QStringLiteral("/backup"), keepStructure),
                      std::vector<ActionError>{t.refusal(move)})
                << (move ? "move" : "copy") << (keepStructure ? " keeping the folders" : "");
        }
        EXPECT_EQ(entriesOf(victim), QStringList()) << (move ? "move" : "copy");
        EXPECT_EQ(TempTree::contents(t.marked), "photo") << (move ? "move" : "copy");
    }
}

TEST(SafeDestination, LocationNamesAreAlwaysPlainFolderNames)
{
    const struct
    {
        const char *location;
        const char *folder;
    } cases[] = {
        {"src/.", "src"},
        {"a/src/..", "a"},
        {"src//", "src"},
    };
    for (const bool move : {false, true})
    {
        for (const auto &c : cases)
        {
            Photos t(QString::fromLatin1(c.location));
            const QString out = t.tree.path(QStringLiteral("out"));
            const QString dest = out + QStringLiteral("/dest");

            EXPECT_EQ(t.run(move, dest), std::vector<ActionError>()) << c.location;
            EXPECT_EQ(entriesOf(out), QStringList{QStringLiteral("dest")}) << c.location << ": nothing climbs out";
            EXPECT_EQ(entriesOf(dest), QStringList{QString::fromLatin1(c.folder)}) << c.location;
            EXPECT_EQ(TempTree::contents(dest + u'/' + QString::fromLatin1(c.folder) + QStringLiteral("/x.jpg")),
                      "photo")
                << c.location;
        }
    }
}

TEST(StructuredDestination, RowFoldersNeverLeadOutOfTheDestination)
{
    TempTree tree;
    const QString location = tree.dir(QStringLiteral("loc")) + u'/';
    tree.dir(QStringLiteral("loc/a/b"));
    const struct
    {
        const char *below;
        std::optional<QStringList> folders;
    } cases[] = {
        {"", QStringList{QStringLiteral("loc")}},
        {"a/b/", QStringList{QStringLiteral("loc"), QStringLiteral("a"), QStringLiteral("b")}},
        {"a//b/", QStringList{QStringLiteral("loc"), QStringLiteral("a"), QStringLiteral("b")}},
        {"../../", std::nullopt},
        {"a/../../../", std::nullopt},
        {"./", std::nullopt},
        {"a/./b/", std::nullopt},
    };
    // Rows and anchors as a session file could make them, whatever the search would have seen.
    std::vector<ResultRow> rows;
    RowAnchors anchors;
    anchors.roots.push_back(AnchoredFiles::resolveRoot(location));
    for (const auto &c : cases)
    {
        ResultRow row;
        row.setName(QStringLiteral("x.jpg"));
        row.path = location + QString::fromLatin1(c.below);
        row.group = 1;
        rows.push_back(row);
        anchors.folders.insert(row.path, {0, {}});
    }
    ResultModel model;
    model.setGroupedRows(std::move(rows));
    model.setAnchors(std::move(anchors));

    const StructuredDestination structure(model);
    for (int i = 0; i < model.size(); ++i)
        EXPECT_EQ(structure.foldersFor(i), cases[i].folders) << cases[i].below;
}
