// SPDX-License-Identifier: GPL-3.0-or-later
// A regular file opened for reading by its exact name, read at explicit offsets.
#pragma once

#include "platform/FileDescriptor.h"

#include <QString>
#include <QStringView>

/// Opens only regular files, never through a symbolic link in the last component and never
/// blocking on a FIFO that took a file's place. Move-only; closes itself.
class ReadOnlyFile
{
public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile() { close(); }
    ReadOnlyFile(ReadOnlyFile &&other) noexcept;
    ReadOnlyFile &operator=(ReadOnlyFile &&other) noexcept;
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    /// Opens path (a NativePath text); false when it is not a regular file that can be read.
    bool open(const QString &path);
    /// Opens the file called name (a NativePath text) in an open folder, with the same checks:
    /// a folder's files need no look-up of the folder's path each time.
    bool openIn(const FileDescriptor &folder, QStringView name);
    /// A folder to open files in with openIn (through links, as a path's folders are), or an
    /// invalid descriptor.
    static FileDescriptor openFolder(const QString &path);
    bool isOpen() const { return m_fd.valid(); }
    void close();

    /// The length when the file was opened.
    qint64 size() const { return m_size; }

    /// Reads up to length bytes at offset; returns the count read (less only at the end of the
    /// file), or -1 on a read error.
    qint64 readAt(char *buffer, qint64 length, qint64 offset) const;

    /// Tells the system the file will be read from start to end once.
    void adviseSequential() const;

    /// How many files this process may hold open at once.
    static qint64 openLimit();

    /// Makes this process's table of open files large enough for `count` files at once (at most
    /// the open-file limit). The kernel grows the table by doubling, and each growth in a process
    /// with several threads waits for every processor to pass a quiet point, often 10 ms or more:
    /// a search holding thousands of files open would wait that long several times. Growing it
    /// once before any thread starts costs nothing of the kind.
    static void reserveDescriptors(qint64 count);

private:
    // Keeps fd when it is a regular file, with its length.
    bool take(FileDescriptor fd);

    FileDescriptor m_fd;
    qint64 m_size = 0;
};
