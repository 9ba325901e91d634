// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SizeLimits.h"

#include "core/VbNumeric.h"

#include <cmath>

namespace SizeLimits
{
std::optional<double> inKilobytes(double number, int unitIndex)
{
    switch (unitIndex)
    {
    case 0:
        return number;
    case 1:
        return std::floor(number) * 1024;
    case 2:
        return std::floor(number) * 1024 * 1024;
    default:
        return std::nullopt;
    }
}

Answer maxSizeOk(int option, QStringView text, int unitIndex, std::optional<double> current)
{
    switch (option)
    {
    case 1:
        return {false, Cd};
    case 2:
        return {false, Dvd};
    case 3: {
        const auto number = VbNumeric::toNumber(text);
        if (!number)
            return {true, current};
        const auto kb = inKilobytes(*number, unitIndex);
        return {false, kb ? kb : current};
    }
    default:
        return {false, current};
    }
}

std::optional<double> rangeLimit(int option, QStringView text, int unitIndex)
{
    switch (option)
    {
    case 1:
        return Cd;
    case 2:
        return Dvd;
    case 3: {
        const auto number = VbNumeric::toNumber(text);
        if (!number)
            return std::nullopt;
        return inKilobytes(*number, unitIndex).value_or(0);
    }
    default:
        return 0;
    }
}
} // namespace SizeLimits
