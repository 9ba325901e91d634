// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bench.h"

#include <QCoreApplication>
#include <QDir>
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
} // namespace Bench
