// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionError.h"

#include <QCoreApplication>

namespace
{
struct Description
{
    int number;
    const char *text;
};

// Translated where a row is made, so that every place that shows it (the dialogs' error lists,
// corvina-cli's standard error) shows the user's language.
constexpr Description kDescriptions[] = {
    {1005, QT_TRANSLATE_NOOP("ActionError", "Unable to delete file")},
    {1006, QT_TRANSLATE_NOOP("ActionError", "Unable to move file")},
    {1007, QT_TRANSLATE_NOOP("ActionError", "Unable to copy file")},
    {1008, QT_TRANSLATE_NOOP("ActionError", "File changed since the search")},
    {1009, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy of the file is left")},
    {1010, QT_TRANSLATE_NOOP("ActionError", "File cannot be traced to a search location")},
    {1011, QT_TRANSLATE_NOOP("ActionError", "Folder changed since the search")},
    {1012, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy has the same contents")},
    {1013, QT_TRANSLATE_NOOP("ActionError", "File is in a reference location")},
    {1014, QT_TRANSLATE_NOOP("ActionError", "Unable to replace file with a link")},
    {1015, QT_TRANSLATE_NOOP("ActionError", "Kept copy is on another file system")},
    {1016, QT_TRANSLATE_NOOP("ActionError", "File system cannot make clones")},
    {1018, QT_TRANSLATE_NOOP("ActionError", "Kept copy differs in owner, permissions or attributes")},
    {1019, QT_TRANSLATE_NOOP("ActionError", "Owner, permissions or attributes could not be kept")},
    {1020, QT_TRANSLATE_NOOP("ActionError", "Only a file in a reference location is left to link to")},
    {1021, QT_TRANSLATE_NOOP("ActionError", "File is not empty")},
    {1022, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy has the same name")},
    {1023, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy is similar enough")},
    {1024, QT_TRANSLATE_NOOP("ActionError", "Another file now has the name it came from")},
    {1025, QT_TRANSLATE_NOOP("ActionError", "File is no longer the one Corvina put there")},
    {1026, QT_TRANSLATE_NOOP("ActionError", "Copy no longer holds the bytes of its original")},
    {1027, QT_TRANSLATE_NOOP("ActionError", "Folder it came from has changed")},
    {1028, QT_TRANSLATE_NOOP("ActionError", "Unable to put file back")},
    {1029, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy of this folder is in the list")},
    {1030, QT_TRANSLATE_NOOP("ActionError", "Folder is not the one the search listed")},
    {1031, QT_TRANSLATE_NOOP("ActionError", "Folder holds an entry that is not a file or folder")},
    {1032, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy of the folder is left")},
    {1033, QT_TRANSLATE_NOOP("ActionError", "No unmarked copy holds the same files")},
    {1035, QT_TRANSLATE_NOOP("ActionError", "A file of the folder has no copy outside it any more")},
};

const char *englishText(int number)
{
    for (const Description &d : kDescriptions)
    {
        if (d.number == number)
            return d.text;
    }
    return "";
}

ActionError make(int number, const QString &path)
{
    return {QString::number(number), QCoreApplication::translate("ActionError", englishText(number)), path};
}
} // namespace

ActionError ActionError::unableToDelete(const QString &path)
{
    return make(1005, path);
}

ActionError ActionError::unableToMove(const QString &path)
{
    return make(1006, path);
}

ActionError ActionError::unableToCopy(const QString &path)
{
    return make(1007, path);
}

ActionError ActionError::changedSinceSearch(const QString &path)
{
    return make(1008, path);
}

ActionError ActionError::noCopyLeft(const QString &path)
{
    return make(1009, path);
}

ActionError ActionError::untraced(const QString &path)
{
    return make(1010, path);
}

ActionError ActionError::folderChanged(const QString &path)
{
    return make(1011, path);
}

ActionError ActionError::contentsDiffer(const QString &path)
{
    return make(1012, path);
}

ActionError ActionError::inReference(const QString &path)
{
    return make(1013, path);
}

ActionError ActionError::unableToLink(const QString &path)
{
    return make(1014, path);
}

ActionError ActionError::otherFileSystem(const QString &path)
{
    return make(1015, path);
}

ActionError ActionError::noClones(const QString &path)
{
    return make(1016, path);
}

ActionError ActionError::ownersDiffer(const QString &path)
{
    return make(1018, path);
}

ActionError ActionError::ownersNotKept(const QString &path)
{
    return make(1019, path);
}

ActionError ActionError::onlyReferenceCopy(const QString &path)
{
    return make(1020, path);
}

ActionError ActionError::notEmpty(const QString &path)
{
    return make(1021, path);
}

ActionError ActionError::nameDiffers(const QString &path)
{
    return make(1022, path);
}

ActionError ActionError::notSimilar(const QString &path)
{
    return make(1023, path);
}

ActionError ActionError::nameTaken(const QString &path)
{
    return make(1024, path);
}

ActionError ActionError::notWhatWasPut(const QString &path)
{
    return make(1025, path);
}

ActionError ActionError::copyDiffers(const QString &path)
{
    return make(1026, path);
}

ActionError ActionError::originChanged(const QString &path)
{
    return make(1027, path);
}

ActionError ActionError::unableToPutBack(const QString &path)
{
    return make(1028, path);
}

ActionError ActionError::folderNotInGroup(const QString &path)
{
    return make(1029, path);
}

ActionError ActionError::folderNotListed(const QString &path)
{
    return make(1030, path);
}

ActionError ActionError::folderNotPlain(const QString &path)
{
    return make(1031, path);
}

ActionError ActionError::noFolderCopyLeft(const QString &path)
{
    return make(1032, path);
}

ActionError ActionError::folderContentsDiffer(const QString &path)
{
    return make(1033, path);
}

ActionError ActionError::folderCopiesGone(const QString &path)
{
    return make(1035, path);
}

QString ActionError::englishDescription(const QString &number)
{
    bool ok = false;
    const int n = number.toInt(&ok);
    return ok ? QString::fromLatin1(englishText(n)) : QString();
}
