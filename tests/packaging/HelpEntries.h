// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli's --help as the packaging tests read it: the options it lists, and a way to run it.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

/// QString values in failure messages as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

/// One option of --help: "  -n, --name VALUE  text", the text continued on indented lines.
struct HelpEntry
{
    QStringList names;   // "--name", or "-n" and "--name"
    QString placeholder; // "VALUE"; empty for a switch
    QString text;        // the lines joined by single blanks
};

/// Runs the built corvina-cli; returns its exit code and fills the standard output.
inline int runCli(const QStringList &arguments, QString *out = nullptr)
{
    QProcess p;
    // --help in English, as the manual page is written from it (packaging/cli-manpage.sh).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.remove(QStringLiteral("LANGUAGE"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(CORVINA_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    if (out)
        *out = QString::fromUtf8(p.readAllStandardOutput());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

inline std::vector<HelpEntry> helpEntries()
{
    QString help;
    EXPECT_EQ(runCli({QStringLiteral("--help")}, &help), 0);
    static const QRegularExpression option(
        QStringLiteral("^  (-[-a-zA-Z0-9]+(?:, -[-a-zA-Z0-9]+)*)(?: ([A-Z][A-Z0-9_]*))?(?: +(.*))?$"));
    std::vector<HelpEntry> entries;
    bool continued = false; // the line before belongs to an option
    for (const QString &line : help.split(u'\n'))
    {
        const QRegularExpressionMatch m = option.match(line);
        if (m.hasMatch())
            entries.push_back({m.captured(1).split(QStringLiteral(", ")), m.captured(2), m.captured(3)});
        else if (continued && line.startsWith(QStringLiteral("   ")))
            entries.back().text += u' ' + line.trimmed();
        continued = m.hasMatch() || (continued && line.startsWith(QStringLiteral("   ")));
    }
    return entries;
}
