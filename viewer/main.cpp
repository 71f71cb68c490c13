#include "shell/vexocam.h"

#include "versionoption.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (vexo::printVersionIfAsked(argc, argv, "VexoCam"))
        return 0;
    // The icons live in a static library; nothing else would pull them in.
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vexocam.VexoCam"));
    VexoCam window;
    window.show();
    return app.exec();
}
