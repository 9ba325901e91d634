// SPDX-License-Identifier: GPL-3.0-or-later
// A text kept in as few bytes as it holds: the file names of a million result rows.
#pragma once

#include <QString>

#include <cstring>

/// A text that is copied and compared whole, never edited: one byte a character when every
/// character is below 256, else two; up to 15 one-byte characters sit inside the object, anything
/// longer in one block of its own. A typical file name costs 16 bytes instead of a string's 24 and
/// its block of 64. Any text comes back exactly as it was given, odd characters included.
class CompactText
{
public:
    CompactText() noexcept { setEmpty(); }
    explicit CompactText(QStringView text);
    CompactText(const CompactText &other);
    CompactText(CompactText &&other) noexcept;
    CompactText &operator=(const CompactText &other);
    CompactText &operator=(CompactText &&other) noexcept;
    ~CompactText() { release(); }

    QString toString() const;
    qsizetype size() const { return onHeap() ? heapLength() : m_bytes[Tag] & LengthMask; }
    bool isEmpty() const { return size() == 0; }

    friend bool operator==(const CompactText &a, const CompactText &b);

private:
    // Byte 15 is the tag: HeapBit when the characters are in a block of their own (bytes 0-7 its
    // address, bytes 8-11 the length), WideBit when they are two bytes each; an inline text keeps
    // its length in the low four bits and its characters in bytes 0-14.
    static constexpr int Tag = 15;
    static constexpr unsigned char HeapBit = 0x80;
    static constexpr unsigned char WideBit = 0x40;
    static constexpr unsigned char LengthMask = 0x0f;
    static constexpr qsizetype InlineMax = 15;

    bool onHeap() const { return (m_bytes[Tag] & HeapBit) != 0; }
    bool wide() const { return (m_bytes[Tag] & WideBit) != 0; }
    qsizetype heapLength() const
    {
        quint32 length = 0;
        std::memcpy(&length, m_bytes + 8, sizeof length);
        return length;
    }
    const char *heapBlock() const
    {
        const char *block = nullptr;
        std::memcpy(&block, m_bytes, sizeof block);
        return block;
    }
    size_t heapBytes() const { return static_cast<size_t>(heapLength()) * (wide() ? 2 : 1); }
    void setEmpty() noexcept { std::memset(m_bytes, 0, sizeof m_bytes); }
    void copyFrom(const CompactText &other);
    void release() noexcept;

    alignas(8) unsigned char m_bytes[16];
};
static_assert(sizeof(CompactText) == 16);
