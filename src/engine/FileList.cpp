// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileList.h"

#include "core/TextFormat.h"

#include <cstring>
#include <limits>
#include <stdexcept>

FileList::FileList() = default;

quint32 FileList::addFolder(const QString &folder)
{
    m_folders.push_back(folder);
    return static_cast<quint32>(m_folders.size() - 1);
}

void FileList::append(quint32 folder, QStringView name, qint64 size, qint64 mtime, const DirectoryListing::FileId &id)
{
    const auto length = static_cast<quint32>(name.size());
    if (name.size() >= static_cast<qsizetype>(ChunkUnits))
        throw std::length_error("file name too long");
    const quint32 wanted = length + 1;
    quint64 start = m_used;
    if ((start & (ChunkUnits - 1)) + wanted > ChunkUnits)
        start = ((start >> ChunkShift) + 1) << ChunkShift; // a name never spans two chunks
    if (start + wanted > std::numeric_limits<quint32>::max())
        throw std::length_error("too many file names");
    m_used = static_cast<quint32>(start);
    if ((m_used >> ChunkShift) >= m_chunks.size())
        m_chunks.push_back(std::make_unique_for_overwrite<char16_t[]>(ChunkUnits));
    char16_t *out = m_chunks[m_used >> ChunkShift].get() + (m_used & (ChunkUnits - 1));
    out[0] = static_cast<char16_t>(length);
    if (length > 0)
        std::memcpy(out + 1, name.utf16(), length * sizeof(char16_t));
    const auto i = static_cast<Index>(m_count);
    if ((i >> RecordShift) >= m_records.size())
        m_records.push_back(std::make_unique_for_overwrite<Packed[]>(ChunkRecords));
    m_records[i >> RecordShift][i & (ChunkRecords - 1)] = {size, mtime, id.inode, id.device, folder, m_used};
    ++m_count;
    m_used += wanted;
}

void FileList::append(const FileRecord &record)
{
    auto it = m_folderNumbers.constFind(record.folder);
    if (it == m_folderNumbers.cend())
        it = m_folderNumbers.insert(record.folder, addFolder(record.folder));
    append(*it, record.name, record.size, record.mtime, record.id);
}

FileRecord FileList::record(Index i) const
{
    const Packed &p = at(i);
    return {p.size, nameAt(p.name).toString(), m_folders[p.folder], p.mtime, {p.device, p.inode}};
}

void FileList::truncate(qsizetype count)
{
    if (count >= m_count)
        return;
    m_used = at(static_cast<Index>(count)).name;
    m_count = count;
}

void FileList::releaseBefore(Index i)
{
    // Records and names are added in step, so every name of a record before i lies before i's.
    const bool all = static_cast<qsizetype>(i) >= m_count;
    const size_t nameChunks = all ? m_chunks.size() : at(i).name >> ChunkShift;
    for (size_t c = 0; c < nameChunks; ++c)
        m_chunks[c].reset();
    const size_t recordChunks = all ? m_records.size() : i >> RecordShift;
    for (size_t c = 0; c < recordChunks; ++c)
        m_records[c].reset();
}
