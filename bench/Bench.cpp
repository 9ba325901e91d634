// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace Bench
{
std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}

int runNamedInArguments()
{
    const QStringList wanted = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    for (const Entry &e : registry())
    {
        if (!wanted.isEmpty() && !wanted.contains(QString::fromLatin1(e.name)))
            continue;
        out << "== " << e.name << Qt::endl;
        e.run(out);
    }
    return 0;
}

std::optional<SearchLocation> largeTree(QTextStream &out)
{
    const QString tree = qEnvironmentVariable("CORVINA_BENCH_TREE", QStringLiteral("/tmp/corvina-bench/mixed1m/tree"));
    if (!QDir(tree).exists())
    {
        out << "skipped: no tree at " << tree << " (make one with make_corpus.py)" << Qt::endl;
        return std::nullopt;
    }
    SearchLocation location;
    location.folder = tree;
    location.mask = QStringLiteral("All files(*.*)");
    location.minSize = QStringLiteral("0");
    return location;
}

std::pair<qint64, qint64> residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {0, 0};
    qint64 now = 0;
    qint64 peak = 0;
    for (const QByteArray &line : status.readAll().split('\n'))
    {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() >= 2 && parts[0] == "VmRSS:")
            now = parts[1].toLongLong() * 1024;
        if (parts.size() >= 2 && parts[0] == "VmHWM:")
            peak = parts[1].toLongLong() * 1024;
    }
    return {now, peak};
}

void resetPeakMemory()
{
    // Writing 5 to clear_refs sets the process's VmHWM back to its VmRSS.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
} // namespace Bench
