// SPDX-License-Identifier: GPL-3.0-or-later
// The escape that lets any file name travel through a session file's "," and "?" fields.
#pragma once

#include <QString>
#include <QStringView>

/// Session files keep the plain layout for every ordinary name. A file whose locations or rows
/// hold a text that would shift its fields (a separator, a line break, a leading ";" on a
/// location, or a name byte that is not UTF-8) is written in escaped form instead: its header
/// carries one more field, Marker, and in its location and result fields the bytes of "%", ",",
/// ";", "?", CR and LF, and every byte that is not UTF-8, are written as "%XX" (two upper-case
/// hexadecimal digits). Since the marker switches the escape on per file, a plain file never
/// needs to escape "%": every text in it stands as written.
namespace SessionEscape
{
/// The extra header field of an escaped file (field 9).
inline constexpr QStringView Marker = u"%";

/// True when the text cannot stand in a field cut at separator (',' or '?') as it is.
bool needed(QStringView text, QChar separator);

/// The field as an escaped file writes it.
QString encode(QStringView text);

/// The text of a field of an escaped file: "%XX" back to its byte, then the bytes read as a file
/// name (bytes that are not UTF-8 come back as NativePath's reversible form). A "%" that is not
/// followed by two hexadecimal digits stands for itself.
QString decode(QStringView field);
} // namespace SessionEscape
