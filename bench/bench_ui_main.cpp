// corvina-bench-ui [NAME...]: the benchmarks that need windows, on the offscreen platform.
#include "Bench.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
