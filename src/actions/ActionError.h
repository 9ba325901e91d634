// SPDX-License-Identifier: GPL-3.0-or-later
// The error rows of the deletion and copy/move dialogs.
#pragma once

#include <QString>

/// One row of errorList: error number, description, and the full path of the file. The
/// description is in the user's language; the number names the error whatever the language.
struct ActionError
{
    QString number;
    QString description;
    QString fileName;

    bool operator==(const ActionError &) const = default;

    static ActionError unableToDelete(const QString &path);
    static ActionError unableToMove(const QString &path);
    static ActionError unableToCopy(const QString &path);
    /// The file's size or modification time is not what the search saw: the user marked another
    /// file than the one now there, so it is left alone.
    static ActionError changedSinceSearch(const QString &path);
    /// No unmarked member of the file's group is still there as the search saw it, so this may be
    /// the last copy; it is left alone.
    static ActionError noCopyLeft(const QString &path);
    /// The row cannot be traced to the file the search saw: its folder is outside every search
    /// location or was reached through a link, or the file or the row's details did not agree
    /// when the list was made.
    static ActionError untraced(const QString &path);
    /// A folder on the way to the file is no longer the one the search went through (a link or
    /// another folder was put in its place).
    static ActionError folderChanged(const QString &path);
    /// The file is one of the originals the user keeps in a reference location.
    static ActionError inReference(const QString &path);
    /// Replacing the file with a link failed for another reason; the file stays as it was.
    static ActionError unableToLink(const QString &path);
    /// A hard link cannot reach its kept copy on another file system.
    static ActionError otherFileSystem(const QString &path);
    static ActionError noClones(const QString &path);
    /// A hard link makes two names one file: it would give the replaced file the kept copy's owner,
    /// group, permissions, ACL and attributes, so files that differ in any of them stay apart.
    static ActionError ownersDiffer(const QString &path);
    /// A clone must keep the replaced file's owner, group, permissions, ACL and attributes.
    static ActionError ownersNotKept(const QString &path);
    /// The only unmarked copies are originals in a reference location, which never take a link.
    static ActionError onlyReferenceCopy(const QString &path);
    /// The empty-files listing names a file that holds bytes now.
    static ActionError notEmpty(const QString &path);
    /// Same Name: no unmarked member of the group has the file's name.
    static ActionError nameDiffers(const QString &path);
    /// Fuzzy: no unmarked member of the group has at least half of the file's blocks.
    static ActionError notSimilar(const QString &path);
    /// Unmarked copies are there, but none holds the same bytes any more.
    static ActionError contentsDiffer(const QString &path);
    /// Undo: something stands at the name the file is to get back.
    static ActionError nameTaken(const QString &path);
    /// Undo: in the trash or the destination stands another file, a link or a changed file.
    static ActionError notWhatWasPut(const QString &path);
    /// Undo of a copy: the copy or its original was changed, so the copy may hold the only bytes.
    static ActionError copyDiffers(const QString &path);
    /// Undo: the folder the file came from is another folder now, or a link.
    static ActionError originChanged(const QString &path);
    /// Undo: the file could not be put back for another reason; it stays where it is.
    static ActionError unableToPutBack(const QString &path);

    /// A marked folder with nothing unique: its files' copies are spread over other folders,
    /// none of which is in the list to be proved.
    static ActionError folderNotInGroup(const QString &path);
    /// The folder now holds another count of files or bytes than its row, or another item has
    /// its name: it is not the folder the search listed.
    static ActionError folderNotListed(const QString &path);
    /// The folder holds a link, a FIFO, a device or a socket, which no proof covers.
    static ActionError folderNotPlain(const QString &path);
    /// No unmarked folder of the group is still there.
    static ActionError noFolderCopyLeft(const QString &path);
    /// Unmarked folders of the group are there, but none holds the same names and bytes in
    /// files of its own.
    static ActionError folderContentsDiffer(const QString &path);
    /// A folder with nothing unique: the copy the search found of one of its files is gone, holds
    /// other bytes, or is one of the folder's own files.
    static ActionError folderCopiesGone(const QString &path);
    /// A whole folder is never deleted for good: the trash keeps it whole for the user.

    /// The English description of an error number, whatever the user's language (the error log
    /// writes it); "" for a number no error has.
    static QString englishDescription(const QString &number);
};
