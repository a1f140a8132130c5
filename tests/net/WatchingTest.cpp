#include "RoomFixture.h"

#include <gtest/gtest.h>

namespace {

using net::Command;
using net::ErrorCode;
using nettest::RoomProbe;

constexpr int Host = 1, Banker = 2, Watcher = 7;  // seats 0 and 2 (the first banker), a spectator

net::JoinMessage watching()
{
    net::JoinMessage join{QStringLiteral("ACDEFG"), QStringLiteral("W")};
    join.spectate = true;
    return join;
}

// The host and the banker's player, a game started and its bets open.
void openBets(RoomProbe& probe)
{
    probe.room.admitHost(Host, QStringLiteral("host"));
    ASSERT_TRUE(probe.room.admit(Banker, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), 2}));
    probe.room.receive(Host, net::CommandMessage{Command::NewGame});
    probe.room.receive(Banker, net::CommandMessage{Command::OpenBets});
}

TEST(WatchingTest, EveryMessageOfAPlayerFromASpectatorIsRefusedAndChangesNothing)
{
    RoomProbe probe;
    ASSERT_NO_FATAL_FAILURE(openBets(probe));
    ASSERT_TRUE(probe.room.admit(Watcher, watching()));
    const struct {
        net::ClientMessage message;
        ErrorCode refusal;
    } tries[] = {
        {net::BetMessage{3, 50}, ErrorCode::NotYourSeat},
        {net::BetMessage{0, 50}, ErrorCode::NotYourSeat},
        {net::ReadyMessage{3}, ErrorCode::NotYourSeat},
        {net::ReadyMessage{0}, ErrorCode::NotYourSeat},
        {net::CommandMessage{Command::NewGame}, ErrorCode::NotYourCommand},
        {net::CommandMessage{Command::OpenBets}, ErrorCode::NotYourCommand},
        {net::CommandMessage{Command::Throw}, ErrorCode::NotYourCommand},
        {net::CommandMessage{Command::NextTurn}, ErrorCode::NotYourCommand},
        {net::CommandMessage{Command::Pass}, ErrorCode::NotYourCommand},
        {net::CommandMessage{Command::Interrupt}, ErrorCode::NotYourCommand},
        {net::EndRoomMessage{}, ErrorCode::NotYourCommand},
        {net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("W"), 3}, ErrorCode::AlreadyJoined},
        {nettest::hostCreate(nettest::fourSeatRules()), ErrorCode::AlreadyJoined},
    };
    for (const auto& t : tries) {
        const QString digest = net::stateDigest(probe.room.flow());
        const qsizetype hostHeard = probe.inbox[Host].size();
        probe.room.receive(Watcher, t.message);
        const auto& last = probe.inbox[Watcher].last();
        ASSERT_TRUE(std::holds_alternative<net::ErrorMessage>(last));
        EXPECT_EQ(std::get<net::ErrorMessage>(last).code, t.refusal);
        EXPECT_EQ(probe.inbox[Host].size(), hostHeard);
        EXPECT_EQ(net::stateDigest(probe.room.flow()), digest);
        EXPECT_EQ(probe.room.phase(), net::Phase::BetsOpen);
        EXPECT_TRUE(probe.room.isOpen());
    }
    EXPECT_EQ(probe.room.seats().seatOf(Watcher), -1);
    // The state is the one thing a spectator may ask for.
    probe.room.receive(Watcher, net::ResyncMessage{});
    EXPECT_TRUE(std::holds_alternative<net::StateMessage>(probe.inbox[Watcher].last()));
}

TEST(WatchingTest, ASpectatorWhoComesMidGameCatchesUpAndThenHearsEveryStepThePlayersHear)
{
    RoomProbe probe;
    ASSERT_NO_FATAL_FAILURE(openBets(probe));
    ASSERT_TRUE(probe.room.admit(Watcher, watching()));
    const net::WelcomeMessage welcome = probe.received<net::WelcomeMessage>(Watcher).last();
    EXPECT_TRUE(welcome.spectator);
    EXPECT_EQ(welcome.seat, -1);
    EXPECT_TRUE(welcome.token.isEmpty());
    // gameStarted and betsOpened, then the state; the players hear how many watch.
    const QVector<net::CatchUpMessage> caught = probe.received<net::CatchUpMessage>(Watcher);
    ASSERT_EQ(caught.size(), 1);
    EXPECT_EQ(caught[0].steps.size(), 2);
    EXPECT_TRUE(caught[0].last);
    EXPECT_TRUE(std::holds_alternative<net::StateMessage>(probe.inbox[Watcher].last()));
    EXPECT_EQ(probe.received<net::SeatsMessage>(Host).last().spectators, 1);

    const qsizetype hostFrom = probe.inbox[Host].size(), watcherFrom = probe.inbox[Watcher].size();
    probe.room.receive(Host, net::BetMessage{0, 40});
    probe.room.receive(Host, net::ReadyMessage{0});
    probe.room.receive(Banker, net::CommandMessage{Command::Throw});
    probe.room.receive(Banker, net::CommandMessage{Command::NextTurn});
    const QVector<net::RoomMessage> hostHeard = probe.inbox[Host].mid(hostFrom);
    EXPECT_GE(hostHeard.size(), 5);
    EXPECT_EQ(probe.inbox[Watcher].mid(watcherFrom).size(), hostHeard.size());
    for (qsizetype i = 0; i < hostHeard.size(); ++i)
        EXPECT_EQ(net::encodeRoomMessage(probe.inbox[Watcher].at(watcherFrom + i)), net::encodeRoomMessage(hostHeard.at(i)));

    probe.room.drop(Watcher);
    EXPECT_EQ(probe.received<net::SeatsMessage>(Host).last().spectators, 0);
    EXPECT_EQ(probe.room.participants(), (QVector<int>{Host, Banker}));
}

TEST(WatchingTest, AHostWhoRefusesSpectatorsKeepsTheRoomToItsPlayers)
{
    net::CreateMessage create = nettest::hostCreate(nettest::fourSeatRules());
    create.spectators = false;
    net::Room room(QStringLiteral("ACDEFG"), create, nettest::scriptedDraw({1}), {});
    QVector<net::RoomMessage> sent;
    QObject::connect(&room, &net::Room::sendTo, [&](int p, const net::RoomMessage& m) {
        if (p == Watcher)
            sent.append(m);
    });
    room.admitHost(Host, QStringLiteral("host"));
    EXPECT_FALSE(room.admit(Watcher, watching()));
    ASSERT_EQ(sent.size(), 1);
    ASSERT_TRUE(std::holds_alternative<net::ErrorMessage>(sent[0]));
    EXPECT_EQ(std::get<net::ErrorMessage>(sent[0]).code, ErrorCode::NoSpectators);
    EXPECT_EQ(room.spectators(), 0);
    // A player's join still finds its seat.
    EXPECT_TRUE(room.admit(Banker, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A")}));
}

}  // namespace
