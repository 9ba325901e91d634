// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GetFilesLib.h"
#include "ScanFixture.h"
#include "core/RaisedError.h"
#include "platform/NativePath.h"
#include "platform/SystemFolders.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
struct Location
{
    Location(QString f) : folder(std::move(f)) {}

    QString folder;
    QString subFolders = QStringLiteral("Yes");
    QString mask = QStringLiteral("All files(*.*)");
    QString minKb = QStringLiteral("0");
    QString maxKb;
};

struct Walk
{
    std::vector<FileRecord> files; // as the walk recorded them, in its order
    std::vector<ScanTotals> totals;

    QStringList names() const
    {
        QStringList n;
        for (const FileRecord &r : files)
            n.append(r.name);
        n.sort();
        return n;
    }
    QStringList paths(const TempTree &tree) const
    {
        QStringList p;
        for (const FileRecord &r : files)
            p.append(r.fullPath().mid(tree.root().size() + 1));
        p.sort();
        return p;
    }
    qint32 folders() const
    {
        qint32 n = 0;
        for (const ScanTotals &t : totals)
            n += t.folderCount;
        return n;
    }
};

Walk walk(TestSink &sink, ScanOptions options, const std::vector<Location> &locations,
          const QString &excludeList = QString(), int listingWorkers = GetFilesLib::defaultListingWorkers())
{
    ScanContext ctx(sink, options);
    Walk w;
    GetFilesLib lib(ctx, ctx.files, listingWorkers);
    lib.setExcludeList(excludeList);
    for (Location l : locations)
        w.totals.push_back(lib.enumerateLocation(l.folder, l.subFolders, l.mask, l.minKb, l.maxKb));
    for (FileList::Index i = 0; i < ctx.files.count(); ++i)
        w.files.push_back(ctx.files.record(i));
    return w;
}

Walk walk(ScanOptions options, const std::vector<Location> &locations, const QString &excludeList = QString())
{
    TestSink sink;
    return walk(sink, options, locations, excludeList);
}

ScanOptions withHidden()
{
    ScanOptions o;
    o.includeHidden = true;
    return o;
}

qsizetype openCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList l;
    for (const char *i : items)
        l.append(QString::fromUtf8(i));
    return l;
}
} // namespace

TEST(Walk, RecordsOnlyRegularFilesAndNeverFollowsLinks)
{
    TempTree tree;
    tree.file(QStringLiteral("a.txt"), "alpha");
    tree.file(QStringLiteral("sub/b.txt"), "beta");
    tree.symlink(tree.root(), QStringLiteral("sub/loop"));                        // a folder link back to the root
    tree.symlink(tree.path(QStringLiteral("a.txt")), QStringLiteral("link.txt")); // a link to a file
    tree.symlink(tree.path(QStringLiteral("gone")), QStringLiteral("dangling"));
    tree.fifo(QStringLiteral("pipe"));

    const Walk w = walk(ScanOptions{}, {{tree.root()}});
    EXPECT_EQ(w.paths(tree), list({"a.txt", "sub/b.txt"}));
    EXPECT_EQ(w.folders(), 1);
    EXPECT_EQ(w.totals[0].fileCount, 2);
    EXPECT_EQ(w.totals[0].totalSize, 9);
    for (const FileRecord &r : w.files)
    {
        EXPECT_TRUE(r.folder.endsWith(u'/'));
        EXPECT_EQ(r.size, QFile(r.fullPath()).size());
    }
}

TEST(Walk, OddNamesSurviveExactlyAndKeepTheirFields)
{
    TempTree tree;
    tree.file(QStringLiteral("what?.txt"), "q");
    tree.file(QStringLiteral("a,b.txt"), "c");
    tree.file(QStringLiteral("line\nbreak.txt"), "n");
    tree.file(QStringLiteral("dir?,x/inner.txt"), "i");
    const QByteArray raw = tree.rawFile(QStringLiteral("latin"), QByteArray("caf\xe9.txt"), "l");

    const Walk w = walk(ScanOptions{}, {{tree.root()}});
    EXPECT_EQ(w.paths(tree), QStringList({QStringLiteral("a,b.txt"), QStringLiteral("dir?,x/inner.txt"),
                                          QStringLiteral("latin/caf") + QChar(char16_t(0xDCE9)) + u".txt",
                                          QStringLiteral("line\nbreak.txt"), QStringLiteral("what?.txt")}));
    for (const FileRecord &r : w.files)
    {
        struct stat st;
        EXPECT_EQ(0, ::lstat(NativePath::encode(r.fullPath()).constData(), &st)) << r.fullPath().toStdString();
        EXPECT_EQ(r.fields(RecordOrder::SizeFirst)[1], r.name);
        EXPECT_EQ(r.fields(RecordOrder::SizeFirst)[2], r.folder);
        if (NativePath::hasEscapedBytes(r.name))
        {
            EXPECT_EQ(NativePath::encode(r.fullPath()), raw);
        }
    }
    ::unlink(raw.constData()); // the temporary folder's clean-up cannot name it
}

TEST(Walk, UnreadableFoldersAreSkippedSilently)
{
    TempTree tree;
    tree.file(QStringLiteral("open/a.txt"), "a");
    tree.file(QStringLiteral("closed/b.txt"), "b");
    ASSERT_EQ(0, ::chmod(NativePath::encode(tree.path(QStringLiteral("closed"))).constData(), 0));

    TestSink sink; // expects no error report
    const Walk w = walk(sink, ScanOptions{}, {{tree.root()}});
    ::chmod(NativePath::encode(tree.path(QStringLiteral("closed"))).constData(), 0700);
    EXPECT_TRUE(w.names().contains(QStringLiteral("a.txt")));
    if (::geteuid() != 0) // permissions do not stop the superuser
    {
        EXPECT_FALSE(w.names().contains(QStringLiteral("b.txt")));
    }
    EXPECT_TRUE(sink.reporter.reports().empty());
}

TEST(Walk, MissingLocationRecordsNothing)
{
    TempTree tree;
    const Walk w = walk(ScanOptions{}, {{tree.path(QStringLiteral("nowhere"))}});
    EXPECT_TRUE(w.files.empty());
    EXPECT_EQ(w.totals[0].folderCount, 0);
}

TEST(Walk, MasksTestTheExtensionAsText)
{
    TempTree tree;
    for (const char *name : {"A.JPG", "a.jpeg", "a.jp", "b.gif", "noext", "c.txt"})
        tree.file(QString::fromLatin1(name), "x");
    const struct
    {
        const char *mask;
        QStringList names;
    } cases[] = {
        {"*.jpg;*.gif", list({"A.JPG", "a.jp", "b.gif"})},
        {"Pictures(*.jpg *.gif)", list({"A.JPG", "a.jp", "b.gif"})},
        {"All files(*.*)", list({"A.JPG", "a.jp", "a.jpeg", "b.gif", "c.txt", "noext"})},
        {"*.*", list({"A.JPG", "a.jp", "a.jpeg", "b.gif", "c.txt", "noext"})},
    };
    for (const auto &c : cases)
    {
        Location l{tree.root()};
        l.mask = QString::fromLatin1(c.mask);
        EXPECT_EQ(walk(ScanOptions{}, {l}).names(), c.names) << c.mask;
    }
}

TEST(Walk, SizeLimitsAreWholeKilobytesAndZeroBytesBelongToTheZeroEngine)
{
    TempTree tree;
    for (const qint64 size : {0, 1, 1023, 1024, 2048, 2049, 5000})
    {
        tree.fileOfSize(QStringLiteral("f%1").arg(size), size);
        tree.fileOfSize(QStringLiteral("again/f%1").arg(size), size);
    }
    const struct
    {
        int engine;
        const char *minKb;
        const char *maxKb;
        QStringList names;
    } cases[] = {
        {ScanOptions::ByteToByte, "1", "2", list({"f1024", "f2048"})},
        {ScanOptions::ByteToByte, "0", "", list({"f1", "f1023", "f1024", "f2048", "f2049", "f5000"})},
        {ScanOptions::ByteToByte, "abc", " ", list({"f1", "f1023", "f1024", "f2048", "f2049", "f5000"})},
        {ScanOptions::Crc32, "2.5", "", list({"f2048", "f2049", "f5000"})}, // 2.5 rounds to 2
        {ScanOptions::SameName, "0", "1", list({"f1", "f1023", "f1024"})},
        {ScanOptions::ZeroSize, "1", "2", list({"f0"})},
    };
    for (const auto &c : cases)
    {
        ScanOptions o;
        o.engine = c.engine;
        Location l{tree.root()};
        l.subFolders = QStringLiteral("No");
        l.minKb = QString::fromLatin1(c.minKb);
        l.maxKb = QString::fromLatin1(c.maxKb);
        EXPECT_EQ(walk(o, {l}).names(), c.names) << c.engine << " " << c.minKb << ".." << c.maxKb;
    }

    // A location without a maximum after one with a maximum has none.
    Location limited{tree.root()};
    limited.subFolders = QStringLiteral("No");
    limited.maxKb = QStringLiteral("1");
    Location open{tree.path(QStringLiteral("again"))};
    EXPECT_EQ(walk(ScanOptions{}, {limited, open}).totals[1].fileCount, 6);
}

TEST(Walk, LimitsThatCannotBeConvertedFailBeforeTheWalk)
{
    TempTree tree;
    tree.file(QStringLiteral("a"), "a");
    TestSink sink;
    ScanContext ctx(sink);
    FileList files;
    GetFilesLib lib(ctx, files);
    QString folder = tree.root();
    try
    {
        lib.enumerateLocation(folder, QStringLiteral("Yes"), QStringLiteral("*.*"), QStringLiteral("0"),
                              QStringLiteral("lots"));
        FAIL() << "no error";
    }
    catch (const RaisedError &e)
    {
        EXPECT_EQ(e.number(), RaisedError::TypeMismatch);
    }
    EXPECT_THROW(
        lib.enumerateLocation(folder, QStringLiteral("Yes"), QStringLiteral("*.*"), QStringLiteral("1e300"), QString()),
        RaisedError);
    EXPECT_TRUE(files.empty());
    EXPECT_EQ(folder, tree.folder()); // the trailing "/" was added to the caller's text
}

TEST(Walk, LargeFilesKeepTheirTrueSize)
{
    TempTree tree;
    QFile big(tree.path(QStringLiteral("big.bin")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    if (!big.resize(3221225472LL)) // sparse: takes no space where the file system allows it
        GTEST_SKIP() << "no sparse 3 GiB file here";
    big.close();
    const Walk w = walk(ScanOptions{}, {{tree.root()}});
    ASSERT_EQ(w.files.size(), 1u);
    EXPECT_EQ(w.files[0].size, 3221225472LL);
    EXPECT_EQ(w.files[0].sizeKey(), QStringLiteral("003221225472"));
    EXPECT_EQ(w.totals[0].totalSize, 3221225472LL);
}

TEST(Walk, ExclusionsAreWholeFolders)
{
    TempTree tree;
    tree.file(QStringLiteral("top.txt"), "t");
    tree.file(QStringLiteral("Old/a.txt"), "a");
    tree.file(QStringLiteral("Old/deep/b.txt"), "b");
    tree.file(QStringLiteral("Old/Keep/c.txt"), "c");
    tree.file(QStringLiteral("Older/d.txt"), "d");

    // Compared without regard to case, with or without the trailing "/".
    const QStringList excludes{tree.path(QStringLiteral("Old")) + u';', tree.path(QStringLiteral("old/")) + u';'};
    for (const QString &exclude : excludes)
    {
        const Walk w = walk(ScanOptions{}, {{tree.root()}}, exclude);
        EXPECT_EQ(w.paths(tree), list({"Older/d.txt", "top.txt"})) << exclude.toStdString();
    }
    // A location that starts below an excluded folder is walked.
    const Walk below =
        walk(ScanOptions{}, {{tree.path(QStringLiteral("Old/Keep"))}}, tree.path(QStringLiteral("Old")) + u';');
    EXPECT_EQ(below.paths(tree), list({"Old/Keep/c.txt"}));

    TestSink sink;
    ScanContext ctx(sink);
    FileList files;
    GetFilesLib lib(ctx, files);
    lib.setExcludeList(QStringLiteral("/srv/Old;/tmp/x;"));
    EXPECT_TRUE(lib.isFolderExcluded(QStringLiteral("/srv/old/")));
    EXPECT_TRUE(lib.isFolderExcluded(QStringLiteral("/tmp/x/")));
    EXPECT_FALSE(lib.isFolderExcluded(QStringLiteral("/srv/Old/sub/")));
    EXPECT_FALSE(lib.isFolderExcluded(QStringLiteral("/srv/")));
}

TEST(Walk, HiddenFoldersAndFilesOnlyWhenIncluded)
{
    TempTree tree;
    tree.file(QStringLiteral("seen.txt"), "s");
    tree.file(QStringLiteral(".hidden.txt"), "h");
    tree.file(QStringLiteral(".cache/inside.txt"), "i");
    tree.file(QStringLiteral("plain/x.txt"), "x");

    const Walk without = walk(ScanOptions{}, {{tree.root()}});
    EXPECT_EQ(without.paths(tree), list({"plain/x.txt", "seen.txt"}));
    EXPECT_EQ(without.folders(), 1);

    const Walk with = walk(withHidden(), {{tree.root()}});
    EXPECT_EQ(with.paths(tree), list({".cache/inside.txt", ".hidden.txt", "plain/x.txt", "seen.txt"}));
    EXPECT_EQ(with.folders(), 2);

    // A location chosen inside a hidden folder is walked.
    EXPECT_EQ(walk(ScanOptions{}, {{tree.path(QStringLiteral(".cache"))}}).names(), list({"inside.txt"}));
}

TEST(Walk, SubFoldersOnlyWhenAskedFor)
{
    TempTree tree;
    tree.file(QStringLiteral("a.txt"), "a");
    tree.file(QStringLiteral("sub/b.txt"), "b");
    Location l{tree.root()};
    l.subFolders = QStringLiteral("No");
    const Walk w = walk(ScanOptions{}, {l});
    EXPECT_EQ(w.names(), list({"a.txt"}));
    EXPECT_EQ(w.folders(), 0);
}

TEST(Walk, ProtectedSystemFoldersAreTheFolderAndEverythingInside)
{
    const struct
    {
        const char *path;
        bool isProtected;
    } cases[] = {
        {"/usr", true},         {"/usr/", true},       {"/usr/bin/ls", true},
        {"/etc/passwd", true},  {"/var/log/", true},   {"/lib64/x.so", true},
        {"/proc/1/", true},     {"/snap/core/", true}, {"/usr.old/a", false},
        {"/home/usr/a", false}, {"/", false},          {"/home/u/etc/", false},
        {"/libx/a", false},     {"/tmp/a.txt", false}, {"/boot/vmlinuz", true},
        {"/srv/", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SystemFolders::isProtected(QString::fromLatin1(c.path)), c.isProtected) << c.path;

    EXPECT_TRUE(SystemFolders::holdsProtected(QStringLiteral("/")));
    EXPECT_FALSE(SystemFolders::holdsProtected(QStringLiteral("/home/")));
    EXPECT_FALSE(SystemFolders::holdsProtected(QStringLiteral("/usr/")));

    // A location inside a protected folder records nothing while protection is on.
    ScanOptions unprotected;
    unprotected.protect = false;
    Location etc{QStringLiteral("/etc")};
    etc.subFolders = QStringLiteral("No");
    EXPECT_TRUE(walk(ScanOptions{}, {etc}).files.empty());
    if (QFile::exists(QStringLiteral("/etc/passwd")))
    {
        EXPECT_FALSE(walk(unprotected, {etc}).files.empty());
    }
}

TEST(Walk, EachFileIsRecordedOnceThroughOverlapsAndHardLinks)
{
    TempTree tree;
    tree.file(QStringLiteral("top.txt"), "t");
    tree.file(QStringLiteral("sub/a.txt"), "a");
    tree.file(QStringLiteral("sub/b.txt"), "b");
    ASSERT_EQ(0, ::link(NativePath::encode(tree.path(QStringLiteral("sub/a.txt"))).constData(),
                        NativePath::encode(tree.path(QStringLiteral("hard.txt"))).constData()));

    const Walk w = walk(ScanOptions{}, {{tree.root()}, {tree.path(QStringLiteral("sub"))}});
    EXPECT_EQ(w.files.size(), 3u);
    EXPECT_EQ(w.totals[0].fileCount, 3);
    EXPECT_EQ(w.totals[1].fileCount, 0);
    EXPECT_EQ(w.totals[1].totalSize, 0);
    QStringList names = w.names();
    EXPECT_EQ(names.size(), 3);
    EXPECT_TRUE(names.contains(QStringLiteral("top.txt")));
    EXPECT_TRUE(names.contains(QStringLiteral("b.txt")));
    EXPECT_NE(names.contains(QStringLiteral("a.txt")), names.contains(QStringLiteral("hard.txt")));

    // The inner location first, then the outer one: the inner files are not recorded again.
    const Walk reversed = walk(ScanOptions{}, {{tree.path(QStringLiteral("sub"))}, {tree.root()}});
    EXPECT_EQ(reversed.files.size(), 3u);
    EXPECT_EQ(reversed.totals[0].fileCount, 2);
    EXPECT_EQ(reversed.totals[1].fileCount, 1);
}

TEST(Walk, CancelEndsEveryFolderAtItsNextEntry)
{
    TempTree tree;
    for (int i = 0; i < 20; ++i)
        tree.file(QStringLiteral("d%1/f.txt").arg(i), "x");
    TestSink sink;
    sink.go = [](int call) { return call < 5; };
    ScanContext ctx(sink);
    FileList files;
    GetFilesLib lib(ctx, files);
    QString folder = tree.root();
    const ScanTotals t =
        lib.enumerateLocation(folder, QStringLiteral("Yes"), QStringLiteral("*.*"), QStringLiteral("0"), QString());
    EXPECT_TRUE(ctx.cancelSearch);
    EXPECT_LT(t.folderCount, 20);
    EXPECT_EQ(sink.keepGoingCalls, 5); // no step is asked after the cancel
}

TEST(Walk, ProgressNamesTheFolderBeingWalked)
{
    TempTree tree;
    for (int i = 0; i < 60; ++i)
        tree.file(QStringLiteral("d%1/f.txt").arg(i), "x");
    TestSink sink;
    walk(sink, ScanOptions{}, {{tree.root()}});
    ASSERT_FALSE(sink.statuses.isEmpty());
    for (const QString &s : sink.statuses)
        EXPECT_EQ(s, QStringLiteral("Scanning... ") + tree.folder());

    TestSink minimized;
    minimized.isMinimized = true;
    walk(minimized, ScanOptions{}, {{tree.root()}});
    ASSERT_FALSE(minimized.captions.isEmpty());
    EXPECT_TRUE(minimized.statuses.isEmpty());
    for (const QString &c : minimized.captions)
    {
        EXPECT_TRUE(c.startsWith(QStringLiteral("Scanning... ") + tree.folder().left(3) + QStringLiteral(".../d")))
            << c.toStdString();
        EXPECT_TRUE(c.endsWith(u'/'));
    }
}

TEST(Walk, RecordsCarryTheLocalDate)
{
    TempTree tree;
    tree.file(QStringLiteral("old.txt"), "o", QDateTime(QDate(2004, 3, 7), QTime(21, 5, 3)));
    const Walk w = walk(ScanOptions{}, {{tree.root()}});
    ASSERT_EQ(w.files.size(), 1u);
    EXPECT_EQ(w.files[0].date(), QStringLiteral("3/7/2004 9:05:03 PM"));
}

TEST(Walk, ListingAheadOnOtherThreadsChangesNothing)
{
    // Deep and wide folders, hidden ones, links to folders, an excluded folder and a FIFO: the
    // records, their order, the counts and the progress are those of listing every folder in turn.
    TempTree tree;
    QRandomGenerator rng(3);
    QStringList folders{QString()};
    for (int f = 0; f < 300; ++f)
    {
        const QString parent = folders[static_cast<qsizetype>(rng.bounded(static_cast<quint32>(folders.size())))];
        const QString name = (rng.bounded(8) == 0 ? QStringLiteral(".h") : QStringLiteral("d")) + QString::number(f);
        folders << parent + name + u'/';
        tree.dir(folders.last());
        for (quint32 k = rng.bounded(4); k > 0; --k)
            tree.file(folders.last() + QStringLiteral("f%1-%2.txt").arg(f).arg(k),
                      QByteArray(static_cast<int>(k), 'x'));
        if (rng.bounded(20) == 0)
            tree.symlink(tree.root(), folders.last() + QStringLiteral("up"));
    }
    tree.fifo(QStringLiteral("pipe"));
    const QString excluded = tree.path(folders[5]);
    const qsizetype openBefore = openCount();
    for (bool hidden : {false, true})
    {
        ScanOptions options;
        options.includeHidden = hidden;
        TestSink alone, ahead;
        const Walk one = walk(alone, options, {{tree.root()}}, excluded, 0);
        const Walk many = walk(ahead, options, {{tree.root()}}, excluded, 3);
        ASSERT_EQ(one.files.size(), many.files.size()) << hidden;
        for (size_t i = 0; i < one.files.size(); ++i)
        {
            EXPECT_EQ(one.files[i].fullPath(), many.files[i].fullPath()) << i;
            EXPECT_EQ(one.files[i].size, many.files[i].size) << i;
        }
        EXPECT_EQ(one.folders(), many.folders()) << hidden;
        EXPECT_EQ(alone.statuses, ahead.statuses) << hidden;
        EXPECT_EQ(alone.keepGoingCalls, ahead.keepGoingCalls) << hidden;
    }
    EXPECT_EQ(openCount(), openBefore) << "every folder held open for its sub-folders is closed";
}

TEST(Walk, TheByteSearchKeepsAHashOfEachSmallFilesBytes)
{
    TempTree tree;
    tree.file(QStringLiteral("a"), "alpha");
    tree.file(QStringLiteral("sub/b"), "alpha");
    tree.fileOfSize(QStringLiteral("sub/large"), 5000, 'x');
    ScanOptions crc;
    crc.engine = ScanOptions::Crc32;
    for (const int workers : {0, 2})
    {
        for (const ScanOptions &options : {ScanOptions{}, crc})
        {
            TestSink sink;
            ScanContext ctx(sink, options);
            GetFilesLib lib(ctx, ctx.files, workers);
            QString folder = tree.root();
            lib.enumerateLocation(folder, QStringLiteral("Yes"), QStringLiteral("*.*"), QStringLiteral("0"), QString());
            ASSERT_EQ(ctx.files.count(), 3);
            for (FileList::Index i = 0; i < ctx.files.count(); ++i)
            {
                const std::optional<quint64> hash = ctx.listedHashes.find(i);
                const bool expected = options.engine == ScanOptions::ByteToByte && ctx.files.name(i) != u"large";
                EXPECT_EQ(hash.has_value(), expected) << ctx.files.name(i).toString().toStdString() << workers;
                if (hash && expected)
                {
                    EXPECT_EQ(*hash, DirectoryListing::contentHash("alpha", 5));
                }
            }
            lib.truncate(0);
            EXPECT_TRUE(ctx.listedHashes.empty());
        }
    }
}
