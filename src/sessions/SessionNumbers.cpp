#include "sessions/SessionNumbers.h"

#include "core/VbNumeric.h"
#include "sessions/FileErrors.h"

#include <QString>

namespace
{
double wholeNumber(QStringView field, double lowest, double highest)
{
    const auto value = VbNumeric::toNumber(field);
    if (!value)
        FileErrors::raise(FileErrors::TypeMismatch, QStringLiteral("Type mismatch"));
    const double rounded = VbNumeric::roundHalfEven(*value);
    if (rounded < lowest || rounded > highest)
        FileErrors::raise(FileErrors::Overflow, QStringLiteral("Overflow"));
    return rounded;
}
} // namespace

namespace SessionNumbers
{
qint16 toInteger(QStringView field)
{
    return static_cast<qint16>(wholeNumber(field, -32768.0, 32767.0));
}

qint32 toLong(QStringView field)
{
    return static_cast<qint32>(wholeNumber(field, -2147483648.0, 2147483647.0));
}

qint64 toCurrency(QStringView field)
{
    return static_cast<qint64>(wholeNumber(field, -922337203685477.0, 922337203685477.0));
}
} // namespace SessionNumbers
