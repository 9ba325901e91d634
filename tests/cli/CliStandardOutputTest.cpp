// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli writing a session or an export to standard output ("-"), as a pipe wants it.
#include "CliProcess.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace
{
Outcome cli(const QStringList &arguments, const QString &folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    return runCli(p, arguments);
}
} // namespace

TEST(CliStandardOutput, ADashWritesTheFileToStandardOutputAndNothingElseGoesThere)
{
    TempTree tree;
    tree.file(QStringLiteral("photos/a.jpg"), QByteArray(3000, 'p'));
    tree.file(QStringLiteral("photos/copy of a.jpg"), QByteArray(3000, 'p'));
    const QString work = tree.dir(QStringLiteral("work"));
    const QString photos = tree.path(QStringLiteral("photos"));
    const struct
    {
        const char *option;
        QStringList more;
    } cases[] = {
        {"--export", {}},
        {"--export", {QStringLiteral("--export-format"), QStringLiteral("html")}},
        {"--save", {}},
        {"--save-params", {}},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(std::string(c.option) + ' ' + c.more.join(u' ').toStdString());
        const QString option = QString::fromLatin1(c.option);
        const Outcome toFile = cli(QStringList{option, QStringLiteral("written")} + c.more + QStringList{photos}, work);
        ASSERT_EQ(toFile.exitCode, 0) << toFile.err.constData();
        const QByteArray expected = TempTree::contents(work + QStringLiteral("/written"));
        ASSERT_TRUE(QFile::remove(work + QStringLiteral("/written")));

        const Outcome piped = cli(QStringList{option, QStringLiteral("-")} + c.more + QStringList{photos}, work);
        EXPECT_EQ(piped.exitCode, 0) << piped.err.constData();
        if (c.more.isEmpty())
            EXPECT_EQ(piped.out, expected);
        else // the HTML report carries the time it was made
            EXPECT_TRUE(piped.out.startsWith(expected.left(expected.indexOf("<table")))) << piped.out.constData();
        EXPECT_TRUE(piped.out.contains("/photos")) << piped.out.constData();
        EXPECT_TRUE(piped.err.contains("Group 1\n")) << "the list goes to standard error instead";
        EXPECT_TRUE(entries(work).isEmpty()) << "no file is called \"-\"";
    }

    // "./-" is a file of that name, and only one file can go to standard output.
    const Outcome named = cli({QStringLiteral("--export"), QStringLiteral("./-"), photos}, work);
    EXPECT_EQ(named.exitCode, 0);
    EXPECT_EQ(entries(work), QStringList{QStringLiteral("-")});
    EXPECT_TRUE(named.out.startsWith("Group 1\n"));
    const Outcome both = cli(
        {QStringLiteral("--save"), QStringLiteral("-"), QStringLiteral("--export"), QStringLiteral("-"), photos}, work);
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(both.out.isEmpty());
    EXPECT_TRUE(both.err.contains("only one of --save, --save-params and --export can write to standard output"))
        << both.err.constData();
}
