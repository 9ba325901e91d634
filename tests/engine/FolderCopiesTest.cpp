// SPDX-License-Identifier: GPL-3.0-or-later
// The folder search on real trees: which folders are copies, which hold nothing unique.
#include "engine/FolderCopies.h"

#include "ScanFixture.h"
#include "engine/ScanPipeline.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"
#include "support/Printers.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
struct Answer
{
    std::vector<QStringList> groups; // folders relative to the tree, "A/"
    QStringList contained;
};

SearchLocation location(const QString &folder, int icon = SearchLocation::IncludedIcon)
{
    SearchLocation l;
    l.folder = folder;
    l.icon = icon;
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("0");
    return l;
}

Answer search(const TempTree &tree, bool hidden = false, const std::vector<SearchLocation> &more = {})
{
    SearchLocationList locations;
    locations.append(location(tree.root()));
    for (const SearchLocation &l : more)
        locations.append(l);
    ScanOptions options;
    options.engine = ScanOptions::Folders;
    options.includeHidden = hidden;
    TestSink sink;
    ResultModel model;
    const FolderReport report = ScanPipeline(sink, model).run(locations, options).folderCopies;
    const auto relative = [&](quint32 i) { return report.folders[i].path.mid(tree.root().size() + 1); };
    Answer a;
    for (const std::vector<quint32> &g : report.groups)
    {
        QStringList members;
        for (const quint32 i : g)
            members << relative(i);
        a.groups.push_back(members);
    }
    for (const quint32 i : report.contained)
        a.contained << relative(i);
    return a;
}

void hardLink(const TempTree &tree, const QString &from, const QString &to)
{
    ASSERT_EQ(::link(QFile::encodeName(tree.path(from)).constData(), QFile::encodeName(tree.path(to)).constData()), 0);
}
} // namespace

TEST(FolderCopies, IdenticalTreesAreOneGroupWithTheirCountsAndTheirInsidesAreNotListedAgain)
{
    TempTree tree;
    const QDateTime newest = QDateTime::fromSecsSinceEpoch(1700000000);
    for (const QString &top : {QStringLiteral("A/"), QStringLiteral("B/")})
    {
        tree.file(top + u"x.jpg", "photo one");
        tree.file(top + u"empty.txt", "");
        tree.file(top + u"sub/y.jpg", "photo two", newest);
        tree.dir(top + u"nothing");
        tree.dir(u"Empty/" + top + u"inside");
        tree.file(u"OnlyEmptyFiles/" + top + u"zero", "");
    }
    TestSink sink;
    ResultModel model;
    SearchLocationList locations;
    locations.append(location(tree.root()));
    ScanOptions options;
    options.engine = ScanOptions::Folders;
    const FolderReport report = ScanPipeline(sink, model).run(locations, options).folderCopies;
    ASSERT_EQ(report.groups.size(), 1u) << "no group of empty trees, nor of trees of empty files";
    ASSERT_EQ(report.groups[0].size(), 2u);
    const FolderFacts &a = report.folders[report.groups[0][0]];
    EXPECT_EQ(a.path, tree.folder(QStringLiteral("A")));
    EXPECT_EQ(report.folders[report.groups[0][1]].path, tree.folder(QStringLiteral("B")));
    EXPECT_EQ(a.files, 3);
    EXPECT_EQ(a.size, 18);
    EXPECT_GE(a.modified, newest.toSecsSinceEpoch());
    EXPECT_TRUE(report.contained.empty()) << "the members of a group are not listed again";
}

TEST(FolderCopies, TreesThatDifferInOneByteOneFileOneFolderOrOneNameAreNotCopies)
{
    TempTree tree;
    const auto make = [&](const QString &top) {
        tree.file(top + u"/x", "xxxx");
        tree.file(top + u"/y", "yyyy");
    };
    make(QStringLiteral("A"));
    make(QStringLiteral("Byte"));
    tree.file(QStringLiteral("Byte/y"), "yyyz");
    make(QStringLiteral("Extra"));
    tree.file(QStringLiteral("Extra/z"), "xxxx");
    make(QStringLiteral("Folder"));
    tree.dir(QStringLiteral("Folder/empty"));
    tree.file(QStringLiteral("Renamed/x"), "xxxx");
    tree.file(QStringLiteral("Renamed/Y"), "yyyy");
    const Answer a = search(tree);
    EXPECT_TRUE(a.groups.empty());
    EXPECT_EQ(a.contained.join(u' '), QStringLiteral("Extra/ A/ Folder/ Renamed/"))
        << "largest first; a file with one byte changed has no copy";
}

TEST(FolderCopies, NestedCopiesAreListedAtTheOuterLevelAndAFolderThatCopiesItsOwnSubFolderIsContained)
{
    TempTree tree;
    for (const QString &top : {QStringLiteral("Photos/"), QStringLiteral("Backup/Photos/")})
    {
        tree.file(top + u"2023/a.jpg", "aaaa");
        tree.file(top + u"2023/b.jpg", "bbbbb");
    }
    tree.file(QStringLiteral("Work/report.odt"), "report");
    tree.file(QStringLiteral("Work/old/report.odt"), "report");
    tree.file(QStringLiteral("Work/draft.odt"), "draft");
    const Answer a = search(tree);
    ASSERT_EQ(a.groups.size(), 1u);
    EXPECT_EQ(a.groups[0].join(u' '), QStringLiteral("Backup/Photos/ Photos/"));
    EXPECT_EQ(a.contained.join(u' '), QStringLiteral("Backup/ Work/old/"))
        << "Work's report has its only copy inside Work";
}

TEST(FolderCopies, HardLinksAreOneFileAndLinksOrLeftOutFilesKeepAFolderOutOfTheAnswer)
{
    TempTree tree;
    tree.file(QStringLiteral("Snap1/f"), "same file");
    tree.dir(QStringLiteral("Snap2"));
    hardLink(tree, QStringLiteral("Snap1/f"), QStringLiteral("Snap2/f"));
    tree.file(QStringLiteral("Lone/g"), "one file, two names");
    tree.dir(QStringLiteral("Other"));
    hardLink(tree, QStringLiteral("Lone/g"), QStringLiteral("Other/h"));
    for (const QString &top : {QStringLiteral("L1/"), QStringLiteral("L2/")})
    {
        tree.file(top + u"x", "linked");
        tree.symlink(QStringLiteral("x"), top + u"link");
    }
    for (const QString &top : {QStringLiteral("P1/"), QStringLiteral("P2/")})
    {
        tree.file(top + u"x", "piped");
        tree.fifo(top + u"pipe");
    }
    const Answer a = search(tree);
    ASSERT_EQ(a.groups.size(), 1u) << "a link or a FIFO is never compared, so its folder is never a copy";
    EXPECT_EQ(a.groups[0].join(u' '), QStringLiteral("Snap1/ Snap2/")) << "the same names of the same files";
    EXPECT_TRUE(a.contained.isEmpty()) << "another name of the same file is no copy: "
                                       << a.contained.join(u' ').toStdString();
}

TEST(FolderCopies, HiddenFilesCountAsTheOptionSaysAndEachFolderIsSeenOnce)
{
    TempTree tree;
    tree.file(QStringLiteral("A/x"), "xxxx");
    tree.file(QStringLiteral("A/.thumbs"), "cache");
    tree.file(QStringLiteral("B/x"), "xxxx");
    const Answer off = search(tree, false, {location(tree.path(QStringLiteral("A")))});
    ASSERT_EQ(off.groups.size(), 1u) << "A, also a location of its own, is one folder";
    EXPECT_EQ(off.groups[0].join(u' '), QStringLiteral("A/ B/"));
    EXPECT_TRUE(search(tree, true).groups.empty());

    const Answer excluded =
        search(tree, false, {location(tree.path(QStringLiteral("B")), SearchLocation::ExcludedIcon)});
    EXPECT_TRUE(excluded.groups.empty());
    EXPECT_TRUE(excluded.contained.isEmpty()) << "the folder that holds an excluded one is not seen whole";
}

TEST(FolderCopies, AFolderInOrHoldingAReferenceLocationIsAReferenceRow)
{
    TempTree tree;
    for (const QString &top : {QStringLiteral("Photos/"), QStringLiteral("Backup/")})
        tree.file(top + u"2023/a.jpg", "aaaa");
    tree.file(QStringLiteral("Old/x"), "xx");
    tree.file(QStringLiteral("Kept/x"), "xx");
    SearchLocationList locations;
    locations.append(location(tree.root()));
    locations.append(location(tree.path(QStringLiteral("Photos/2023")), SearchLocation::ReferenceIcon));
    locations.append(location(tree.path(QStringLiteral("Kept")), SearchLocation::ReferenceIcon));
    ScanOptions options;
    options.engine = ScanOptions::Folders;
    TestSink sink;
    ResultModel model;
    ScanPipeline(sink, model).run(locations, options);
    QStringList references;
    for (const ResultRow &r : model.rows())
        references << r.name() + (r.reference ? u"=R" : u"");
    EXPECT_EQ(references.join(u' '), QStringLiteral("Photos=R Backup Kept=R Old"))
        << "Photos holds a reference location, Kept is one; each first in its group";
}
