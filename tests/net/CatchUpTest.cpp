#include "HistoryText.h"
#include "ReplayTable.h"
#include "RoomFixture.h"

#include "net/StepLog.h"

#include <gtest/gtest.h>

namespace {

using net::Command;
using nettest::RoomProbe;

// A table of the room's rules that follows steps, with its history.
struct Follower : nettest::ReplayTable {
    Follower() : ReplayTable(nettest::fourSeatRules(4)) {}
    void play(const QVector<net::RoomMessage>& messages)
    {
        for (const net::RoomMessage& m : messages) {
            if (const auto* catchUp = std::get_if<net::CatchUpMessage>(&m))
                replay.apply(*catchUp);
            else if (const std::optional<net::RoomStep> step = net::roomStep(m))
                replay.apply(*step);
        }
    }
};

net::ThrownMessage bigThrow(int turn)
{
    return {turn, QVector<std::array<qint16, 3>>(30, {1, 2, 3}), {1000, 1000, 1000, 1000}, {}};
}

QVector<net::RoomStep> stepsOf(const QVector<net::CatchUpMessage>& messages)
{
    QVector<net::RoomStep> steps;
    for (const net::CatchUpMessage& m : messages)
        steps += m.steps;
    return steps;
}

TEST(CatchUpTest, TheLogSendsWhatWasMissedInFramesBelowTheLimitAndBeginsAnewWithEachGame)
{
    net::StepLog log;
    log.record(net::BetMessage{2, 10});  // before any game: counted, not kept
    log.record(net::GameStartedMessage{1, QString(16, QLatin1Char('0'))});
    for (int turn = 1; turn <= 200; ++turn)
        log.record(bigThrow(turn));
    log.record(net::StateMessage{});  // to one participant: neither counted nor kept
    ASSERT_EQ(log.position(), 202);

    const struct {
        qint64 seen;
        qint64 from;
    } cases[] = {{-1, 1}, {0, 1}, {1, 1}, {150, 150}, {202, 202}, {203, 1}, {99999, 1}};
    for (const auto& c : cases) {
        const QVector<net::CatchUpMessage> messages = log.catchUp(c.seen);
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.first().from, c.from) << c.seen;
        EXPECT_EQ(stepsOf(messages).size(), 202 - c.from) << c.seen;
        qint64 next = c.from;
        for (const net::CatchUpMessage& m : messages) {
            EXPECT_EQ(m.from, next);
            next += m.steps.size();
            EXPECT_EQ(m.last, &m == &messages.last());
            const QByteArray text = net::encodeRoomMessage(m);
            EXPECT_LT(text.size(), net::MaxMessageBytes);
            // What travels reads back as the same steps.
            const auto parsed = net::parseRoomMessage(text);
            ASSERT_TRUE(std::holds_alternative<net::RoomMessage>(parsed));
            EXPECT_EQ(net::encodeRoomMessage(std::get<net::RoomMessage>(parsed)), text);
        }
        EXPECT_EQ(next, 202);
    }
    EXPECT_GT(log.catchUp(-1).size(), 3);

    log.record(net::GameStartedMessage{2, QString(16, QLatin1Char('0'))});
    EXPECT_EQ(stepsOf(log.catchUp(5)).size(), 1);
    EXPECT_EQ(log.catchUp(5).first().from, 202);

    // Past the bound the game is no longer kept: a catch-up brings nothing but the count.
    for (int i = 0; i < net::MaxKeptSteps; ++i)
        log.record(net::ReadyMessage{2});
    const QVector<net::CatchUpMessage> none = log.catchUp(-1);
    ASSERT_EQ(none.size(), 1);
    EXPECT_TRUE(none[0].steps.isEmpty());
    EXPECT_EQ(none[0].from, log.position());
}

TEST(CatchUpTest, AParticipantWhoMissedPartOfTheGameEndsWithTheHistoryOfOneWhoSawItAll)
{
    constexpr int Host = 1, Banker = 2, Late = 3, Back = 4;
    RoomProbe probe({net::DefaultBetSeconds * 1000, 60000}, 4);
    probe.room.admitHost(Host, QStringLiteral("host"));
    probe.room.admit(Banker, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), 2});
    probe.room.admit(Late, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), 3});
    const QString token = probe.received<net::WelcomeMessage>(Late).last().token;
    const auto playTurn = [&] {
        const int banker = probe.room.flow().state().OyaSeat;
        const int commander = banker == 2 ? Banker : banker == 3 && probe.room.seats().isHeld(3) ? Back : Host;
        probe.room.receive(commander, net::CommandMessage{Command::OpenBets});
        for (const int p : {Host, Banker, Back})
            probe.room.receive(p, net::ReadyMessage{probe.room.seats().seatOf(p)});
        probe.room.receive(commander, net::CommandMessage{Command::Throw});
        probe.room.receive(commander, net::CommandMessage{Command::NextTurn});
    };
    probe.room.receive(Host, net::CommandMessage{Command::NewGame});
    playTurn();
    // Seat 3's player has seen the first turn; it drops, misses one, and comes back with its count.
    const qint64 seen = probe.room.log().position();
    const QVector<net::RoomMessage> before = probe.inbox[Late];
    probe.room.drop(Late);
    playTurn();
    net::JoinMessage back{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, token};
    back.seen = seen;
    ASSERT_TRUE(probe.room.admit(Back, back));
    const QVector<net::CatchUpMessage> missed = probe.received<net::CatchUpMessage>(Back);
    ASSERT_EQ(missed.size(), 1);
    EXPECT_EQ(missed[0].from, seen);
    while (probe.room.phase() != net::Phase::GameOver && probe.room.flow().turn() < 20)
        playTurn();
    ASSERT_EQ(probe.room.phase(), net::Phase::GameOver);

    Follower all, returning, restarted;
    all.play(probe.inbox[Host]);
    returning.play(before + probe.inbox[Back]);
    // A window started afresh, with the token and no count, has the whole game sent.
    probe.room.drop(Back);
    ASSERT_TRUE(probe.room.admit(5, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, token}));
    restarted.play(probe.inbox[5]);
    for (const Follower* f : {&returning, &restarted}) {
        EXPECT_EQ(nettest::historyText(f->history), nettest::historyText(all.history));
        EXPECT_EQ(net::stateDigest(f->flow), net::stateDigest(probe.room.flow()));
        EXPECT_EQ(f->replay.mismatches(), 0);
    }
    EXPECT_TRUE(all.history.finished());
    EXPECT_GE(all.history.turns().size(), 4);
}

}  // namespace
