// SPDX-License-Identifier: GPL-3.0-or-later
// A fast 64-bit hash of a block of bytes, to bucket equal blocks and to digest fuzzy blocks.
#pragma once

#include <QtGlobal>

#include <xxhash.h>

namespace BlockHash
{
/// XXH3: well spread, so that fuzzy mode may count equal digests as equal blocks, and fast
/// enough to keep pace with reading from the page cache.
inline quint64 of(const char *data, size_t size)
{
    return XXH3_64bits(data, size);
}
} // namespace BlockHash
