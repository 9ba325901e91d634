#include "platform/FileDescriptor.h"

#include <unistd.h>

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0 && m_fd != fd)
        ::close(m_fd);
    m_fd = fd;
}
