// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/VisibleText.h"

namespace
{
bool needsMark(char16_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return true;
    if (c < 0x2028)
        return false;
    return c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           (c >= 0xDC80 && c <= 0xDCFF);
}
} // namespace

namespace VisibleText
{
QString of(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && !needsMark(text.at(first).unicode()))
        ++first;
    if (first == text.size())
        return text;
    QString out = text;
    for (qsizetype i = first; i < out.size(); ++i)
    {
        const char16_t c = out.at(i).unicode();
        if (!needsMark(c))
            continue;
        // A surrogate that pairs with its neighbour is part of a character, never a lone byte.
        if (c >= 0xDC80 && c <= 0xDCFF && i > 0 && out.at(i - 1).isHighSurrogate())
            continue;
        if (c < 0x20)
            out[i] = QChar(char16_t(0x2400 + c));
        else if (c == 0x7F)
            out[i] = QChar(char16_t(0x2421));
        else
            out[i] = QChar(char16_t(0xFFFD));
    }
    return out;
}
} // namespace VisibleText
