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

namespace {

using nettest::waitUntil;

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

    void start(int turns, bool relayed)
    {
        Window& host = enter(server->port());
        host.client->create(nettest::hostCreate(nettest::fourSeatRules(turns)));
        ASSERT_TRUE(waitUntil([&] { return host.room() != nullptr; }));
        for (const char* name : {"ハナ", "ゲン"}) {
            Window& guest = enter(relayed ? relay->port() : server->port());
            guest.client->join({host.client->code(), QString::fromUtf8(name), -1, {}, {}});
            ASSERT_TRUE(waitUntil([&] { return guest.room() != nullptr; }));
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

TEST_F(NetworkTable, AHostAndTwoGuestWindowsPlayAWholeGameToTheSameTablesAndHistories)
{
    start(5, false);
    playWholeGame(5000);
}

TEST_F(NetworkTable, TheSameGameWithAHundredMillisecondsEachWayThroughTheRelay)
{
    start(3, true);
    relay->setDelay(100);
    playWholeGame(10000);
}

TEST_F(NetworkTable, OnlyTheSeatsOwnControlsAreOpenAndAForcedCommandIsRefusedWithItsText)
{
    start(5, false);
    for (const auto& w : windows) {
        EXPECT_FALSE(w->table->setting->isEnabled());
        EXPECT_FALSE(w->table->iniread->isEnabled());
        EXPECT_EQ(w->table->Gamein->isEnabled(), w->room()->isHost());
    }
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    frmMain* holder = commander(&frmMain::bent_Label);
    for (const auto& w : windows) {
        frmMain& t = *w->table;
        EXPECT_FALSE(t.Gameout->isEnabled() && !w->room()->isHost());
        if (&t == holder)
            continue;
        // A click on a disabled command does nothing; a command sent anyway is the room's to refuse.
        QTest::mouseClick(t.bent_Label, Qt::LeftButton);
        QTest::qWait(50);
        EXPECT_TRUE(allIn(net::Phase::TurnOpen));
        t.bent_Label_Click();
        ASSERT_TRUE(waitUntil([&] { return t.Turn->text() == RoomTexts::refusal(net::ErrorCode::NotYourCommand); }));
    }
    EXPECT_TRUE(allIn(net::Phase::TurnOpen));
    // Bets: each window's bar is open only on its own seat.
    click(&frmMain::bent_Label, net::Phase::BetsOpen, 5000);
    for (const auto& w : windows) {
        for (int seat = 0; seat < 4; ++seat) {
            const bool own = seat == w->room()->seat() && seat != w->table->state.OyaSeat;
            EXPECT_EQ(w->table->HScr[seat]->isEnabled(), own) << "seat " << seat;
        }
        EXPECT_TRUE(w->table->findChild<QLabel*>(QStringLiteral("betTimeLab"))->text().contains(QLatin1String("30")));
    }
}

TEST_F(NetworkTable, ARoomThatClosesSaysWhyAndTheTablesReturnToTheirOwnSettingsFile)
{
    start(5, false);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    windows[0]->client->endRoom();
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(windows.begin(), windows.end(), [](const auto& w) { return w->room() == nullptr; });
    }));
    EXPECT_TRUE(platform.warnings.contains(RoomTexts::closing(net::CloseReason::HostEnded)));
    for (const auto& w : windows) {
        frmMain& t = *w->table;
        EXPECT_TRUE(t.setting->isEnabled());
        EXPECT_TRUE(t.Gamein->isEnabled());
        EXPECT_EQ(t.LabBETMAX->text(), "50");
        EXPECT_EQ(t.findChild<QLabel*>(QStringLiteral("roomLab")), nullptr);
        EXPECT_EQ(t.flow.seats(), 3);
    }
    // The single screen plays again from its own file.
    windows[1]->table->Gamein->trigger();
    EXPECT_EQ(windows[1]->table->P_scoLab[0]->text(), "500");
}

TEST_F(NetworkTable, AClientDestroyedOrAWindowClosedInTheMiddleOfAGameCrashesNothing)
{
    start(5, false);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    windows[2]->client.reset();
    EXPECT_TRUE(waitUntil([&] { return windows[2]->room() == nullptr; }));
    windows[1]->table->close();
    windows[1]->client.reset();
    windows[0]->table->close();
    QTest::qWait(50);
}

}  // namespace
