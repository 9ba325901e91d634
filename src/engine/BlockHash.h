// A fast 64-bit hash of a block of bytes, to bucket equal blocks and to digest fuzzy blocks.
#pragma once

#include <QtGlobal>

#include <cstring>

namespace BlockHash
{
namespace detail
{
constexpr quint64 P1 = 0x9E3779B185EBCA87ull;
constexpr quint64 P2 = 0xC2B2AE3D27D4EB4Full;
constexpr quint64 P3 = 0x165667B19E3779F9ull;
constexpr quint64 P4 = 0x85EBCA77C2B2AE63ull;
constexpr quint64 P5 = 0x27D4EB2F165667C5ull;

inline quint64 rotl(quint64 x, int r)
{
    return (x << r) | (x >> (64 - r));
}
inline quint64 load64(const char *p)
{
    quint64 v;
    std::memcpy(&v, p, 8);
    return v;
}
inline quint64 load32(const char *p)
{
    quint32 v;
    std::memcpy(&v, p, 4);
    return v;
}
inline quint64 round(quint64 acc, quint64 input)
{
    return rotl(acc + input * P2, 31) * P1;
}
inline quint64 merge(quint64 acc, quint64 lane)
{
    return (acc ^ round(0, lane)) * P1 + P4;
}
} // namespace detail

/// XXH64 with seed 0 (on a little-endian machine): four independent lanes of multiply-rotate
/// rounds over 32 bytes at a time, so hashing keeps pace with reading from the page cache.
inline quint64 of(const char *data, size_t size)
{
    using namespace detail;
    const char *p = data;
    const char *end = data + size;
    quint64 h;
    if (size >= 32)
    {
        quint64 a = P1 + P2, b = P2, c = 0, d = 0 - P1;
        for (; p + 32 <= end; p += 32)
        {
            a = round(a, load64(p));
            b = round(b, load64(p + 8));
            c = round(c, load64(p + 16));
            d = round(d, load64(p + 24));
        }
        h = rotl(a, 1) + rotl(b, 7) + rotl(c, 12) + rotl(d, 18);
        h = merge(merge(merge(merge(h, a), b), c), d);
    }
    else
        h = P5;
    h += static_cast<quint64>(size);
    for (; p + 8 <= end; p += 8)
        h = rotl(h ^ round(0, load64(p)), 27) * P1 + P4;
    if (p + 4 <= end)
    {
        h = rotl(h ^ (load32(p) * P1), 23) * P2 + P3;
        p += 4;
    }
    for (; p < end; ++p)
        h = rotl(h ^ (static_cast<quint64>(static_cast<unsigned char>(*p)) * P5), 11) * P1;
    h ^= h >> 33;
    h *= P2;
    h ^= h >> 29;
    h *= P3;
    h ^= h >> 32;
    return h;
}
} // namespace BlockHash
