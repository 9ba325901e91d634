// SPDX-License-Identifier: GPL-3.0-or-later
// No text a person reads escapes the translator: every string literal in the sources of the
// windows and of corvina-cli that reads like words is given to tr() or translate(), or is one of
// the few kept as they are on purpose (untranslated-texts.txt says which and why).
#include "SourceTexts.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <set>

namespace
{
const QString kSourceRoot = QStringLiteral(CORVINA_SOURCE_DIR);

QString contents(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

// What untranslated-texts.txt allows.
struct Allowed
{
    std::set<QString> calls;
    std::set<QString> files;                     // every literal of the file
    std::set<std::pair<QString, QString>> texts; // (file, text as written)
};

Allowed allowed()
{
    Allowed a;
    for (const QString &line : contents(QStringLiteral(CORVINA_ALLOWED_TEXTS)).split(u'\n'))
    {
        const QString entry = line.trimmed();
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        if (entry.startsWith(u"call "))
        {
            a.calls.insert(entry.mid(5));
            continue;
        }
        const qsizetype colon = entry.indexOf(u": ");
        EXPECT_GT(colon, 0) << "not an entry: " << entry.toStdString();
        const QString file = entry.left(colon);
        const QString text = entry.mid(colon + 2).trimmed();
        if (text == u"*")
            a.files.insert(file);
        else
            a.texts.insert({file, text});
    }
    return a;
}

// The sources of the windows and of corvina-cli, as paths from the top of the repository.
QStringList shownSources()
{
    QStringList files;
    for (const char *folder : {"src/app", "src/actions", "src/results", "src/search", "src/sessions", "src/cli"})
    {
        QDirIterator it(kSourceRoot + u'/' + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next().mid(kSourceRoot.size() + 1);
    }
    files.sort();
    return files;
}

QStringList escaped(const QString &code)
{
    QStringList texts;
    for (const SourceTexts::Literal &l : SourceTexts::literals(code))
    {
        if (!SourceTexts::isTranslated(l) && SourceTexts::looksLikeText(l.written))
            texts << l.call + u'|' + l.written;
    }
    return texts;
}
} // namespace

// The reader of the sources itself: a check that finds nothing, or finds what is translated,
// would let every text through.
TEST(TranslatableTexts, TheReaderTellsEscapedTextsFromTranslatedOnes)
{
    const struct
    {
        const char *code;
        QStringList escaped;
    } cases[] = {
        {R"(label->setText(QStringLiteral("Search Completed.")); x = tr("Cancel");)",
         {QStringLiteral("setText|Search Completed.")}},
        {R"(box(u"Delete Files"); QCoreApplication::translate("Ctx", "Delete Files");)",
         {QStringLiteral("box|Delete Files")}},
        // Joined literals are one text, wherever the call's arguments break.
        {"f(tr(\"Two \"\n \"lines\"), QLatin1String(\"plain \" \"text\"));", {QStringLiteral("f|plain text")}},
        {R"(const char *k[] = {QT_TR_NOOP("Yes"), "No"};)", {QStringLiteral("{|No")}},
        {R"c(tr("%n file(s)", "disambiguation text", n);)c", {}},
        // Comments, preprocessor lines, character literals and names are no texts.
        {"// \"Not code\"\n/* \"Nor this\" */\n#include \"a b.h\"\n#define X \"Not this\"\nc = '\"'; "
         "f(\"cmdAdd\", \"keep-oldest\", \"*.log\");",
         {}},
        {R"code(g(R"x(A raw "text")x", u8"Prefixed text");)code",
         {QStringLiteral("g|A raw \"text\""), QStringLiteral("g|Prefixed text")}},
        {R"(s = QStringLiteral("Options"); t = QStringLiteral("Error: %1"); e = "failed:";)",
         {QStringLiteral("|Options"), QStringLiteral("|Error: %1"), QStringLiteral("|failed:")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(escaped(QString::fromUtf8(c.code)), c.escaped) << c.code;

    const std::vector<SourceTexts::Literal> l =
        SourceTexts::literals(QStringLiteral("\n\nf(a, tr(\"x\\n\\\"y\\\"\"))"));
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].line, 3);
    EXPECT_EQ(l[0].call, QStringLiteral("tr"));
    EXPECT_EQ(SourceTexts::decoded(l[0].written), QStringLiteral("x\n\"y\""));
    EXPECT_TRUE(SourceTexts::isSourceText(l[0]));
}

TEST(TranslatableTexts, NoShownTextEscapesTheTranslator)
{
    const Allowed allow = allowed();
    std::set<std::pair<QString, QString>> used;
    std::set<QString> usedFiles;
    int literals = 0;
    for (const QString &file : shownSources())
    {
        for (const SourceTexts::Literal &l : SourceTexts::literals(contents(kSourceRoot + u'/' + file)))
        {
            ++literals;
            if (SourceTexts::isTranslated(l) || !SourceTexts::looksLikeText(l.written) || allow.calls.count(l.call))
                continue;
            if (allow.files.count(file))
            {
                usedFiles.insert(file);
                continue;
            }
            const std::pair<QString, QString> key{file, l.written.trimmed()};
            if (allow.texts.count(key))
            {
                used.insert(key);
                continue;
            }
            ADD_FAILURE() << file.toStdString() << ':' << l.line << ": \"" << l.written.toStdString()
                          << "\" is shown untranslated: give it to tr() (English unchanged), or, when no person "
                             "reads it in their language, add it to untranslated-texts.txt with the reason";
        }
    }
    EXPECT_GT(literals, 1000); // the sources were found and read
    for (const auto &entry : allow.texts)
    {
        EXPECT_TRUE(used.count(entry)) << "untranslated-texts.txt allows \"" << entry.second.toStdString() << "\" in "
                                       << entry.first.toStdString() << ", which no longer has it";
    }
    for (const QString &file : allow.files)
        EXPECT_TRUE(usedFiles.count(file)) << "untranslated-texts.txt allows " << file.toStdString();
}
