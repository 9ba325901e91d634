// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli as a user runs it: the built program in its own process.
#include "support/PictureScenes.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
struct Outcome
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome cli(const QStringList &arguments,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(QStringLiteral(CORVINA_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// A tree with one group of three copies, one pair, a near copy, an empty file and odd entries.
void makeTree(TempTree &tree)
{
    tree.file(QStringLiteral("a/photo.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("b/photo copy.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("b/deep/photo.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("a/near.jpg"), QByteArray(3000, 'p') + 'x');
    tree.file(QStringLiteral("b/near.jpg"), QByteArray(3000, 'p') + 'y');
    tree.file(QStringLiteral("a/notes, 1?.txt"), "same notes");
    tree.file(QStringLiteral("b/notes.txt"), "same notes");
    tree.file(QStringLiteral("a/empty.log"), QByteArray());
    tree.symlink(tree.path(QStringLiteral("a/photo.jpg")), QStringLiteral("b/link.jpg"));
    tree.symlink(tree.root(), QStringLiteral("b/loop"));
    tree.fifo(QStringLiteral("a/pipe"));
}
} // namespace

TEST(CorvinaCli, HelpAndBadUsage)
{
    const Outcome help = cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: corvina-cli [options] FOLDER...")) << help.out.constData();
    EXPECT_TRUE(help.err.isEmpty());

    const Outcome none = cli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_EQ(none.err, QByteArray("corvina-cli: no folder to search (see corvina-cli --help)\n"));

    const Outcome badEngine = cli({QStringLiteral("--engine"), QStringLiteral("md5"), QStringLiteral("/tmp")});
    EXPECT_EQ(badEngine.exitCode, 2);
    EXPECT_TRUE(badEngine.err.contains("--engine is one of byte, crc, name, zero"));
}

TEST(CorvinaCli, AFolderThatDoesNotExistFails)
{
    TempTree tree;
    const Outcome r = cli({tree.path(QStringLiteral("missing"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "corvina-cli: no such folder: " + tree.path(QStringLiteral("missing")).toUtf8() + '\n');
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(CorvinaCli, GroupsFormatListsEachGroupOnOneLine)
{
    TempTree tree;
    makeTree(tree);
    for (const char *engine : {"byte", "crc"})
    {
        const Outcome r = cli({QStringLiteral("--engine"), QString::fromLatin1(engine), QStringLiteral("--format"),
                               QStringLiteral("groups"), QStringLiteral("--quiet"), tree.root()});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty());
        const QByteArray root = tree.root().toUtf8();
        // Smaller sizes first; within a size, by name.
        EXPECT_EQ(r.out, root + "/a/notes, 1?.txt\t" + root + "/b/notes.txt\n" + root + "/b/photo copy.jpg\t" + root +
                             "/a/photo.jpg\t" + root + "/b/deep/photo.jpg\n")
            << engine;
    }
}

TEST(CorvinaCli, TextFormatShowsGroupsAndTheSummary)
{
    TempTree tree;
    makeTree(tree);
    const Outcome r = cli({tree.root(), tree.path(QStringLiteral("b"))}); // overlapping folders
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Group 1\n")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("Group 2\n"));
    EXPECT_FALSE(r.out.contains("Group 3\n"));
    EXPECT_TRUE(r.out.contains("  3000  ")) << r.out.constData();
    // b/deep is walked twice, and counted once.
    EXPECT_EQ(r.err, QByteArray("Search Completed.\nDuplicate Files: 3  Size: 5.87 KB\nFiles : 7\nFolders : 3\n"
                                "Hidden files were left out.\n"));
}

TEST(CorvinaCli, TheSummaryNamesTheLimitsAsTheWindowDoes)
{
    TempTree tree;
    makeTree(tree);
    // The window says "Files under 1 KB and hidden files were left out." for the same location.
    const Outcome r = cli({QStringLiteral("--min=1"), tree.root()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.endsWith("\nFiles under 1 KB and hidden files were left out.\n")) << r.err.constData();
    const Outcome all = cli({QStringLiteral("--hidden"), QStringLiteral("--exclude"), tree.path(QStringLiteral("b")),
                             QStringLiteral("--mask=*.txt"), tree.root()});
    EXPECT_TRUE(all.err.endsWith("\nFiles not matching \"*.txt\" and 1 excluded folder were left out.\n"))
        << all.err.constData();
}

TEST(CorvinaCli, OtherEnginesAndFilters)
{
    TempTree tree;
    makeTree(tree);
    const QByteArray root = tree.root().toUtf8();
    const Outcome zero = cli({QStringLiteral("--engine=zero"), QStringLiteral("--format=groups"), tree.root()});
    EXPECT_EQ(zero.exitCode, 0);
    EXPECT_EQ(zero.out, root + "/a/empty.log\n");

    const Outcome names = cli(
        {QStringLiteral("--engine=name"), QStringLiteral("--format=groups"), QStringLiteral("--quiet"), tree.root()});
    EXPECT_EQ(names.out,
              root + "/a/near.jpg\t" + root + "/b/near.jpg\n" + root + "/a/photo.jpg\t" + root + "/b/deep/photo.jpg\n");

    const Outcome masked =
        cli({QStringLiteral("--mask=*.txt"), QStringLiteral("--format=groups"), QStringLiteral("--quiet"),
             QStringLiteral("--exclude"), tree.path(QStringLiteral("b/deep")), tree.root()});
    EXPECT_EQ(masked.out, root + "/a/notes, 1?.txt\t" + root + "/b/notes.txt\n");

    const Outcome flat =
        cli({QStringLiteral("--no-subfolders"), QStringLiteral("--min=1"), QStringLiteral("--format=groups"),
             QStringLiteral("--quiet"), tree.path(QStringLiteral("a")), tree.path(QStringLiteral("b"))});
    EXPECT_EQ(flat.out, root + "/b/photo copy.jpg\t" + root + "/a/photo.jpg\n");
}

TEST(CorvinaCli, JsonAndNullFormatsFeedOtherProgramsAndTextStaysReadable)
{
    TempTree tree;
    makeTree(tree);
    tree.file(QStringLiteral("a/\x1b[31mred\nname.txt"), "red copy");
    tree.file(QStringLiteral("b/red.txt"), "red copy");
    const QByteArray root = tree.root().toUtf8();

    const Outcome json = cli({QStringLiteral("--format=json"), QStringLiteral("--quiet"), tree.root()});
    EXPECT_EQ(json.exitCode, 0);
    QJsonParseError error;
    const QJsonArray groups = QJsonDocument::fromJson(json.out, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.constData();
    ASSERT_EQ(groups.size(), 3);
    const QJsonArray red = groups[0][u"files"].toArray(); // the smallest files come first
    EXPECT_EQ(red[0][u"path"].toString(), tree.path(QStringLiteral("a/\x1b[31mred\nname.txt")));
    EXPECT_EQ(red[1][u"size"].toInteger(), 8);

    // The copies of each group, marked, for xargs -0.
    const Outcome nul = cli({QStringLiteral("--format=null"), QStringLiteral("--mark=all-duplicates"),
                             QStringLiteral("--quiet"), tree.root()});
    EXPECT_EQ(nul.exitCode, 0);
    EXPECT_EQ(nul.out.count('\0'), 4) << "every file of each group but its newest";
    EXPECT_TRUE(nul.out.endsWith('\0'));

    // Text never lets a name's escape sequence or newline through raw.
    const Outcome text = cli({QStringLiteral("--quiet"), tree.root()});
    EXPECT_FALSE(text.out.contains('\x1b'));
    EXPECT_TRUE(text.out.contains(QByteArray(root + "/a/\\x1b[31mred\\nname.txt\n"))) << text.out.constData();
}

TEST(CorvinaCli, WhatCannotBeReadIsCountedAndTheSearchStillCompletes)
{
    TempTree tree;
    tree.file(QStringLiteral("a/one.txt"), "same");
    tree.file(QStringLiteral("b/one.txt"), "same");
    // Folders nested so deep that their path is longer than any path the system opens: the
    // walk cannot list the deepest, whoever runs it. Made and removed a level at a time.
    const QByteArray name(200, 'd');
    std::vector<int> levels{::open(QFile::encodeName(tree.path(QStringLiteral("a"))).constData(), O_RDONLY)};
    for (int depth = 0; depth < 24 && levels.back() >= 0; ++depth)
    {
        ::mkdirat(levels.back(), name.constData(), 0700);
        levels.push_back(::openat(levels.back(), name.constData(), O_RDONLY | O_DIRECTORY));
    }
    ASSERT_GE(levels.back(), 0);
    struct RemoveLevels
    {
        std::vector<int> &levels;
        const QByteArray &name;
        ~RemoveLevels()
        {
            ::close(levels.back());
            for (size_t i = levels.size() - 1; i-- > 0;)
            {
                ::unlinkat(levels[i], name.constData(), AT_REMOVEDIR);
                ::close(levels[i]);
            }
        }
    } removeLevels{levels, name};

    const Outcome r = cli({tree.root()});
    EXPECT_EQ(r.exitCode, 0) << "what could not be read does not fail the search";
    EXPECT_TRUE(r.out.startsWith("Group 1\n"));
    EXPECT_TRUE(r.err.contains("\nCould not read: 1 folder, 0 files (--verbose lists them)\n")) << r.err.constData();

    const Outcome verbose = cli({QStringLiteral("--verbose"), tree.root()});
    const qsizetype listed = verbose.err.indexOf(QByteArray("\n  folder " + tree.root().toUtf8() + "/a/" + name + '/'));
    EXPECT_GE(listed, 0) << verbose.err.constData();
}

TEST(CorvinaCli, FolderCopiesInEveryFormat)
{
    TempTree tree;
    for (const QString &top : {QStringLiteral("Photos/"), QStringLiteral("Old\nPhotos/")})
    {
        tree.file(top + u"a.jpg", QByteArray(3000, 'a'));
        tree.file(top + u"2023/b.jpg", QByteArray(2000, 'b'));
    }
    tree.file(QStringLiteral("Backup/a.jpg"), QByteArray(3000, 'a'));
    tree.file(QStringLiteral("Mine/only.txt"), "mine alone");
    const QByteArray root = tree.root().toUtf8();
    const QStringList folders{QStringLiteral("--engine=folders"), QStringLiteral("--quiet")};

    const Outcome text = cli(folders + QStringList{QStringLiteral("--contained"), tree.root()});
    EXPECT_EQ(text.exitCode, 0) << text.err.constData();
    const qsizetype dateAt = text.out.indexOf("files  ") + 7;
    const QByteArray date = text.out.mid(dateAt, text.out.indexOf(QByteArray("  " + root), dateAt) - dateAt);
    const QByteArray expected = QByteArray("Folder group 1\n  5000  2 files  ") + date + "  " + root +
                                "/Old\\nPhotos/\n  5000  2 files  " + date + "  " + root +
                                "/Photos/\n\nNothing unique (every file has a copy elsewhere)\n  3000  1 file   " +
                                date + "  " + root + "/Backup/\n";
    EXPECT_EQ(text.out, expected);

    const Outcome groups = cli(folders + QStringList{QStringLiteral("--format=groups"), tree.root()});
    EXPECT_EQ(groups.out, root + "/Old\\nPhotos/\t" + root + "/Photos/\n")
        << "folders with nothing unique only when asked";

    const Outcome nul =
        cli(folders + QStringList{QStringLiteral("--format=null"), QStringLiteral("--contained"), tree.root()});
    const QByteArray end(1, '\0');
    EXPECT_EQ(nul.out, root + "/Old\nPhotos/" + end + root + "/Photos/" + end + root + "/Backup/" + end);
    // With --mark, as for files: the text shows the marks, null lists only the marked folders.
    const Outcome marked = cli(folders + QStringList{QStringLiteral("--mark=keep-newest"), tree.root()});
    EXPECT_EQ(marked.out.count("\n* "), 1) << marked.out.constData();
    const Outcome marksOnly =
        cli(folders + QStringList{QStringLiteral("--format=null"), QStringLiteral("--mark=keep-newest"), tree.root()});
    EXPECT_EQ(marksOnly.out.count('\0'), 1) << "one folder of the group is kept";

    const Outcome json =
        cli(folders + QStringList{QStringLiteral("--format=json"), QStringLiteral("--contained"), tree.root()});
    QJsonParseError error;
    const QJsonArray answer = QJsonDocument::fromJson(json.out, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.constData();
    ASSERT_EQ(answer.size(), 2);
    EXPECT_EQ(answer[0][u"group"].toInt(), 1);
    EXPECT_EQ(answer[0][u"size"].toInteger(), 5000);
    const QJsonObject photos = answer[0][u"folders"][1].toObject();
    EXPECT_EQ(photos[u"path"].toString(), tree.folder(QStringLiteral("Photos")));
    EXPECT_EQ(photos[u"files"].toInt(), 2);
    EXPECT_EQ(photos[u"size"].toInteger(), 5000);
    EXPECT_TRUE(QDateTime::fromString(photos[u"modified"].toString(), Qt::ISODate).isValid());
    EXPECT_TRUE(answer[1][u"group"].isNull());
    EXPECT_EQ(answer[1][u"elsewhere"].toInt(), 100);

    // Saved and exported as a list of folders, whose marked folders are never copied.
    const QString session = tree.path(QStringLiteral("folders.cvf"));
    const QString csv = tree.path(QStringLiteral("folders.csv"));
    const Outcome summary = cli({QStringLiteral("--engine=folders"), QStringLiteral("--contained"),
                                 QStringLiteral("--save"), session, QStringLiteral("--export"), csv, tree.root()});
    EXPECT_TRUE(summary.err.contains("Duplicate folders: 2 in 1 group; 1 folder with nothing unique\n"))
        << summary.err.constData();
    EXPECT_TRUE(TempTree::contents(session).startsWith("5,")) << "engine 5: folders";
    EXPECT_TRUE(TempTree::contents(csv).startsWith("Folder Name,Size(Bytes),Last Modified,Files,Group,Path\r\n"));
    const Outcome copy =
        cli({QStringLiteral("--load"), session, QStringLiteral("--mark=keep-newest"), QStringLiteral("--copy"),
             tree.path(QStringLiteral("elsewhere")), QStringLiteral("--quiet")});
    EXPECT_EQ(copy.exitCode, 3);
    EXPECT_TRUE(copy.err.contains("does not copy, link or rename them")) << copy.err.constData();
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("elsewhere"))));

    const Outcome move = cli({QStringLiteral("--load"), session, QStringLiteral("--mark=keep-newest"),
                              QStringLiteral("--move"), tree.path(QStringLiteral("moved")), QStringLiteral("--quiet")});
    EXPECT_EQ(move.exitCode, 0) << move.err.constData();
    EXPECT_EQ(QDir(tree.path(QStringLiteral("moved"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    EXPECT_EQ(cli({QStringLiteral("--undo")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("Photos/a.jpg"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("Old\nPhotos/a.jpg"))));

    const Outcome act = cli({QStringLiteral("--load"), session, QStringLiteral("--mark=keep-newest"),
                             QStringLiteral("--trash"), QStringLiteral("--quiet")});
    EXPECT_EQ(act.exitCode, 0) << act.err.constData();
    const bool photosStayed = QFile::exists(tree.path(QStringLiteral("Photos/2023/b.jpg")));
    EXPECT_NE(photosStayed, QFile::exists(tree.path(QStringLiteral("Old\nPhotos/2023/b.jpg"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("Backup/a.jpg"))));
    const Outcome undo = cli({QStringLiteral("--undo")});
    EXPECT_EQ(undo.exitCode, 0) << undo.err.constData();
    EXPECT_EQ(TempTree::contents(tree.path(photosStayed ? QStringLiteral("Old\nPhotos/2023/b.jpg")
                                                        : QStringLiteral("Photos/2023/b.jpg"))),
              QByteArray(2000, 'b'));

    // The locations themselves as the copies, the originals in a reference one: it proves them.
    const Outcome locations =
        cli({QStringLiteral("--engine=folders"), QStringLiteral("--reference"), tree.path(QStringLiteral("Photos")),
             QStringLiteral("--mark=keep-oldest"), QStringLiteral("--trash"), QStringLiteral("--quiet"),
             tree.path(QStringLiteral("Old\nPhotos"))});
    EXPECT_EQ(locations.exitCode, 0) << locations.err.constData();
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("Old\nPhotos"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("Photos/2023/b.jpg"))));
}

TEST(CorvinaCli, SimilarPicturesAreListedLargestFirstAndTheMarkedOnesTrashed)
{
    using PictureScenes::Copy;
    TempTree tree;
    const QImage beach = PictureScenes::scene(1, 640);
    tree.file(QStringLiteral("Camera/beach.jpg"), PictureScenes::encode(beach, Copy::Original, 1));
    tree.file(
        QStringLiteral("Shared/beach small.png"),
        PictureScenes::encoded(beach.scaled(beach.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), "png"));
    tree.file(QStringLiteral("Shared/beach.webp"), PictureScenes::encode(beach, Copy::WebP, 1));
    tree.file(QStringLiteral("Camera/forest.jpg"),
              PictureScenes::encode(PictureScenes::scene(2, 640), Copy::Original, 2));
    tree.file(QStringLiteral("Camera/notes.txt"), "not a picture");
    const QByteArray root = tree.root().toUtf8();
    const QStringList pictures{QStringLiteral("--engine=pictures"), QStringLiteral("--quiet")};

    const Outcome groups = cli(pictures + QStringList{QStringLiteral("--format=groups"), tree.root()});
    EXPECT_EQ(groups.exitCode, 0) << groups.err.constData();
    const QList<QByteArray> members = groups.out.trimmed().split('\t');
    ASSERT_EQ(members.size(), 3) << groups.out.constData() << ": one group, the unrelated picture in none";
    EXPECT_EQ(members[0], root + "/Camera/beach.jpg") << "the largest picture first";

    const Outcome text = cli(pictures + QStringList{tree.root()});
    const auto shown = [](QSize size, const char *format) -> QByteArray {
        return QByteArray::number(size.width()) + " x " + QByteArray::number(size.height()) + ' ' + format;
    };
    EXPECT_TRUE(text.out.contains(shown(beach.size(), "JPEG"))) << text.out.constData();
    EXPECT_TRUE(text.out.contains(shown(beach.size() / 2, "PNG"))) << text.out.constData();
    EXPECT_TRUE(text.out.contains(shown(beach.size(), "WEBP"))) << text.out.constData();
    const Outcome json = cli(pictures + QStringList{QStringLiteral("--format=json"), tree.root()});
    const QJsonObject first =
        QJsonDocument::fromJson(json.out).array().at(0)["files"].toArray().at(0)["picture"].toObject();
    EXPECT_EQ(first, (QJsonObject{{"width", beach.width()}, {"height", beach.height()}, {"format", "JPEG"}}))
        << json.out.constData();

    // The level belongs to this search.
    const Outcome strict = cli(
        pictures + QStringList{QStringLiteral("--similarity=strict"), QStringLiteral("--format=groups"), tree.root()});
    EXPECT_EQ(strict.exitCode, 0) << strict.err.constData();

    // The hashes are kept in the user's cache folder, unless --no-cache, which leaves it untouched.
    QTemporaryDir cacheHome;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome.path());
    const QStringList listed = pictures + QStringList{QStringLiteral("--format=groups"), tree.root()};
    const Outcome uncached = cli(QStringList{QStringLiteral("--no-cache")} + listed, environment);
    EXPECT_EQ(uncached.out, groups.out) << uncached.err.constData();
    EXPECT_TRUE(QDir(cacheHome.path()).isEmpty());
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(cli(listed, environment).out, groups.out) << "run " << run;
    EXPECT_TRUE(QFile::exists(cacheHome.path() + QStringLiteral("/Corvina/pictures.sqlite")));

    // A saved list of similar pictures is never turned into links.
    const QString session = tree.path(QStringLiteral("pictures.cvf"));
    EXPECT_EQ(cli(pictures + QStringList{QStringLiteral("--save"), session, tree.root()}).exitCode, 0);
    const Outcome link = cli({QStringLiteral("--load"), session, QStringLiteral("--mark=all-duplicates"),
                              QStringLiteral("--link=hard"), QStringLiteral("--quiet")});
    EXPECT_EQ(link.exitCode, 3) << link.err.constData();
    EXPECT_TRUE(link.err.contains("can be replaced with links")) << link.err.constData();

    // The marked copies go to the trash once each still looks like the largest picture, which
    // stays.
    const Outcome trash =
        cli(pictures + QStringList{QStringLiteral("--mark=all-duplicates"), QStringLiteral("--trash"), tree.root()});
    EXPECT_EQ(trash.exitCode, 0) << trash.err.constData();
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("Camera/beach.jpg"))));
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("Shared/beach.webp"))));
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("Shared/beach small.png"))));
    EXPECT_TRUE(QFile::exists(tree.path(QStringLiteral("Camera/forest.jpg"))));
}
