// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <gtest/gtest.h>

using Kind = CommandLine::Request::Kind;

TEST(CommandLine, TheSwitchAndTheSessionPath)
{
    struct Case
    {
        QStringList arguments;
        Kind kind;
        const char *path;
    };
    const Case cases[] = {
        {{}, Kind::MainWindow, ""},
        {{"-un"}, Kind::Feedback, ""},
        {{"/tmp/a.cvf", "-un"}, Kind::Feedback, ""},
        {{"x-unx"}, Kind::OpenSession, "x-unx"},
        {{"/home/sam/re-union.cvf"}, Kind::OpenSession, "/home/sam/re-union.cvf"},
        {{"-un.cvf"}, Kind::OpenSession, "-un.cvf"},
        {{"-UN"}, Kind::OpenSession, "-UN"},
        {{"/tmp/my session.cvf"}, Kind::OpenSession, "/tmp/my session.cvf"},
        {{"\"/tmp/quoted.cvf\""}, Kind::OpenSession, "/tmp/quoted.cvf"},
        {{"/tmp/a\"b.cvf"}, Kind::OpenSession, "/tmp/ab.cvf"},
        {{"/tmp/two", "words.cvf"}, Kind::OpenSession, "/tmp/two words.cvf"},
        {{"--help"}, Kind::Help, ""},
        {{"-h"}, Kind::Help, ""},
        {{"--version"}, Kind::Version, ""},
        {{"-V"}, Kind::Version, ""},
        // A file may have any of these names; with company they are a session's name.
        {{"./-h"}, Kind::OpenSession, "./-h"},
        {{"my", "--version"}, Kind::OpenSession, "my --version"},
    };
    for (const Case &c : cases)
    {
        const CommandLine::Request r = CommandLine::parse(c.arguments);
        EXPECT_EQ(r.kind, c.kind) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(r.path, QString::fromUtf8(c.path)) << c.arguments.join(u' ').toStdString();
    }
}
