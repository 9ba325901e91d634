// SPDX-License-Identifier: GPL-3.0-or-later
// The guard before a file goes, driven directly: a marked file and an unmarked copy of it as a
// search listed them, then each way the disk can have moved on since, and the verdict that
// follows.
#include "actions/RemovalGuard.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

using Verdict = RemovalGuard::Verdict;

// Found by GoogleTest through the enum's class, so it must not sit in an unnamed namespace.
static void PrintTo(Verdict verdict, std::ostream *os)
{
    const char *name = "?";
    switch (verdict)
    {
    case Verdict::Proceed:
        name = "Proceed";
        break;
    case Verdict::Gone:
        name = "Gone";
        break;
    case Verdict::Changed:
        name = "Changed";
        break;
    case Verdict::Untraced:
        name = "Untraced";
        break;
    case Verdict::Reference:
        name = "Reference";
        break;
    case Verdict::FolderChanged:
        name = "FolderChanged";
        break;
    case Verdict::NoCopyLeft:
        name = "NoCopyLeft";
        break;
    case Verdict::ContentsDiffer:
        name = "ContentsDiffer";
        break;
    case Verdict::NotEmpty:
        name = "NotEmpty";
        break;
    case Verdict::NameDiffers:
        name = "NameDiffers";
        break;
    case Verdict::NotSimilar:
        name = "NotSimilar";
        break;
    case Verdict::OnlyReferenceCopy:
        name = "OnlyReferenceCopy";
        break;
    }
    *os << "Verdict::" << name;
}

namespace
{
const QDateTime kScanned(QDate(2022, 6, 7), QTime(8, 9, 10), Qt::UTC);
const QString kMarked = QStringLiteral("a/x.txt");
const QString kKept = QStringLiteral("b/x.txt");
// Larger than one block of the comparison (1 MiB), so that it pulses between blocks.
constexpr qint64 kTwoBlocks = (qint64{2} << 20) + 1;

// A marked file (row 0) and an unmarked copy of it (row 1), as a search listed them.
struct Scene
{
    TempTree tree;
    std::vector<ResultRow> rows;

    QString marked() const { return tree.path(kMarked); }
    QString kept() const { return tree.path(kKept); }
};

struct Case
{
    const char *what;
    ListKind kind = ListKind::SameContents;
    QByteArray markedBytes = "the same bytes";
    QByteArray keptBytes = "the same bytes";
    const char *keptName = "b/x.txt";
    // Changes before the list is anchored: to its rows, as a session file could make them, or to
    // the files the search saw.
    std::function<void(Scene &)> rows = {};
    // What happens on the disk after the search.
    std::function<void(Scene &)> meanwhile = {};
    // What happens while the files are compared, once.
    std::function<void(Scene &)> duringComparison = {};
    std::set<qint32> acknowledged = {};
    RemovalGuard::Keeper keeper = RemovalGuard::Keeper::AnyUnmarked;
    QStringList locations = {QStringLiteral("/")};
    Verdict verdict = Verdict::Proceed;
};

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

void moveAside(const QString &from, const QString &to)
{
    ASSERT_TRUE(QFile::rename(from, to)) << from.toStdString();
}

qint64 changeTime(const QString &path)
{
    struct stat st = {};
    EXPECT_EQ(::lstat(encoded(path).constData(), &st), 0);
    return qint64{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
}

// The first byte written again in place, with the file's time put back: only the status-change
// time tells. The clock that stamps it may tick coarsely, so the time is put back until it moved.
void rewriteInPlace(Scene &s, const QString &rel, char first)
{
    const QString path = s.tree.path(rel);
    const qint64 before = changeTime(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_EQ(f.write(&first, 1), 1);
    f.close();
    s.tree.setMtime(rel, kScanned);
    while (changeTime(path) == before)
    {
        ::usleep(1000);
        s.tree.setMtime(rel, kScanned);
    }
}

std::vector<Case> cases()
{
    const QByteArray big(kTwoBlocks, 'z');
    QByteArray fewAlike(10000, 'a');
    fewAlike.replace(0, 6000, QByteArray(6000, 'b')); // 4 of 10 blocks equal to all-'a'
    return {
        {.what = "nothing changed"},

        // The marked file itself.
        {.what = "the marked file is gone",
         .meanwhile = [](Scene &s) { ASSERT_TRUE(QFile::remove(s.marked())); },
         .verdict = Verdict::Gone},
        {.what = "the marked file got another size, its time put back",
         .meanwhile = [](Scene &s) { s.tree.file(kMarked, "the same bytes!", kScanned); },
         .verdict = Verdict::Changed},
        {.what = "the marked file was touched",
         .meanwhile = [](Scene &s) { s.tree.setMtime(kMarked, kScanned.addSecs(60)); },
         .verdict = Verdict::Changed},
        {.what = "the marked file was replaced by another of the same size and time",
         .meanwhile =
             [](Scene &s) {
                 // The old file stays aside, so that its inode number is not given out again.
                 moveAside(s.marked(), s.marked() + QStringLiteral(".old"));
                 s.tree.file(kMarked, "the same bytes", kScanned);
             },
         .verdict = Verdict::Changed},
        {.what = "the marked file was replaced by a link to where it went",
         .meanwhile =
             [](Scene &s) {
                 moveAside(s.marked(), s.tree.path(QStringLiteral("a/real.txt")));
                 s.tree.symlink(s.tree.path(QStringLiteral("a/real.txt")), kMarked);
             },
         .verdict = Verdict::Changed},
        {.what = "the row is outside every search location",
         .locations = {QStringLiteral("/nowhere-searched/")},
         .verdict = Verdict::Untraced},
        {.what = "the row did not agree with its file when the list was made: the file changed since",
         .rows = [](Scene &s) { s.rows[0].size += 1; },
         .verdict = Verdict::Changed},
        {.what = "the row's date is a text no file's date reproduces",
         .rows = [](Scene &s) { s.rows[0].stamp = 0; },
         .verdict = Verdict::Untraced},
        {.what = "the marked file is in a reference location",
         .rows = [](Scene &s) { s.rows[0].reference = true; },
         .verdict = Verdict::Reference},
        {.what = "its folder was replaced by another holding the same file",
         .meanwhile =
             [](Scene &s) {
                 moveAside(s.tree.path(QStringLiteral("a")), s.tree.path(QStringLiteral("a-old")));
                 s.tree.file(kMarked, "the same bytes", kScanned);
             },
         .verdict = Verdict::FolderChanged},
        {.what = "its folder was replaced by a link to where it went",
         .meanwhile =
             [](Scene &s) {
                 moveAside(s.tree.path(QStringLiteral("a")), s.tree.path(QStringLiteral("a-old")));
                 s.tree.symlink(s.tree.path(QStringLiteral("a-old")), QStringLiteral("a"));
             },
         .verdict = Verdict::FolderChanged},
        {.what = "its folder is gone",
         .meanwhile = [](Scene &s) { ASSERT_TRUE(QDir(s.tree.path(QStringLiteral("a"))).removeRecursively()); },
         .verdict = Verdict::FolderChanged},

        // The copy that would be left.
        {.what = "the copy is gone",
         .meanwhile = [](Scene &s) { ASSERT_TRUE(QFile::remove(s.kept())); },
         .verdict = Verdict::NoCopyLeft},
        {.what = "the copy was touched, its bytes still the same",
         .meanwhile = [](Scene &s) { s.tree.setMtime(kKept, kScanned.addSecs(60)); },
         .verdict = Verdict::NoCopyLeft},
        {.what = "the copy is marked too",
         .rows = [](Scene &s) { s.rows[1].marked = true; },
         .verdict = Verdict::NoCopyLeft},
        {.what = "the copy is a second name of the marked file",
         .rows =
             [](Scene &s) {
                 ASSERT_TRUE(QFile::remove(s.kept()));
                 ASSERT_EQ(::link(encoded(s.marked()).constData(), encoded(s.kept()).constData()), 0);
                 s.rows[1] = scannedRow(s.kept(), 1);
             },
         .verdict = Verdict::NoCopyLeft},
        {.what = "the files are in no group",
         .rows =
             [](Scene &s) {
                 for (ResultRow &r : s.rows)
                     r.group = r.sortGroup = 0;
             },
         .verdict = Verdict::NoCopyLeft},
        {.what = "the copy holds other bytes of the same size",
         .keptBytes = "the SAME bytes",
         .verdict = Verdict::ContentsDiffer},
        {.what = "the copy was rewritten in place, its size and time put back",
         .meanwhile = [](Scene &s) { rewriteInPlace(s, kKept, 'T'); },
         .verdict = Verdict::ContentsDiffer},
        {.what = "the copy changed while it was compared",
         .markedBytes = big,
         .keptBytes = big,
         .duringComparison = [](Scene &s) { rewriteInPlace(s, kKept, 'Z'); },
         .verdict = Verdict::NoCopyLeft},
        {.what = "the marked file changed while it was compared",
         .markedBytes = big,
         .keptBytes = big,
         .duringComparison = [](Scene &s) { s.tree.file(kMarked, "gone short"); },
         .verdict = Verdict::Changed},
        {.what = "a link would go to the only copy, in a reference location",
         .rows = [](Scene &s) { s.rows[1].reference = true; },
         .keeper = RemovalGuard::Keeper::NotReference,
         .verdict = Verdict::OnlyReferenceCopy},
        {.what = "a delete may leave the only copy in a reference location",
         .rows = [](Scene &s) { s.rows[1].reference = true; }},
        {.what = "the user chose to act on the whole group",
         .meanwhile = [](Scene &s) { ASSERT_TRUE(QFile::remove(s.kept())); },
         .acknowledged = {1}},
        {.what = "an empty file needs no copy",
         .markedBytes = "",
         .keptBytes = "",
         .meanwhile = [](Scene &s) { ASSERT_TRUE(QFile::remove(s.kept())); }},

        // The premise of the kind of list, proved on the disk.
        {.what = "the empty-files listing names a file that holds bytes",
         .kind = ListKind::ZeroSize,
         .markedBytes = "now full",
         .rows =
             [](Scene &s) {
                 for (ResultRow &r : s.rows)
                     r.group = r.sortGroup = 0;
             },
         .verdict = Verdict::NotEmpty},
        {.what = "the empty-files listing names an empty file",
         .kind = ListKind::ZeroSize,
         .markedBytes = "",
         .keptBytes = "",
         .rows =
             [](Scene &s) {
                 for (ResultRow &r : s.rows)
                     r.group = r.sortGroup = 0;
             },
         .meanwhile = [](Scene &s) { ASSERT_TRUE(QFile::remove(s.kept())); }},
        {.what = "a same-name list whose copy has another name",
         .kind = ListKind::SameName,
         .keptName = "b/y.txt",
         .verdict = Verdict::NameDiffers},
        {.what = "a same-name list whose copy differs in letter case only",
         .kind = ListKind::SameName,
         .keptBytes = "other bytes",
         .keptName = "b/X.TXT"},
        {.what = "a fuzzy list whose copy is too little alike",
         .kind = ListKind::SimilarContents,
         .markedBytes = QByteArray(10000, 'a'),
         .keptBytes = fewAlike,
         .verdict = Verdict::NotSimilar},
        {.what = "a fuzzy list whose copy is hidden",
         .kind = ListKind::SimilarContents,
         .markedBytes = QByteArray(10000, 'a'),
         .keptBytes = QByteArray(10000, 'a'),
         .keptName = "b/.x.txt",
         .verdict = Verdict::NotSimilar},
    };
}
} // namespace

TEST(RemovalGuard, EachWayAFileCanFailItsProofHasItsVerdict)
{
    for (const Case &c : cases())
    {
        SCOPED_TRACE(c.what);
        Scene s;
        const QString keptPath = s.tree.path(QString::fromLatin1(c.keptName));
        s.tree.file(kMarked, c.markedBytes, kScanned);
        s.tree.file(QString::fromLatin1(c.keptName), c.keptBytes, kScanned);
        const qint32 group = c.kind == ListKind::ZeroSize ? 0 : 1;
        s.rows = {scannedRow(s.marked(), group, true), scannedRow(keptPath, group)};
        if (c.rows)
            c.rows(s);
        ResultModel model;
        model.setGroupedRows(s.rows);
        anchorRows(model, {c.kind, false}, c.locations);
        if (c.meanwhile)
            c.meanwhile(s);

        const RemovalGuard guard(model, c.acknowledged);
        bool changed = false;
        const auto pulse = [&] {
            if (c.duringComparison && !changed)
            {
                c.duringComparison(s);
                changed = true;
            }
        };
        const RemovalGuard::Check check = guard.check(0, pulse, c.keeper);
        EXPECT_EQ(check.verdict, c.verdict);
        if (c.duringComparison)
        {
            EXPECT_TRUE(changed) << "the files are compared block by block";
        }
        if (check.verdict == Verdict::Proceed)
        {
            EXPECT_EQ(check.file.path, s.marked());
            EXPECT_TRUE(AnchoredFiles::unchanged(check.file));
        }
    }
}

TEST(RemovalGuard, TheCopyThatProvesAFileIsNamed)
{
    TempTree tree;
    const QString marked = tree.file(kMarked, "bytes", kScanned);
    const QString other = tree.file(QStringLiteral("b/other.txt"), "BYTES", kScanned);
    const QString kept = tree.file(kKept, "bytes", kScanned);
    ResultModel model;
    loadRows(model, {scannedRow(marked, 1, true), scannedRow(other, 1), scannedRow(kept, 1)});

    const RemovalGuard::Check check = RemovalGuard(model).check(0);
    ASSERT_EQ(check.verdict, Verdict::Proceed);
    EXPECT_EQ(check.kept.path, kept);
    EXPECT_TRUE(AnchoredFiles::unchanged(check.kept));
}

TEST(RemovalGuard, IdentifyingAFileAsksForNoCopy)
{
    TempTree tree;
    const QString marked = tree.file(kMarked, "bytes", kScanned);
    const QString kept = tree.file(kKept, "bytes", kScanned);
    std::vector<ResultRow> rows{scannedRow(marked, 1, true), scannedRow(kept, 1)};
    rows[1].reference = true;
    ResultModel model;
    loadRows(model, rows);
    // Another file of the same bytes and time takes the copy's name; the copy stays aside, so that
    // its inode number is not given out again.
    moveAside(kept, kept + QStringLiteral(".old"));
    tree.file(kKept, "bytes", kScanned);
    const RemovalGuard guard(model);

    EXPECT_EQ(guard.identify(0).verdict, Verdict::Proceed);
    EXPECT_EQ(guard.identifyForRemoval(0).verdict, Verdict::Proceed);
    EXPECT_EQ(guard.check(0).verdict, Verdict::NoCopyLeft);
    EXPECT_EQ(guard.identify(1).verdict, Verdict::Changed);
    EXPECT_EQ(guard.identifyForRemoval(1).verdict, Verdict::Reference);
}
