// SPDX-License-Identifier: GPL-3.0-or-later
// The bash completion of corvina-cli, run by bash against the built program: it must offer every
// option --help lists, and know the values of every option that takes one.
#include "HelpEntries.h"
#include "support/TempTree.h"

#include <QDir>

namespace
{
// What bash offers for the words after "corvina-cli" (the last one being completed), run in
// folder; folder contents come sorted.
QStringList complete(const QStringList &words, const QString &folder = QDir::tempPath())
{
    // compopt works only while bash itself completes; the test calls the function directly.
    const QString script = QStringLiteral(R"(compopt() { :; }
source "$1"
cli=$2
shift 2
COMP_WORDS=(corvina-cli "$@")
COMP_CWORD=$#
_corvina_cli "$cli"
printf '%s\n' "${COMPREPLY[@]}")");
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral("bash"), QStringList{QStringLiteral("-c"), script, QStringLiteral("bash"),
                                                QStringLiteral(CORVINA_COMPLETION), QStringLiteral(CORVINA_CLI)} +
                                        words);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// How the completion treats the value of an option: "words ...", "files", "folders" or "text";
// empty when it does not know the option.
QString valueRule(const HelpEntry &entry)
{
    QProcess p;
    p.start(QStringLiteral("bash"),
            {QStringLiteral("-c"), QStringLiteral(R"(source "$1" && _corvina_cli_values "$2" "$3")"),
             QStringLiteral("bash"), QStringLiteral(CORVINA_COMPLETION), entry.names.last(), entry.placeholder});
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()).trimmed() : QString();
}

// The words an option's help offers as its values: each one written as "word (what it means)".
QStringList wordsOfHelp(const QString &text)
{
    // A word of letters, digits and hyphens before "(": a value; one in capitals names a placeholder.
    static const QRegularExpression word(QStringLiteral(R"(([\w-]+) \()"));
    QStringList words;
    for (const QRegularExpressionMatch &m : word.globalMatch(text))
    {
        if (m.captured(1) != m.captured(1).toUpper())
            words << m.captured(1);
    }
    return words;
}
} // namespace

TEST(Completion, OffersTheOptionsOfHelp)
{
    QStringList longNames;
    for (const HelpEntry &e : helpEntries())
    {
        for (const QString &name : e.names)
        {
            if (name.startsWith(QStringLiteral("--")))
                longNames << name;
        }
    }
    EXPECT_EQ(complete({"--"}), longNames);
    EXPECT_EQ(complete({"/data", "--ex"}), QStringList({"--exclude", "--export", "--export-format", "--export-rows"}));
    EXPECT_TRUE(complete({"-"}).contains(QStringLiteral("-h")));
}

TEST(Completion, CompletesValuesAfterTheOptionOrAnEqualsSign)
{
    const struct
    {
        QStringList words;
        QStringList offered;
    } cases[] = {
        {{"--engine", ""}, {"byte", "crc", "name", "zero", "folders", "pictures"}},
        {{"--engine", "c"}, {"crc"}},
        {{"--quiet", "--engine", "=", ""}, {"byte", "crc", "name", "zero", "folders", "pictures"}},
        {{"--engine", "=", "n"}, {"name"}},
        {{"--format", "g"}, {"groups"}},
        {{"--export-format", ""}, {"csv", "html"}},
        {{"--export-rows", "m"}, {"marked"}},
        {{"--delimiter", "s"}, {"semi"}},
        {{"--mark", "keep-"}, {"keep-newest", "keep-oldest", "keep-largest", "keep-smallest"}},
        {{"--mark", "i"}, {"in:"}},
        {{"--min", ""}, {}},
        {{"--mask", ""}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(complete(c.words), c.offered) << c.words.join(u' ').toStdString();
}

TEST(Completion, CompletesFilesAndFolders)
{
    TempTree tree;
    tree.file(QStringLiteral("music.cvf"), "session");
    tree.dir(QStringLiteral("photos"));
    tree.dir(QStringLiteral("-odd"));
    const QString root = tree.root();
    const QStringList folders{"-odd", "photos"};

    EXPECT_EQ(sorted(complete({"--save", ""}, root)), QStringList({"-odd", "music.cvf", "photos"}));
    EXPECT_EQ(sorted(complete({"--load", "=", ""}, root)), QStringList({"-odd", "music.cvf", "photos"}));
    EXPECT_EQ(sorted(complete({"--exclude", ""}, root)), folders);
    EXPECT_EQ(sorted(complete({""}, root)), folders);
    EXPECT_EQ(sorted(complete({"--quiet", ""}, root)), folders);
    // After "--" every word is a folder, even one that starts with "-" or follows an option.
    EXPECT_EQ(complete({"--", "-"}, root), QStringList{"-odd"});
    EXPECT_EQ(sorted(complete({"--", "--engine", ""}, root)), folders);
}

TEST(Completion, KnowsTheValueOfEveryOptionOfHelp)
{
    for (const HelpEntry &e : helpEntries())
    {
        if (e.placeholder.isEmpty())
            continue;
        const QString option = e.names.last();
        const QString rule = valueRule(e);
        ASSERT_FALSE(rule.isEmpty()) << option.toStdString() << " " << e.placeholder.toStdString()
                                     << ": add its values to _corvina_cli_values in packaging/corvina-cli.bash";
        if (!rule.startsWith(QStringLiteral("words ")))
            continue;
        QStringList words = rule.mid(6).split(u' ');
        // A word that ends in ":" begins a value ("in:" for "in:FOLDER"); the rest is the user's.
        for (const QString &prefix : words)
        {
            if (prefix.endsWith(u':'))
            {
                EXPECT_TRUE(e.text.contains(prefix))
                    << option.toStdString() << ": --help does not name " << prefix.toStdString();
            }
        }
        words.removeIf([](const QString &w) { return w.endsWith(u':'); });
        EXPECT_EQ(words, wordsOfHelp(e.text)) << option.toStdString() << ": --help names other values";
        for (const QString &w : words)
            EXPECT_EQ(runCli({option, w, QStringLiteral("--help")}), 0)
                << option.toStdString() << " " << w.toStdString();
    }
}
