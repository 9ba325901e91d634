// SPDX-License-Identifier: GPL-3.0-or-later
// Whether an output stream of this process is a terminal, and how wide it is.
#pragma once

namespace Terminal
{
/// True when standard error is a terminal (an interactive user watches it).
bool stderrIsTerminal();

/// The width of the terminal on standard error in columns; 80 when it cannot be asked.
int stderrColumns();
} // namespace Terminal
