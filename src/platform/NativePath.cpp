// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativePath.h"

namespace
{
// Length of the valid UTF-8 sequence starting at s[i], or 0 when the byte there does not start one.
int validSequence(const unsigned char *s, qsizetype i, qsizetype size)
{
    const unsigned char c = s[i];
    auto cont = [&](qsizetype k) { return i + k < size && (s[i + k] & 0xC0) == 0x80; };
    if (c >= 0xC2 && c <= 0xDF)
        return cont(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF)
    {
        if (!cont(1) || !cont(2))
            return 0;
        const unsigned char c1 = s[i + 1];
        if (c == 0xE0 && c1 < 0xA0)
            return 0; // overlong
        if (c == 0xED && c1 >= 0xA0)
            return 0; // a surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4)
    {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        const unsigned char c1 = s[i + 1];
        if (c == 0xF0 && c1 < 0x90)
            return 0; // overlong
        if (c == 0xF4 && c1 >= 0x90)
            return 0; // beyond U+10FFFF
        return 4;
    }
    return 0;
}
} // namespace

namespace NativePath
{
QString decode(const char *bytes, qsizetype size)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes);
    QString out;
    out.reserve(size);
    qsizetype i = 0;
    while (i < size)
    {
        const unsigned char c = s[i];
        if (c < 0x80)
        {
            out.append(QChar(char16_t{c}));
            ++i;
            continue;
        }
        const int n = validSequence(s, i, size);
        if (n == 0)
        {
            out.append(QChar(char16_t(0xDC00 + c)));
            ++i;
            continue;
        }
        char32_t cp = n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n; ++k)
            cp = (cp << 6) | (s[i + k] & 0x3F);
        if (cp >= 0x10000)
        {
            const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
            out.append(pair, 2);
        }
        else
        {
            out.append(QChar(char16_t(cp)));
        }
        i += n;
    }
    return out;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        const char16_t u = text[i].unicode();
        char32_t cp = u;
        if (u < 0x80)
        {
            out.append(static_cast<char>(u));
            continue;
        }
        if (u >= 0xDC80 && u <= 0xDCFF)
        {
            out.append(static_cast<char>(u - 0xDC00));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        {
            cp = QChar::surrogateToUcs4(u, text[i + 1].unicode());
            ++i;
        }
        else if (QChar::isSurrogate(u))
        {
            cp = 0xFFFD; // cannot come from decode(); written as a replacement character
        }
        if (cp < 0x800)
        {
            out.append(static_cast<char>(0xC0 | (cp >> 6)));
            out.append(static_cast<char>(0x80 | (cp & 0x3F)));
        }
        else if (cp < 0x10000)
        {
            out.append(static_cast<char>(0xE0 | (cp >> 12)));
            out.append(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (cp & 0x3F)));
        }
        else
        {
            out.append(static_cast<char>(0xF0 | (cp >> 18)));
            out.append(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.append(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

bool isEscapedByte(QStringView text, qsizetype i)
{
    const char16_t u = text[i].unicode();
    return u >= 0xDC80 && u <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

bool hasEscapedBytes(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (isEscapedByte(text, i))
            return true;
    }
    return false;
}
} // namespace NativePath
