// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0 && m_fd != fd)
    {
        const int saved = errno;
        ::close(m_fd);
        errno = saved;
    }
    m_fd = fd;
}

int FileDescriptor::close()
{
    if (m_fd < 0)
        return 0;
    return ::close(std::exchange(m_fd, -1));
}
