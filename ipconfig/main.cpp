#include "addrix.h"

#include "versionoption.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (vexo::printVersionIfAsked(argc, argv, "Addrix"))
        return 0;
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vexocam.Addrix"));
    Addrix window;
    window.show();
    return app.exec();
}
