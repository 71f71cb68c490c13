#include "addrix.h"

#include "versionoption.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (vexo::printVersionIfAsked(argc, argv, "Addrix"))
        return 0;
    QApplication app(argc, argv);
    Addrix window;
    window.show();
    return app.exec();
}
