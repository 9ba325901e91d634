// The error rows of the deletion and copy/move dialogs.
#pragma once

#include <QString>

/// One row of ErrList: error number, description, and the full path of the file.
struct ActionError
{
    QString number;
    QString description;
    QString fileName;

    bool operator==(const ActionError &) const = default;

    static ActionError unableToDelete(const QString &path)
    {
        return {QStringLiteral("1005"), QStringLiteral("Unable to delete file"), path};
    }
    static ActionError unableToMove(const QString &path)
    {
        return {QStringLiteral("1006"), QStringLiteral("Unable to move file"), path};
    }
    static ActionError unableToCopy(const QString &path)
    {
        return {QStringLiteral("1007"), QStringLiteral("Unable to copy file"), path};
    }
    /// The file's size or modification time is not what the search saw: the user marked another
    /// file than the one now there, so it is left alone.
    static ActionError changedSinceSearch(const QString &path)
    {
        return {QStringLiteral("1008"), QStringLiteral("File changed since the search"), path};
    }
    /// No unmarked member of the file's group is still there as the search saw it, so this may be
    /// the last copy; it is left alone.
    static ActionError noCopyLeft(const QString &path)
    {
        return {QStringLiteral("1009"), QStringLiteral("No unmarked copy of the file is left"), path};
    }
};
