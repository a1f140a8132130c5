#include "app/frmMain.h"
#include "ui/widgets/TableFont.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(tableFont());
    frmMain table;
    table.show();
    // The start-up benchmark (bench/startup) asks for one line once the table is up, and no more.
    if (qEnvironmentVariableIsSet("QUBRIN_BENCH_EXIT_ON_SHOW")) {
        QTimer::singleShot(0, &app, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
