// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog's progress bar as the session and export code drives it.
#pragma once

#include <functional>

struct ProgressHooks
{
    std::function<void(int)> setMaximum; // may be empty
    std::function<void(int)> setValue;   // may be empty

    void maximum(int m) const
    {
        if (setMaximum)
            setMaximum(m);
    }
    void value(int v) const
    {
        if (setValue)
            setValue(v);
    }
};
