// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-bench [NAME...]: runs the named benchmarks, or all of them.
#include "Bench.h"
#include "engine/ContentGroups.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    ContentGroups::prepareProcess();
    QCoreApplication app(argc, argv);
    return Bench::runNamedInArguments();
}
