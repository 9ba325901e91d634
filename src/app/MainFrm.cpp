#include "app/MainFrm.h"

MainFrm::MainFrm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Corvina v3.0"));
    resize(800, 533);
}
