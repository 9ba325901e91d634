// SPDX-License-Identifier: GPL-3.0-or-later
// How many threads a search spreads its work over.
#pragma once

namespace SearchThreads
{
/// The processors the system offers, from 1 to 4 (more only wait on the same disk). Asked of the
/// system once: it reads the count from a file every time.
int count();
} // namespace SearchThreads
