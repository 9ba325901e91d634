// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOpResult.h"

#include <cstring>

QString FileOpResult::reason() const
{
    switch (error)
    {
    case FileOpError::None:
        return QString();
    case FileOpError::System:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    case FileOpError::Changed:
        return QStringLiteral("The file has changed.");
    case FileOpError::SameFolder:
        return QStringLiteral("The file is already in that folder.");
    case FileOpError::Mismatch:
        return QStringLiteral("The copy differs from the original.");
    case FileOpError::NoFreeName:
        return QStringLiteral("No free name is left in the destination folder.");
    case FileOpError::NotAbsolute:
        return QStringLiteral("The path does not start at the root folder.");
    case FileOpError::OtherFileSystem:
        return QStringLiteral("The files are on different file systems.");
    case FileOpError::NoClones:
        return QStringLiteral("The file system cannot make clones.");
    case FileOpError::OwnersDiffer:
        return QStringLiteral("The files differ in owner, group, permissions or attributes.");
    case FileOpError::OwnersNotKept:
        return QStringLiteral("The file's owner, group, permissions or attributes could not be kept.");
    }
    return QString();
}
