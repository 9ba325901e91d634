// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/VbNumeric.h"

#include <QString>

#include <cmath>

namespace
{
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

int digitValue(QChar c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c.unicode() - u'A' + 10;
    return v >= 0 && v < base ? v : -1;
}

// Reads "&H1F" / "&O17" at text[i]; returns the value and advances i past the digits.
std::optional<double> readRadix(QStringView text, qsizetype &i, bool skipBlanks)
{
    if (i + 1 >= text.size() || text[i] != u'&')
        return std::nullopt;
    const QChar kind = text[i + 1].toUpper();
    const int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
    if (base == 0)
        return std::nullopt;
    qsizetype j = i + 2;
    double value = 0;
    bool any = false;
    while (j < text.size())
    {
        if (skipBlanks && isBlank(text[j]))
        {
            ++j;
            continue;
        }
        const int d = digitValue(text[j], base);
        if (d < 0)
            break;
        value = value * base + d;
        any = true;
        ++j;
    }
    if (!any)
        return std::nullopt;
    i = j;
    return value;
}
} // namespace

namespace VbNumeric
{
std::optional<double> toNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    if (t[0] == u'&')
    {
        auto v = readRadix(t, i, false);
        if (!v || i != t.size())
            return std::nullopt;
        return v;
    }
    QString plain;
    plain.reserve(t.size());
    if (t[i] == u'+' || t[i] == u'-')
        plain += t[i++];
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i)
    {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128)
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
        plain += c;
    }
    if (!digits)
        return std::nullopt;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D'))
    {
        plain += u'e';
        ++i;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
            plain += t[i++];
        bool expDigits = false;
        for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i)
        {
            plain += t[i];
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool isNumeric(QStringView text)
{
    return toNumber(text).has_value();
}

double val(QStringView text)
{
    qsizetype i = 0;
    auto skip = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skip();
    if (i < text.size() && text[i] == u'&')
    {
        auto v = readRadix(text, i, true);
        return v.value_or(0);
    }
    QString plain;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
    {
        plain += text[i++];
    }
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i)
    {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
        plain += c;
    }
    if (!digits)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D'))
    {
        QString exponent = QStringLiteral("e");
        qsizetype j = i + 1;
        while (j < text.size() && isBlank(text[j]))
            ++j;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            exponent += text[j++];
        bool expDigits = false;
        for (; j < text.size(); ++j)
        {
            if (isBlank(text[j]))
                continue;
            if (text[j] < u'0' || text[j] > u'9')
                break;
            exponent += text[j];
            expDigits = true;
        }
        if (expDigits)
            plain += exponent;
    }
    bool ok = false;
    const double v = plain.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

double roundHalfAway(double value)
{
    return std::round(value);
}
} // namespace VbNumeric
