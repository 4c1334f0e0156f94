#include "ui/frictionapp.h"
#include "vendrel/version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VENDREL_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VENDREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.vendrel.Vendrel"));
    theApp.InitInstance();
    return 0;
}
