// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ListRules.h"

#include "core/TextCompare.h"
#include "core/VbNumeric.h"

namespace
{
// Only blanks are set aside, as the name test wants.
QStringView trimmedName(QStringView name)
{
    QStringView v = name;
    while (!v.isEmpty() && v.front() == u' ')
        v = v.mid(1);
    while (!v.isEmpty() && v.back() == u' ')
        v.chop(1);
    return v;
}
} // namespace

namespace ListRules
{
bool sameName(QStringView a, QStringView b)
{
    return TextCompare::equalsNoCase(trimmedName(a), trimmedName(b));
}

bool similarEnough(qint64 equal, qint64 blocks)
{
    const double q = 100.0 / static_cast<double>(blocks) * static_cast<double>(equal);
    return VbNumeric::roundHalfEven(q * 10000.0) / 10000.0 >= 50.0;
}

bool leftOutOfSimilar(QStringView name)
{
    return name.startsWith(u'.');
}
} // namespace ListRules
