// One option of corvina-cli's command line, as the option tables list them.
#pragma once

#include <QString>

struct CliCommand;

struct CliOption
{
    const char *name;      // the long name, without "--"
    const char *valueName; // nullptr for a switch
    const char *help;
    // Applies the option; returns why the value is wrong, or an empty text.
    QString (*apply)(CliCommand &command, const QString &value);
};
