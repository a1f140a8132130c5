#include "app/CommandLine.h"
#include "app/GameLanguage.h"
#include "app/NetworkMenu.h"
#include "app/frmMain.h"
#include "settings/PlayerSettings.h"
#include "state/Program.h"
#include "ui/widgets/TableFont.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("qubrin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUBRIN_VERSION));
    // The arguments are answered before the window system is reached, so --help, --version and a
    // mistake are told without a display too.
    CommandLine commandLine(argumentsOf(argc, argv));
    if (commandLine.asksForText()) {
        QCoreApplication app(argc, argv);
        commandLine.answer(app);
    }
    if (!commandLine.error().isEmpty()) {
        std::fprintf(stderr, "qubrin: %s\nTry 'qubrin --help'.\n", qPrintable(commandLine.error()));
        return 2;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(QUBRIN_APP_ID));
    program::SettingsPath = commandLine.settingsFile();
    useLanguage(startLanguage(commandLine.language(), player_settings::value(QStringLiteral("ui/language")).toString(),
                              QLocale::system()));
    QApplication::setFont(tableFont());
    frmMain table;
    table.show();
    if (const std::optional<net::Invitation> invitation = commandLine.invitation())
        table.networkMenu->joinBy(*invitation);
    // The start-up benchmark (bench/startup) and the installed-tree check of test.sh ask for one line
    // once the table is up, and no more.
    if (qEnvironmentVariableIsSet("QUBRIN_BENCH_EXIT_ON_SHOW")) {
        QTimer::singleShot(0, &app, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
