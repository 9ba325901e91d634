// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file by its exact name into a QFile, for the files Corvina itself reads (SaveFile
// writes them), and the kinds of failure both report.
#pragma once

#include "platform/FileStatus.h"

#include <QFile>
#include <QString>

namespace FileOpen
{
enum class Failure
{
    None,
    NotFound,     // no such file, or a folder of the path is missing
    NotAFile,     // a folder, a FIFO, a device
    AccessDenied, // no permission, or a read-only file system
    NoSpace,      // the disk or the quota is full
    Other,
};

struct Result
{
    Failure failure = Failure::None;
    QString text; // the system's description of the failure

    bool ok() const { return failure == Failure::None; }
};

/// The kind of a failed system call's error number, with the system's text: ENOSPC and EDQUOT are
/// NoSpace, EACCES, EPERM and EROFS AccessDenied, ENOENT and ENOTDIR NotFound, EISDIR and ENXIO
/// NotAFile.
Result systemFailure(int error);

/// Opens an existing regular file (a NativePath text) for reading, never blocking on a FIFO.
Result forReading(QFile &file, const QString &path);

/// Opens an existing regular file for reading like forReading, but never through a symbolic link
/// at the name, and sets status to what the open file is (its identity, size and times), so that
/// what is read and what is known of it are one file whatever happens at the name meanwhile.
Result forReadingWithStatus(QFile &file, const QString &path, FileStatus &status);
} // namespace FileOpen
