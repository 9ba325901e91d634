// SPDX-License-Identifier: GPL-3.0-or-later
// A small tmpfs of its own, mounted on a folder of a test tree for the life of the object.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>

/// Invalid where this process may not mount one (not root, or a container that forbids it): the
/// test then skips. Unmounted lazily, so that a file still open does not keep it.
class ScratchFileSystem
{
public:
    ScratchFileSystem(const QString &folder, const char *options) : m_folder(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0;
    }
    ~ScratchFileSystem()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    ScratchFileSystem(const ScratchFileSystem &) = delete;
    ScratchFileSystem &operator=(const ScratchFileSystem &) = delete;
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
