// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli --undo and --journal on real files: every act that can be undone comes back to its
// own name, and nothing that is not the very file Corvina put away is ever touched.
#include "CliProcess.h"
#include "support/TempTree.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace
{
const QDateTime kTime(QDate(2021, 3, 4), QTime(5, 6, 7), Qt::UTC);

// The built program, with its data folder (the journal, the home trash) inside the tree.
Outcome cli(const TempTree &tree, QStringList arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), tree.path(QStringLiteral("data")));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.remove(QStringLiteral("LANGUAGE"));
    p.setProcessEnvironment(env);
    arguments.prepend(QStringLiteral("--quiet"));
    return runCli(p, arguments);
}

QStringList args(std::initializer_list<QString> list)
{
    return QStringList(list);
}

// A group of two: "s/keep" (newer, kept) and "s/NAME" (older, marked by keep-newest).
QString pair(TempTree &tree, const QString &name, const QByteArray &bytes)
{
    tree.file(QStringLiteral("s/keep-") + name, bytes, kTime.addSecs(60));
    return tree.file(QStringLiteral("s/") + name, bytes, kTime);
}

Outcome act(const TempTree &tree, const QString &action, const QString &target = QString())
{
    QStringList a = args({QStringLiteral("--mark"), QStringLiteral("keep-newest"), action});
    if (!target.isEmpty())
        a << target;
    return cli(tree, a << tree.path(QStringLiteral("s")));
}

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile() && !QFileInfo(path).isSymLink();
}

QString trashed(const TempTree &tree, const QString &name)
{
    return tree.path(QStringLiteral("data/Trash/files/") + name);
}

QString trashInfo(const TempTree &tree, const QString &name)
{
    return tree.path(QStringLiteral("data/Trash/info/") + name + QStringLiteral(".trashinfo"));
}
} // namespace

TEST(CliUndo, TrashedFilesComeBackToTheirNamesAndASecondUndoDoesNotRepeat)
{
    TempTree tree;
    const QString first = pair(tree, QStringLiteral("first.txt"), "one");
    ASSERT_EQ(act(tree, QStringLiteral("--trash")).exitCode, 0);
    const QString second = pair(tree, QStringLiteral("second.txt"), "two");
    ASSERT_EQ(act(tree, QStringLiteral("--trash")).exitCode, 0);
    ASSERT_FALSE(isFile(first));
    ASSERT_FALSE(isFile(second));

    // The newest act first: only the second file comes back, and its trash entry goes.
    const Outcome undo = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(undo.exitCode, 0) << undo.err.constData();
    EXPECT_EQ(undo.out, "restored " + second.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(second), "two");
    EXPECT_FALSE(isFile(first));
    EXPECT_FALSE(QFileInfo::exists(trashed(tree, QStringLiteral("second.txt"))));
    EXPECT_FALSE(QFileInfo::exists(trashInfo(tree, QStringLiteral("second.txt"))));
    EXPECT_TRUE(isFile(trashInfo(tree, QStringLiteral("first.txt"))));

    // After a restart of the program (each run is one), the act before.
    EXPECT_EQ(cli(tree, args({QStringLiteral("--undo")})).out, "restored " + first.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(first), "one");
    const Outcome none = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "corvina-cli: There is no clean-up to undo.\n");

    // The journal lists both acts, newest first, each undone.
    const Outcome text = cli(tree, args({QStringLiteral("--journal")}));
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out.count("Moved to the trash: 1 files, 3 Bytes (undone)\n"), 2) << text.out.constData();
    const Outcome json =
        cli(tree, args({QStringLiteral("--journal"), QStringLiteral("--format"), QStringLiteral("json")}));
    const QJsonArray acts = QJsonDocument::fromJson(json.out).array();
    ASSERT_EQ(acts.size(), 2) << json.out.constData();
    EXPECT_EQ(acts[0][QStringLiteral("kind")].toString(), QStringLiteral("trash"));
    EXPECT_EQ(acts[0][QStringLiteral("files")][0][QStringLiteral("from")].toString(), second);
    EXPECT_EQ(acts[0][QStringLiteral("bytes")].toInt(), 3);
    EXPECT_TRUE(acts[1][QStringLiteral("undone")].toBool());
}

TEST(CliUndo, AFileThatNowHasTheNameIsNeverReplacedAndTheUndoCanBeTriedAgain)
{
    TempTree tree;
    const QString file = pair(tree, QStringLiteral("a.txt"), "old");
    ASSERT_EQ(act(tree, QStringLiteral("--trash")).exitCode, 0);
    tree.file(QStringLiteral("s/a.txt"), "new");

    const Outcome refused = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err, "1024 Another file now has the name it came from: " + file.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(file), "new");
    EXPECT_EQ(TempTree::contents(trashed(tree, QStringLiteral("a.txt"))), "old");
    EXPECT_TRUE(isFile(trashInfo(tree, QStringLiteral("a.txt"))));

    // Once the name is free again, the same undo puts the file back.
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(cli(tree, args({QStringLiteral("--undo")})).out, "restored " + file.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(file), "old");
}

TEST(CliUndo, WhatWasPutInTheTrashInTheFilesPlaceIsNeverTakenBack)
{
    // Another file of the same name and size, and a link to a file elsewhere.
    for (const bool link : {false, true})
    {
        SCOPED_TRACE(link ? "a link" : "another file");
        TempTree tree;
        const QString file = pair(tree, QStringLiteral("a.txt"), "old");
        const QString elsewhere = tree.file(QStringLiteral("elsewhere"), "private");
        ASSERT_EQ(act(tree, QStringLiteral("--trash")).exitCode, 0);
        const QString inTrash = trashed(tree, QStringLiteral("a.txt"));
        ASSERT_TRUE(QFile::remove(inTrash));
        if (link)
            ASSERT_TRUE(QFile::link(elsewhere, inTrash));
        else
            tree.file(QStringLiteral("data/Trash/files/a.txt"), "new", kTime);

        const Outcome refused = cli(tree, args({QStringLiteral("--undo")}));
        EXPECT_EQ(refused.exitCode, 3);
        EXPECT_EQ(refused.err, "1025 File is no longer the one Corvina put there: " + inTrash.toUtf8() + '\n');
        EXPECT_FALSE(QFileInfo::exists(file));
        EXPECT_EQ(QFileInfo(inTrash).isSymLink(), link);
        EXPECT_EQ(TempTree::contents(inTrash), link ? "private" : "new");
        EXPECT_TRUE(isFile(trashInfo(tree, QStringLiteral("a.txt"))));
        // Refused for good: the next undo has nothing left to do.
        EXPECT_EQ(cli(tree, args({QStringLiteral("--undo")})).err, "corvina-cli: There is no clean-up to undo.\n");
    }
}

TEST(CliUndo, AMoveIsUndoneByMovingTheFileBack)
{
    TempTree tree;
    const QString file = pair(tree, QStringLiteral("a.txt"), "moved");
    const QString dest = tree.dir(QStringLiteral("dest"));
    ASSERT_EQ(act(tree, QStringLiteral("--move"), dest).exitCode, 0);
    ASSERT_TRUE(isFile(dest + QStringLiteral("/a.txt")));

    const Outcome undo = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(undo.exitCode, 0) << undo.err.constData();
    EXPECT_EQ(undo.out, "restored " + file.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(file), "moved");
    EXPECT_FALSE(QFileInfo::exists(dest + QStringLiteral("/a.txt")));
}

TEST(CliUndo, ACopyIsRemovedOnlyWhileItHoldsItsOriginalsBytes)
{
    TempTree tree;
    const QString file = pair(tree, QStringLiteral("a.txt"), "bytes");
    const QString dest = tree.dir(QStringLiteral("dest"));
    const QString copy = dest + QStringLiteral("/a.txt");

    // The copy edited in place, its size and time put back: no longer the file Corvina made.
    ASSERT_EQ(act(tree, QStringLiteral("--copy"), dest).exitCode, 0);
    const QDateTime copied = QFileInfo(copy).lastModified();
    {
        QFile f(copy);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.write("BYTES");
        ASSERT_TRUE(f.flush());
        ASSERT_TRUE(f.setFileTime(copied, QFileDevice::FileModificationTime));
    }
    ASSERT_EQ(QFileInfo(copy).lastModified(), copied);
    Outcome refused = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err, "1025 File is no longer the one Corvina put there: " + copy.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(copy), "BYTES");

    // The original edited since: the copy may hold the only bytes of the file as it was.
    ASSERT_TRUE(QFile::remove(copy));
    ASSERT_EQ(act(tree, QStringLiteral("--copy"), dest).exitCode, 0);
    tree.file(QStringLiteral("s/a.txt"), "BYTES", kTime);
    refused = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err, "1026 Copy no longer holds the bytes of its original: " + copy.toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(copy), "bytes");
    tree.file(QStringLiteral("s/a.txt"), "bytes", kTime);

    // An unchanged copy goes; the original stays.
    ASSERT_TRUE(QFile::remove(copy));
    ASSERT_EQ(act(tree, QStringLiteral("--copy"), dest).exitCode, 0);
    const Outcome undo = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(undo.exitCode, 0) << undo.err.constData();
    EXPECT_EQ(undo.out, "restored " + file.toUtf8() + '\n');
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_EQ(TempTree::contents(file), "bytes");
}

TEST(CliUndo, ADamagedJournalIsSaidAndNothingIsTouched)
{
    TempTree tree;
    const QString file = pair(tree, QStringLiteral("a.txt"), "old");
    ASSERT_EQ(act(tree, QStringLiteral("--trash")).exitCode, 0);
    const QString journal = tree.path(QStringLiteral("data/Corvina/journal.json"));
    const QByteArray whole = TempTree::contents(journal);
    ASSERT_TRUE(whole.contains("a.txt"));
    for (const QByteArray &damaged : {whole.left(whole.size() / 2),
                                      QByteArray("\x7f"
                                                 "ELF garbage"),
                                      QByteArray(whole).replace("\"kind\": \"trash\"", "\"kind\": \"burn\"")})
    {
        SCOPED_TRACE(damaged.left(40).toStdString());
        tree.file(QStringLiteral("data/Corvina/journal.json"), damaged);
        const Outcome undo = cli(tree, args({QStringLiteral("--undo")}));
        EXPECT_EQ(undo.exitCode, 1);
        EXPECT_TRUE(undo.err.contains("is damaged")) << undo.err.constData();
        EXPECT_FALSE(QFileInfo::exists(file));
        EXPECT_EQ(TempTree::contents(trashed(tree, QStringLiteral("a.txt"))), "old");
        EXPECT_EQ(cli(tree, args({QStringLiteral("--journal")})).exitCode, 1);
    }
}

TEST(CliUndo, UndoAndJournalStandAlone)
{
    TempTree tree;
    const QString s = tree.dir(QStringLiteral("s"));
    EXPECT_EQ(cli(tree, args({QStringLiteral("--undo"), s})).exitCode, 2);
    EXPECT_EQ(cli(tree, args({QStringLiteral("--undo"), QStringLiteral("--journal")})).exitCode, 2);
    EXPECT_EQ(
        cli(tree, args({QStringLiteral("--journal"), QStringLiteral("--format"), QStringLiteral("null")})).exitCode, 2);
    const Outcome empty = cli(tree, args({QStringLiteral("--journal")}));
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
}

TEST(CliUndo, AnEmptiedFolderIsMadeAgainAndAFileTheTrashNoLongerHoldsIsSaid)
{
    TempTree tree;
    tree.file(QStringLiteral("s/keep-a.txt"), "aaa", kTime.addSecs(60));
    tree.file(QStringLiteral("s/keep-b.txt"), "bbb", kTime.addSecs(60));
    const QString a = tree.file(QStringLiteral("s/sub/a.txt"), "aaa", kTime);
    const QString b = tree.file(QStringLiteral("s/sub/b.txt"), "bbb", kTime);
    const Outcome done =
        cli(tree, args({QStringLiteral("--mark"), QStringLiteral("keep-newest"), QStringLiteral("--trash"),
                        QStringLiteral("--remove-empty-folders"), tree.path(QStringLiteral("s"))}));
    ASSERT_EQ(done.exitCode, 0) << done.err.constData();
    ASSERT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("s/sub"))));
    // The user empties part of the trash.
    ASSERT_TRUE(QFile::remove(trashed(tree, QStringLiteral("b.txt"))));

    const Outcome undo = cli(tree, args({QStringLiteral("--undo")}));
    EXPECT_EQ(undo.exitCode, 0) << undo.err.constData();
    EXPECT_EQ(undo.out, "restored " + a.toUtf8() + "\ngone " + trashed(tree, QStringLiteral("b.txt")).toUtf8() + '\n');
    EXPECT_EQ(TempTree::contents(a), "aaa");
    EXPECT_FALSE(QFileInfo::exists(b));
}
