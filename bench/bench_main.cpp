// corvina-bench [NAME...]: runs the named benchmarks, or all of them.
#include "Bench.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList wanted = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    for (const Bench::Entry &e : Bench::registry())
    {
        if (!wanted.isEmpty() && !wanted.contains(QString::fromLatin1(e.name)))
            continue;
        out << "== " << e.name << Qt::endl;
        e.run(out);
    }
    return 0;
}
