// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli in the user's language: what it says on standard error and in --help follows the
// translator; the listing on standard output, the session files and the exports do not.
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "support/MarkingTranslator.h"
#include "support/TempTree.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{
struct Said
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Said run(const QStringList &arguments, const QString &folder)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Said r;
    r.status = runCli(arguments, CliEnvironment{out, err, false, 80, folder});
    r.out = out.data();
    r.err = err.data();
    return r;
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// The report without the line that holds the time of the export.
QByteArray withoutExportTime(QByteArray page)
{
    static const QRegularExpression time(QStringLiteral("Generate on</td><td width='220'><b>[^<]*"));
    return QString::fromUtf8(page).remove(time).toUtf8();
}

// Every line of text begins with the translator's mark, after the program's name where it has one.
void expectEveryLineMarked(const QByteArray &text)
{
    const QString mark = MarkingTranslator::Mark.toString();
    for (const QString &line : QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts))
    {
        const QString said = line.startsWith(u"corvina-cli: ") ? line.mid(13) : line;
        EXPECT_TRUE(said.startsWith(mark)) << line.toStdString();
    }
}

// Two groups of copies, an empty file and a file that is no copy.
void makeTree(TempTree &tree)
{
    tree.file(QStringLiteral("a/photo.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("b/photo copy.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("a/notes.txt"), "same notes");
    tree.file(QStringLiteral("b/notes.txt"), "same notes");
    tree.file(QStringLiteral("b/other.txt"), "other text");
}
} // namespace

TEST(CliTranslation, StandardErrorIsTranslatedAndTheListingAndTheFilesAreNot)
{
    TempTree tree;
    makeTree(tree);
    const auto search = [&](const QString &name, const QString &format, const QStringList &more = {}) {
        return run(QStringList{tree.path(QStringLiteral("a")), tree.path(QStringLiteral("b")),
                               QStringLiteral("--format=") + format,
                               QStringLiteral("--save=") + tree.path(name + QStringLiteral(".cvf")),
                               QStringLiteral("--export=") + tree.path(name + QStringLiteral(".csv"))} +
                       more,
                   tree.root());
    };
    const QStringList formats{QStringLiteral("text"), QStringLiteral("groups"), QStringLiteral("json"),
                              QStringLiteral("null")};
    std::vector<Said> english;
    for (const QString &format : formats)
        english.push_back(search(QStringLiteral("english-") + format, format));
    const Said html = run({tree.path(QStringLiteral("a")), tree.path(QStringLiteral("b")),
                           QStringLiteral("--export=") + tree.path(QStringLiteral("english.htm")),
                           QStringLiteral("--export-format=html")},
                          tree.root());

    const MarkedTexts translated;
    for (qsizetype i = 0; i < formats.size(); ++i)
    {
        const QString &format = formats[i];
        const Said marked = search(QStringLiteral("marked-") + format, format);
        ASSERT_EQ(marked.status, 0) << marked.err.constData();
        EXPECT_EQ(marked.out, english[size_t(i)].out) << format.toStdString();
        EXPECT_NE(marked.err, english[size_t(i)].err);
        expectEveryLineMarked(marked.err);
        EXPECT_EQ(bytes(tree.path(QStringLiteral("marked-") + format + QStringLiteral(".cvf"))),
                  bytes(tree.path(QStringLiteral("english-") + format + QStringLiteral(".cvf"))));
        EXPECT_EQ(bytes(tree.path(QStringLiteral("marked-") + format + QStringLiteral(".csv"))),
                  bytes(tree.path(QStringLiteral("english-") + format + QStringLiteral(".csv"))));
    }
    const Said markedHtml = run({tree.path(QStringLiteral("a")), tree.path(QStringLiteral("b")),
                                 QStringLiteral("--export=") + tree.path(QStringLiteral("marked.htm")),
                                 QStringLiteral("--export-format=html")},
                                tree.root());
    ASSERT_EQ(markedHtml.status, 0);
    EXPECT_EQ(withoutExportTime(bytes(tree.path(QStringLiteral("marked.htm")))),
              withoutExportTime(bytes(tree.path(QStringLiteral("english.htm")))));
    EXPECT_EQ(html.status, 0);

    // A saved session shown again: its summary is the user's, its listing and files are not.
    const QString saved = tree.path(QStringLiteral("english-text.cvf"));
    const Said loaded =
        run({QStringLiteral("--load"), saved, QStringLiteral("--export=") + tree.path(QStringLiteral("loaded.csv"))},
            tree.root());
    ASSERT_EQ(loaded.status, 0) << loaded.err.constData();
    expectEveryLineMarked(loaded.err);
    EXPECT_EQ(loaded.out, english[0].out);
    EXPECT_EQ(bytes(tree.path(QStringLiteral("loaded.csv"))), bytes(tree.path(QStringLiteral("english-text.csv"))));
}

TEST(CliTranslation, RefusalsAndTheHelpAreTranslatedButNotTheOptionNames)
{
    TempTree tree;
    const MarkedTexts translated;
    for (const QStringList &line : {QStringList{QStringLiteral("--engine"), QStringLiteral("fast"), tree.root()},
                                    QStringList{}, QStringList{tree.path(QStringLiteral("missing"))},
                                    QStringList{QStringLiteral("--load"), tree.path(QStringLiteral("missing.cvf"))}})
    {
        const Said r = run(line, tree.root());
        EXPECT_NE(r.status, 0);
        EXPECT_TRUE(r.out.isEmpty());
        expectEveryLineMarked(r.err);
    }

    const QString help = helpText();
    EXPECT_TRUE(help.startsWith(MarkingTranslator::Mark + u"Usage: corvina-cli [options] FOLDER...\n"));
    // Each option keeps its name and placeholder at the start of its line, where the manual page
    // and the completion read them; only its text is translated.
    const std::pair<const char *, const char *> entries[] = {
        {"--engine ENGINE", "how files are compared"},
        {"--fuzzy", "with --engine byte"},
        {"--save FILE", "write the folders"},
        {"--mark RULE", "mark files by RULE"},
        {"-h", "the same as --help"},
    };
    for (const auto &[option, text] : entries)
    {
        const QString line = QString(QStringLiteral("  ") + QLatin1String(option)).leftJustified(22) +
                             MarkingTranslator::Mark + QLatin1String(text);
        EXPECT_TRUE(help.contains(u'\n' + line)) << line.toStdString();
    }
}
