// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of corvina-cli: its options, how they are read, and the help text.
#pragma once

#include "cli/CliActionOptions.h"
#include "cli/CliSessionOptions.h"
#include "engine/ScanTypes.h"
#include "search/FileMasks.h"
#include "search/SearchLocation.h"

#include <QString>
#include <QStringList>

/// Everything the command line asks for.
struct CliOptions
{
    enum class Format
    {
        Text,   // numbered groups, one file per line
        Groups, // one group per line, full paths separated by a TAB
        Json,   // a JSON array of the groups
        Nul,    // the paths, each ended by a NUL byte (xargs -0)
    };

    ScanOptions scan;                     // engine, fuzzy, protection, hidden files
    QString mask = FileMasks::allFiles(); // the file mask of every folder
    QString minKb = QStringLiteral("0");  // kilobytes, as text
    QString maxKb;                        // kilobytes, as text; empty for no maximum
    bool subFolders = true;
    QStringList folders;    // as given
    QStringList references; // as given: searched, their files kept as the originals
    QStringList excludes;   // as given
    Format format = Format::Text;
    bool quiet = false;
    bool verbose = false;         // list what could not be read
    bool contained = false;       // --contained: folders with nothing unique, with --engine folders
    bool similarityGiven = false; // --similarity, which needs --engine pictures
    CliSessionOptions session;    // session files and exports
    CliActionOptions actions;     // marking and acting on the marked files

    /// The search locations: one per folder, then one exclusion per excluded folder; relative
    /// paths are taken from currentFolder.
    SearchLocationList locations(const QString &currentFolder) const;
};

/// What the command line asks corvina-cli to do.
struct CliCommand
{
    enum class Action
    {
        Scan,
        Help,
        Version,
        Undo,     // --undo
        Journal,  // --journal
        BadUsage, // error says why
    };

    Action action = Action::Scan;
    CliOptions options;
    QString error;
};

/// Reads the arguments (without the program name). Options may come anywhere; "--name=value"
/// and "--name value" both work; "--" ends the options.
CliCommand parseCommandLine(const QStringList &arguments);

/// The --help text.
QString helpText();
