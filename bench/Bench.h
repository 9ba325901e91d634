// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny registry of timing benchmarks for corvina-bench.
#pragma once

#include "search/SearchLocation.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <functional>
#include <optional>
#include <utility>
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

/// The large tree the scan benchmarks search, as a location taking every file: $CORVINA_BENCH_TREE,
/// by default the million-file corpus of the harness. Nothing, and a line saying so, when missing.
std::optional<SearchLocation> largeTree(QTextStream &out);

/// The process's resident memory now and at its peak (since the start, or since the last
/// resetPeakMemory()), in bytes, from /proc/self/status.
std::pair<qint64, qint64> residentMemory();
/// Starts the peak of residentMemory() again from the memory resident now.
void resetPeakMemory();

/// Seconds taken by fn.
inline double seconds(const std::function<void()> &fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}
} // namespace Bench
