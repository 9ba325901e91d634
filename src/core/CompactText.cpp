// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CompactText.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

CompactText::CompactText(QStringView text)
{
    setEmpty();
    const qsizetype length = text.size();
    const bool narrow = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
    if (narrow && length <= InlineMax)
    {
        for (qsizetype i = 0; i < length; ++i)
            m_bytes[i] = static_cast<unsigned char>(text[i].unicode());
        m_bytes[Tag] = static_cast<unsigned char>(length);
        return;
    }
    if (length > std::numeric_limits<qint32>::max())
        throw std::length_error("text too long");
    const size_t bytes = static_cast<size_t>(length) * (narrow ? 1 : 2);
    char *block = new char[bytes];
    if (narrow)
        std::transform(text.begin(), text.end(), block, [](QChar c) { return static_cast<char>(c.unicode()); });
    else
        std::memcpy(block, text.utf16(), bytes);
    const auto stored = static_cast<quint32>(length);
    std::memcpy(m_bytes, &block, sizeof block);
    std::memcpy(m_bytes + 8, &stored, sizeof stored);
    m_bytes[Tag] = static_cast<unsigned char>(HeapBit | (narrow ? 0 : WideBit));
}

CompactText::CompactText(const CompactText &other)
{
    copyFrom(other);
}

CompactText::CompactText(CompactText &&other) noexcept
{
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.setEmpty();
}

CompactText &CompactText::operator=(const CompactText &other)
{
    if (this != &other)
    {
        CompactText copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CompactText &CompactText::operator=(CompactText &&other) noexcept
{
    if (this != &other)
    {
        release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.setEmpty();
    }
    return *this;
}

void CompactText::copyFrom(const CompactText &other)
{
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    if (!other.onHeap())
        return;
    char *block = new char[other.heapBytes()];
    std::memcpy(block, other.heapBlock(), other.heapBytes());
    std::memcpy(m_bytes, &block, sizeof block);
}

void CompactText::release() noexcept
{
    if (onHeap())
        delete[] heapBlock();
    setEmpty();
}

QString CompactText::toString() const
{
    if (!onHeap())
        return QString::fromLatin1(reinterpret_cast<const char *>(m_bytes), size());
    if (wide())
    {
        QString text(heapLength(), Qt::Uninitialized);
        std::memcpy(text.data(), heapBlock(), heapBytes());
        return text;
    }
    return QString::fromLatin1(heapBlock(), heapLength());
}

bool operator==(const CompactText &a, const CompactText &b)
{
    if (a.onHeap() != b.onHeap())
        return false; // one text is always kept the same way
    if (!a.onHeap())
        return std::memcmp(a.m_bytes, b.m_bytes, sizeof a.m_bytes) == 0;
    return a.m_bytes[CompactText::Tag] == b.m_bytes[CompactText::Tag] && a.heapLength() == b.heapLength() &&
           std::memcmp(a.heapBlock(), b.heapBlock(), a.heapBytes()) == 0;
}
