// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/VersionOrder.h"

#include "core/TextCompare.h"

#include <algorithm>
#include <vector>

namespace
{
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The digit runs of a text without their leading zeros ("007" is "7", "000" is "").
std::vector<QStringView> parts(QStringView text)
{
    std::vector<QStringView> out;
    qsizetype i = 0;
    while (i < text.size())
    {
        if (!isDigit(text[i]))
        {
            ++i;
            continue;
        }
        qsizetype start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        while (start < i && text[start] == u'0')
            ++start;
        out.push_back(text.mid(start, i - start));
    }
    return out;
}

// Whole numbers written without leading zeros compare by length first, then digit by digit.
int comparePart(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

bool hasDigit(QStringView text)
{
    for (QChar c : text)
    {
        if (isDigit(c))
            return true;
    }
    return false;
}
} // namespace

namespace VersionOrder
{
int compare(QStringView a, QStringView b)
{
    const bool numberedA = hasDigit(a);
    const bool numberedB = hasDigit(b);
    if (!numberedA || !numberedB)
    {
        if (numberedA != numberedB)
            return numberedA ? 1 : -1;
        return TextCompare::compareNoCase(a, b);
    }
    const std::vector<QStringView> pa = parts(a);
    const std::vector<QStringView> pb = parts(b);
    const size_t n = std::max(pa.size(), pb.size());
    for (size_t i = 0; i < n; ++i)
    {
        const QStringView x = i < pa.size() ? pa[i] : QStringView();
        const QStringView y = i < pb.size() ? pb[i] : QStringView();
        if (const int c = comparePart(x, y))
            return c;
    }
    return 0;
}
} // namespace VersionOrder
