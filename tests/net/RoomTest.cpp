#include "RoomFixture.h"

#include "net/StateDigest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using net::Command;
using net::ErrorCode;
using nettest::RoomProbe;

constexpr int Host = 1, Banker = 2, Other = 3;  // seats 0, 2 (the first banker), 3

void seatEveryone(RoomProbe& probe)
{
    probe.room.admitHost(Host, QStringLiteral("host"));
    ASSERT_TRUE(probe.room.admit(Banker, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), 2, {}, {}}));
    ASSERT_TRUE(probe.room.admit(Other, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, {}}));
}

net::CommandMessage command(Command c) { return net::CommandMessage{c}; }

TEST(RoomTest, EachSeatActsOnlyForItselfAndEachCommandOnlyInItsPhase)
{
    RoomProbe probe;
    seatEveryone(probe);
    ASSERT_EQ(probe.room.seats().seatOf(Other), 3);
    struct Step {
        int participant;
        net::ClientMessage message;
        std::optional<ErrorCode> refusal;
    };
    const Step game[] = {
        {Banker, command(Command::NewGame), ErrorCode::NotYourCommand},
        {Host, command(Command::Interrupt), ErrorCode::WrongPhase},
        {Host, net::BetMessage{0, 50}, ErrorCode::WrongPhase},
        {Host, command(Command::NewGame), std::nullopt},
        {Host, command(Command::NewGame), ErrorCode::WrongPhase},
        {Host, command(Command::OpenBets), ErrorCode::NotYourCommand},  // seat 2 banks and is here
        {Banker, command(Command::Throw), ErrorCode::WrongPhase},
        {Banker, command(Command::NextTurn), ErrorCode::WrongPhase},
        {Banker, command(Command::OpenBets), std::nullopt},
        {Banker, command(Command::Pass), ErrorCode::WrongPhase},        // no ｽﾙｰ once the bets are open
        {Other, net::BetMessage{0, 50}, ErrorCode::NotYourSeat},
        {Other, net::ReadyMessage{0}, ErrorCode::NotYourSeat},
        {Other, net::BetMessage{3, 5}, ErrorCode::BetOutOfLimits},
        {Other, net::BetMessage{3, 110}, ErrorCode::BetOutOfLimits},
        {Banker, net::BetMessage{2, 50}, ErrorCode::WrongPhase},        // the banker does not bet
        {Other, net::BetMessage{3, 70}, std::nullopt},
        {Banker, command(Command::Throw), ErrorCode::NotReady},         // seats 0 and 3 have not said ready
        {Other, net::ReadyMessage{3}, std::nullopt},
        {Other, net::BetMessage{3, 40}, ErrorCode::WrongPhase},         // ready: the bet stands
        {Other, command(Command::Throw), ErrorCode::NotYourCommand},
        {Other, net::EndRoomMessage{}, ErrorCode::NotYourCommand},
        {Other, command(Command::Interrupt), ErrorCode::NotYourCommand},
        {Host, net::ReadyMessage{0}, std::nullopt},                     // every seat ready: the bets close
        {Host, net::JoinMessage{}, ErrorCode::AlreadyJoined},
        {Banker, command(Command::Throw), std::nullopt},
        {Banker, command(Command::Throw), ErrorCode::WrongPhase},
        {Banker, command(Command::NextTurn), std::nullopt},
        {Host, command(Command::Interrupt), std::nullopt},
    };
    for (const Step& step : game) {
        const QString digest = net::stateDigest(probe.room.flow());
        const net::Phase phase = probe.room.phase();
        const qsizetype errors = probe.received<net::ErrorMessage>(step.participant).size();
        probe.room.receive(step.participant, step.message);
        const QVector<net::ErrorMessage> after = probe.received<net::ErrorMessage>(step.participant);
        const QString what = QString::number(&step - game);
        if (step.refusal) {
            ASSERT_EQ(after.size(), errors + 1) << what.toStdString();
            EXPECT_EQ(after.last().code, *step.refusal) << what.toStdString();
            EXPECT_EQ(net::stateDigest(probe.room.flow()), digest) << what.toStdString();
            EXPECT_EQ(probe.room.phase(), phase) << what.toStdString();
        } else {
            EXPECT_EQ(after.size(), errors) << what.toStdString();
        }
    }
    // Every participant saw the same steps; the bets closed by readiness, not by the clock.
    const QVector<net::BetsClosedMessage> closed = probe.received<net::BetsClosedMessage>(Other);
    ASSERT_EQ(closed.size(), 1);
    EXPECT_FALSE(closed[0].timedOut);
    EXPECT_EQ(closed[0].bets[3], 70);
    EXPECT_EQ(probe.received<net::ThrownMessage>(Host).size(), 1);
    EXPECT_EQ(probe.received<net::InterruptedMessage>(Banker).size(), 1);
    EXPECT_EQ(probe.room.phase(), net::Phase::NoGame);
}

TEST(RoomTest, AtTheEndOfTheTimeForBetsAnUnansweredSeatKeepsTheBetItWasOffered)
{
    RoomProbe probe({60, net::RejoinMilliseconds});
    seatEveryone(probe);
    probe.room.receive(Host, command(Command::NewGame));
    probe.room.receive(Banker, command(Command::OpenBets));
    probe.room.receive(Host, net::BetMessage{0, 30});
    probe.room.receive(Host, net::ReadyMessage{0});
    probe.room.receive(Other, net::ResyncMessage{});  // a window that rejoins sees who is ready, and the clock
    const net::StateMessage state = probe.received<net::StateMessage>(Other).constLast();
    EXPECT_EQ(state.ready, (QVector<qint64>{1, 0, 0, 0, 0, 0}));
    EXPECT_GT(state.deadlineMs, 0);
    EXPECT_LE(state.deadlineMs, 60);
    QElapsedTimer clock;
    clock.start();
    while (probe.room.phase() == net::Phase::BetsOpen && clock.elapsed() < 5000)
        QTest::qWait(10);
    const QVector<net::BetsClosedMessage> closed = probe.received<net::BetsClosedMessage>(Banker);
    ASSERT_EQ(closed.size(), 1);
    EXPECT_TRUE(closed[0].timedOut);
    EXPECT_EQ(closed[0].bets[0], 30);
    EXPECT_EQ(closed[0].bets[3], 60);  // the first offer of 10..100
    EXPECT_EQ(closed[0].bets[2], 0);   // the banker
    probe.room.receive(Banker, command(Command::Throw));
    EXPECT_EQ(probe.room.phase(), net::Phase::TurnSettled);
}

TEST(RoomTest, ADroppedSeatIsKeptForItsTokenAndAnEmptyHostSeatEndsTheRoom)
{
    RoomProbe probe({net::DefaultBetSeconds * 1000, 80});
    seatEveryone(probe);
    probe.room.receive(Host, command(Command::NewGame));
    const QString token = probe.received<net::WelcomeMessage>(Other).last().token;
    ASSERT_EQ(token.size(), net::SeatTokenLength);

    probe.room.drop(Other);
    EXPECT_EQ(probe.received<net::SeatsMessage>(Host).last().seats[3].holder, net::Holder::Absent);
    EXPECT_FALSE(probe.room.admit(4, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("C"), 3, {}, {}}));
    EXPECT_EQ(probe.received<net::ErrorMessage>(4).last().code, ErrorCode::RoomFull);
    EXPECT_FALSE(probe.room.admit(5, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("C"), -1,
                                                      QString(64, QLatin1Char('0')), {}}));
    EXPECT_EQ(probe.received<net::ErrorMessage>(5).last().code, ErrorCode::RulesMismatch);

    ASSERT_TRUE(probe.room.admit(6, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1,
                                                     probe.room.rules().hash(), token}));
    EXPECT_EQ(probe.received<net::WelcomeMessage>(6).last().seat, 3);
    EXPECT_EQ(probe.received<net::WelcomeMessage>(6).last().token, token);
    ASSERT_EQ(probe.received<net::StateMessage>(6).size(), 1);  // a game runs: its state follows
    EXPECT_EQ(probe.received<net::StateMessage>(6)[0].digest, net::stateDigest(probe.room.flow()));
    // Once its player is gone again, the seat comes back to the token once more.
    probe.room.drop(6);
    ASSERT_TRUE(probe.room.admit(7, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, token}));
    EXPECT_EQ(probe.received<net::WelcomeMessage>(7).last().token, token);

    bool ended = false;
    QObject::connect(&probe.room, &net::Room::closed, [&](net::CloseReason reason) {
        ended = reason == net::CloseReason::HostLeft;
    });
    probe.room.drop(Host);
    QElapsedTimer clock;
    clock.start();
    while (!ended && clock.elapsed() < 5000)
        QTest::qWait(10);
    EXPECT_TRUE(ended);
    EXPECT_EQ(probe.received<net::RoomClosedMessage>(7).last().reason, net::CloseReason::HostLeft);
    EXPECT_FALSE(probe.room.isOpen());
}

}  // namespace
