// SPDX-License-Identifier: GPL-3.0-or-later
// The outcome of one file operation: where the file went, or why it stayed.
#pragma once

#include <QString>

enum class FileOpError
{
    None,
    System,          // a system call failed; errorNumber says why
    Changed,         // the file is not the one the caller expected (size, time or identity differ)
    SameFolder,      // a move into the folder the file is already in
    Mismatch,        // the copy read back differently from its source
    NoFreeName,      // every numbered name was taken
    NotAbsolute,     // a relative path, which would depend on the current folder
    OtherFileSystem, // a hard link cannot reach a file on another file system
    NoClones,        // the file system cannot make clones (shared blocks)
    OwnersDiffer,    // a hard link would give a file another owner, group, mode, ACL or attributes
    OwnersNotKept,   // a clone could not keep the replaced file's owner, mode, ACL or attributes
};

struct FileOpResult
{
    FileOpError error = FileOpError::None;
    int errorNumber = 0; // errno of the failing call, with FileOpError::System
    QString target;      // where the file is now, after a copy, move, rename or trashing

    bool ok() const { return error == FileOpError::None; }
    /// A short English sentence about the failure, for messages and logs.
    QString reason() const;

    static FileOpResult success(QString target) { return {FileOpError::None, 0, std::move(target)}; }
    static FileOpResult failure(FileOpError error, int errorNumber = 0) { return {error, errorNumber, {}}; }
};
