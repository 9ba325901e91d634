// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOpResult.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("FileOpResult", "The file has changed.");
    case FileOpError::SameFolder:
        return QCoreApplication::translate("FileOpResult", "The file is already in that folder.");
    case FileOpError::Mismatch:
        return QCoreApplication::translate("FileOpResult", "The copy differs from the original.");
    case FileOpError::NoFreeName:
        return QCoreApplication::translate("FileOpResult", "No free name is left in the destination folder.");
    case FileOpError::NotAbsolute:
        return QCoreApplication::translate("FileOpResult", "The path does not start at the root folder.");
    case FileOpError::OtherFileSystem:
        return QCoreApplication::translate("FileOpResult", "The files are on different file systems.");
    case FileOpError::NoClones:
        return QCoreApplication::translate("FileOpResult", "The file system cannot make clones.");
    case FileOpError::OwnersDiffer:
        return QCoreApplication::translate("FileOpResult",
                                           "The files differ in owner, group, permissions or attributes.");
    case FileOpError::OwnersNotKept:
        return QCoreApplication::translate("FileOpResult",
                                           "The file's owner, group, permissions or attributes could not be kept.");
    }
    return QString();
}
