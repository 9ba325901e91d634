// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli in the user's language: what it says on standard error and in --help follows the
// translator; the listing on standard output, the session files and the exports do not.
#include "CliProcess.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "support/MarkingTranslator.h"
#include "support/TempTree.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

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

// corvina-cli run as a user in that locale runs it: LANG says the language, unless LANGUAGE
// lists the languages the user reads.
Outcome runIn(const char *lang, const QStringList &arguments, const QString &folder, const char *languages = nullptr)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("LC_NUMERIC"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    if (languages)
        env.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(languages));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    return runCli(process, arguments);
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

// The real German catalogue and number format, as LANG=de_DE.UTF-8 gives them: the messages and
// --help are German, and what scripts and other programs read is byte for byte what LANG=C gives.
TEST(CliTranslation, InGermanOnlyTheMessagesChange)
{
    TempTree tree;
    makeTree(tree);
    tree.file(QStringLiteral("a/big.bin"), QByteArray(1536 * 1024, 'b'));
    tree.file(QStringLiteral("b/big copy.bin"), QByteArray(1536 * 1024, 'b'));
    for (const char *format : {"text", "groups", "json", "null"})
    {
        std::map<std::string, Outcome> runs;
        for (const char *lang : {"C.UTF-8", "de_DE.UTF-8"})
        {
            const QString name = QLatin1String(lang) + u'-' + QLatin1String(format);
            runs[lang] =
                runIn(lang,
                      {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("--format=") + QLatin1String(format),
                       QStringLiteral("--mark=all-duplicates"), QStringLiteral("--save=") + name + u".cvf",
                       QStringLiteral("--export=") + name + u".csv"},
                      tree.root());
            ASSERT_EQ(runs[lang].exitCode, 0) << runs[lang].err.constData();
        }
        EXPECT_EQ(runs["de_DE.UTF-8"].out, runs["C.UTF-8"].out) << format;
        for (const char *kind : {".cvf", ".csv"})
        {
            EXPECT_EQ(bytes(tree.path(QStringLiteral("de_DE.UTF-8-") + QLatin1String(format) + QLatin1String(kind))),
                      bytes(tree.path(QStringLiteral("C.UTF-8-") + QLatin1String(format) + QLatin1String(kind))))
                << format << kind;
        }
        const QString german = QString::fromUtf8(runs["de_DE.UTF-8"].err);
        EXPECT_TRUE(german.contains(u"Suche abgeschlossen.")) << german.toStdString();
        EXPECT_TRUE(german.contains(u"Doppelte Dateien: 3  Größe: 1,50 MB")) << german.toStdString();
        EXPECT_TRUE(QString::fromUtf8(runs["C.UTF-8"].err).contains(u"Duplicate Files: 3  Size: 1.50 MB"));
    }
    for (const char *lang : {"C.UTF-8", "de_DE.UTF-8"})
    {
        const Outcome html = runIn(lang,
                                   {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("--export-format=html"),
                                    QStringLiteral("--export=") + QLatin1String(lang) + QStringLiteral(".htm")},
                                   tree.root());
        ASSERT_EQ(html.exitCode, 0) << html.err.constData();
    }
    EXPECT_EQ(withoutExportTime(bytes(tree.path(QStringLiteral("de_DE.UTF-8.htm")))),
              withoutExportTime(bytes(tree.path(QStringLiteral("C.UTF-8.htm")))));

    const Outcome help = runIn("de_DE.UTF-8", {QStringLiteral("--help")}, tree.root());
    EXPECT_TRUE(help.out.startsWith("Aufruf: corvina-cli [Optionen] FOLDER...\n")) << help.out.left(80).constData();
    EXPECT_TRUE(help.out.contains("\n  --engine ENGINE     wie Dateien verglichen werden"));
    // A German locale for a user who reads English first, and German after French.
    EXPECT_TRUE(runIn("de_DE.UTF-8", {QStringLiteral("--help")}, tree.root(), "en_GB:de").out.startsWith("Usage: "));
    EXPECT_TRUE(runIn("fr_FR.UTF-8", {QStringLiteral("--help")}, tree.root(), "fr:de").out.startsWith("Aufruf: "));
    const Outcome wrong = runIn("de_DE.UTF-8", {QStringLiteral("--engine=fast"), QStringLiteral("a")}, tree.root());
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, QByteArray("corvina-cli: --engine ist byte, crc, name, zero, folders oder pictures, nicht "
                                    "„fast“ (siehe corvina-cli --help)\n"));
}
