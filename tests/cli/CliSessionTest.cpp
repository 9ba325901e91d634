// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli's session and export options: parsed in-process, run as the built program.
#include "CliProcess.h"
#include "cli/CliOptions.h"
#include "support/TempTree.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace
{
Outcome cli(const QStringList &arguments, const QString &folder = QString())
{
    QProcess p;
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    return runCli(p, arguments);
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// Two groups of copies, one of them with a comma and a question mark in a name.
void makeTree(TempTree &tree)
{
    tree.file(QStringLiteral("a/photo.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("b/photo copy.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("a/notes, 1?.txt"), "same notes");
    tree.file(QStringLiteral("b/notes.txt"), "same notes");
    tree.file(QStringLiteral("b/other.txt"), "other text");
}

const QString Quiet = QStringLiteral("--quiet");
const QString Groups = QStringLiteral("--format=groups");
} // namespace

TEST(CliSessionOptions, CombinationsThatMakeNoSense)
{
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"--load", "s.cvf", "/tmp"}, "--load takes its folders from the file; give no FOLDER"},
        {{"--session", "s.cvf", "--engine", "crc"}, "--session takes the engine and the folder options from the file"},
        {{"--session", "s.cvf", "--load", "t.cvf"}, "--session and --load cannot be combined"},
        {{"--rescan", "/tmp"}, "--rescan works only with --load"},
        {{"--delimiter", "tab", "/tmp"}, "--export-format, --delimiter and --export-rows work only with --export"},
        {{"--export", "e", "--export-format", "html", "--delimiter", ";", "/tmp"},
         "--delimiter works only with --export-format csv"},
        {{"--export-format", "pdf", "--export", "e", "/tmp"}, "--export-format is csv or html; not \"pdf\""},
        {{"--export-rows", "some", "--export", "e", "/tmp"}, "--export-rows is all or marked; not \"some\""},
        {{"--save", " ", "/tmp"}, "--save wants a file"},
    };
    for (const auto &[arguments, error] : cases)
    {
        const CliCommand c = parseCommandLine(arguments);
        EXPECT_EQ(c.action, CliCommand::Action::BadUsage) << arguments.join(u' ').toStdString();
        EXPECT_EQ(c.error, error);
    }
    const CliCommand ok = parseCommandLine({"--load", "s.cvf", "--rescan", "--export", "e.csv", "--delimiter", "::"});
    EXPECT_EQ(ok.action, CliCommand::Action::Scan);
    EXPECT_EQ(ok.options.session.delimiter, QStringLiteral("::"));
    EXPECT_EQ(parseCommandLine({"--export=e", "--delimiter=tab", "/x"}).options.session.delimiter, QStringLiteral(" "));
    EXPECT_EQ(parseCommandLine({"--export=e", "--delimiter=", "/x"}).options.session.delimiter, QString());
}

TEST(CorvinaCliSessions, ASavedSearchLoadsWithTheSameGroups)
{
    TempTree tree;
    makeTree(tree);
    const Outcome scan =
        cli({Quiet, Groups, QStringLiteral("--save"), QStringLiteral("s.cvf"), tree.root()}, tree.root());
    ASSERT_EQ(scan.exitCode, 0) << scan.err.constData();
    ASSERT_TRUE(scan.out.contains("notes, 1?.txt"));

    const Outcome load = cli({Groups, QStringLiteral("--load"), tree.path(QStringLiteral("s.cvf"))});
    EXPECT_EQ(load.exitCode, 0) << load.err.constData();
    EXPECT_EQ(load.out, scan.out);
    EXPECT_EQ(load.err, QByteArray("Search Completed.\nDuplicate Files: 2  Size: 2.94 KB\nFiles : 5\nFolders : 2\n"));

    // Compared again after a copy changed: only the other group is left.
    tree.file(QStringLiteral("b/notes.txt"), "changed!!!");
    const Outcome rescan =
        cli({Quiet, Groups, QStringLiteral("--load"), tree.path(QStringLiteral("s.cvf")), QStringLiteral("--rescan")});
    EXPECT_EQ(rescan.exitCode, 0) << rescan.err.constData();
    EXPECT_EQ(rescan.out, tree.root().toUtf8() + "/b/photo copy.jpg\t" + tree.root().toUtf8() + "/a/photo.jpg\n");
}

TEST(CorvinaCliSessions, ParametersSaveAndSearchAgainFromTheFile)
{
    TempTree tree;
    tree.file(QStringLiteral("a/photo.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("b/photo copy.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("b/.hidden"), QByteArray(3000, 'p'));
    TempTree out;
    const QString params = out.path(QStringLiteral("p.cvf"));
    const Outcome first =
        cli({Groups, QStringLiteral("--engine=crc"), QStringLiteral("--hidden"), QStringLiteral("--save-params"),
             params, tree.path(QStringLiteral("a")), tree.path(QStringLiteral("b"))});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    EXPECT_EQ(first.out.count('\t'), 2) << first.out.constData();
    // The header's counts are those of the closing summary.
    ASSERT_TRUE(first.err.endsWith("Files : 3\nFolders : 0\n")) << first.err.constData();
    const QByteArray root = tree.root().toUtf8();
    EXPECT_EQ(bytes(params), "2,1,1,3,3,0,2,6000,0\r\n" + root + "/a,Yes,All files(*.*),0,,15\r\n" + root +
                                 "/b,Yes,All files(*.*),0,,15\r\n");

    const Outcome again = cli({Groups, QStringLiteral("--session"), params});
    EXPECT_EQ(again.exitCode, 0) << again.err.constData();
    EXPECT_EQ(again.out, first.out);
    EXPECT_EQ(again.err, first.err);
}

TEST(CorvinaCliSessions, ExportsAsDelimitedTextAndHtml)
{
    TempTree tree;
    makeTree(tree);
    TempTree out;
    const QString csv = out.path(QStringLiteral("e.csv"));
    ASSERT_EQ(cli({Quiet, QStringLiteral("--export"), csv, QStringLiteral("--delimiter=semi"), tree.root()}).exitCode,
              0);
    const QByteArray text = bytes(csv);
    EXPECT_TRUE(text.startsWith("File Name;Size(Bytes);Last Modified;Version;Group;Path\r\n"));
    EXPECT_EQ(text.count("\r\n"), 5);
    EXPECT_TRUE(text.contains("\r\nnotes, 1?.txt;10;"));

    const QString commas = out.path(QStringLiteral("c.csv"));
    ASSERT_EQ(cli({Quiet, QStringLiteral("--export"), commas, tree.root()}).exitCode, 0);
    EXPECT_TRUE(bytes(commas).contains("\r\n\"notes, 1?.txt\",10,"));

    const QString marked = out.path(QStringLiteral("m.csv"));
    ASSERT_EQ(
        cli({Quiet, QStringLiteral("--export"), marked, QStringLiteral("--export-rows=marked"), tree.root()}).exitCode,
        0);
    EXPECT_EQ(bytes(marked), QByteArray("File Name,Size(Bytes),Last Modified,Version,Group,Path\r\n"));

    const QString html = out.path(QStringLiteral("e.htm"));
    ASSERT_EQ(
        cli({Quiet, QStringLiteral("--export"), html, QStringLiteral("--export-format=html"), tree.root()}).exitCode,
        0);
    const QByteArray page = bytes(html);
    EXPECT_TRUE(page.contains("Total Scanned</td> <td width='220'><b> 5</b>"));
    EXPECT_EQ(page.count("<tr><td class="), 4);
    EXPECT_TRUE(page.endsWith("</body></html>\r\n"));
}

TEST(CorvinaCliSessions, FilesThatCannotBeReadOrWrittenFail)
{
    TempTree tree;
    makeTree(tree);
    const QString missing = tree.path(QStringLiteral("missing.cvf"));
    for (const char *option : {"--load", "--session"})
    {
        const Outcome r = cli({QString::fromLatin1(option), missing});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "corvina-cli: cannot read the session file \"" + missing.toUtf8() + "\": no such file\n");
        EXPECT_TRUE(r.out.isEmpty());
    }
    const Outcome save =
        cli({Quiet, QStringLiteral("--save"), tree.path(QStringLiteral("no/such/s.cvf")), tree.root()});
    EXPECT_EQ(save.exitCode, 1);
    EXPECT_TRUE(save.err.contains("in \"File Saving\"")) << save.err.constData();
    const Outcome exported =
        cli({Quiet, QStringLiteral("--export"), tree.path(QStringLiteral("no/such/e.csv")), tree.root()});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_TRUE(exported.err.contains("in \"Exporting CSV\"")) << exported.err.constData();
}

TEST(CorvinaCliSessions, ADamagedSessionIsRefusedAndNothingIsWritten)
{
    TempTree tree;
    makeTree(tree);
    const Outcome scan = cli({Quiet, QStringLiteral("--save"), QStringLiteral("s.cvf"), tree.root()}, tree.root());
    ASSERT_EQ(scan.exitCode, 0) << scan.err.constData();
    // The file as a full disk used to leave it: cut off within its last row.
    QByteArray cut = bytes(tree.path(QStringLiteral("s.cvf")));
    cut.chop(5);
    QFile file(tree.path(QStringLiteral("cut.cvf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cut);
    file.close();

    const QString saved = tree.path(QStringLiteral("again.cvf"));
    for (const char *option : {"--load", "--session"})
    {
        SCOPED_TRACE(option);
        const Outcome r =
            cli({QString::fromLatin1(option), tree.path(QStringLiteral("cut.cvf")), QStringLiteral("--save"), saved});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.startsWith("corvina-cli: cannot read the session file \"")) << r.err.constData();
        EXPECT_TRUE(r.err.contains("ends in the middle of line")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(saved));
    }
}

TEST(CorvinaCliSessions, GroupsOfReferenceFilesAloneAreNotCounted)
{
    TempTree tree;
    // A group of reference files alone, which is not listed, and a group with a copy elsewhere.
    tree.file(QStringLiteral("ref/a.txt"), "twins");
    tree.file(QStringLiteral("ref/b.txt"), "twins");
    tree.file(QStringLiteral("ref/photo.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("s/photo.jpg"), QByteArray(3000, 'p'));
    const QString ref = tree.path(QStringLiteral("ref"));
    const QString s = tree.path(QStringLiteral("s"));
    TempTree out;
    const QString session = out.path(QStringLiteral("s.cvf"));
    const QString html = out.path(QStringLiteral("e.htm"));
    const QByteArray summary = "Search Completed.\nDuplicate Files: 1  Size: 2.93 KB\nFiles : 4\nFolders : 0\n";
    const QByteArray header = "1,1,0,2,4,0,1,3000,0\r\n";
    const QByteArray report = "Total Duplicates</td><td width='220'><b> 1  Size: 2.93 KB</b>";

    const Outcome scan = cli({QStringLiteral("--reference"), ref, QStringLiteral("--save"), session,
                              QStringLiteral("--export"), html, QStringLiteral("--export-format=html"), s});
    EXPECT_EQ(scan.exitCode, 0) << scan.err.constData();
    // A scan names the limits of its locations; a load scans nothing.
    EXPECT_EQ(scan.err, summary + "Hidden files were left out.\n");
    EXPECT_TRUE(bytes(session).startsWith(header)) << bytes(session).constData();
    EXPECT_TRUE(bytes(html).contains(report)) << bytes(html).constData();

    // A session saved before the folder became a reference one: its group leaves the list when
    // the session is loaded, and the totals follow.
    const QString before = out.path(QStringLiteral("before.cvf"));
    ASSERT_EQ(cli({Quiet, QStringLiteral("--save"), before, ref, s}).exitCode, 0);
    QByteArray text = bytes(before);
    ASSERT_TRUE(text.startsWith("1,1,0,4,4,0,2,3005,0\r\n")) << text.constData();
    const QByteArray searched = ref.toUtf8() + ",Yes,All files(*.*),0,,15\r\n";
    ASSERT_TRUE(text.contains(searched)) << text.constData();
    text.replace(searched, QByteArray(ref.toUtf8() + ",Yes,All files(*.*),0,,19\r\n"));
    QFile edited(before);
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write(text);
    edited.close();
    const Outcome load = cli({QStringLiteral("--load"), before, QStringLiteral("--save"), session,
                              QStringLiteral("--export"), html, QStringLiteral("--export-format=html")});
    EXPECT_EQ(load.exitCode, 0) << load.err.constData();
    EXPECT_EQ(load.err, summary);
    EXPECT_TRUE(bytes(session).startsWith(header)) << bytes(session).constData();
    EXPECT_TRUE(bytes(html).contains(report)) << bytes(html).constData();
}
