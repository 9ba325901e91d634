// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CurrentError.h"

namespace
{
thread_local ErrorRecord t_current;
}

namespace CurrentError
{
const ErrorRecord &get()
{
    return t_current;
}

void set(ErrorRecord record)
{
    t_current = std::move(record);
}

void clear()
{
    t_current = ErrorRecord{};
}
} // namespace CurrentError
