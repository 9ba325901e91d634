// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliText.h"

#include <QString>

namespace
{
void addHex(QByteArray &out, unsigned byte)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\x";
    out += digits[(byte >> 4) & 0xF];
    out += digits[byte & 0xF];
}
} // namespace

namespace CliText
{
QByteArray escaped(QStringView name)
{
    QByteArray out;
    out.reserve(name.size() + 8);
    qsizetype plainFrom = 0;
    auto flushPlain = [&](qsizetype upTo) {
        if (upTo > plainFrom)
            out += name.mid(plainFrom, upTo - plainFrom).toUtf8();
    };
    for (qsizetype i = 0; i < name.size(); ++i)
    {
        const char16_t c = name[i].unicode();
        const bool loneByte = c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !name[i - 1].isHighSurrogate());
        if (c >= 0x20 && c != 0x5C && c != 0x7F && !(c >= 0x80 && c <= 0x9F) && !loneByte)
            continue;
        flushPlain(i);
        plainFrom = i + 1;
        switch (c)
        {
        case u'\\':
            out += "\\\\";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        default:
            if (loneByte)
                addHex(out, c - 0xDC00);
            else if (c >= 0x80)
            {
                addHex(out, 0xC2); // a C1 control as the two bytes UTF-8 writes it with
                addHex(out, c);
            }
            else
                addHex(out, c);
        }
    }
    flushPlain(name.size());
    return out;
}
} // namespace CliText
