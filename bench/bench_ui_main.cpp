// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-bench-ui [NAME...]: the benchmarks that need windows, on the offscreen platform.
#include "Bench.h"
#include "engine/ContentGroups.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ContentGroups::prepareProcess();
    QApplication app(argc, argv);
    return Bench::runNamedInArguments();
}
