// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveFile.h"

#include "platform/NativePath.h"

SaveFile::SaveFile(const QString &path) : m_path(path), m_file(path) {}

FileOpen::Result SaveFile::open()
{
    // Qt passes file names to the system as UTF-8; a name holding other bytes would be written
    // under another name, so it is refused before anything is written.
    if (NativePath::hasEscapedBytes(m_path))
        return {FileOpen::Failure::Other, QStringLiteral("Corvina writes only files whose names are UTF-8")};
    if (!m_file.open(QIODevice::WriteOnly))
        return failure();
    return {};
}

FileOpen::Result SaveFile::write(const QByteArray &bytes)
{
    if (m_file.write(bytes) != bytes.size())
        return failure();
    return {};
}

FileOpen::Result SaveFile::commit()
{
    // A failed flush is caught here rather than left to commit(), which some Qt versions only
    // check for failed writes; the new file is then dropped with this object.
    if (!m_file.flush())
    {
        const FileOpen::Result failed = failure();
        m_file.cancelWriting();
        return failed;
    }
    if (!m_file.commit())
        return failure();
    return {};
}

FileOpen::Result SaveFile::failure() const
{
    const QString text = m_file.errorString();
    if (m_file.error() == QFileDevice::ResourceError)
        return {FileOpen::Failure::NoSpace, text};
    return {probe(m_path), text};
}
