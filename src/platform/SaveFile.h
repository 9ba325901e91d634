// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file so that it is replaced whole or not at all, and never through another user's link.
#pragma once

#include "platform/FileDescriptor.h"
#include "platform/FileOpen.h"

#include <QByteArray>
#include <QString>

/// A file Corvina writes for the user: a session, default.cvf, an export, the error log.
///
/// A regular file at the name, or a free name, is replaced whole or not at all: the bytes go to a
/// new file in the same folder, which commit() flushes to the disk and renames over the name.
/// Until then the name keeps its old file whatever fails (a full disk, no permission, a crash),
/// and destroyed without a commit the new file leaves nothing behind. A FIFO or a device at the
/// name (/dev/stdout, /dev/null) is written in place; a folder or a socket is refused (NotAFile).
/// "-" is standard output.
///
/// The folders of the path and a link at the name are followed only as SafeFolders allows: a link
/// another user put in a folder everyone may write to (/tmp) is refused (AccessDenied), so nobody
/// can turn a save onto a file of their choosing. Failures are told as FileOpen's kinds, so that
/// the caller can say why in words its user understands.
class SaveFile
{
public:
    /// Who may read the file written.
    enum class Access
    {
        Shared,  // a new file as the umask allows (0666 & ~umask); a replaced file keeps its permissions
        Private, // the user alone (0600), also when the file replaced was more open
    };

    explicit SaveFile(const QString &path, Access access = Access::Shared);
    ~SaveFile();
    SaveFile(const SaveFile &) = delete;
    SaveFile &operator=(const SaveFile &) = delete;

    /// Opens the new file beside the target, or the FIFO or device at its place (a FIFO waits
    /// for its reader here).
    FileOpen::Result open();
    /// Appends bytes (buffered).
    FileOpen::Result write(const QByteArray &bytes);
    /// Writes what is buffered; a new file is flushed to the disk and renamed over the name.
    FileOpen::Result commit();

    /// Why open() would fail, without writing anything: the path is resolved as open() resolves
    /// it and a new file is made in the target's folder and dropped again. A FIFO or a device is
    /// only checked for permission, not opened: a FIFO opened and closed again would end its
    /// reader's input.
    static FileOpen::Result check(const QString &path);

private:
    FileOpen::Result prepare(bool openInPlace);
    FileOpen::Result prepareStandardOutput(bool openInPlace);
    FileOpen::Result flushBuffer();

    QString m_path;
    Access m_access;
    FileDescriptor m_folder; // the folder the name is in (none for standard output)
    QByteArray m_name;       // the name in that folder, once links are followed
    FileDescriptor m_file;   // the new file, or the FIFO or device written in place
    QByteArray m_newName;    // the new file's own name beside the target, while it has one
    bool m_inPlace = false;
    QByteArray m_buffer;
};
