#include "app/CommandLine.h"

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
        {{"qubrin://127.0.0.1/ACDEFG"}, 2, "Not an invitation 'qubrin://127.0.0.1/ACDEFG'"},
        {{"QUBRIN://host:47017/ABC"}, 2, "Not an invitation"},
        {{"qubrin://127.0.0.1:47017/ACDEFG", "more"}, 2, "Unexpected argument 'more'."},
        {{"--help"}, 0, "qubrin://host:port/CODE"},
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

// An invitation is the one argument besides the options; anything else that names the scheme is a mistake.
TEST(CommandLine, AnInvitationIsReadBeforeTheTableOpens)
{
    const struct {
        QStringList arguments;
        bool fine;
        QString host;
        quint16 port;
        QString code;
    } cases[] = {
        {{"qubrin", "qubrin://127.0.0.1:47017/ACDEFG"}, true, "127.0.0.1", 47017, "ACDEFG"},
        {{"qubrin", "--lang", "en", "qubrin://[::1]:5000/acdefg"}, true, "::1", 5000, "ACDEFG"},
        {{"qubrin"}, true, {}, 0, {}},
        {{"qubrin", "qubrin://127.0.0.1:47017/ACDEF0"}, false, {}, 0, {}},
        {{"qubrin", "qubrin://127.0.0.1:0/ACDEFG"}, false, {}, 0, {}},
        {{"qubrin", "qubrin:ACDEFG"}, false, {}, 0, {}},
        {{"qubrin", "http://127.0.0.1:47017/ACDEFG"}, false, {}, 0, {}},
    };
    for (const auto& c : cases) {
        const CommandLine line(c.arguments);
        EXPECT_EQ(line.error().isEmpty(), c.fine) << c.arguments.join(' ').toStdString();
        const std::optional<net::Invitation> invitation = line.invitation();
        EXPECT_EQ(invitation.has_value(), c.fine && !c.host.isEmpty()) << c.arguments.join(' ').toStdString();
        if (invitation && c.fine) {
            EXPECT_EQ(invitation->host, c.host);
            EXPECT_EQ(invitation->port, c.port);
            EXPECT_EQ(invitation->code, c.code);
        }
    }
}
