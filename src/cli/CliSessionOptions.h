// SPDX-License-Identifier: GPL-3.0-or-later
// The session and export options of corvina-cli: what they ask for and how they are read.
#pragma once

#include "cli/CliOption.h"
#include "sessions/ExportChoice.h"

#include <QString>

#include <vector>

struct CliOptions;

struct CliSessionOptions
{
    enum class ExportFormat
    {
        Csv,
        Html,
    };

    QString session;     // --session: scan the locations and options of this file
    QString load;        // --load: show the saved result of this file
    bool rescan = false; // --rescan: compare the loaded rows again
    QString save;        // --save: write the session with its result here
    QString saveParams;  // --save-params: write the locations and options only
    QString exportPath;  // --export
    ExportFormat exportFormat = ExportFormat::Csv;
    QString delimiter = QStringLiteral(",");
    ExportRows exportRows = ExportRows::All;

    // Which of the export settings were given (they need --export).
    bool exportFormatGiven = false;
    bool delimiterGiven = false;
    bool exportRowsGiven = false;

    /// True when the folders and scan options come from a file rather than the command line.
    bool fromFile() const { return !session.isEmpty() || !load.isEmpty(); }

    /// The same options with relative file paths taken from currentFolder; "-" (standard output)
    /// stays "-" for the files written.
    CliSessionOptions resolved(const QString &currentFolder) const;

    /// True when --save, --save-params or --export writes to standard output ("-").
    bool writesToStandardOutput() const { return save == u"-" || saveParams == u"-" || exportPath == u"-"; }
};

/// The rows of the option table for sessions and exports.
const std::vector<CliOption> &sessionOptions();

/// Why the session options do not fit together or with the rest of the command line, or "".
QString sessionUsageError(const CliOptions &options);
