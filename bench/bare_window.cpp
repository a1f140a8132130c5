// The yardstick of the start-up benchmark: the smallest Qt program with a main window, a window
// with a label, started and reported on exactly as the game is (see bench/startup.cpp).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window"), &window));
    window.resize(476, 345);
    window.show();
    if (qEnvironmentVariableIsSet("QUBRIN_BENCH_EXIT_ON_SHOW")) {
        QTimer::singleShot(0, &app, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
