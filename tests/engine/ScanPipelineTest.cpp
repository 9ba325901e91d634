#include "engine/ScanPipeline.h"

#include "ScanFixture.h"
#include "core/TextFormat.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"
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
    EXPECT_EQ(s.TotalFiles, 5);
    EXPECT_EQ(s.TotalFolders, 4); // a, b, b/x, c from the root; b/x again from b counts no more
    EXPECT_EQ(s.DuplicateCount, 2);
    EXPECT_EQ(s.DuplicateSize, 3000);
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
        pipeline.run(locations({location(tree.root())}), engine(e));
        QStringList expected{u"1: " + tree.path(QStringLiteral("a.bin")), u"1: " + tree.path(QStringLiteral("b.bin"))};
        if (::geteuid() == 0) // the superuser reads the locked file anyway
            expected << u"1: " + tree.path(QStringLiteral("locked.bin"));
        EXPECT_EQ(rows(model), expected) << e;
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
    EXPECT_EQ(s.DuplicateCount, 2);
    EXPECT_EQ(s.DuplicateSize, 500);
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
    EXPECT_EQ(s.TotalFiles, 2);
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
    EXPECT_TRUE(s.CancelSearch);
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
    EXPECT_EQ(ScanPipeline::tooManyFilesMessage(100001),
              QStringLiteral("You are about to scan a collection of too many files, total 100001 files.  "));
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
    EXPECT_TRUE(s.CancelSearch);
    EXPECT_EQ(s.activity, QStringLiteral("Search Terminated."));
    EXPECT_EQ(s.files, QStringLiteral("Files : 0"));
}
