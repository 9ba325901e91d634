// SPDX-License-Identifier: GPL-3.0-or-later
// The proof before a file goes, against someone who knows how it works: questions that wait,
// session files that claim a kind of list, originals reached through links and mounts, one file
// seen twice, and links that would merge what belongs to two people.
#include "../engine/ScanFixture.h"
#include "actions/DeleteMarkedRows.h"
#include "actions/LinkMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "actions/SingleFileActions.h"
#include "engine/ScanPipeline.h"
#include "platform/PictureHash.h"
#include "search/SearchLocation.h"
#include "support/PictureScenes.h"
#include "support/ScratchFileSystem.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"

#include "ActionTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const QDateTime kScanned(QDate(2021, 3, 4), QTime(5, 6, 7), Qt::UTC);

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

struct stat statOf(const QString &path)
{
    struct stat st = {};
    EXPECT_EQ(::lstat(encoded(path).constData(), &st), 0) << path.toStdString();
    return st;
}

// Deletes the marked files for good, with no question, and returns the refusals.
std::vector<ActionError> deleteMarked(const ResultModel &model)
{
    const RemovalGuard guard(model);
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    DeleteOptions options;
    options.sendToTrash = false;
    options.removeEmptyFolders = false;
    EXPECT_TRUE(DeleteMarkedRows(model, guard, prompter, reporter).run(options, progress));
    return progress.errors;
}

std::vector<ActionError> linkMarked(const ResultModel &model, FileTransfer::LinkKind kind)
{
    const RemovalGuard guard(model);
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    LinkRunResult result;
    EXPECT_TRUE(LinkMarkedRows(model, guard, reporter).run(kind, progress, result));
    return progress.errors;
}

SearchLocation location(const QString &folder, bool reference = false)
{
    SearchLocation l;
    l.folder = folder;
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("0");
    l.icon = reference ? SearchLocation::ReferenceIcon : SearchLocation::IncludedIcon;
    return l;
}

// A search of the locations by content, as the Scan command runs it.
void scan(ResultModel &model, const std::vector<SearchLocation> &locations)
{
    SearchLocationList list;
    for (const SearchLocation &l : locations)
        list.append(l);
    ScanOptions options;
    options.engine = ScanOptions::ByteToByte;
    TestSink sink;
    ScanPipeline(sink, model).run(list, options);
}

int rowOf(const ResultModel &model, const QString &path)
{
    for (int r = 0; r < model.size(); ++r)
    {
        if (model.row(r).fullPath() == path)
            return r;
    }
    return -1;
}

bool root()
{
    return ::geteuid() == 0;
}

// A bind or overlay mount for the life of the object; invalid where this process may not mount.
class Mount
{
public:
    Mount(const char *source, const QString &target, const char *type, unsigned long flags, const char *data)
        : m_target(encoded(target))
    {
        QDir().mkpath(target);
        m_mounted = ::mount(source, m_target.constData(), type, flags, data) == 0;
    }
    ~Mount()
    {
        if (m_mounted)
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    Mount(const Mount &) = delete;
    Mount &operator=(const Mount &) = delete;
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_target;
    bool m_mounted = false;
};
} // namespace

TEST(ProofAtTheAct, TheWholeProofRunsAfterTheQuestionIsAnswered)
{
    TempTree tree;
    ResultModel model;
    const QString marked = tree.file(QStringLiteral("a/x.txt"), "same bytes", kScanned);
    const QString kept = tree.file(QStringLiteral("b/x.txt"), "same bytes", kScanned);
    loadRows(model, {scannedRow(marked, 1, true), scannedRow(kept, 1)});
    const RemovalGuard guard(model);
    ScriptedPrompter prompter;
    // While "Are you sure ...?" waits, the kept copy is rewritten with its size and time put back.
    prompter.expectMessage(QStringLiteral("Confirm"),
                           QStringLiteral("Are you sure you want to delete \"x.txt\" permanently?"), PromptAnswer::Yes,
                           [&] { tree.file(QStringLiteral("b/x.txt"), "SAME BYTES", kScanned); });
    ScriptedErrorReporter reporter;
    RecordingProgress progress;
    DeleteOptions options;
    options.sendToTrash = false;
    options.respondYesToAll = false;
    options.removeEmptyFolders = false;

    ASSERT_TRUE(DeleteMarkedRows(model, guard, prompter, reporter).run(options, progress));
    EXPECT_EQ(TempTree::contents(marked), "same bytes");
    EXPECT_EQ(progress.errors, std::vector<ActionError>{ActionError::contentsDiffer(marked)});
}

TEST(ProofAtTheAct, RenameLooksForTheFileAfterTheNameIsTyped)
{
    TempTree tree;
    ResultModel model;
    const QString path = tree.file(QStringLiteral("a/x.txt"), "one", kScanned);
    loadRows(model, {scannedRow(path, 1), scannedRow(tree.file(QStringLiteral("b/x.txt"), "one", kScanned), 1)});
    FakeDesktop desktop;
    ScriptedPrompter prompter;
    // While the name is typed, another file of the same size and time takes the place of the
    // listed one (which is kept aside, so that its inode number is not used again).
    prompter.expectInput(QStringLiteral("Rename"), QStringLiteral("y.txt"), [&] {
        ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".old")));
        tree.file(QStringLiteral("a/x.txt"), "two", kScanned);
    });
    prompter.expectMessage(QStringLiteral("Error"),
                           QStringLiteral("Cannot rename \"x.txt\".\nFile changed since the search"), PromptAnswer::Ok);
    SingleFileActions(model, prompter, desktop).renameFile(0);
    EXPECT_EQ(TempTree::contents(path), "two");
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("a/y.txt"))));
    EXPECT_EQ(model.row(0).name(), QStringLiteral("x.txt"));
}

TEST(ProofAtTheAct, RenameNeverFollowsAFolderSwappedForALink)
{
    TempTree tree;
    ResultModel model;
    const QString path = tree.file(QStringLiteral("a/x.txt"), "one", kScanned);
    loadRows(model, {scannedRow(path, 1), scannedRow(tree.file(QStringLiteral("b/x.txt"), "one", kScanned), 1)});
    // After the search a/ becomes a link to a folder that holds a file of the same name.
    const QString elsewhere = tree.file(QStringLiteral("elsewhere/x.txt"), "one", kScanned);
    ASSERT_TRUE(QDir(tree.root()).rename(QStringLiteral("a"), QStringLiteral("a-old")));
    tree.symlink(tree.path(QStringLiteral("elsewhere")), QStringLiteral("a"));
    FakeDesktop desktop;
    ScriptedPrompter prompter;
    prompter.expectInput(QStringLiteral("Rename"), QStringLiteral("y.txt"));
    prompter.expectMessage(QStringLiteral("Error"),
                           QStringLiteral("Cannot rename \"x.txt\".\nFolder changed since the search"),
                           PromptAnswer::Ok);
    SingleFileActions(model, prompter, desktop).renameFile(0);
    EXPECT_TRUE(QFileInfo::exists(elsewhere));
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("elsewhere/y.txt"))));
}

TEST(ProofAtTheAct, EveryKindOfListIsProvedOnTheDiskWhateverItsFileClaims)
{
    struct Case
    {
        const char *what;
        ListKind kind;
        QByteArray marked, kept;
        const char *keptName;
        const char *refusal; // "" when the marked file goes
    };
    QByteArray half(10000, 'a');
    half.replace(0, 5000, QByteArray(5000, 'b')); // 5 of 10 blocks equal to all-'a'
    QByteArray less(10000, 'a');
    less.replace(0, 6000, QByteArray(6000, 'b')); // 4 of 10
    const std::vector<Case> cases{
        {"an empty-files list of files with bytes", ListKind::ZeroSize, "data", "data", "x.txt", "1021"},
        {"a same-name list of two names", ListKind::SameName, "same", "same", "other.txt", "1022"},
        {"a same-name list of one name", ListKind::SameName, "one", "two", " X.TXT", ""},
        {"a fuzzy list below half", ListKind::SimilarContents, QByteArray(10000, 'a'), less, "x.txt", "1023"},
        {"a fuzzy list at half", ListKind::SimilarContents, QByteArray(10000, 'a'), half, "x.txt", ""},
        {"a fuzzy list with a hidden copy", ListKind::SimilarContents, QByteArray(10000, 'a'), QByteArray(10000, 'a'),
         ".x.txt", "1023"},
        {"an identical list of different bytes", ListKind::SameContents, "abcd", "abce", "x.txt", "1012"},
        {"a similar-pictures list of files that are no pictures", ListKind::SimilarPictures, "abcd", "abcd", "x.txt",
         "1023"},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree tree;
        ResultModel model;
        const QString marked = tree.file(QStringLiteral("a/x.txt"), c.marked, kScanned);
        const QString kept = tree.file(QStringLiteral("b/") + QString::fromLatin1(c.keptName), c.kept, kScanned);
        const qint32 group = c.kind == ListKind::ZeroSize ? 0 : 1;
        loadRows(model, {scannedRow(marked, group, true), scannedRow(kept, group)}, c.kind);
        const std::vector<ActionError> errors = deleteMarked(model);
        if (*c.refusal)
        {
            EXPECT_EQ(errors.size(), 1u);
            EXPECT_EQ(errors.empty() ? QString() : errors.front().number, QLatin1String(c.refusal));
            EXPECT_EQ(TempTree::contents(marked), c.marked);
        }
        else
        {
            EXPECT_TRUE(errors.empty());
            EXPECT_FALSE(QFileInfo::exists(marked));
        }
        EXPECT_EQ(TempTree::contents(kept), c.kept);
    }
}

TEST(ProofAtTheAct, ASimilarPictureGoesOnlyWhileAnUnmarkedOneLooksLikeItAtTheListsLevel)
{
    using PictureScenes::Copy;
    const QImage beach = PictureScenes::scene(3, 640);
    const QByteArray original = PictureScenes::encode(beach, Copy::Original, 3);
    const auto facts = [](const QByteArray &bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return PictureHash::read(buffer).value();
    };
    // A crop that only the wider levels take: what the list was found at decides.
    QByteArray cropped;
    for (quint32 seed = 1; seed < 40 && cropped.isEmpty(); ++seed)
    {
        QByteArray candidate = PictureScenes::encode(beach, Copy::Cropped, seed);
        if (!PictureHash::alike(facts(original), facts(candidate), PictureLevel::Strict) &&
            PictureHash::alike(facts(original), facts(candidate), PictureLevel::Loose))
            cropped = candidate;
    }
    ASSERT_FALSE(cropped.isEmpty()) << "no crop of the scene between the levels";
    struct Case
    {
        const char *what;
        QByteArray marked;
        PictureLevel level;
        const char *refusal; // "" when the marked picture goes
    };
    const std::vector<Case> cases{
        {"a smaller copy", PictureScenes::encode(beach, Copy::Half, 3), PictureLevel::Strict, ""},
        {"a crop, at the level that found it", cropped, PictureLevel::Loose, ""},
        {"a crop, listed at a narrower level than it needs", cropped, PictureLevel::Strict, "1023"},
        {"another scene, however the list groups it",
         PictureScenes::encode(PictureScenes::scene(4, 640), Copy::Original, 4), PictureLevel::Loose, "1023"},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree tree;
        ResultModel model;
        const QString kept = tree.file(QStringLiteral("Camera/beach.jpg"), original, kScanned);
        const QString marked = tree.file(QStringLiteral("Shared/beach.jpg"), c.marked, kScanned);
        loadRows(model, {scannedRow(kept, 1), scannedRow(marked, 1, true)}, ListKind::SimilarPictures, c.level);
        const std::vector<ActionError> errors = deleteMarked(model);
        EXPECT_EQ(errors.empty() ? QString() : errors.front().number, QLatin1String(c.refusal));
        EXPECT_EQ(QFileInfo::exists(marked), *c.refusal != 0);
        EXPECT_EQ(TempTree::contents(kept), original);
    }
}

TEST(ProofAtTheAct, AnOriginalReachedThroughALinkToItsFolderStaysAnOriginal)
{
    TempTree tree;
    const QString original = tree.file(QStringLiteral("Pictures/a.jpg"), "photo", kScanned);
    const QString copy = tree.file(QStringLiteral("Backup/a.jpg"), "photo", kScanned);
    tree.symlink(tree.path(QStringLiteral("Pictures")), QStringLiteral("Backup/pics"));
    tree.symlink(tree.path(QStringLiteral("Pictures")), QStringLiteral("Link"));
    // The originals are named through a link, and their folder is searched under its own name
    // too; in either order the walk meets them under a name that is not the reference's.
    for (const bool referenceFirst : {true, false})
    {
        SCOPED_TRACE(referenceFirst ? "reference first" : "reference last");
        ResultModel model;
        const SearchLocation reference = location(tree.path(QStringLiteral("Link")), true);
        std::vector<SearchLocation> locations{location(tree.root())};
        locations.insert(referenceFirst ? locations.begin() : locations.end(), reference);
        scan(model, locations);
        ASSERT_EQ(model.size(), 2);
        for (int r = 0; r < model.size(); ++r)
            EXPECT_EQ(model.row(r).reference, model.row(r).fullPath() != copy) << model.row(r).fullPath().toStdString();
        for (int r = 0; r < model.size(); ++r)
            model.setMarked(r, true);
        deleteMarked(model);
        EXPECT_EQ(TempTree::contents(original), "photo");
        tree.file(QStringLiteral("Backup/a.jpg"), "photo", kScanned);
    }
}

TEST(ProofAtTheAct, AnOriginalReachedThroughABindMountStaysAnOriginal)
{
    if (!root())
        GTEST_SKIP() << "bind mounts need root";
    TempTree tree;
    const QString original = tree.file(QStringLiteral("Pictures/a.jpg"), "photo", kScanned);
    tree.file(QStringLiteral("Backup/a.jpg"), "photo", kScanned);
    const Mount bind(encoded(tree.path(QStringLiteral("Pictures"))).constData(),
                     tree.path(QStringLiteral("Backup/mnt")), nullptr, MS_BIND, nullptr);
    if (!bind.mounted())
        GTEST_SKIP() << "this machine does not allow bind mounts";
    // A session lists the original under the bind mount: no walk chose its name.
    ResultModel model;
    loadRows(model, {scannedRow(tree.path(QStringLiteral("Backup/mnt/a.jpg")), 1, true),
                     scannedRow(tree.path(QStringLiteral("Backup/a.jpg")), 1)});
    SearchLocationList locations;
    locations.append(location(tree.path(QStringLiteral("Backup"))));
    locations.append(location(tree.path(QStringLiteral("Pictures")), true));
    ScanOptions options;
    anchorResults(model, locations, options, true);
    const int bound = rowOf(model, tree.path(QStringLiteral("Backup/mnt/a.jpg")));
    ASSERT_GE(bound, 0);
    EXPECT_TRUE(model.row(bound).reference);
    EXPECT_FALSE(model.row(bound).marked);
    model.setMarked(bound, true);
    EXPECT_FALSE(model.isMarked(bound));
    EXPECT_EQ(TempTree::contents(original), "photo");
}

TEST(ProofAtTheAct, AnOriginalNeverReceivesAHardLink)
{
    TempTree tree;
    const QString original = tree.file(QStringLiteral("Pictures/a.jpg"), "photo", kScanned);
    const QString copy = tree.file(QStringLiteral("Backup/a.jpg"), "photo", kScanned);
    ResultModel model;
    scan(model, {location(tree.path(QStringLiteral("Pictures")), true), location(tree.path(QStringLiteral("Backup")))});
    ASSERT_EQ(model.size(), 2);
    const struct stat before = statOf(original);
    model.setMarked(rowOf(model, copy), true);

    EXPECT_EQ(linkMarked(model, FileTransfer::LinkKind::Hard),
              std::vector<ActionError>{ActionError::onlyReferenceCopy(copy)});
    const struct stat after = statOf(original);
    EXPECT_EQ(after.st_nlink, 1u);
    EXPECT_EQ(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
    EXPECT_EQ(statOf(copy).st_nlink, 1u);
}

TEST(ProofAtTheAct, AFileSeenThroughAnOverlayIsNotItsOwnCopy)
{
    if (!root())
        GTEST_SKIP() << "overlay mounts need root";
    TempTree tree;
    const ScratchFileSystem disk(tree.path(QStringLiteral("disk")), "size=4m");
    if (!disk.mounted())
        GTEST_SKIP() << "this machine does not allow mounts";
    const QString lower = tree.file(QStringLiteral("disk/photos/a.jpg"), "the only copy", kScanned);
    // A read-only overlay wants two lower layers; the second is empty.
    tree.dir(QStringLiteral("disk/empty"));
    const QByteArray options = "lowerdir=" + encoded(tree.path(QStringLiteral("disk/photos"))) + ':' +
                               encoded(tree.path(QStringLiteral("disk/empty")));
    const Mount overlay("overlay", tree.path(QStringLiteral("view")), "overlay", MS_RDONLY, options.constData());
    if (!overlay.mounted())
        GTEST_SKIP() << "this machine does not allow overlay mounts";
    const QString seen = tree.path(QStringLiteral("view/a.jpg"));
    ASSERT_NE(statOf(seen).st_dev, statOf(lower).st_dev);
    ResultModel model;
    loadRows(model, {scannedRow(lower, 1, true), scannedRow(seen, 1)});

    EXPECT_EQ(deleteMarked(model), std::vector<ActionError>{ActionError::noCopyLeft(lower)});
    EXPECT_EQ(TempTree::contents(lower), "the only copy");
}

TEST(ProofAtTheAct, AHardLinkNeverJoinsFilesOfDifferentOwnersOrModes)
{
    struct Case
    {
        const char *what;
        bool needsRoot;
        std::function<void(const QString &)> change;
    };
    const std::vector<Case> cases{
        {"another mode", false, [](const QString &p) { ::chmod(encoded(p).constData(), 0600); }},
        {"another owner", true, [](const QString &p) { EXPECT_EQ(::chown(encoded(p).constData(), 12345, 12345), 0); }},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && !root())
            continue;
        TempTree tree;
        const QString marked = tree.file(QStringLiteral("a/x.txt"), "shared", kScanned);
        const QString kept = tree.file(QStringLiteral("b/x.txt"), "shared", kScanned);
        ::chmod(encoded(marked).constData(), 0644);
        ::chmod(encoded(kept).constData(), 0644);
        c.change(marked);
        tree.setMtime(QStringLiteral("a/x.txt"), kScanned);
        const struct stat before = statOf(marked);
        ResultModel model;
        loadRows(model, {scannedRow(marked, 1, true), scannedRow(kept, 1)});

        EXPECT_EQ(linkMarked(model, FileTransfer::LinkKind::Hard),
                  std::vector<ActionError>{ActionError::ownersDiffer(marked)});
        const struct stat after = statOf(marked);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(statOf(kept).st_nlink, 1u);
    }
}
