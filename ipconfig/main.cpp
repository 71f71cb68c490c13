#include "addrix.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Addrix window;
    window.show();
    return app.exec();
}
