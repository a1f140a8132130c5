#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

// The real program with no environment at all (no display, no platform chosen, as from a console)
// answers its arguments before Qt looks for a window system; Qt's own options still pass.
TEST(CommandLine, ProgramAnswersItsArgumentsWithoutADisplay)
{
    const struct {
        QStringList arguments;
        int exitCode;
        QString output;
    } cases[] = {
        {{"--bogus"}, 2, "qubrin: Unknown option 'bogus'.\nTry 'qubrin --help'.\n"},
        {{"--help", "--settings"}, 2, "Missing value after '--settings'."},
        {{"-platform", "offscreen", "game.ini"}, 2, "Unexpected argument 'game.ini'."},
        {{"-style", "Fusion", "--version"}, 0, "qubrin " QUBRIN_VERSION "\n"},
    };
    for (const auto& c : cases) {
        QProcess program;
        program.setProcessEnvironment(QProcessEnvironment());
        program.start(QStringLiteral(QUBRIN_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(60000));
        const QString output = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        EXPECT_EQ(program.exitCode(), c.exitCode) << output.toStdString();
        EXPECT_TRUE(output.contains(c.output)) << output.toStdString();
    }
}
