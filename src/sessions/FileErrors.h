// The run-time errors the session and export files raise, numbered as Corvina reports them.
#pragma once

#include "core/RaisedError.h"
#include "platform/FileOpen.h"

namespace FileErrors
{
inline constexpr qint32 Overflow = 6;
inline constexpr qint32 SubscriptOutOfRange = RaisedError::SubscriptOutOfRange;
inline constexpr qint32 TypeMismatch = RaisedError::TypeMismatch;
inline constexpr qint32 FileNotFound = 53;
inline constexpr qint32 DeviceIo = 57;
inline constexpr qint32 DiskFull = 61;
inline constexpr qint32 PermissionDenied = 70;
inline constexpr qint32 PathFileAccess = 75;
inline constexpr qint32 PathNotFound = 76;

/// The error of a failed open: the number by kind, the system's text as the description.
[[noreturn]] void raiseOpenFailure(const FileOpen::Result &result, bool forWriting);

/// A write or read that failed after the open.
[[noreturn]] void raiseIoFailure(const QString &text);

[[noreturn]] void raise(qint32 number, const QString &description);
} // namespace FileErrors
