#include "RoomFixture.h"

#include "net/RoomReplay.h"
#include "net/StateDigest.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using net::Command;
using nettest::RoomProbe;

// A window: its own rules from the welcome, its own table, the replay of the room's steps.
struct Window {
    explicit Window(const net::WelcomeMessage& welcome) : rules(welcome.rules.settings) {}
    SettingsRecord rules;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow{rules, tally, sums};
    net::RoomReplay replay{flow};
    qsizetype read = 0;
};

class ReplayedRoom : public ::testing::Test {
protected:
    void SetUp() override
    {
        probe.room.admitHost(1, QStringLiteral("host"));
        probe.room.admit(2, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), -1, {}, {}});
        probe.room.admit(3, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, {}});
        for (int p = 1; p <= 3; ++p) {
            windows[p] = std::make_unique<Window>(probe.received<net::WelcomeMessage>(p).constFirst());
            QObject::connect(&windows[p]->replay, &net::RoomReplay::resyncNeeded,
                             [this, p] { probe.room.receive(p, net::ResyncMessage{}); });
        }
    }

    // Every window plays what it has been sent so far, and agrees with the room.
    void deliver()
    {
        for (int p = 1; p <= 3; ++p) {
            Window& w = *windows[p];
            while (w.read < probe.inbox[p].size()) {
                if (const std::optional<net::RoomStep> step = net::roomStep(probe.inbox[p].at(w.read++)))
                    w.replay.apply(*step);
            }
            ASSERT_EQ(net::stateDigest(w.flow), net::stateDigest(probe.room.flow())) << p;
            ASSERT_EQ(w.replay.phase(), probe.room.phase()) << p;
        }
    }

    void act(int participant, const net::ClientMessage& message)
    {
        probe.room.receive(participant, message);
        deliver();
    }

    // Every seat held by another than the banker's player says it is ready.
    void readyAll()
    {
        for (const int seat : {0, 2, 3}) {
            if (probe.room.seats().participantAt(seat) != commander())
                act(probe.room.seats().participantAt(seat), net::ReadyMessage{seat});
        }
    }

    int commander() const
    {
        const int banker = probe.room.seats().participantAt(probe.room.flow().state().OyaSeat);
        return banker >= 0 ? banker : 1;
    }

    RoomProbe probe{{}, 12};
    std::unique_ptr<Window> windows[4];
};

TEST_F(ReplayedRoom, EveryWindowReplaysAWholeGameToTheRoomsTableAndTheEnginesSettlement)
{
    // The engine alone with the same draws, seat 3 betting 100 each time it is not the banker.
    const SettingsRecord rules = nettest::fourSeatRules(12);
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow engine(rules, tally, sums);
    nettest::RoomDraws draws(nettest::scriptedDraw({1}));
    engine.newGame(draws.seconds());

    act(1, net::CommandMessage{Command::NewGame});
    int turns = 0;
    while (probe.room.phase() != net::Phase::GameOver && turns < 20) {
        if (turns == 3) {
            act(commander(), net::CommandMessage{Command::Pass});  // ｽﾙｰ once, under option 6
            engine.pass();
        }
        act(commander(), net::CommandMessage{Command::OpenBets});
        draws.openTurn(engine.turn());
        engine.openBets([&] { return draws.bet(); });
        const bool bets = probe.room.flow().state().OyaSeat != 3;
        if (bets) {
            act(3, net::BetMessage{3, 100});
            engine.setBet(3, 100);
        }
        readyAll();
        act(commander(), net::CommandMessage{Command::Throw});
        draws.closeBets(QStringList(4));
        engine.playThrows([&] { return draws.faces(); });
        act(commander(), net::CommandMessage{Command::NextTurn});
        engine.endTurn();
        ++turns;
    }
    EXPECT_EQ(turns, 12);
    EXPECT_EQ(net::stateDigest(engine), net::stateDigest(probe.room.flow()));
    qint64 total = 0;
    for (int seat = 0; seat < 4; ++seat)
        total += *probe.room.flow().state().P_score[seat];
    EXPECT_EQ(total, 4 * 1000);
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(windows[p]->replay.mismatches(), 0);
}

TEST_F(ReplayedRoom, AWindowThatDiffersAsksForTheRoomsStateAndTakesItOver)
{
    act(1, net::CommandMessage{Command::NewGame});
    act(commander(), net::CommandMessage{Command::OpenBets});
    readyAll();
    windows[2]->flow.state().P_score[0] = 5;  // the window's table went wrong somehow
    act(commander(), net::CommandMessage{Command::Throw});  // the thrown scores disagree: resync
    EXPECT_EQ(windows[2]->replay.mismatches(), 1);
    EXPECT_EQ(windows[1]->replay.mismatches(), 0);
    EXPECT_EQ(windows[2]->flow.state().P_score, probe.room.flow().state().P_score);
    act(commander(), net::CommandMessage{Command::NextTurn});
    EXPECT_EQ(windows[2]->replay.mismatches(), 1);
}

TEST_F(ReplayedRoom, WhileASeatIsAwayTheWindowsReplayItsFallbackBetsAndItsPlayerComesBackToTheSameTable)
{
    act(1, net::CommandMessage{Command::NewGame});
    const QString token = probe.received<net::WelcomeMessage>(3).constFirst().token;
    // The player comes back as a gambler, whose stake follows its last payment, and goes again.
    probe.room.drop(3);
    probe.room.admit(3, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, token,
                                         rules::Character::Gambler});
    deliver();
    probe.room.drop(3);
    for (int turn = 0; turn < 4; ++turn) {
        probe.room.receive(commander(), net::CommandMessage{Command::OpenBets});
        for (const int seat : {0, 2}) {
            if (probe.room.seats().participantAt(seat) != commander())
                probe.room.receive(probe.room.seats().participantAt(seat), net::ReadyMessage{seat});
        }
        probe.room.receive(commander(), net::CommandMessage{Command::Throw});
        probe.room.receive(commander(), net::CommandMessage{Command::NextTurn});
    }
    int reasoned = 0;
    for (const net::BetMessage& bet : probe.received<net::BetMessage>(1))
        reasoned += bet.seat == 3 && bet.reason && bet.reason->character == rules::Character::Gambler;
    EXPECT_GE(reasoned, 2);
    probe.room.admit(3, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, token});
    deliver();  // windows 1 and 2 replayed every step; window 3 took the state over
    EXPECT_EQ(windows[1]->replay.mismatches(), 0);
    EXPECT_EQ(windows[2]->replay.mismatches(), 0);
    EXPECT_EQ(windows[3]->flow.state().P_lastPayment, probe.room.flow().state().P_lastPayment);
}

}  // namespace
