#include "vexoupgrade.h"

#include "versionoption.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (vexo::printVersionIfAsked(argc, argv, "VexoUpgrade"))
        return 0;
    QApplication app(argc, argv);
    VexoUpgrade window;
    window.show();
    return app.exec();
}
