// SPDX-License-Identifier: GPL-3.0-or-later
// The options of corvina-cli that mark files and act on them: what they ask for and how they are
// read.
#pragma once

#include "cli/CliOption.h"
#include "platform/FileTransfer.h"

#include <QString>
#include <QStringList>

#include <vector>

struct CliOptions;

struct CliActionOptions
{
    enum class Act
    {
        None,
        Trash,  // --trash
        Delete, // --delete: for good
        Move,   // --move DIR
        Copy,   // --copy DIR
        Link,   // --link hard|clone
    };

    QStringList marks; // the --mark rules, in the order given
    Act act = Act::None;
    QString target; // --move and --copy: the folder
    FileTransfer::LinkKind link = FileTransfer::LinkKind::Hard;
    bool dryRun = false;
    bool keepStructure = false;      // --keep-structure: copies and moves keep their folders
    bool removeEmptyFolders = false; // --remove-empty-folders: after --trash, --delete or --move

    /// The same options with a relative target folder taken from currentFolder.
    CliActionOptions resolved(const QString &currentFolder) const;
};

/// The rows of the option table for marking and acting.
const std::vector<CliOption> &actionOptions();

/// Why the action options do not fit together, or "".
QString actionUsageError(const CliOptions &options);
