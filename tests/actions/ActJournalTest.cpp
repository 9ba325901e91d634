// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of Corvina's acts and the undo over it, driven directly: what is written reads back
// exactly, a damaged journal is said and acts on nothing, and an undo never follows a link.
#include "support/Located.h"
#include "support/TempTree.h"

#include "actions/ActJournal.h"
#include "actions/UndoLastAct.h"
#include "platform/FileTransfer.h"
#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
JournalAct sampleAct(int n)
{
    JournalAct act;
    act.id = QStringLiteral("act-%1").arg(n);
    act.kind = static_cast<ActKind>(n % 4);
    act.time = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addMSecs(n * 1001LL);
    JournalFile file;
    // A name that is not UTF-8 (the byte 0xE9 alone), a comma and a percent sign.
    file.from = QStringLiteral("/home/sam/caf") + QChar(0xDCE9) + QStringLiteral(",100%.jpg");
    file.fromFolder = {0xFFFFFFFFFFFFFF01ULL, 0x8000000000000002ULL};
    file.to.path = QStringLiteral("/home/sam/.local/share/Trash/files/caf") + QChar(0xDCE9) + QStringLiteral(".jpg");
    file.to.folder = {7, 9};
    file.to.status.exists = true;
    file.to.status.size = 5000000000LL + n;
    file.to.status.mtimeNs = 1733580000123456789LL;
    file.to.status.ctimeNs = -1733580000987654321LL;
    file.to.status.device = 2049;
    file.to.status.inode = 0xFEDCBA9876543210ULL;
    file.trashInfo = QStringLiteral("/home/sam/.local/share/Trash/info/x.trashinfo");
    file.settled = n % 2 == 0;
    act.files = {file, file};
    return act;
}
} // namespace

TEST(ActJournal, WhatIsWrittenReadsBackExactlyAndOnlyTheNewestActsAreKept)
{
    TempTree tree;
    const QString path = tree.path(QStringLiteral("journal.json"));
    std::vector<JournalAct> acts;
    for (int n = 0; n < ActJournal::kMaxActs + 5; ++n)
        acts.push_back(sampleAct(n));
    ASSERT_EQ(ActJournal::write(path, acts), QString());
    EXPECT_EQ(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

    const ActJournal::Contents read = ActJournal::read(path);
    EXPECT_EQ(read.error, QString());
    ASSERT_EQ(read.acts.size(), static_cast<size_t>(ActJournal::kMaxActs));
    EXPECT_EQ(ActJournal::toJson(read.acts), ActJournal::toJson(std::vector<JournalAct>(acts.begin() + 5, acts.end())));
    const JournalFile &last = read.acts.back().files.back();
    const JournalFile &wrote = acts.back().files.back();
    EXPECT_EQ(read.acts.back().id, acts.back().id);
    EXPECT_EQ(read.acts.back().time, acts.back().time);
    EXPECT_EQ(read.acts.back().kind, acts.back().kind);
    EXPECT_EQ(last.from, wrote.from);
    EXPECT_EQ(last.fromFolder, wrote.fromFolder);
    EXPECT_EQ(last.to.path, wrote.to.path);
    EXPECT_EQ(last.to.folder, wrote.to.folder);
    EXPECT_EQ(last.to.status.mtimeNs, wrote.to.status.mtimeNs);
    EXPECT_EQ(last.to.status.ctimeNs, wrote.to.status.ctimeNs);
    EXPECT_EQ(last.to.status.inode, wrote.to.status.inode);
    EXPECT_EQ(last.to.status.device, wrote.to.status.device);
    EXPECT_EQ(last.trashInfo, wrote.trashInfo);
    EXPECT_EQ(last.settled, wrote.settled);
    EXPECT_EQ(read.acts.back().bytes(), 2 * (5000000000LL + ActJournal::kMaxActs + 4));

    // No file yet: an empty journal, not a damaged one.
    const ActJournal::Contents none = ActJournal::read(tree.path(QStringLiteral("none.json")));
    EXPECT_EQ(none.error, QString());
    EXPECT_TRUE(none.acts.empty());
}

TEST(ActJournal, ADamagedJournalIsSaidAndUndoesNothing)
{
    TempTree tree;
    const QString file = tree.file(QStringLiteral("s/a.txt"), "bytes");
    const QString trash = tree.path(QStringLiteral("Trash"));
    const QString path = tree.path(QStringLiteral("journal.json"));
    {
        ActRecorder recorder(ActKind::Trash, path);
        const LocatedFile located = locatedAt(file);
        const FileOpResult r = Trash::moveToTrash(located, trash);
        ASSERT_TRUE(r.ok());
        recorder.add(located, r.target);
    }
    const QByteArray whole = TempTree::contents(path);
    const QByteArray damaged[] = {
        whole.left(whole.size() - 3),                                      // cut short
        QByteArray("garbage"),                                             // not JSON
        QByteArray(whole).replace("\"corvina-journal\"", "\"something\""), // another file
        QByteArray(whole).replace("\"size\": \"5\"", "\"size\": 5"),       // a field of the wrong type
        QByteArray(whole).replace("\"settled\": false,", ""),              // a field missing
    };
    for (const QByteArray &bytes : damaged)
    {
        SCOPED_TRACE(bytes.toStdString());
        ASSERT_NE(bytes, whole);
        tree.file(QStringLiteral("journal.json"), bytes);
        EXPECT_TRUE(ActJournal::read(path).error.contains(QStringLiteral("is damaged")));
        const UndoReport report = UndoLastAct::run(path);
        EXPECT_TRUE(report.journalUnreadable);
        EXPECT_FALSE(report.act.has_value());
        EXPECT_FALSE(QFileInfo::exists(file));
        EXPECT_EQ(TempTree::contents(trash + QStringLiteral("/files/a.txt")), "bytes");
        EXPECT_EQ(TempTree::contents(path), bytes) << "a damaged journal is left for the user to see";
    }
    tree.file(QStringLiteral("journal.json"), whole);
    EXPECT_EQ(UndoLastAct::run(path).restored, QStringList{file});
}

TEST(ActJournal, AnUndoNeverFollowsALinkPutInPlaceOfTheFolderItGoesBackTo)
{
    TempTree tree;
    const QString file = tree.file(QStringLiteral("s/a.txt"), "bytes");
    const QString elsewhere = tree.dir(QStringLiteral("elsewhere"));
    const QString path = tree.path(QStringLiteral("journal.json"));
    {
        ActRecorder recorder(ActKind::Move, path);
        const LocatedFile located = locatedAt(file);
        const FileOpResult r = FileTransfer::moveNoClobber(located, {tree.path(QStringLiteral("dest"))});
        ASSERT_TRUE(r.ok());
        recorder.add(located, r.target);
    }
    // The folder is moved away and a link to another folder takes its name; then a new folder.
    ASSERT_TRUE(QDir().rename(tree.path(QStringLiteral("s")), tree.path(QStringLiteral("s-old"))));
    ASSERT_TRUE(QFile::link(elsewhere, tree.path(QStringLiteral("s"))));
    UndoReport report = UndoLastAct::run(path);
    ASSERT_EQ(report.refused.size(), 1U);
    EXPECT_EQ(report.refused[0], ActionError::originChanged(file));
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    EXPECT_EQ(TempTree::contents(tree.path(QStringLiteral("dest/a.txt"))), "bytes");
    EXPECT_FALSE(UndoLastAct::pending(path)) << "a changed folder is refused for good";
}
