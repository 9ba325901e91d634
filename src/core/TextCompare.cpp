// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextCompare.h"

#include <algorithm>

namespace
{
int sign(int v) noexcept
{
    return (v > 0) - (v < 0);
}
} // namespace

namespace TextCompare
{
int compareNoCase(QStringView a, QStringView b) noexcept
{
    // ASCII letters fold to lower case; at the first unit outside ASCII the rest is compared by
    // Qt's Unicode folding, which gives the same answer as folding the whole texts.
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = a.utf16();
    const char16_t *pb = b.utf16();
    for (qsizetype i = 0; i < n; ++i)
    {
        char16_t ca = pa[i];
        char16_t cb = pb[i];
        if (ca >= 0x80 || cb >= 0x80)
            return sign(a.mid(i).compare(b.mid(i), Qt::CaseInsensitive));
        if (ca >= u'A' && ca <= u'Z')
            ca += 32;
        if (cb >= u'A' && cb <= u'Z')
            cb += 32;
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

int compareExact(QStringView a, QStringView b) noexcept
{
    return sign(a.compare(b, Qt::CaseSensitive));
}
} // namespace TextCompare
