// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bench.h"

#include <QCoreApplication>
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
} // namespace Bench
