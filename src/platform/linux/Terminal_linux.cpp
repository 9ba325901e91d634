// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace Terminal
{
bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

int stderrColumns()
{
    struct winsize ws
    {
    };
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0)
        return ws.ws_col;
    return 80;
}
} // namespace Terminal
