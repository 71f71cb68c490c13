#include "vexoupgrade.h"

#include "versionoption.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (vexo::printVersionIfAsked(argc, argv, "VexoUpgrade"))
        return 0;
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vexocam.VexoUpgrade"));
    VexoUpgrade window;
    window.show();
    return app.exec();
}
