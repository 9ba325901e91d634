// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny registry of timing benchmarks for corvina-bench.
#pragma once

#include <QElapsedTimer>
#include <QTextStream>

#include <functional>
#include <vector>

namespace Bench
{
struct Entry
{
    const char *name;
    std::function<void(QTextStream &out)> run;
};

std::vector<Entry> &registry();
/// Runs the benchmarks named on the command line, or all of them; the exit code.
int runNamedInArguments();

struct Register
{
    Register(const char *name, std::function<void(QTextStream &out)> run)
    {
        registry().push_back({name, std::move(run)});
    }
};

/// Seconds taken by fn.
inline double seconds(const std::function<void()> &fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}
} // namespace Bench
