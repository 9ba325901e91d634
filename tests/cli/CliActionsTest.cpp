// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli marking and acting on real files, as a script would run it: every way a file could
// be lost between the search and the act is tried, and only proven copies may go.
#include "CliProcess.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The built program, with its home trash inside the tree.
Outcome cli(const TempTree &tree, QStringList arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), tree.path(QStringLiteral("data")));
    p.setProcessEnvironment(env);
    arguments.prepend(QStringLiteral("--quiet"));
    return runCli(p, arguments);
}

QStringList args(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *a : list)
        out << QString::fromUtf8(a);
    return out;
}

// Files with this time (whole seconds) can be rewritten with their time put back exactly.
const QDateTime kTime(QDate(2021, 3, 4), QTime(5, 6, 7), Qt::UTC);
const char *const kDate = "3/4/2021 5:06:07 AM";

bool exists(const QString &path)
{
    return QFileInfo(path).isFile();
}

// A line of standard error for a file that was left alone.
std::string refusal(const char *number, const char *text, const QString &path)
{
    return std::string(number) + ' ' + text + ": " + path.toStdString() + '\n';
}

// A session file of one location and result rows (name, size, date, group, folder).
struct Row
{
    QString name;
    qint64 size;
    QString date;
    int group;
    QString folder;
};
QByteArray sessionText(const QString &location, const std::vector<Row> &rows)
{
    QByteArray text = "1,1,0," + QByteArray::number(rows.size()) + ",9,9,1,0,0\r\n" + location.toUtf8() +
                      ",Yes,All files(*.*),0,,15\r\n";
    bool first = true;
    for (const Row &r : rows)
    {
        const QByteArray size = QByteArray::number(r.size);
        text += (first ? ";" : "") + r.name.toUtf8() + '?' + size + '?' + r.date.toUtf8() + "?N/A?" +
                QByteArray::number(r.group) + '?' + r.folder.toUtf8() + '?' + size.rightJustified(12, '0') +
                "?20210304050607?" + QByteArray::number(r.group).rightJustified(11, '0') + "\r\n";
        first = false;
    }
    return text;
}

// How the text output's line of a file starts: "* " marked, "  " not, "R " a reference file; ""
// when the file is not listed.
QByteArray leadOf(const QByteArray &text, const QString &path)
{
    const QByteArray tail = "  " + path.toUtf8();
    for (const QByteArray &line : text.split('\n'))
    {
        if (line.endsWith(tail))
            return line.left(2);
    }
    return {};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(CorvinaCliActions, MarkedCopiesGoOnlyWhereTheCommandSays)
{
    TempTree tree;
    const QString kept = tree.file(QStringLiteral("s/new.jpg"), "photo", kTime.addSecs(60));
    const QString copy = tree.file(QStringLiteral("s/old.jpg"), "photo", kTime);
    const QString root = tree.path(QStringLiteral("s"));

    EXPECT_EQ(cli(tree, args({"--trash"}) << root).exitCode, 2) << "an act without --mark is a usage error";

    const Outcome dry = cli(tree, args({"--mark", "keep-newest", "--trash", "--dry-run"}) << root);
    EXPECT_EQ(dry.exitCode, 0) << dry.err.constData();
    EXPECT_TRUE(dry.out.contains(QByteArray("* 5  " + QByteArray(kDate) + "  N/A  " + copy.toUtf8() + '\n')))
        << dry.out.data();
    EXPECT_TRUE(dry.out.endsWith(QByteArray("trash " + copy.toUtf8() + '\n')));
    EXPECT_TRUE(exists(copy));

    const Outcome trashed = cli(tree, args({"--mark", "keep-newest", "--trash"}) << root);
    EXPECT_EQ(trashed.exitCode, 0) << trashed.err.constData();
    EXPECT_FALSE(exists(copy));
    EXPECT_TRUE(exists(kept));
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("data/Trash/files/old.jpg"))), "photo");

    // Move and copy take the marked file; the kept one stays.
    tree.file(QStringLiteral("s/old.jpg"), "photo", kTime);
    const QString dest = tree.path(QStringLiteral("dest"));
    EXPECT_EQ(cli(tree, args({"--mark", "keep-newest", "--copy"}) << dest << root).exitCode, 0);
    EXPECT_EQ(TempTree::contents(dest + QStringLiteral("/old.jpg")), "photo");
    EXPECT_TRUE(exists(copy));
    EXPECT_EQ(cli(tree, args({"--mark", "keep-newest", "--move"}) << dest << root).exitCode, 0);
    EXPECT_EQ(TempTree::contents(dest + QStringLiteral("/old (2).jpg")), "photo");
    EXPECT_FALSE(exists(copy));
    EXPECT_TRUE(exists(kept));
}

TEST(CorvinaCliActions, AKeptCopyEditedAfterTheSearchDoesNotCount)
{
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    // Group 1: the kept copy is rewritten with another text of the same size and a new time;
    // group 2: the same, with its time put back.
    const QString kept1 = tree.file(QStringLiteral("s/a/new1"), "1111", kTime.addSecs(60));
    const QString marked1 = tree.file(QStringLiteral("s/a/old1"), "1111", kTime);
    const QString kept2 = tree.file(QStringLiteral("s/b/new2"), "2222", kTime.addSecs(60));
    const QString marked2 = tree.file(QStringLiteral("s/b/old2"), "2222", kTime);
    const QString session = tree.path(QStringLiteral("s.cvf"));
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--save"), session, root}).exitCode, 0);

    tree.file(QStringLiteral("s/a/new1"), "edit", kTime.addSecs(120));
    tree.file(QStringLiteral("s/b/new2"), "edit", kTime.addSecs(60));
    const Outcome r =
        cli(tree, QStringList{QStringLiteral("--load"), session} + args({"--mark", "keep-newest", "--delete"}));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.toStdString(), refusal("1009", "No unmarked copy of the file is left", marked1) +
                                       refusal("1012", "No unmarked copy has the same contents", marked2));
    EXPECT_EQ(TempTree::contents(marked1), "1111");
    EXPECT_EQ(TempTree::contents(marked2), "2222");
    EXPECT_EQ(TempTree::contents(kept1), "edit");
    EXPECT_EQ(TempTree::contents(kept2), "edit");
}

TEST(CorvinaCliActions, AMarkedFileEditedAfterTheSearchIsRefusedAsChanged)
{
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    tree.file(QStringLiteral("s/a/new"), "same", kTime.addSecs(60));
    const QString marked = tree.file(QStringLiteral("s/b/old"), "same", kTime);
    const QString session = tree.path(QStringLiteral("s.cvf"));
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--save"), session, root}).exitCode, 0);

    // Edited between the save and the load: the refusal says so, not that the file is lost.
    tree.file(QStringLiteral("s/b/old"), "edited", kTime.addSecs(30));
    const Outcome r =
        cli(tree, QStringList{QStringLiteral("--load"), session} + args({"--mark", "keep-newest", "--delete"}));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.toStdString(), refusal("1008", "File changed since the search", marked));
    EXPECT_EQ(TempTree::contents(marked), "edited");
}

TEST(CorvinaCliActions, ASessionIsAReasonToLookNeverAProof)
{
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    const QString marked = tree.folder(QStringLiteral("s/m"));
    const QString kept = tree.folder(QStringLiteral("s/k"));
    for (const char *name : {"a", "c", "e"})
        tree.file(QStringLiteral("s/m/") + QLatin1String(name), "same", kTime);
    tree.file(QStringLiteral("s/k/b"), "diff", kTime); // same size, other bytes
    for (const char *name : {"d", "f", "h"})
        tree.file(QStringLiteral("s/k/") + QLatin1String(name), "same", kTime);
    const QString outside = tree.file(QStringLiteral("elsewhere/g"), "same", kTime);
    const QString session = tree.path(QStringLiteral("foreign.cvf"));
    writeFile(session, sessionText(root, {
                                             // two different files listed as copies
                                             {"a", 4, kDate, 1, marked},
                                             {"b", 4, kDate, 1, kept},
                                             // a date other than the file's
                                             {"c", 4, QStringLiteral("3/4/2021 5:06:08 AM"), 2, marked},
                                             {"d", 4, kDate, 2, kept},
                                             // a path that climbs out of its folder and back
                                             {"e", 4, kDate, 3, marked + QStringLiteral("../m/")},
                                             {"f", 4, kDate, 3, kept},
                                             // a file outside the session's location
                                             {"g", 4, kDate, 4, tree.folder(QStringLiteral("elsewhere"))},
                                             {"h", 4, kDate, 4, kept},
                                         }));
    const QString markMarked = QStringLiteral("--mark=in:") + marked;
    const QString markOutside = QStringLiteral("--mark=in:") + tree.path(QStringLiteral("elsewhere"));
    const Outcome r =
        cli(tree, QStringList{QStringLiteral("--load"), session, markMarked, markOutside, QStringLiteral("--delete")});
    EXPECT_EQ(r.exitCode, 3) << r.err.constData();
    // In the order of the list, which marking leaves as it was.
    EXPECT_EQ(r.err.toStdString(),
              refusal("1012", "No unmarked copy has the same contents", marked + "a") +
                  refusal("1008", "File changed since the search", marked + "c") +
                  refusal("1010", "File cannot be traced to a search location", marked + "../m/e") +
                  refusal("1010", "File cannot be traced to a search location", outside));
    for (const char *name : {"a", "c", "e"})
        EXPECT_TRUE(exists(marked + QLatin1String(name))) << name;
    EXPECT_TRUE(exists(outside));

    // A marked file whose bytes changed while its size and time were put back.
    const QString copy = tree.file(QStringLiteral("t/m/x"), "xxxx", kTime);
    tree.file(QStringLiteral("t/k/x"), "xxxx", kTime);
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--save"), session, tree.path(QStringLiteral("t"))}).exitCode, 0);
    tree.file(QStringLiteral("t/m/x"), "XXXX", kTime);
    const Outcome changed = cli(tree, QStringList{QStringLiteral("--load"), session,
                                                  QStringLiteral("--mark=in:") + tree.path(QStringLiteral("t/m")),
                                                  QStringLiteral("--trash")});
    EXPECT_EQ(changed.exitCode, 3);
    EXPECT_EQ(changed.err.toStdString(), refusal("1012", "No unmarked copy has the same contents", copy));
    EXPECT_EQ(TempTree::contents(copy), "XXXX");
}

TEST(CorvinaCliActions, AForgedChecksumPairIsNeverTakenForCopies)
{
    TempTree tree;
    // Two texts of one size and one CRC-32 (0x4DDB0C25).
    const QString a = tree.file(QStringLiteral("s/a"), "plumless", kTime);
    const QString b = tree.file(QStringLiteral("s/b"), "buckeroo", kTime.addSecs(1));
    const Outcome r =
        cli(tree, args({"--engine", "crc", "--mark", "keep-newest", "--delete"}) << tree.path(QStringLiteral("s")));
    EXPECT_TRUE(r.out.startsWith("Group 1\n* 8")) << "the checksums agree, so they are listed";
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.toStdString(), refusal("1012", "No unmarked copy has the same contents", a));
    EXPECT_EQ(TempTree::contents(a), "plumless");
    EXPECT_EQ(TempTree::contents(b), "buckeroo");
}

TEST(CorvinaCliActions, AFolderSwappedForALinkIsNeverFollowed)
{
    TempTree tree;
    // The search location is itself a link; that is how the user named it, and it works.
    const QString real = tree.dir(QStringLiteral("real"));
    tree.symlink(real, QStringLiteral("loc"));
    tree.file(QStringLiteral("real/keep/x"), "data", kTime.addSecs(60));
    tree.file(QStringLiteral("real/dup/x"), "data", kTime);
    tree.file(QStringLiteral("real/keep/y"), "more", kTime.addSecs(60));
    tree.file(QStringLiteral("real/dup/y"), "more", kTime);
    const QString session = tree.path(QStringLiteral("s.cvf"));
    const QString location = tree.path(QStringLiteral("loc"));
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--save"), session, location}).exitCode, 0);

    // After the search, dup/ is swapped for a link to a folder outside holding the same names,
    // sizes and times.
    const QString victim = tree.file(QStringLiteral("outside/x"), "data", kTime);
    tree.file(QStringLiteral("outside/y"), "more", kTime);
    ASSERT_TRUE(QDir(tree.path(QStringLiteral("real/dup"))).removeRecursively());
    tree.symlink(tree.path(QStringLiteral("outside")), QStringLiteral("real/dup"));

    const Outcome r =
        cli(tree, QStringList{QStringLiteral("--load"), session} + args({"--mark", "keep-newest", "--delete"}));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.toStdString(),
              refusal("1010", "File cannot be traced to a search location", location + "/dup/x") +
                  refusal("1010", "File cannot be traced to a search location", location + "/dup/y"));
    EXPECT_EQ(TempTree::contents(victim), "data");

    // With the real folder back, the same command would delete the copies.
    ASSERT_TRUE(QFile::remove(tree.path(QStringLiteral("real/dup"))));
    tree.file(QStringLiteral("real/dup/x"), "data", kTime);
    tree.file(QStringLiteral("real/dup/y"), "more", kTime);
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--save"), session, location}).exitCode, 0);
    const Outcome fine = cli(tree, QStringList{QStringLiteral("--load"), session} +
                                       args({"--mark", "keep-newest", "--delete", "--dry-run"}));
    EXPECT_EQ(fine.exitCode, 0) << fine.err.constData();
    EXPECT_TRUE(fine.out.endsWith(
        QByteArray("delete " + location.toUtf8() + "/dup/x\ndelete " + location.toUtf8() + "/dup/y\n")));
}

TEST(CorvinaCliActions, AReferenceFolderKeepsItsFilesWhateverTheRules)
{
    TempTree tree;
    const QString original = tree.file(QStringLiteral("ref/photo.jpg"), "photo", kTime);
    tree.file(QStringLiteral("ref/a.txt"), "twins", kTime);
    tree.file(QStringLiteral("ref/b.txt"), "twins", kTime);
    const QString copy = tree.file(QStringLiteral("backup/photo.jpg"), "photo", kTime.addSecs(60));
    const QString ref = tree.path(QStringLiteral("ref"));
    const QString backup = tree.path(QStringLiteral("backup"));

    // The newest file would be kept; the original is kept instead, and the copy goes.
    const Outcome r = cli(
        tree, QStringList{QStringLiteral("--reference"), ref} + args({"--mark", "keep-newest", "--trash"}) << backup);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, "Group 1\nR 5  " + QByteArray(kDate) + "  N/A  " + original.toUtf8() +
                         "\n* 5  3/4/2021 5:07:07 AM  N/A  " + copy.toUtf8() + "\n\n")
        << "originals first; a group of originals alone is not listed";
    EXPECT_EQ(TempTree::contents(original), "photo");
    EXPECT_FALSE(exists(copy));

    // No rule marks an original, so there is nothing to do.
    tree.file(QStringLiteral("backup/photo.jpg"), "photo", kTime.addSecs(60));
    const Outcome none = cli(tree, QStringList{QStringLiteral("--reference"), ref, QStringLiteral("--mark=in:") + ref,
                                               QStringLiteral("--delete"), backup});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.err, "corvina-cli: No items marked/checked\n");
    EXPECT_TRUE(exists(original) && exists(copy));
}

TEST(CorvinaCliActions, CopiesAndMovesCanKeepTheirFolders)
{
    TempTree tree;
    // Two locations of one name, each with a file at the same relative path.
    const QString one = tree.path(QStringLiteral("a/Photos"));
    const QString two = tree.path(QStringLiteral("b/Photos"));
    tree.file(QStringLiteral("a/Photos/2020/x.jpg"), "same", kTime);
    tree.file(QStringLiteral("b/Photos/2020/x.jpg"), "same", kTime.addSecs(60));
    tree.file(QStringLiteral("a/Photos/y.jpg"), "also", kTime);
    tree.file(QStringLiteral("b/Photos/y.jpg"), "also", kTime.addSecs(60));
    const QString dest = tree.path(QStringLiteral("dest"));
    tree.file(QStringLiteral("dest/Photos/y.jpg"), "already here");

    EXPECT_EQ(cli(tree, QStringList{QStringLiteral("--mark=in:") + one, QStringLiteral("--mark=in:") + two,
                                    QStringLiteral("--copy"), dest, QStringLiteral("--keep-structure"), one, two})
                  .exitCode,
              0);
    EXPECT_EQ(TempTree::contents(dest + QStringLiteral("/Photos/2020/x.jpg")), "same");
    EXPECT_EQ(TempTree::contents(dest + QStringLiteral("/Photos (2)/2020/x.jpg")), "same");
    EXPECT_EQ(TempTree::contents(dest + QStringLiteral("/Photos/y (2).jpg")), "also") << "nothing is overwritten";
    EXPECT_EQ(TempTree::contents(dest + QStringLiteral("/Photos/y.jpg")), "already here");

    // A move keeps them too, with the same proof: the copy in a/ goes, the newest stays.
    const QString moved = tree.path(QStringLiteral("moved"));
    EXPECT_EQ(cli(tree, args({"--mark", "keep-newest", "--move"})
                            << moved << QStringLiteral("--keep-structure") << one << two)
                  .exitCode,
              0);
    EXPECT_EQ(TempTree::contents(moved + QStringLiteral("/Photos/2020/x.jpg")), "same");
    EXPECT_EQ(TempTree::contents(moved + QStringLiteral("/Photos/y.jpg")), "also");
    EXPECT_FALSE(exists(one + QStringLiteral("/2020/x.jpg")));
    EXPECT_TRUE(exists(two + QStringLiteral("/2020/x.jpg")));
}

TEST(CorvinaCliActions, LinksFreeTheSpaceAndEveryPathStillOpens)
{
    TempTree tree;
    const QString kept = tree.file(QStringLiteral("s/keep/photo.jpg"), "photo", kTime.addSecs(60));
    const QString copy = tree.file(QStringLiteral("s/old/photo.jpg"), "photo", kTime);
    const QString root = tree.path(QStringLiteral("s"));
    ASSERT_EQ(::chmod(QFile::encodeName(copy).constData(), 0600), 0);

    // This file system makes no clones: the file stays as it was.
    const Outcome clone = cli(tree, args({"--mark", "keep-newest", "--link", "clone"}) << root);
    if (clone.exitCode == 0)
        GTEST_SKIP() << "the test folder's file system makes clones; the refusal cannot be shown here";
    EXPECT_EQ(clone.exitCode, 3);
    EXPECT_EQ(clone.err.toStdString(), refusal("1016", "File system cannot make clones", copy));

    // A hard link would give the copy the kept file's permissions: refused, and the copy stays.
    const Outcome refused = cli(tree, args({"--mark", "keep-newest", "--link", "hard"}) << root);
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err.toStdString(),
              refusal("1018", "Kept copy differs in owner, permissions or attributes", copy));
    struct stat a;
    struct stat b;
    ASSERT_EQ(::stat(QFile::encodeName(kept).constData(), &a), 0);
    ASSERT_EQ(::stat(QFile::encodeName(copy).constData(), &b), 0);
    EXPECT_NE(a.st_ino, b.st_ino);

    ASSERT_EQ(::chmod(QFile::encodeName(copy).constData(), a.st_mode & 07777), 0);
    const Outcome hard = cli(tree, args({"--mark", "keep-newest", "--link", "hard"}) << root);
    EXPECT_EQ(hard.exitCode, 0) << hard.err.constData();
    EXPECT_TRUE(hard.err.isEmpty()) << hard.err.constData();
    ASSERT_EQ(::stat(QFile::encodeName(copy).constData(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(TempTree::contents(copy), "photo");
    EXPECT_EQ(
        QDir(tree.path(QStringLiteral("s/old"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("photo.jpg")});

    // The next search sees one file under two names: nothing is left to do.
    const Outcome again = cli(tree, QStringList{root});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.isEmpty()) << again.out.constData();
}

TEST(CorvinaCliActions, AFailedLinkLeavesTheOriginalInPlace)
{
    TempTree tree;
    const QString kept = tree.file(QStringLiteral("s/keep/doc.txt"), "text", kTime.addSecs(60));
    const QString copy = tree.file(QStringLiteral("s/old/doc.txt"), "text", kTime);
    // An immutable file cannot be renamed: the link is made, and then cannot take its place.
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), copy}) != 0)
        GTEST_SKIP() << "chattr +i needs root and a file system that keeps the flag";
    const Outcome r = cli(tree, args({"--mark", "keep-newest", "--link", "hard"}) << tree.path(QStringLiteral("s")));
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), copy});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.toStdString(), refusal("1014", "Unable to replace file with a link", copy));
    struct stat a;
    struct stat b;
    ASSERT_EQ(::stat(QFile::encodeName(kept).constData(), &a), 0);
    ASSERT_EQ(::stat(QFile::encodeName(copy).constData(), &b), 0);
    EXPECT_NE(a.st_ino, b.st_ino);
    EXPECT_EQ(a.st_nlink, 1u) << "the link made beside it is gone again";
    EXPECT_EQ(
        QDir(tree.path(QStringLiteral("s/old"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("doc.txt")});
}

TEST(CorvinaCliActions, ClonesKeepTheReplacedFilesPermissions)
{
    TempTree tree;
    const QString image = tree.path(QStringLiteral("btrfs.img"));
    const QString mount = tree.dir(QStringLiteral("volume"));
    {
        QFile f(image);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(128 << 20));
    }
    if (QProcess::execute(QStringLiteral("mkfs.btrfs"), {QStringLiteral("-q"), image}) != 0 ||
        QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"), image, mount}) != 0)
        GTEST_SKIP() << "no btrfs can be made and mounted here (needs btrfs-progs, root and a loop device)";
    const QString kept = mount + QStringLiteral("/keep/a.bin");
    const QString copy = mount + QStringLiteral("/old/a.bin");
    QDir().mkpath(mount + QStringLiteral("/keep"));
    QDir().mkpath(mount + QStringLiteral("/old"));
    // No early return while the file system is mounted.
    for (const QString &path : {kept, copy})
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1 << 20, 'c'));
    }
    EXPECT_EQ(::chmod(QFile::encodeName(copy).constData(), 0640), 0);
    const Outcome cloned = cli(tree, QStringList{QStringLiteral("--mark=in:") + mount + QStringLiteral("/old"),
                                                 QStringLiteral("--link"), QStringLiteral("clone"), mount});
    struct stat a;
    struct stat b;
    const bool looked =
        ::stat(QFile::encodeName(kept).constData(), &a) == 0 && ::stat(QFile::encodeName(copy).constData(), &b) == 0;
    const QByteArray contents = TempTree::contents(copy);
    QProcess::execute(QStringLiteral("umount"), {mount});
    EXPECT_EQ(cloned.exitCode, 0) << cloned.err.constData();
    ASSERT_TRUE(looked);
    EXPECT_NE(a.st_ino, b.st_ino) << "a clone is a file of its own";
    EXPECT_EQ(b.st_mode & 0777, 0640u);
    EXPECT_EQ(contents, QByteArray(1 << 20, 'c'));
}

TEST(CorvinaCliActions, FilesDatedFarFromNowAreListedSavedAndActedOn)
{
    // 2400 lies beyond what nanoseconds since 1970 hold in 64 bits, and ext4 keeps such times.
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    const QString future =
        tree.file(QStringLiteral("s/future"), "same", QDateTime(QDate(2400, 1, 2), QTime(3, 4, 5), Qt::UTC));
    const QString past =
        tree.file(QStringLiteral("s/past"), "same", QDateTime(QDate(1950, 6, 7), QTime(8, 9, 10), Qt::UTC));
    if (QFileInfo(future).lastModified().date().year() != 2400)
        GTEST_SKIP() << "this file system does not keep the year 2400";

    const Outcome listed = cli(tree, args({"--mark", "keep-oldest", "--delete", "--dry-run"}) << root);
    EXPECT_EQ(listed.exitCode, 0) << listed.err.constData();
    EXPECT_TRUE(listed.out.contains("/2400 ")) << listed.out.constData();
    EXPECT_TRUE(listed.out.endsWith(QByteArray("delete " + future.toUtf8() + '\n'))) << listed.out.constData();

    const QString session = tree.path(QStringLiteral("s.cvf"));
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--save"), session, root}).exitCode, 0);
    const Outcome rescanned = cli(tree, QStringList{QStringLiteral("--load"), session, QStringLiteral("--rescan")});
    EXPECT_EQ(rescanned.exitCode, 0) << rescanned.err.constData();
    EXPECT_TRUE(rescanned.out.contains("/2400 ")) << "compared again, the file keeps its date\n"
                                                  << rescanned.out.constData();
    const Outcome acted =
        cli(tree, QStringList{QStringLiteral("--load"), session} + args({"--mark", "keep-oldest", "--delete"}));
    EXPECT_EQ(acted.exitCode, 0) << acted.err.constData();
    EXPECT_FALSE(exists(future));
    EXPECT_EQ(TempTree::contents(past), "same");
}

TEST(CorvinaCliActions, EmptiedFoldersGoOnlyWhenAskedAndNeverASearchFolder)
{
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    const QString emptied = tree.path(QStringLiteral("s/dup"));
    const QString dest = tree.path(QStringLiteral("dest"));
    auto makeCopies = [&] {
        tree.file(QStringLiteral("s/keep/x"), "data", kTime.addSecs(60));
        tree.file(QStringLiteral("s/dup/x"), "data", kTime);
    };
    const struct
    {
        const char *what;
        QStringList act;
        bool removed;
    } cases[] = {
        {"--delete alone", {QStringLiteral("--delete")}, false},
        {"--trash alone", {QStringLiteral("--trash")}, false},
        {"--move alone", {QStringLiteral("--move"), dest}, false},
        {"--delete --remove-empty-folders",
         {QStringLiteral("--delete"), QStringLiteral("--remove-empty-folders")},
         true},
        {"--trash --remove-empty-folders", {QStringLiteral("--trash"), QStringLiteral("--remove-empty-folders")}, true},
        {"--move --remove-empty-folders",
         {QStringLiteral("--move"), dest, QStringLiteral("--remove-empty-folders")},
         true},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.what);
        makeCopies();
        const Outcome r = cli(tree, args({"--mark", "keep-newest"}) + c.act << root);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_FALSE(exists(emptied + QStringLiteral("/x")));
        EXPECT_EQ(QDir(emptied).exists(), !c.removed);
        EXPECT_TRUE(exists(tree.path(QStringLiteral("s/keep/x"))));
    }

    // The copy lies directly in a folder named on the command line: that folder stays.
    makeCopies();
    const Outcome located = cli(tree, args({"--mark", "keep-newest", "--delete", "--remove-empty-folders"})
                                          << tree.path(QStringLiteral("s/keep")) << emptied);
    EXPECT_EQ(located.exitCode, 0) << located.err.constData();
    EXPECT_FALSE(exists(emptied + QStringLiteral("/x")));
    EXPECT_TRUE(QDir(emptied).exists());
}

TEST(CorvinaCliActions, ASessionsMarksAreShownButActedOnOnlyWithMarkSaved)
{
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    // Three groups; the session holds the marks of the files in a/.
    const QString ax = tree.file(QStringLiteral("s/a/x"), "xxxx", kTime);
    const QString bx = tree.file(QStringLiteral("s/b/x"), "xxxx", kTime.addSecs(60));
    const QString ay = tree.file(QStringLiteral("s/a/y"), "yyyyy", kTime);
    const QString by = tree.file(QStringLiteral("s/b/y"), "yyyyy", kTime.addSecs(60));
    const QString cz = tree.file(QStringLiteral("s/c/z"), "zzzzzz", kTime);
    const QString dz = tree.file(QStringLiteral("s/d/z"), "zzzzzz", kTime.addSecs(60));
    const QString session = tree.path(QStringLiteral("marked.cvf"));
    ASSERT_EQ(cli(tree, QStringList{QStringLiteral("--mark=in:") + tree.path(QStringLiteral("s/a")),
                                    QStringLiteral("--save"), session, root})
                  .exitCode,
              0);
    const QStringList load{QStringLiteral("--load"), session};

    // Shown in every format, without a rule.
    const Outcome text = cli(tree, load);
    EXPECT_EQ(text.exitCode, 0) << text.err.constData();
    for (const QString &path : {ax, bx, ay, by, cz, dz})
        EXPECT_EQ(leadOf(text.out, path), path == ax || path == ay ? "* " : "  ") << path.toStdString();
    const Outcome json = cli(tree, load + args({"--format", "json"}));
    EXPECT_EQ(json.out.count("\"marked\":true"), 2) << json.out.constData();
    EXPECT_EQ(json.out.count("\"marked\":false"), 4) << json.out.constData();
    const Outcome nul = cli(tree, load + args({"--format", "null"}));
    EXPECT_EQ(nul.out.count('\0'), 6) << "without --mark every path, as always";

    // Acted on only when asked for, alone or with other rules; any other rule starts from none.
    auto wouldDelete = [&](const QStringList &marks) {
        const Outcome r = cli(tree, load + marks + args({"--delete", "--dry-run"}));
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        QStringList deleted;
        for (const QByteArray &line : r.out.split('\n'))
        {
            if (line.startsWith("delete "))
                deleted << QString::fromUtf8(line.mid(7));
        }
        return deleted;
    };
    EXPECT_EQ(wouldDelete(args({"--mark", "saved"})), (QStringList{ax, ay}));
    EXPECT_EQ(wouldDelete(QStringList{QStringLiteral("--mark=in:") + tree.path(QStringLiteral("s/c"))}),
              QStringList{cz});
    EXPECT_EQ(wouldDelete(QStringList{QStringLiteral("--mark=in:") + tree.path(QStringLiteral("s/c")),
                                      QStringLiteral("--mark=saved")}),
              (QStringList{ax, ay, cz}));
    EXPECT_EQ(wouldDelete(args({"--mark", "keep-oldest"})), (QStringList{bx, by, dz}));
    // all-duplicates stays a name of keep-newest, for the scripts written with it.
    EXPECT_EQ(wouldDelete(args({"--mark", "all-duplicates"})), wouldDelete(args({"--mark", "keep-newest"})));
    EXPECT_NE(wouldDelete(args({"--mark", "keep-newest"})), wouldDelete(args({"--mark", "keep-oldest"})));

    // The export of marked rows takes the session's marks when no rule is given.
    const QString exported = tree.path(QStringLiteral("marked.csv"));
    ASSERT_EQ(
        cli(tree, load + QStringList{QStringLiteral("--export"), exported, QStringLiteral("--export-rows=marked")})
            .exitCode,
        0);
    EXPECT_EQ(TempTree::contents(exported).count("\r\n"), 3) << TempTree::contents(exported).constData();
}

TEST(CorvinaCliActions, MarkingByFolderKeepsTheGroupsWholeAndInTheirOrder)
{
    TempTree tree;
    const QString root = tree.path(QStringLiteral("s"));
    // Sorted by folder, the two groups would interleave: a/p, b/q, m/q, z/p.
    tree.file(QStringLiteral("s/z/p"), "ppppp", kTime);
    tree.file(QStringLiteral("s/a/p"), "ppppp", kTime.addSecs(60));
    tree.file(QStringLiteral("s/m/q"), "qqqqqq", kTime);
    tree.file(QStringLiteral("s/b/q"), "qqqqqq", kTime.addSecs(60));
    const QString byFolder = QStringLiteral("--mark=in:") + tree.path(QStringLiteral("s/z"));
    const QString plain = tree.path(QStringLiteral("plain.cvf"));
    const QString marked = tree.path(QStringLiteral("marked.cvf"));

    const Outcome before =
        cli(tree, QStringList{QStringLiteral("--format=groups"), QStringLiteral("--save"), plain, root});
    ASSERT_EQ(before.exitCode, 0) << before.err.constData();
    ASSERT_EQ(before.out.count('\n'), 2) << before.out.constData();
    for (const char *format : {"--format=groups", "--format=json", "--format=text"})
    {
        SCOPED_TRACE(format);
        const Outcome after = cli(tree, QStringList{QString::fromLatin1(format), byFolder, root});
        EXPECT_EQ(after.exitCode, 0) << after.err.constData();
        QByteArray shown = after.out;
        shown.replace("\"marked\":true,", "").replace("\"marked\":false,", "").replace("\n* ", "\n  ");
        EXPECT_EQ(shown, cli(tree, QStringList{QString::fromLatin1(format), root}).out);
    }

    // The saved session lists the rows as the search did; only the mark is added.
    ASSERT_EQ(cli(tree, QStringList{byFolder, QStringLiteral("--save"), marked, root}).exitCode, 0);
    QByteArray saved = TempTree::contents(marked);
    EXPECT_EQ(saved.count("?*\r\n"), 1) << saved.constData();
    saved.replace("?*\r\n", "\r\n");
    EXPECT_EQ(saved, TempTree::contents(plain));
}
