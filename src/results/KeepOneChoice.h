// SPDX-License-Identifier: GPL-3.0-or-later
// The answers of the keep-one-original warning, as the action driver reads them.
#pragma once

enum class KeepOneChoice
{
    Closed = 0,         // the window was closed without an answer: nothing is done
    KeepOneOfEach = 1,  // "&Keep all original files": the last row of every fully marked group stays
    IgnoreWarnings = 2, // "Ig&nore warnings": no further warnings in this action
    Continue = 3,       // "&Continue": the marks as the user left them; the next group is warned about
};
