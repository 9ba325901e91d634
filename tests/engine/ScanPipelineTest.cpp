// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScanPipeline.h"

#include "ScanFixture.h"
#include "core/TextFormat.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"
#include "support/MarkingTranslator.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The sink of a scan whose too-many-files question is answered by a script.
class PipelineSink : public TestSink
{
public:
    std::function<bool(qint32)> answerTooMany = [](qint32) { return true; };
    std::vector<qint32> askedTooMany;

    bool confirmTooManyFiles(qint32 totalFiles) override
    {
        askedTooMany.push_back(totalFiles);
        return answerTooMany(totalFiles);
    }
};

SearchLocation location(const QString &folder, const QString &maxKb = QString())
{
    SearchLocation l;
    l.folder = folder;
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("0");
    l.maxSize = maxKb;
    return l;
}

SearchLocation exclusion(const QString &folder)
{
    SearchLocation l;
    l.folder = folder;
    l.icon = SearchLocation::ExcludedIcon;
    return l;
}

SearchLocationList locations(std::initializer_list<SearchLocation> rows)
{
    SearchLocationList list;
    for (const SearchLocation &l : rows)
        list.append(l);
    return list;
}

ScanOptions engine(int e)
{
    ScanOptions o;
    o.engine = e;
    return o;
}

// The result rows as "group: path" lines.
QStringList rows(const ResultModel &model)
{
    QStringList out;
    for (const ResultRow &r : model.rows())
        out << r.column(ResultRow::ColGroup) + u": " + r.fullPath();
    return out;
}
} // namespace

TEST(ScanPipeline, OnlyExcludedRowsCompleteWithNothingFound)
{
    TempTree tree;
    tree.file(QStringLiteral("a.txt"), "a");
    PipelineSink sink;
    ResultModel model;
    const ScanSummary s = ScanPipeline(sink, model).run(locations({exclusion(tree.root())}), ScanOptions{});
    EXPECT_EQ(s.activity, QStringLiteral("Search Completed."));
    EXPECT_EQ(s.duplicates, QStringLiteral("Duplicate Files: 0  Size: 0 Bytes"));
    EXPECT_EQ(s.files, QStringLiteral("Files : 0"));
    EXPECT_EQ(s.folders, QStringLiteral("Folders : 0"));
    EXPECT_EQ(s.listing, ScanSummary::Listing::None);
    EXPECT_TRUE(model.isEmpty());
}

TEST(ScanPipeline, ByteToByteFindsTheCopiesOnce)
{
    TempTree tree;
    tree.file(QStringLiteral("a/photo.jpg"), QByteArray(1500, 'p'));
    tree.file(QStringLiteral("b/copy.jpg"), QByteArray(1500, 'p'));
    tree.file(QStringLiteral("b/other.jpg"), QByteArray(1500, 'q'));
    tree.file(QStringLiteral("c/lonely.txt"), "l");
    tree.file(QStringLiteral("b/x/third.jpg"), QByteArray(1500, 'p'));
    tree.symlink(tree.path(QStringLiteral("a/photo.jpg")), QStringLiteral("c/link.jpg"));
    tree.symlink(tree.root(), QStringLiteral("c/loop"));
    tree.fifo(QStringLiteral("c/pipe.jpg"));

    PipelineSink sink;
    ResultModel model;
    // Overlapping locations: b is inside the root.
    const ScanSummary s = ScanPipeline(sink, model)
                              .run(locations({location(tree.root()), location(tree.path(QStringLiteral("b")))}),
                                   engine(ScanOptions::ByteToByte));
    EXPECT_EQ(rows(model), QStringList({u"1: " + tree.path(QStringLiteral("b/copy.jpg")),
                                        u"1: " + tree.path(QStringLiteral("a/photo.jpg")),
                                        u"1: " + tree.path(QStringLiteral("b/x/third.jpg"))}));
    EXPECT_EQ(s.totalFiles, 5);
    EXPECT_EQ(s.totalFolders, 4); // a, b, b/x, c from the root; b/x again from b counts no more
    EXPECT_EQ(s.duplicateCount, 2);
    EXPECT_EQ(s.duplicateSize, 3000);
    EXPECT_EQ(s.activity, QStringLiteral("Search Completed."));
    EXPECT_EQ(s.duplicates, QStringLiteral("Duplicate Files: 2  Size: 2.93 KB"));
    EXPECT_EQ(s.files, QStringLiteral("Files : 5"));
    EXPECT_EQ(s.folders, QStringLiteral("Folders : 4"));
    EXPECT_EQ(s.listing, ScanSummary::Listing::Groups);
    EXPECT_TRUE(sink.statuses.contains(QStringLiteral("Starting search engine, please wait...")));
    EXPECT_TRUE(sink.askedTooMany.empty());
}

TEST(ScanPipeline, FilesThatVanishOrCannotBeReadNeverMatch)
{
    TempTree tree;
    for (const char *name : {"a.bin", "b.bin", "gone.bin", "locked.bin"})
        tree.file(QString::fromLatin1(name), QByteArray(2500, 'z'));
    PipelineSink sink;
    sink.answerTooMany = [&](qint32) {
        // Between the walk and the comparison.
        QFile::remove(tree.path(QStringLiteral("gone.bin")));
        ::chmod(QFile::encodeName(tree.path(QStringLiteral("locked.bin"))).constData(), 0);
        return true;
    };
    ResultModel model;
    ScanPipeline pipeline(sink, model);
    pipeline.setTooManyFilesLimit(3);
    for (const int e : {ScanOptions::ByteToByte, ScanOptions::Crc32})
    {
        model.clear();
        tree.file(QStringLiteral("gone.bin"), QByteArray(2500, 'z'));
        ::chmod(QFile::encodeName(tree.path(QStringLiteral("locked.bin"))).constData(), 0600);
        const ScanSummary s = pipeline.run(locations({location(tree.root())}), engine(e));
        QStringList expected{u"1: " + tree.path(QStringLiteral("a.bin")), u"1: " + tree.path(QStringLiteral("b.bin"))};
        QStringList unreadable{tree.path(QStringLiteral("locked.bin"))};
        if (::geteuid() == 0) // the superuser reads the locked file anyway
        {
            expected << u"1: " + tree.path(QStringLiteral("locked.bin"));
            unreadable.clear();
        }
        EXPECT_EQ(rows(model), expected) << e;
        // The locked file is counted as unread; the one that went away was nobody's to read.
        EXPECT_EQ(s.unreadableFiles, unreadable) << e;
    }
    ::chmod(QFile::encodeName(tree.path(QStringLiteral("locked.bin"))).constData(), 0600);
}

TEST(ScanPipeline, SameNameGroupsEveryCopyOfAName)
{
    TempTree tree;
    tree.fileOfSize(QStringLiteral("one/report.doc"), 300);
    tree.fileOfSize(QStringLiteral("two/report.doc"), 100);
    tree.fileOfSize(QStringLiteral("three/Report.DOC"), 200);
    tree.fileOfSize(QStringLiteral("three/unique.doc"), 100);
    PipelineSink sink;
    ResultModel model;
    const ScanSummary s =
        ScanPipeline(sink, model).run(locations({location(tree.root())}), engine(ScanOptions::SameName));
    EXPECT_EQ(rows(model), QStringList({u"1: " + tree.path(QStringLiteral("two/report.doc")),
                                        u"1: " + tree.path(QStringLiteral("three/Report.DOC")),
                                        u"1: " + tree.path(QStringLiteral("one/report.doc"))}));
    EXPECT_EQ(s.duplicateCount, 2);
    EXPECT_EQ(s.duplicateSize, 500);
    EXPECT_EQ(s.duplicates, QStringLiteral("Duplicate Files: 2  Size: 500 Bytes"));
    EXPECT_EQ(s.listing, ScanSummary::Listing::Groups);
}

TEST(ScanPipeline, ZeroSizeListsEmptyFilesWithoutDuplicates)
{
    TempTree tree;
    tree.file(QStringLiteral("a/empty1"), QByteArray());
    tree.file(QStringLiteral("b/empty2.log"), QByteArray());
    tree.file(QStringLiteral("b/full.log"), "x");
    PipelineSink sink;
    ResultModel model;
    const ScanSummary s =
        ScanPipeline(sink, model).run(locations({location(tree.root())}), engine(ScanOptions::ZeroSize));
    EXPECT_EQ(rows(model), QStringList({u"N/A: " + tree.path(QStringLiteral("a/empty1")),
                                        u"N/A: " + tree.path(QStringLiteral("b/empty2.log"))}));
    EXPECT_EQ(s.totalFiles, 2);
    EXPECT_EQ(s.duplicates, QStringLiteral("Duplicate Files: 0  Size: 0 Bytes"));
    EXPECT_EQ(s.listing, ScanSummary::Listing::ZeroSize);
}

TEST(ScanPipeline, CancelDuringTheWalkRunsNoEngine)
{
    TempTree tree;
    for (int i = 0; i < 10; ++i)
        tree.file(QStringLiteral("d%1/same.txt").arg(i), "same");
    PipelineSink sink;
    sink.go = [](int call) { return call < 6; };
    ResultModel model;
    const ScanSummary s = ScanPipeline(sink, model)
                              .run(locations({location(tree.root()), location(tree.path(QStringLiteral("d1")))}),
                                   engine(ScanOptions::ByteToByte));
    EXPECT_TRUE(s.cancelSearch);
    EXPECT_EQ(s.activity, QStringLiteral("Search Terminated."));
    EXPECT_EQ(s.listing, ScanSummary::Listing::None);
    EXPECT_TRUE(model.isEmpty());
    EXPECT_FALSE(sink.statuses.contains(QStringLiteral("Starting search engine, please wait...")));
}

TEST(ScanPipeline, ManyFilesAskFirstAndADeclineCompletesWithTheWalkCounts)
{
    TempTree tree;
    for (int i = 0; i < 4; ++i)
        tree.file(QStringLiteral("f%1.txt").arg(i), "same");
    ResultModel model;

    PipelineSink exact;
    ScanPipeline atLimit(exact, model);
    atLimit.setTooManyFilesLimit(4);
    atLimit.run(locations({location(tree.root())}), ScanOptions{});
    EXPECT_TRUE(exact.askedTooMany.empty()); // exactly the limit does not ask
    EXPECT_EQ(model.size(), 4);

    model.clear();
    PipelineSink declining;
    declining.answerTooMany = [](qint32) { return false; };
    ScanPipeline pipeline(declining, model);
    pipeline.setTooManyFilesLimit(3);
    const ScanSummary s = pipeline.run(locations({location(tree.root())}), ScanOptions{});
    EXPECT_EQ(declining.askedTooMany, std::vector<qint32>{4});
    EXPECT_EQ(s.activity, QStringLiteral("Search Completed."));
    EXPECT_EQ(s.files, QStringLiteral("Files : 4"));
    EXPECT_EQ(s.listing, ScanSummary::Listing::None);
    EXPECT_TRUE(model.isEmpty());

    EXPECT_EQ(ScanPipeline::DefaultTooManyFiles, 100000);
}

TEST(ScanPipeline, AMaximumThatIsNotANumberIsReportedAndAbortEndsTheScan)
{
    TempTree tree;
    tree.file(QStringLiteral("a.txt"), "a");
    PipelineSink sink;
    sink.reporter.expect(ErrorChoice::Retry).expect(ErrorChoice::Abort);
    ResultModel model;
    const ScanSummary s =
        ScanPipeline(sink, model).run(locations({location(tree.root(), QStringLiteral("lots"))}), ScanOptions{});
    ASSERT_EQ(sink.reporter.reports().size(), 2u);
    EXPECT_EQ(sink.reporter.reports()[0].label, QStringLiteral("Scanning"));
    EXPECT_EQ(sink.reporter.reports()[0].number, 13);
    EXPECT_TRUE(s.cancelSearch);
    EXPECT_EQ(s.activity, QStringLiteral("Search Terminated."));
    EXPECT_EQ(s.files, QStringLiteral("Files : 0"));
}

TEST(ScanPipeline, ProgressCountsTheWalkThenTheBytesCompared)
{
    TempTree tree;
    constexpr qint64 Big = 3 << 20; // read in many blocks
    for (const char *name : {"a/movie.mkv", "b/movie.mkv", "c/movie copy.mkv"})
        tree.fileOfSize(QString::fromLatin1(name), Big, 'm');
    tree.fileOfSize(QStringLiteral("a/other.mkv"), Big, 'o');
    tree.fileOfSize(QStringLiteral("a/pair1.txt"), 2000, 'p');
    tree.fileOfSize(QStringLiteral("b/pair2.txt"), 2000, 'q'); // same size, other bytes
    tree.fileOfSize(QStringLiteral("c/alone.txt"), 5000, 'x');
    for (const int e : {ScanOptions::ByteToByte, ScanOptions::Crc32})
    {
        PipelineSink sink;
        ResultModel model;
        const ScanSummary s = ScanPipeline(sink, model).run(locations({location(tree.root())}), engine(e));
        std::vector<ScanProgress> walk;
        std::vector<ScanProgress> compare;
        for (const ScanProgress &p : sink.progressShown)
            (p.stage == ScanProgress::Stage::Walk ? walk : compare).push_back(p);
        ASSERT_FALSE(walk.empty()) << e;
        ASSERT_FALSE(compare.empty()) << e;
        for (size_t i = 1; i < walk.size(); ++i)
            EXPECT_LE(walk[i - 1].files, walk[i].files) << e << " at " << i;
        EXPECT_EQ(walk.back().files, s.totalFiles) << e;
        EXPECT_EQ(walk.back().folders, s.totalFolders) << e;
        // Every file that has another of its size, whole, however early a difference shows.
        const qint64 total = 4 * Big + 2 * 2000;
        for (const ScanProgress &p : compare)
        {
            EXPECT_EQ(p.total, total) << e;
            EXPECT_EQ(p.unit, ScanProgress::Unit::Bytes) << e;
        }
        for (size_t i = 1; i < compare.size(); ++i)
            EXPECT_LE(compare[i - 1].done, compare[i].done) << e << " at " << i;
        EXPECT_EQ(compare.back().done, total) << e;
        EXPECT_EQ(model.size(), 3) << e;
    }
}

TEST(ScanPipeline, LocationsLeftOutAreNamedWithTheirReason)
{
    TempTree tree;
    tree.file(QStringLiteral("here/a.txt"), "a");
    tree.file(QStringLiteral("here/closed/b.txt"), "b");
    ::chmod(QFile::encodeName(tree.path(QStringLiteral("here/closed"))).constData(), 0);
    tree.dir(QStringLiteral("shut"));
    ::chmod(QFile::encodeName(tree.path(QStringLiteral("shut"))).constData(), 0);
    const QString missing = tree.path(QStringLiteral("unplugged"));
    PipelineSink sink;
    ResultModel model;
    const ScanSummary s =
        ScanPipeline(sink, model)
            .run(locations({location(tree.path(QStringLiteral("here"))), location(missing),
                            location(QStringLiteral("/usr/share/doc")), location(tree.path(QStringLiteral("shut")))}),
                 ScanOptions{});
    for (const char *folder : {"here/closed", "shut"})
        ::chmod(QFile::encodeName(tree.path(QString::fromLatin1(folder))).constData(), 0700);
    EXPECT_EQ(s.activity, QStringLiteral("Search Completed."));
    std::vector<std::pair<QString, SkippedLocation::Reason>> skipped;
    for (const SkippedLocation &l : s.skipped)
        skipped.emplace_back(l.folder, l.reason);
    std::vector<std::pair<QString, SkippedLocation::Reason>> expected{
        {missing, SkippedLocation::Reason::Missing},
        {QStringLiteral("/usr/share/doc"), SkippedLocation::Reason::Protected}};
    if (::geteuid() != 0) // permissions do not stop the superuser
        expected.emplace_back(tree.path(QStringLiteral("shut")), SkippedLocation::Reason::Unreadable);
    EXPECT_EQ(skipped, expected);
    if (::geteuid() == 0)
        return;
    EXPECT_EQ(s.unreadableFolders, QStringList{tree.path(QStringLiteral("here/closed/"))});
    EXPECT_EQ(s.notice(), u'"' + missing +
                              QStringLiteral("\" was not searched: no such folder. "
                                             "\"/usr/share/doc\" was not searched: it is a system "
                                             "folder, left out by \"Protect System Folders\". \"") +
                              tree.path(QStringLiteral("shut")) +
                              QStringLiteral("\" was not searched: it could not be read. 1 folder could not be read."));
}

// The window and corvina-cli show the activity, the notice and the progress in the user's
// language; the texts of panels 2 to 4 are the English ones session files and the HTML report keep.
TEST(ScanPipeline, StatusTextsFollowTheTranslatorButTheKeptPanelTextsDoNot)
{
    TempTree tree;
    tree.file(QStringLiteral("a/x.txt"), "same");
    tree.file(QStringLiteral("b/x.txt"), "same");
    const QString missing = tree.path(QStringLiteral("missing"));
    const MarkedTexts translated;
    for (const int e : {ScanOptions::ByteToByte, ScanOptions::SameName})
    {
        PipelineSink sink;
        ResultModel model;
        const ScanSummary s =
            ScanPipeline(sink, model).run(locations({location(tree.root()), location(missing)}), engine(e));
        EXPECT_EQ(s.activity, QStringLiteral("[tr] Search Completed."));
        EXPECT_EQ(s.duplicates, QStringLiteral("Duplicate Files: 1  Size: 4 Bytes"));
        EXPECT_EQ(s.files, QStringLiteral("Files : 2"));
        EXPECT_EQ(s.folders, QStringLiteral("Folders : 2"));
        EXPECT_EQ(s.notice(), QStringLiteral("[tr] \"%1\" was not searched: no such folder.").arg(missing));
        EXPECT_TRUE(sink.statuses.contains(QStringLiteral("[tr] Starting search engine, please wait...")));
    }
}
