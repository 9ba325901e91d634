// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveFile.h"

namespace
{
// Bytes are handed to the system in blocks of about this size.
constexpr qsizetype kBlock = qsizetype(256) * 1024;
} // namespace

SaveFile::SaveFile(const QString &path, Access access) : m_path(path), m_access(access) {}

FileOpen::Result SaveFile::open()
{
    return prepare(true);
}

FileOpen::Result SaveFile::write(const QByteArray &bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() < kBlock)
        return {};
    return flushBuffer();
}

FileOpen::Result SaveFile::check(const QString &path)
{
    SaveFile probe(path);
    return probe.prepare(false);
}
