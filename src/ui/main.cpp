#include "ui/frmstart.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orv::frmStart window;
    window.show();
    return app.exec();
}
