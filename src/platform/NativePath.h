// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the system stores them (bytes) and as Corvina carries them (text), reversibly.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace NativePath
{
/// Decodes a file name's bytes as UTF-8. A byte that is not part of a valid UTF-8 sequence
/// becomes the lone surrogate U+DC00 + byte (U+DC80..U+DCFF), so encode() gives the same bytes
/// back and no file is ever reached under a name that is not exactly its own.
QString decode(const char *bytes, qsizetype size);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

/// The bytes of a name decoded by decode(); ordinary text is written as UTF-8.
QByteArray encode(QStringView text);

/// True when text[i] stands for a name byte that was not valid UTF-8: a lone U+DC80..U+DCFF. The
/// second half of a surrogate pair (a character beyond U+FFFF, such as U+1F4F7) can hold the same
/// value and is not such a byte.
bool isEscapedByte(QStringView text, qsizetype i);

/// True when the text holds bytes that were not valid UTF-8 (see isEscapedByte).
bool hasEscapedBytes(QStringView text);
} // namespace NativePath
