#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmMain table;
    table.show();
    return app.exec();
}
