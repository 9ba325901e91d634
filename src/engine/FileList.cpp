// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileList.h"

#include "core/TextFormat.h"

#include <cstring>
#include <limits>
#include <stdexcept>

FileList::FileList() : m_sizeFirst(*this, RecordOrder::SizeFirst), m_nameFirst(*this, RecordOrder::NameFirst) {}

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

QVariant FileList::Values::value(quint32 row, int v) const
{
    // SizeFirst: size key, name, folder, date; NameFirst: name, size key, folder, date.
    if (v == 0 || v == 1)
    {
        const bool sizeHere = (v == 0) == (m_order == RecordOrder::SizeFirst);
        return sizeHere ? TextFormat::pad12(m_list.size(row)) : m_list.name(row).toString();
    }
    switch (v)
    {
    case 2:
        return m_list.folder(row);
    case 3:
        return m_list.date(row);
    default:
        return 1;
    }
}

void loadFileHive(CHive &hive, const FileList &files, const std::vector<FileList::Index> &sorted, RecordOrder order,
                  const std::function<void()> &step)
{
    hive.setValues(&files.values(order));
    for (const FileList::Index record : sorted)
    {
        if (step)
            step();
        hive.addRef(record);
    }
}
