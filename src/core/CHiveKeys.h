// SPDX-License-Identifier: GPL-3.0-or-later
// CHive's keys: the generated identifiers (made, written as text, read back from text) and what a
// key's QVariant holds. Inside CHive only.
#pragma once

#include <QString>
#include <QVariant>

#include <utility>

namespace HiveKeys
{
/// A new version-4 identifier as its 128 bits.
std::pair<quint64, quint64> newIdentifier();

/// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": 32 upper-case hexadecimal digits in order.
QString identifierText(quint64 high, quint64 low);

/// The 128 bits of a text in exactly that form (upper-case digits only), for which comparing the
/// bits is comparing the texts, exactly or without regard to case.
bool parseIdentifier(const QString &text, quint64 &high, quint64 &low);

/// Orders identifiers as their texts are ordered.
int compareIds(quint64 h1, quint64 l1, quint64 h2, quint64 l2);

/// The string a key holds, or nullptr when it holds something else.
const QString *asString(const QVariant &v);

/// True for a key that holds a number of any kind.
bool isNumber(const QVariant &v);
} // namespace HiveKeys
