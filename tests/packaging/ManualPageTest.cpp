// SPDX-License-Identifier: GPL-3.0-or-later
// The manual pages against the program: corvina-cli(1) must say what --help says, and both pages
// must render cleanly.
#include "HelpEntries.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace
{
QString page(const char *name)
{
    QFile f(QStringLiteral(CORVINA_MANPAGES) + u'/' + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(f.readAll());
}

// roff as a reader sees it: no font changes or "\&", "\-" as "-", "\e" as "\".
QString plain(QString roff)
{
    static const QRegularExpression markup(QStringLiteral(R"(\\f[BIR]|\\&)"));
    return roff.remove(markup)
        .replace(QStringLiteral("\\-"), QStringLiteral("-"))
        .replace(QStringLiteral("\\e"), QStringLiteral("\\"));
}

// The entries of the page: the tag and the text of every ".TP".
std::vector<std::pair<QString, QString>> pageEntries(const QString &roff)
{
    const QStringList lines = roff.split(u'\n');
    std::vector<std::pair<QString, QString>> entries;
    for (qsizetype i = 0; i + 2 < lines.size(); ++i)
    {
        if (lines[i] == u".TP")
            entries.emplace_back(plain(lines[i + 1]), plain(lines[i + 2]));
    }
    return entries;
}
} // namespace

TEST(ManualPage, ListsEveryOptionOfHelpWithItsValueAndText)
{
    const std::vector<HelpEntry> help = helpEntries();
    ASSERT_GE(help.size(), 20u); // --help still has the layout this test reads
    const auto entries = pageEntries(page("corvina-cli.1"));
    ASSERT_EQ(entries.size(), help.size());
    for (size_t i = 0; i < help.size(); ++i)
    {
        const QString tag = help[i].names.join(QStringLiteral(", ")) +
                            (help[i].placeholder.isEmpty() ? QString() : u' ' + help[i].placeholder);
        EXPECT_EQ(entries[i].first, tag);
        EXPECT_EQ(entries[i].second, help[i].text) << tag.toStdString();
    }
}

// The page and the completion learn from the placeholder ("--name VALUE") which options take a
// value; an option that takes one swallows a following "--help", a switch does not.
TEST(ManualPage, HelpShowsAPlaceholderForEveryOptionThatTakesAValue)
{
    for (const HelpEntry &e : helpEntries())
    {
        const int exitCode = runCli({e.names.last(), QStringLiteral("--help")});
        EXPECT_EQ(exitCode == 0, e.placeholder.isEmpty())
            << e.names.last().toStdString() << " \"" << e.placeholder.toStdString() << "\" exits with " << exitCode;
    }
}

TEST(ManualPage, PagesRenderWithoutWarnings)
{
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        GTEST_SKIP() << "groff is not installed";
    for (const char *name : {"corvina-cli.1", "corvina.1"})
    {
        QProcess p;
        p.start(groff, {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"), QStringLiteral("-z"),
                        QStringLiteral(CORVINA_MANPAGES) + u'/' + QLatin1String(name)});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << name;
        EXPECT_EQ(p.readAllStandardError(), QByteArray()) << name;
    }
}

// The page is written from the English --help whatever the language of the machine that builds
// it: a translated corvina-cli would otherwise put its own language into an English page. A
// stand-in program shows what the page is written from: the locale it was run in.
TEST(ManualPage, IsWrittenFromTheHelpOfTheCLocale)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString folder = temporary.path();
    const QString program = folder + QStringLiteral("/help");
    QFile stub(program);
    ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
    stub.write("#!/bin/sh\nprintf 'Usage: help\\n\\nOptions:\\n  --help               shown with LC_ALL=%s "
               "LANGUAGE=%s\\n' \"${LC_ALL-unset}\" \"${LANGUAGE-unset}\"\n");
    stub.close();
    ASSERT_TRUE(stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("bash"), {QStringLiteral(CORVINA_MANPAGE_SCRIPT), program, QStringLiteral("1.0"),
                                     QStringLiteral("2026-01-01"), folder + QStringLiteral("/help.1")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    QFile written(folder + QStringLiteral("/help.1"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const auto entries = pageEntries(QString::fromUtf8(written.readAll()));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].second, QStringLiteral("shown with LC_ALL=C LANGUAGE="));
}
