// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SessionEscape.h"

#include "platform/NativePath.h"

#include <QByteArray>

namespace
{
bool escapedByte(char16_t c)
{
    return c == u'%' || c == u',' || c == u';' || c == u'?' || c == u'\r' || c == u'\n';
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}
} // namespace

namespace SessionEscape
{
bool needed(QStringView text, QChar separator)
{
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        const QChar ch = text[i];
        if (ch == separator || ch == u'\r' || ch == u'\n' || NativePath::isEscapedByte(text, i))
            return true;
    }
    return false;
}

QString encode(QStringView text)
{
    static const char hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        const char16_t c = text[i].unicode();
        // NativePath keeps a name byte that is not UTF-8 as U+DC00 + byte.
        const bool raw = NativePath::isEscapedByte(text, i);
        if (!escapedByte(c) && !raw)
        {
            out.append(text[i]);
            continue;
        }
        const auto byte = static_cast<unsigned>(raw ? c - 0xDC00 : c);
        out.append(u'%');
        out.append(QLatin1Char(hex[byte >> 4]));
        out.append(QLatin1Char(hex[byte & 0xF]));
    }
    return out;
}

QString decode(QStringView field)
{
    if (!field.contains(u'%'))
        return field.toString();
    // Back to the name's bytes: the UTF-8 of the plain parts, the escaped bytes as they were.
    QByteArray bytes;
    bytes.reserve(field.size());
    qsizetype plainStart = 0;
    qsizetype i = 0;
    while (i < field.size())
    {
        if (field[i] != u'%' || i + 2 >= field.size())
        {
            ++i;
            continue;
        }
        const int hi = hexValue(field[i + 1].unicode());
        const int lo = hexValue(field[i + 2].unicode());
        if (hi < 0 || lo < 0)
        {
            ++i;
            continue;
        }
        bytes.append(NativePath::encode(field.mid(plainStart, i - plainStart)));
        bytes.append(static_cast<char>(hi * 16 + lo));
        i += 3;
        plainStart = i;
    }
    bytes.append(NativePath::encode(field.mid(plainStart)));
    return NativePath::decode(bytes);
}
} // namespace SessionEscape
