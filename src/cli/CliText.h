// SPDX-License-Identifier: GPL-3.0-or-later
// How corvina-cli writes a file name, so that a terminal and line-based tools see it safely.
#pragma once

#include <QByteArray>
#include <QStringView>

namespace CliText
{
/// The bytes of a name (a NativePath text) with a backslash written as \\, a TAB, newline and
/// carriage return as \t, \n and \r, every other control character (C0, DEL, and the C1 controls
/// U+0080 to U+009F, as their two UTF-8 bytes) and every byte that is not UTF-8 as \xHH. The
/// result is valid UTF-8 with no control character; printf '%b' gives the name's bytes back.
QByteArray escaped(QStringView name);
} // namespace CliText
