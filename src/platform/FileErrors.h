// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered errors of a file that fails to open, save or read (session and export files, the
// error log), described in words a user understands ("61 Disk full").
#pragma once

#include "core/RaisedError.h"
#include "platform/FileOpen.h"

namespace FileErrors
{
inline constexpr qint32 FileNotFound = 53;
inline constexpr qint32 DeviceIo = 57;
inline constexpr qint32 DiskFull = 61;
inline constexpr qint32 PermissionDenied = 70;
inline constexpr qint32 PathFileAccess = 75;
inline constexpr qint32 PathNotFound = 76;

/// The error of a failed open or save: the number by kind, its words, and the system's text in
/// brackets where it adds something ("70 Permission denied (Read-only file system)").
RaisedError openFailure(const FileOpen::Result &result, bool forWriting);

[[noreturn]] void raiseOpenFailure(const FileOpen::Result &result, bool forWriting);

/// A read that failed after the open.
[[noreturn]] void raiseIoFailure(const QString &text);
} // namespace FileErrors
