// A table window offscreen that hosts a room on 127.0.0.1 for the phone page's browser test: it
// says its port and room code on a line of JSON, plays its own seat (seat 0) and the host's
// commands by clicking its own controls, and after every turn says the scores its table shows.
// It ends when its standard input closes, or after the time it is given at most.
#include "app/RoomTable.h"
#include "app/frmMain.h"
#include "net/Client.h"
#include "net/RoomFixture.h"
#include "net/Server.h"
#include "settings/ProfileSection.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "ui/widgets/CommandLabel.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QScrollBar>
#include <QSettings>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int MaxMilliseconds = 240000;

void say(const QJsonObject& line)
{
    std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

SettingsRecord roomRules(int turns)
{
    SettingsRecord s = nettest::fourSeatRules(turns);
    s.NINZU = 3;  // the host at 0, the computer at 1, a phone at 2
    s.OYA = 1;
    s.P_NAME1 = QStringLiteral("タロウ");
    return s;
}

// The host's part of the game: whatever its own controls allow it now.
class HostPlayer : public QObject {
public:
    HostPlayer(frmMain& table, net::Server& server) : m_table(table), m_server(server)
    {
        connect(&m_tick, &QTimer::timeout, this, &HostPlayer::act);
        m_tick.start(20);
    }

private:
    void act()
    {
        RoomTable* room = m_table.room();
        if (!room || !room->isIdle())
            return;
        const net::Phase phase = room->phase();
        if (phase == net::Phase::NoGame && !m_started && phoneSeated()) {
            m_started = true;
            m_table.Gamein->trigger();
            return;
        }
        if (phase == net::Phase::TurnSettled || phase == net::Phase::GameOver)
            report(phase);
        if (phase == net::Phase::BetsOpen && room->seat() != m_table.state.OyaSeat && m_readyTurn != m_table.flow.turn()) {
            m_readyTurn = m_table.flow.turn();
            m_table.HScr[room->seat()]->setValue(10 + 5 * m_table.flow.turn());
            QTest::mouseClick(m_table.findChild<CommandLabel*>(QStringLiteral("ready_Label")), Qt::LeftButton);
            return;
        }
        if (!room->commands())
            return;
        CommandLabel* command = phase == net::Phase::TurnOpen       ? m_table.bent_Label
                                : phase == net::Phase::BetsClosed   ? m_table.turn_Label
                                : phase == net::Phase::TurnSettled ? m_table.turn2_Label
                                                                    : nullptr;
        if (command && command->isEnabled())
            QTest::mouseClick(command, Qt::LeftButton);
    }

    bool phoneSeated() const
    {
        const net::Room* room = m_server.room(m_code);
        if (!room)
            return false;
        for (const net::SeatInfo& seat : room->seats().infos()) {
            if (seat.web && seat.holder == net::Holder::Remote)
                return true;
        }
        return false;
    }

public:
    void setCode(const QString& code) { m_code = code; }

private:
    void report(net::Phase phase)
    {
        const int turn = m_table.flow.turn();
        if (turn == m_reportedTurn && phase == m_reportedPhase)
            return;
        m_reportedTurn = turn;
        m_reportedPhase = phase;
        QJsonArray scores;
        QJsonArray shown;
        for (int seat = 0; seat < m_table.flow.seats(); ++seat) {
            scores.append(static_cast<qint64>(m_table.state.P_score[seat].value_or(0)));
            shown.append(m_table.P_scoLab[seat]->text());
        }
        say({{"phase", phase == net::Phase::GameOver ? "gameOver" : "turnSettled"},
             {"turn", turn},
             {"oyaSeat", m_table.state.OyaSeat},
             {"scores", scores},
             {"shown", shown}});
    }

    frmMain& m_table;
    net::Server& m_server;
    QString m_code;
    QTimer m_tick;
    bool m_started = false;
    int m_readyTurn = -1;
    int m_reportedTurn = -1;
    net::Phase m_reportedPhase = net::Phase::NoGame;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int turns = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 3;
    const QTemporaryDir playerSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, playerSettings.path());
    ScriptedPlatform platform;
    TableFolder folder;
    writeProfileSection(folder.filePath(QStringLiteral("dice.ini")), {{"NINZU", "3"}});

    net::Server::Options options;
    options.draw = nettest::scriptedDraw({1});
    net::Server server(options);
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 2;
    net::Client client;
    frmMain table;
    HostPlayer player(table, server);
    QObject::connect(&client, &net::Client::welcomed, &table, [&](const net::WelcomeMessage& welcome) {
        player.setCode(welcome.code);
        table.playInRoom(client, welcome);
        say({{"port", server.port()}, {"code", welcome.code}, {"phoneSeat", 2}});
    });
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server.port())));
    client.create(nettest::hostCreate(roomRules(turns)));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char byte = 0;
        if (::read(STDIN_FILENO, &byte, 1) <= 0)
            app.quit();
    });
    QTimer::singleShot(MaxMilliseconds, &app, &QApplication::quit);
    const int rc = app.exec();
    program::GameSettings = SettingsRecord{};
    return rc;
}
