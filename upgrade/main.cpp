#include "vexoupgrade.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    VexoUpgrade window;
    window.show();
    return app.exec();
}
