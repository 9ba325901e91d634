// SPDX-License-Identifier: GPL-3.0-or-later
// Points every per-user folder of the program at a temporary folder for the whole test run.
#pragma once

#include <QString>

namespace TestEnvironment
{
/// Creates the temporary home and sets XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME and the
/// settings folder before any settings object exists. Call first in main().
void setUp();

/// Removes the temporary home. Call last in main(), so that runs leave nothing in /tmp.
void tearDown();

/// The temporary home of this run.
QString home();
} // namespace TestEnvironment
