// SPDX-License-Identifier: GPL-3.0-or-later
// One option of corvina-cli's command line, as the option tables list them.
#pragma once

#include <QString>

struct CliCommand;

struct CliOption
{
    const char *name = nullptr;      // the long name, without "--"
    const char *valueName = nullptr; // nullptr for a switch
    const char *help = nullptr;
    // Applies the option; returns why the value is wrong, or an empty text.
    QString (*apply)(CliCommand &command, const QString &value);
};
