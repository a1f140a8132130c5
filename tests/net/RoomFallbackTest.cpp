#include "RoomFixture.h"

#include "game/HandOdds.h"
#include "net/ClientMessages.h"

#include <gtest/gtest.h>

namespace {

using net::Command;
using nettest::RoomProbe;

constexpr int Host = 1, Banker = 2, Away = 3;  // seats 0, 2 (the first banker), 3

net::JoinMessage joinFromText(const char* json)
{
    const net::ParsedClientMessage parsed = net::parseClientMessage(QByteArray(json));
    EXPECT_TRUE(parsed.message.has_value()) << json;
    return parsed.message ? std::get<net::JoinMessage>(*parsed.message) : net::JoinMessage{};
}

// Seat 3 joins by `json`, drops after the game starts, and the banker opens the bets.
void dropAndOpenBets(RoomProbe& probe, const char* json)
{
    probe.room.admitHost(Host, QStringLiteral("host"));
    ASSERT_TRUE(probe.room.admit(Banker, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), 2}));
    ASSERT_TRUE(probe.room.admit(Away, joinFromText(json)));
    probe.room.receive(Host, net::CommandMessage{Command::NewGame});
    probe.room.drop(Away);
    probe.room.receive(Banker, net::CommandMessage{Command::OpenBets});
}

TEST(RoomFallbackTest, ADroppedSeatBetsAsItsCharacterFromTheDrawAfterTheOpeningsAndIsReady)
{
    const struct {
        const char* join;
        rules::Character plays;
    } cases[] = {
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"B","character":"calculating"})", rules::Character::Calculating},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"B","character":"gambler"})", rules::Character::Gambler},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"B"})", rules::Character::Omakase},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"B","character":"Calculating"})", rules::Character::Omakase},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"B","character":7})", rules::Character::Omakase},
    };
    const SettingsRecord settings = nettest::fourSeatRules();
    const rules::TurnOdds odds = rules::turnOdds(settings);
    for (const auto& c : cases) {
        RoomProbe probe;
        dropAndOpenBets(probe, c.join);
        // After the first banker's draw the turn's seed; its bet stream gives computer seat 1's
        // bet, then the dropped seat's.
        nettest::RoomDraws draws(nettest::scriptedDraw({1}));
        draws.seconds();
        draws.openTurn(1);
        draws.bet();
        const float draw = draws.bet();
        const rules::BetDecision expected =
            rules::decideBet(c.plays, {odds.playerExpectation, odds.playerSecondMoment, 1000, 0, 0,
                                       rules::betLimits(settings.BETMIN, settings.BETMAX), draw});

        const QVector<net::BetMessage> bets = probe.received<net::BetMessage>(Host);
        ASSERT_EQ(bets.size(), 1) << c.join;
        EXPECT_EQ(bets[0].seat, 3);
        EXPECT_EQ(bets[0].bet, expected.bet) << c.join;
        EXPECT_EQ(bets[0].reason, expected.reason) << c.join;
        EXPECT_EQ(probe.room.flow().state().P_bet[3], expected.bet);
        EXPECT_EQ(probe.room.stateMessage().ready.at(3), 1);
        EXPECT_EQ(probe.received<net::ReadyMessage>(Host).size(), 1);
    }
}

TEST(RoomFallbackTest, ARejoinedPlayersOwnBetCountsFromTheNextOpening)
{
    RoomProbe probe;
    dropAndOpenBets(probe, R"({"v":1,"type":"join","code":"ACDEFG","name":"B","character":"bold"})");
    const QString token = probe.received<net::WelcomeMessage>(Away).constFirst().token;
    ASSERT_TRUE(probe.room.admit(Away, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), -1, {}, token}));
    const qint16 fallbackBet = probe.room.flow().state().P_bet[3];
    probe.room.receive(Away, net::BetMessage{3, 77});  // these bets are the fallback's
    EXPECT_EQ(probe.received<net::ErrorMessage>(Away).constLast().code, net::ErrorCode::WrongPhase);
    EXPECT_EQ(probe.room.flow().state().P_bet[3], fallbackBet);

    probe.room.receive(Host, net::ReadyMessage{0});
    probe.room.receive(Banker, net::CommandMessage{Command::Throw});
    probe.room.receive(Banker, net::CommandMessage{Command::NextTurn});
    ASSERT_EQ(probe.room.flow().state().OyaSeat, 2);
    const qsizetype betsBefore = probe.received<net::BetMessage>(Host).size();
    probe.room.receive(Banker, net::CommandMessage{Command::OpenBets});
    EXPECT_EQ(probe.received<net::BetMessage>(Host).size(), betsBefore);  // nobody bets for seat 3 now
    probe.room.receive(Away, net::BetMessage{3, 77});
    probe.room.receive(Away, net::ReadyMessage{3});
    probe.room.receive(Host, net::ReadyMessage{0});
    ASSERT_EQ(probe.room.phase(), net::Phase::BetsClosed);
    EXPECT_EQ(probe.received<net::BetsClosedMessage>(Host).constLast().bets.at(3), 77);
}

TEST(RoomFallbackTest, ABetsReasonTravelsAndComesBackAsItWasAndAMalformedOneIsRefused)
{
    const rules::Reason reason{rules::Character::Calculating, rules::Motive::Kelly, 0.0123456789, 42, 10};
    const net::RoomMessage sent = net::BetMessage{3, 42, reason};
    const auto read = net::parseRoomMessage(net::encodeRoomMessage(sent));
    ASSERT_TRUE(std::holds_alternative<net::RoomMessage>(read));
    EXPECT_EQ(std::get<net::BetMessage>(std::get<net::RoomMessage>(read)).reason, reason);
    for (const char* bad : {
             R"({"v":1,"type":"bet","seat":3,"bet":42,"reason":{"character":"bold","motive":"hunch","share":0,"bet":42,"lastBet":0}})",
             R"({"v":1,"type":"bet","seat":3,"bet":42,"reason":{"character":"bold","motive":"large","share":"0","bet":42,"lastBet":0}})",
             R"({"v":1,"type":"bet","seat":3,"bet":42,"reason":5})",
         })
        EXPECT_EQ(net::parseClientMessage(QByteArray(bad)).error, net::ErrorCode::BadField) << bad;
}

// Options 4, 5 and 12 give the banker a loss: 計算 and 堅実 pass, 強気 keeps the bank, おまかせ never decides.
TEST(RoomFallbackTest, AnAbsentBankersCharacterDecidesOnThePassAtOpenBetsAndThePassCarriesItsReason)
{
    const struct {
        const char* join;
        rules::Character plays;
    } cases[] = {
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"A","seat":2,"character":"calculating"})", rules::Character::Calculating},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"A","seat":2,"character":"steady"})", rules::Character::Steady},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"A","seat":2,"character":"bold"})", rules::Character::Bold},
        {R"({"v":1,"type":"join","code":"ACDEFG","name":"A","seat":2})", rules::Character::Omakase},
    };
    SettingsRecord settings = nettest::fourSeatRules();
    settings.P_CHECK4 = settings.P_CHECK5 = settings.P_CHECK12 = 1;
    const long double bankerEdge = -rules::turnOdds(settings).playerExpectation;
    for (const auto& c : cases) {
        net::Room room(QStringLiteral("ACDEFG"), nettest::hostCreate(settings), nettest::scriptedDraw({1}), {});
        QVector<net::RoomMessage> sent;
        QObject::connect(&room, &net::Room::sendToAll, [&](const net::RoomMessage& m) { sent.append(m); });
        room.admitHost(Host, QStringLiteral("host"));
        ASSERT_TRUE(room.admit(Banker, joinFromText(c.join)));
        room.receive(Host, net::CommandMessage{Command::NewGame});
        ASSERT_EQ(room.flow().state().OyaSeat, 2);
        room.drop(Banker);
        room.receive(Host, net::CommandMessage{Command::OpenBets});

        const rules::PassDecision decided = rules::decidePass(c.plays, bankerEdge);
        const auto* passed = std::get_if<net::PassedMessage>(&sent.constLast());
        EXPECT_EQ(passed != nullptr, decided.pass) << c.join;
        EXPECT_EQ(room.phase(), decided.pass ? net::Phase::TurnOpen : net::Phase::BetsOpen) << c.join;
        if (!passed)
            continue;
        EXPECT_EQ(passed->reason, decided.reason);
        EXPECT_EQ(passed->reason->motive, rules::Motive::PassBank);
        EXPECT_EQ(passed->oyaSeat, 3);
        EXPECT_EQ(passed->digest, net::stateDigest(room.flow()));
        // The reason travels as codes and numbers and comes back as it was.
        const auto read = net::parseRoomMessage(net::encodeRoomMessage(*passed));
        ASSERT_TRUE(std::holds_alternative<net::RoomMessage>(read));
        EXPECT_EQ(std::get<net::PassedMessage>(std::get<net::RoomMessage>(read)).reason, decided.reason);
    }
    EXPECT_TRUE(rules::decidePass(rules::Character::Calculating, bankerEdge).pass);
    EXPECT_FALSE(rules::decidePass(rules::Character::Bold, bankerEdge).pass);
}

}  // namespace
