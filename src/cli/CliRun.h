// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli from its arguments to its exit status, apart from the process it runs in.
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

namespace CliExit
{
constexpr int Completed = 0; // the search ran to its end
constexpr int Failed = 1;    // a folder that does not exist, an error while searching
constexpr int BadUsage = 2;  // the command line is wrong
} // namespace CliExit

/// Where corvina-cli writes and what it knows of its surroundings.
struct CliEnvironment
{
    QIODevice &out;
    QIODevice &err;
    bool progress = false; // standard error is a terminal: show a progress line on it
    int columns = 80;      // width of that terminal
    QString currentFolder; // relative folders are taken from here
};

/// Runs corvina-cli with the arguments (without the program name); returns the exit status.
int runCli(const QStringList &arguments, const CliEnvironment &env);
