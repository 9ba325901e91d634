// SPDX-License-Identifier: GPL-3.0-or-later
// Event sounds through the desktop's sound service.
#pragma once

#include <QString>

namespace Sound
{
/// Plays a sound file once, without waiting for it to end. A Qt resource (":/...") is copied to
/// the cache folder first, since the sound service reads files. Without a sound service or a
/// sound device nothing happens: no failure is reported, and nothing is written to standard error.
void play(const QString &file);
} // namespace Sound
