// Corvina: finds duplicate files and helps get rid of them safely.
#include "app/MainFrm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvina"));
    MainFrm window;
    window.show();
    return QApplication::exec();
}
