// SPDX-License-Identifier: GPL-3.0-or-later
// The records of one scan, kept compact: each folder's text once, every name in one arena, and a
// fixed-size record of numbers per file.
#pragma once

#include "engine/FileRecord.h"

#include <QHash>

#include <memory>
#include <vector>

/// What the walk found: per file 40 bytes of numbers and its name in the arena, and no object of
/// its own on the heap, so that ten million files fit. The engines refer to records by their
/// numbers. Records are only ever added at the end; other threads may read the list while nobody
/// adds to it.
class FileList
{
public:
    using Index = quint32;

    FileList();
    FileList(const FileList &) = delete;
    FileList &operator=(const FileList &) = delete;

    /// Adds a folder text (ending with "/"); its files name it by the number returned.
    quint32 addFolder(const QString &folder);
    /// Appends a file of a folder added before. A name is at most 65,535 units long (a Linux name
    /// is at most 255 bytes); a longer one throws std::length_error.
    void append(quint32 folder, QStringView name, qint64 size, qint64 mtime, const DirectoryListing::FileId &id);
    /// Appends a record, adding its folder unless the list holds that folder text already.
    void append(const FileRecord &record);

    qsizetype count() const { return m_count; }
    bool empty() const { return m_count == 0; }

    qint64 size(Index i) const { return at(i).size; }
    qint64 mtime(Index i) const { return at(i).mtime; }
    DirectoryListing::FileId id(Index i) const { return {at(i).device, at(i).inode}; }
    QStringView name(Index i) const { return nameAt(at(i).name); }
    quint32 folderIndex(Index i) const { return at(i).folder; }
    const QString &folder(Index i) const { return m_folders[at(i).folder]; }
    /// The folder texts added, by their numbers (a folder may be added more than once).
    quint32 folderCount() const { return static_cast<quint32>(m_folders.size()); }
    const QString &folderText(quint32 folder) const { return m_folders[folder]; }
    QString fullPath(Index i) const { return folder(i) + name(i); }
    QString date(Index i) const { return fileDateText(mtime(i)); }
    RecordView view(Index i) const
    {
        const Packed &p = at(i);
        return {p.size, nameAt(p.name), m_folders[p.folder], p.mtime};
    }
    /// The record as the walk made it, every field as it was given.
    FileRecord record(Index i) const;
    /// True when both records name the same path (a file listed twice).
    bool samePath(Index a, Index b) const { return name(a) == name(b) && folder(a) == folder(b); }

    /// Forgets the records from `count` on (a walk that runs again after a failure).
    void truncate(qsizetype count);
    /// Gives back the memory of the records before record i and of their names, as far as whole
    /// chunks hold nothing else: once their result rows are made, a million records need not stay
    /// beside them. Those records must never be read again, and nothing may be appended after this;
    /// count() is unchanged.
    void releaseBefore(Index i);

private:
    // One file: 40 bytes. The name is a length unit followed by its units, in the arena.
    struct Packed
    {
        qint64 size;
        qint64 mtime;
        quint64 inode;
        quint64 device;
        quint32 folder;
        quint32 name; // offset of the length unit in the arena
    };
    static_assert(sizeof(Packed) == 40);

    // Records and names grow in chunks that never move, so that growing never copies a million
    // records; no name spans two chunks.
    static constexpr int RecordShift = 12;
    static constexpr quint32 ChunkRecords = quint32{1} << RecordShift;
    static constexpr int ChunkShift = 16;
    static constexpr quint32 ChunkUnits = quint32{1} << ChunkShift;

    const Packed &at(Index i) const { return m_records[i >> RecordShift][i & (ChunkRecords - 1)]; }
    QStringView nameAt(quint32 offset) const
    {
        const char16_t *units = m_chunks[offset >> ChunkShift].get() + (offset & (ChunkUnits - 1));
        return QStringView(units + 1, units[0]);
    }

    std::vector<std::unique_ptr<Packed[]>> m_records;
    qsizetype m_count = 0;
    std::vector<QString> m_folders;
    QHash<QString, quint32> m_folderNumbers; // only for records appended whole
    std::vector<std::unique_ptr<char16_t[]>> m_chunks;
    quint32 m_used = 0; // units of the arena in use
};
