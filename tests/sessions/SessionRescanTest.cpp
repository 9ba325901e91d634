// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionTestSupport.h"
#include "engine/ScanPipeline.h"
#include "results/RowAnchors.h"
#include "sessions/DelimitedExport.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"
#include "support/PictureScenes.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace
{
QStringList names(const ResultModel &rows)
{
    QStringList out;
    for (const ResultRow &r : rows.rows())
        out << r.column(ResultRow::ColName) + u'@' + r.column(ResultRow::ColGroup);
    return out;
}
} // namespace

TEST(SessionRescan, SavedRowsAreComparedAgainAndOnlyConfirmedGroupsAreListed)
{
    TempTree t;
    const QByteArray same(3000, 'x');
    QByteArray other = same;
    other[2999] = 'y';
    t.file(QStringLiteral("a"), same);
    t.file(QStringLiteral("sub/b"), same);
    t.file(QStringLiteral("c"), other);
    t.file(QStringLiteral("e"), "12345");
    t.file(QStringLiteral("f"), "12345");

    // The rows as a scan listed them; since then c changed and f vanished.
    SessionState saved;
    saved.filesPanel = QStringLiteral("Files : 9");
    saved.foldersPanel = QStringLiteral("Folders : 2");
    saved.duplicateCount = 3;
    saved.duplicateSize = 6005;
    ResultModel rows;
    loadScanned(rows, {{t.folder(), "a", 3000, 1},
                       {t.folder("sub"), "b", 3000, 1},
                       {t.folder(), "c", 3000, 1},
                       {t.folder(), "e", 5, 2},
                       {t.folder(), "f", 5, 2}});
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), saved, rows, false, errors));
    QFile::remove(t.path("f"));

    SessionState state;
    ResultModel back;
    TestSink sink;
    std::vector<int> progress;
    SessionFile::LoadHooks hooks;
    hooks.progress.setValue = [&](int v) { progress.push_back(v); };
    const SessionLoadReport report =
        SessionFile::openCorvinaFile(t.path("s.cvf"), true, false, state, back, sink, hooks);
    EXPECT_TRUE(report.result);
    EXPECT_TRUE(report.rescanned);
    EXPECT_EQ(names(back), (QStringList{"a@1", "b@1"}));
    EXPECT_EQ(state.duplicateCount, 1);
    EXPECT_EQ(state.duplicateSize, 3000);
    EXPECT_EQ(report.status.panel1, QStringLiteral("Search Completed."));
    EXPECT_EQ(report.status.panel2, QStringLiteral("Duplicate Files: 1  Size: 2.93 KB"));
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5}));

    // Without ReScan the saved rows come back as they were.
    ResultModel plain;
    const SessionLoadReport asSaved = SessionFile::openCorvinaFile(t.path("s.cvf"), false, false, state, plain, sink);
    EXPECT_TRUE(asSaved.result);
    EXPECT_EQ(names(plain), (QStringList{"a@1", "b@1", "c@1", "e@2", "f@2"}));
}

TEST(SessionRescan, RowsSavedInAnyOrderAreComparedInSizeOrderWithTheirSizesNow)
{
    TempTree t;
    // Six groups of two copies, each group its own size; the list is saved sorted by name, so
    // that no two copies stand next to each other.
    std::vector<ScannedFile> files;
    for (int g = 0; g < 6; ++g)
    {
        const QByteArray content(100 + g, static_cast<char>('a' + g));
        for (const char *copy : {"1", "2"})
        {
            const QString name = QStringLiteral("%1-%2").arg(QLatin1String(copy)).arg(g);
            t.file(name, content);
            files.push_back({t.folder(), name, content.size(), g % 2 + 1});
        }
    }
    // Two files that were no copies when saved and are now, at a size neither had.
    t.file(QStringLiteral("grew-a"), "x");
    t.file(QStringLiteral("grew-b"), "yy");
    files.push_back({t.folder(), QStringLiteral("grew-a"), 1, 1});
    files.push_back({t.folder(), QStringLiteral("grew-b"), 2, 1});
    ResultModel rows;
    loadScanned(rows, files);
    rows.sortByColumn(ResultRow::ColName, true);
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), SessionState{}, rows, false, errors));
    t.file(QStringLiteral("grew-a"), QByteArray(500, 'z'));
    t.file(QStringLiteral("grew-b"), QByteArray(500, 'z'));

    SessionState state;
    ResultModel back;
    TestSink sink;
    const SessionLoadReport report = SessionFile::openCorvinaFile(t.path("s.cvf"), true, false, state, back, sink);
    ASSERT_TRUE(report.result);
    EXPECT_EQ(back.groupTotal(), 7);
    EXPECT_EQ(state.duplicateCount, 7);
    EXPECT_EQ(report.status.panel1, QStringLiteral("Search Completed."));
    for (const ResultRow &r : back.rows())
    {
        if (r.name().startsWith(QStringLiteral("grew")))
        {
            EXPECT_EQ(r.size, 500) << "the size the file has now";
        }
    }
}

TEST(SessionRescan, ASimilarPicturesListKeepsItsLevelAndIsFoundAgainByLikeness)
{
    using PictureScenes::Copy;
    TempTree t;
    const QImage beach = PictureScenes::scene(5, 480);
    t.file(QStringLiteral("Camera/beach.jpg"), PictureScenes::encode(beach, Copy::Original, 5));
    t.file(QStringLiteral("Shared/beach.png"), PictureScenes::encode(beach, Copy::Png, 5));
    t.file(QStringLiteral("Shared/beach small.jpg"), PictureScenes::encode(beach, Copy::Half, 5));
    t.file(QStringLiteral("Camera/forest.jpg"), PictureScenes::encode(PictureScenes::scene(6, 480), Copy::Original, 6));

    SessionState saved;
    saved.options.engine = ScanOptions::Pictures;
    saved.options.similarity = PictureLevel::Loose;
    saved.filesPanel = QStringLiteral("Files : 4");
    saved.foldersPanel = QStringLiteral("Folders : 3");
    saved.duplicateCount = 2;
    saved.duplicateSize = 123456;
    SearchLocation root;
    root.folder = t.root();
    root.mask = QStringLiteral("All files(*.*)");
    saved.locations.append(root);
    ResultModel rows;
    TestSink sink;
    ScanPipeline(sink, rows).run(saved.locations, saved.options);
    ASSERT_EQ(rows.size(), 3);
    for (int r = 0; r < rows.size(); ++r)
        rows.setMarked(r, rows.row(r).name() == QStringLiteral("beach small.jpg"));
    ScriptedErrorReporter errors;
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("s.cvf"), saved, rows, false, errors));
    const QByteArray bytes = readBytes(t.path("s.cvf"));
    EXPECT_TRUE(bytes.startsWith("6,")) << bytes.constData();

    // Read as saved and written again, it is the same file, level and sizes in pixels included.
    SessionState state;
    ResultModel back;
    ASSERT_TRUE(SessionFile::openCorvinaFile(t.path("s.cvf"), false, false, state, back, sink).result);
    EXPECT_EQ(state.options.similarity, PictureLevel::Loose);
    EXPECT_EQ(allColumns(back), allColumns(rows));
    ASSERT_TRUE(SessionFile::writeSessionFile(t.path("again.cvf"), state, back, false, errors));
    EXPECT_EQ(readBytes(t.path("again.cvf")), bytes);

    // An export names the column by what it holds.
    EXPECT_TRUE(DelimitedExport::text(back, QStringLiteral(","), ExportChoice(back, ExportRows::All))
                    .startsWith(QStringLiteral("File Name,Size(Bytes),Last Modified,Dimensions,Group,Path")));

    // Re-Scan decodes the pictures again and groups them at the saved level; a picture replaced
    // by another scene since leaves the group, and the marks stay with their files.
    t.file(QStringLiteral("Shared/beach.png"), PictureScenes::encode(PictureScenes::scene(7, 480), Copy::Png, 7));
    ResultModel rescanned;
    const SessionLoadReport report = SessionFile::openCorvinaFile(t.path("s.cvf"), true, false, state, rescanned, sink);
    EXPECT_TRUE(report.rescanned);
    QStringList listed;
    for (const ResultRow &r : rescanned.rows())
        listed << r.name() + (r.marked ? QStringLiteral("*") : QString());
    EXPECT_EQ(listed, (QStringList{"beach.jpg", "beach small.jpg*"})) << "the largest picture first";
    EXPECT_EQ(rescanned.anchors().origin.kind, ListKind::SimilarPictures);
    EXPECT_EQ(rescanned.anchors().origin.pictureLevel, PictureLevel::Loose);
}
