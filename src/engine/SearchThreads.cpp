// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SearchThreads.h"

#include <algorithm>
#include <thread>

namespace SearchThreads
{
int count()
{
    static const int processors = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    return processors;
}
} // namespace SearchThreads
