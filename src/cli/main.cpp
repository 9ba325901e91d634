// corvina-cli: the headless front end.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Usage: corvina-cli [options] FOLDER...\n";
    return 0;
}
