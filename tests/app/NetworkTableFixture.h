#pragma once

#include "app/RoomTable.h"
#include "app/frmMain.h"
#include "game/HistoryTable.h"
#include "net/Client.h"
#include "net/LoopbackPeer.h"
#include "net/RoomFixture.h"
#include "net/Server.h"
#include "net/TcpRelay.h"
#include "settings/ProfileSection.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "ui/net/RoomTexts.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace nettest {

// Three real table windows in one room: the host's window is a Client of a server in this
// process, the two guests' windows join it, directly or through the relay. The host's own
// dice.ini differs from the room's rules, so that leaving the room shows the file's table again.
class NetworkTable : public ::testing::Test {
protected:
    struct Window {
        std::unique_ptr<net::Client> client = std::make_unique<net::Client>();
        std::unique_ptr<frmMain> table = std::make_unique<frmMain>();
        RoomTable* room() const { return table->room(); }
    };

    void SetUp() override
    {
        writeProfileSection(folder.filePath(QStringLiteral("dice.ini")),
                            {{"NINZU", "3"}, {"SCORE", "500"}, {"BETMIN", "1"}, {"BETMAX", "50"}, {"LAST", "9"}});
        net::Server::Options options;
        options.draw = nettest::scriptedDraw({1});
        server = std::make_unique<net::Server>(options);
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        relay = std::make_unique<nettest::TcpRelay>(server->port());
    }

    void TearDown() override
    {
        windows.clear();
        program::GameSettings = SettingsRecord{};
    }

    static QUrl url(quint16 port) { return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)); }

    // Each window goes into the room as the menu does: playInRoom on its welcome.
    Window& enter(quint16 port)
    {
        windows.push_back(std::make_unique<Window>());
        Window& w = *windows.back();
        QObject::connect(w.client.get(), &net::Client::welcomed, w.table.get(),
                         [&w](const net::WelcomeMessage& welcome) { w.table->playInRoom(*w.client, welcome); });
        w.client->open(url(port));
        return w;
    }

    // The last `relayedGuests` guests go through the relay, the others straight to the server.
    void start(int turns, int relayedGuests = 0, const SettingsRecord& rules = {},
               rules::Character fallback = rules::Character::Omakase)
    {
        Window& host = enter(server->port());
        host.client->create(nettest::hostCreate(rules.NINZU == 0 ? nettest::fourSeatRules(turns) : rules));
        ASSERT_TRUE(waitUntil([&] { return host.room() != nullptr; }));
        for (const int guest : {0, 1}) {
            Window& w = enter(guest >= 2 - relayedGuests ? relay->port() : server->port());
            w.client->join({host.client->code(), QString::fromUtf8(guest == 0 ? "ハナ" : "ゲン"), -1, {}, {}, fallback});
            ASSERT_TRUE(waitUntil([&] { return w.room() != nullptr; }));
        }
        ASSERT_TRUE(waitUntil([&] { return windows[1]->client->seat() == 2 && windows[2]->client->seat() == 3; }));
        ASSERT_TRUE(settled());
    }

    // Every window has played every step it was sent, and all stand in the same phase.
    bool allIn(net::Phase phase) const
    {
        for (const auto& w : windows) {
            if (!w->room() || !w->room()->isIdle() || w->room()->phase() != phase)
                return false;
        }
        return true;
    }
    bool settled(int ms = 10000)
    {
        return waitUntil([&] { return allIn(windows[0]->room()->phase()); }, ms);
    }

    // The one window whose command is enabled; it must be the one the room says commands.
    frmMain* commander(CommandLabel* frmMain::*command) const
    {
        frmMain* found = nullptr;
        const int seat = windows[0]->room()->commander();
        for (const auto& w : windows) {
            // Every other window names the player whose move it is.
            const frmMain& t = *w->table;
            if (!w->room()->commands()) {
                const QString line = t.findChild<QLabel*>(QStringLiteral("roomLab"))->text();
                EXPECT_TRUE(line.endsWith(t.P_nameLab[seat]->text() + QStringLiteral(" の番"))) << line.toStdString();
            }
            if ((w->table.get()->*command)->isEnabled()) {
                EXPECT_EQ(found, nullptr) << "two windows hold the command";
                EXPECT_TRUE(w->room()->commands());
                found = w->table.get();
            }
        }
        EXPECT_NE(found, nullptr);
        return found;
    }

    void click(CommandLabel* frmMain::*command, net::Phase then, int ms)
    {
        frmMain* t = commander(command);
        ASSERT_NE(t, nullptr);
        QTest::mouseClick(t->*command, Qt::LeftButton);
        ASSERT_TRUE(waitUntil([&] { return allIn(then); }, ms)) << "no window reached the next phase";
    }

    // Every player's window bets on its own bar and says ready.
    void betAndReady(int turn, int ms)
    {
        for (const auto& w : windows) {
            frmMain& t = *w->table;
            const int seat = w->room()->seat();
            if (seat == t.state.OyaSeat)
                continue;
            ASSERT_TRUE(t.HScr[seat]->isEnabled());
            t.HScr[seat]->setValue(10 + 7 * turn + seat);
            QTest::mouseClick(t.findChild<CommandLabel*>(QStringLiteral("ready_Label")), Qt::LeftButton);
        }
        ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::BetsClosed); }, ms));
    }

    // What a player reads off the table, seat by seat.
    static QStringList shown(const frmMain& t)
    {
        QStringList seen;
        for (int seat = 0; seat < t.flow.seats(); ++seat)
            seen << t.P_nameLab[seat]->text() << t.P_scoLab[seat]->text() << t.P_betLab[seat]->text()
                 << t.P_yaku[seat]->text() << t.P_Label[seat]->text()
                 << QString::number(t.state.P_lastPayment[seat]);
        return seen;
    }

    void expectSameTables(int turn)
    {
        for (const auto& w : windows) {
            EXPECT_EQ(shown(*w->table), shown(*windows[0]->table)) << "turn " << turn;
            EXPECT_EQ(w->room()->mismatches(), 0);
        }
    }

    // A whole game driven by the windows' own controls, compared after every turn.
    void playWholeGame(int ms)
    {
        ASSERT_NE(windows[0]->table->Gamein, nullptr);
        windows[0]->table->Gamein->trigger();
        ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }, ms));
        for (int turn = 1; turn <= 40 && !allIn(net::Phase::GameOver); ++turn) {
            ASSERT_NO_FATAL_FAILURE(click(&frmMain::bent_Label, net::Phase::BetsOpen, ms));
            ASSERT_NO_FATAL_FAILURE(betAndReady(turn, ms));
            ASSERT_NO_FATAL_FAILURE(click(&frmMain::turn_Label, net::Phase::TurnSettled, ms));
            expectSameTables(turn);
            frmMain* next = commander(&frmMain::turn2_Label);
            ASSERT_NE(next, nullptr);
            QTest::mouseClick(next->turn2_Label, Qt::LeftButton);
            ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen) || allIn(net::Phase::GameOver); }, ms));
        }
        ASSERT_TRUE(allIn(net::Phase::GameOver));
        expectSameHistories();
    }

    // Every window's history is the same CSV, and its table the room's.
    void expectSameHistories()
    {
        const QString first = historyTable::csv(*windows[0]->table->history);
        EXPECT_GT(first.count(QLatin1Char('\n')), 4);
        for (const auto& w : windows)
            EXPECT_EQ(historyTable::csv(*w->table->history).toUtf8(), first.toUtf8());
        EXPECT_EQ(net::stateDigest(windows[0]->table->flow),
                  net::stateDigest(server->room(windows[0]->client->code())->flow()));
    }

    ScriptedPlatform platform;
    TableFolder folder;
    std::unique_ptr<net::Server> server;
    std::unique_ptr<nettest::TcpRelay> relay;
    std::vector<std::unique_ptr<Window>> windows;
};

}  // namespace nettest
