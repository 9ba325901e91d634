// SPDX-License-Identifier: GPL-3.0-or-later
// Groups of similar pictures from their hashes, found through an index instead of every pair.
#pragma once

#include "platform/PictureHash.h"

#include <QList>
#include <QString>

#include <array>
#include <vector>

/// 64-bit hashes indexed for the Hamming distance by their four 16-bit quarters (multi-index
/// hashing). Two hashes within r bits of each other have at least one quarter within r / 4 bits
/// (if each quarter differed in more, the whole would differ in more than r), so a query looks up,
/// in each quarter's table, only the values within r / 4 bits of its own quarter: at the limits of
/// the picture levels (r / 4 = 1 to 4) that is 17 to 2,517 of 65,536 values a quarter, and the
/// hashes found there are the only ones compared whole.
class HammingIndex
{
public:
    /// Adds hash under the caller's number id.
    void insert(quint64 hash, int id);
    /// The ids of the hashes within maxDistance (0 to 64) of hash, each once, in no particular order.
    QList<int> within(quint64 hash, int maxDistance) const;
    bool isEmpty() const { return m_count == 0; }

private:
    static constexpr int Quarters = 4;
    static constexpr int Values = 1 << 16;
    struct Entry
    {
        quint64 hash;
        int id;
    };
    struct Table
    {
        // The entries whose quarter has each value, with their whole hash, so that comparing
        // them reads memory in a row; a bit per value says whether there are any, so that the
        // many empty values a query looks at cost no visit to memory far away.
        std::vector<std::vector<Entry>> entries;
        std::vector<quint64> used;
    };
    int m_count = 0;
    std::array<Table, Quarters> m_tables;
};

namespace PictureGroups
{
/// The level a search uses unless the user picks another.
constexpr PictureLevel DefaultLevel = PictureLevel::Close;

/// The levels in the order the user sees them.
QList<PictureLevel> levels();
/// The level's name as shown: "Strict", "Close" or "Loose" (translated).
QString levelName(PictureLevel level);

/// The groups of similar pictures among pictures, as indices into it; pictures in no group are in
/// no list. Every member of a group is within the level's distance of the group's first picture,
/// which is its largest (most pixels, then the longest file, then the earliest index), so a chain
/// of small steps never joins two unrelated pictures. The others follow by distance to the first,
/// then by size. Groups come closest first (by their widest DCT distance, then their mean),
/// then by their first picture's place among the largest. Each picture is looked up once in an
/// index of the groups' first pictures, never compared with every other.
QList<QList<int>> find(const QList<PictureFacts> &pictures, PictureLevel level = DefaultLevel);
} // namespace PictureGroups
