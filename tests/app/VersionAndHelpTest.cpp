// SPDX-License-Identifier: GPL-3.0-or-later
// corvina and corvina-cli say their version and usage on standard output and exit, without a
// window and without a display, and both say the one version the build sets.
#include "core/Version.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace
{
struct Answer
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program run where no display can be reached, as over ssh.
Answer run(const QString &program, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LANGUAGE"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << program.toStdString();
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}
} // namespace

TEST(VersionAndHelp, BothProgramsSayTheOneVersionWithoutADisplay)
{
    const QByteArray version(CorvinaVersion);
    ASSERT_FALSE(version.isEmpty());
    for (const char *option : {"--version", "-V"})
    {
        const Answer window = run(QStringLiteral(CORVINA_APP), {QLatin1String(option)});
        EXPECT_EQ(window.exitCode, 0) << window.err.constData();
        EXPECT_EQ(window.out, "corvina " + version + '\n');
        const Answer cli = run(QStringLiteral(CORVINA_CLI), {QLatin1String(option)});
        EXPECT_EQ(cli.exitCode, 0) << cli.err.constData();
        EXPECT_EQ(cli.out, "corvina-cli " + version + '\n');
    }
}

TEST(VersionAndHelp, TheWindowProgramPrintsItsUsageAndExits)
{
    for (const char *option : {"--help", "-h"})
    {
        const Answer help = run(QStringLiteral(CORVINA_APP), {QLatin1String(option)});
        EXPECT_EQ(help.exitCode, 0) << help.err.constData();
        EXPECT_TRUE(help.out.startsWith("Usage: corvina [SESSION-FILE]\n")) << help.out.constData();
        EXPECT_TRUE(help.out.contains("  -V, --version")) << help.out.constData();
        EXPECT_TRUE(help.err.isEmpty()) << help.err.constData();
    }
}
