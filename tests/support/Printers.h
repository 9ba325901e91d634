// SPDX-License-Identifier: GPL-3.0-or-later
// How GoogleTest prints Corvina's error values in a failed expectation: by name and text, not as
// the bytes of the object.
#pragma once

#include "actions/ActionError.h"
#include "platform/FileOpResult.h"

#include <ostream>

/// "FileOpError::Changed".
inline void PrintTo(FileOpError error, std::ostream *os)
{
    const char *name = "?";
    switch (error)
    {
    case FileOpError::None:
        name = "None";
        break;
    case FileOpError::System:
        name = "System";
        break;
    case FileOpError::Changed:
        name = "Changed";
        break;
    case FileOpError::SameFolder:
        name = "SameFolder";
        break;
    case FileOpError::Mismatch:
        name = "Mismatch";
        break;
    case FileOpError::NoFreeName:
        name = "NoFreeName";
        break;
    case FileOpError::NotAbsolute:
        name = "NotAbsolute";
        break;
    case FileOpError::OtherFileSystem:
        name = "OtherFileSystem";
        break;
    case FileOpError::NoClones:
        name = "NoClones";
        break;
    case FileOpError::OwnersDiffer:
        name = "OwnersDiffer";
        break;
    case FileOpError::OwnersNotKept:
        name = "OwnersNotKept";
        break;
    }
    *os << "FileOpError::" << name;
}

/// `1008 "File changed since the search" /path`.
inline void PrintTo(const ActionError &error, std::ostream *os)
{
    *os << error.number.toStdString() << " \"" << error.description.toStdString() << "\" "
        << error.fileName.toStdString();
}
