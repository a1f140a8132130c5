#include "RoomFixture.h"
#include "net/ClientMessages.h"
#include "net/Envelope.h"
#include "net/NameText.h"
#include "net/RoomMessages.h"

#include <gtest/gtest.h>

namespace {

using net::ErrorCode;

TEST(ClientMessageTest, EveryBadMessageIsRefusedWithItsCode)
{
    struct Case {
        const char* text;
        ErrorCode code;
    };
    const Case cases[] = {
        {"not json", ErrorCode::BadJson},
        {"[1,2]", ErrorCode::BadJson},
        {R"({"type":"bet","seat":1,"bet":10})", ErrorCode::BadVersion},
        {R"({"v":2,"type":"bet","seat":1,"bet":10})", ErrorCode::BadVersion},
        {R"({"v":"1","type":"bet","seat":1,"bet":10})", ErrorCode::BadVersion},
        {R"({"v":1,"seat":1})", ErrorCode::UnknownType},
        {R"({"v":1,"type":"welcome"})", ErrorCode::UnknownType},
        {R"({"v":1,"type":"bet","seat":1})", ErrorCode::BadField},
        {R"({"v":1,"type":"bet","seat":"1","bet":10})", ErrorCode::BadField},
        {R"({"v":1,"type":"bet","seat":6,"bet":10})", ErrorCode::BadField},
        {R"({"v":1,"type":"bet","seat":1,"bet":10.5})", ErrorCode::BadField},
        {R"({"v":1,"type":"bet","seat":1,"bet":10000})", ErrorCode::BadField},
        {R"({"v":1,"type":"bet","seat":1,"bet":-1})", ErrorCode::BadField},
        {R"({"v":1,"type":"command","command":"cheat"})", ErrorCode::BadField},
        {R"({"v":1,"type":"join","code":"ABCDEFG","name":"x"})", ErrorCode::BadField},
        {R"({"v":1,"type":"join","code":"ABCDEF","name":"x","rulesHash":"ab"})", ErrorCode::BadField},
        {R"({"v":1,"type":"create","name":"x","seat":0,"rules":{}})", ErrorCode::BadField},
    };
    for (const Case& c : cases) {
        const net::ParsedClientMessage parsed = net::parseClientMessage(c.text);
        EXPECT_FALSE(parsed.message.has_value()) << c.text;
        EXPECT_EQ(parsed.error, c.code) << c.text;
    }
}

TEST(ClientMessageTest, AMessageReadsBackAsItWasWritten)
{
    const net::ParsedClientMessage parsed = net::parseClientMessage(net::encode(net::BetMessage{3, 70}));
    ASSERT_TRUE(parsed.message.has_value());
    const auto& bet = std::get<net::BetMessage>(*parsed.message);
    EXPECT_EQ(bet.seat, 3);
    EXPECT_EQ(bet.bet, 70);
}

TEST(RoomRulesTest, TheHostsRulesTravelAndHashAlike)
{
    const net::RoomRules rules = net::RoomRules::fromSettings(nettest::fourSeatRules());
    const std::optional<net::RoomRules> back = net::RoomRules::fromJson(rules.toJson());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->hash(), rules.hash());
    EXPECT_EQ(rules.hash().size(), 64);
    EXPECT_EQ(rules.canonicalForm(), QByteArray("qubrin-rules-1;seats=4;score=1000;betMin=10;betMax=100;oya=2;last=30;"
                                                "nagekai=3;options=000001000000;computer=0100"));
}

TEST(RoomRulesTest, NamesDoNotChangeTheHashButEveryRuleDoes)
{
    const net::RoomRules base = net::RoomRules::fromSettings(nettest::fourSeatRules());
    SettingsRecord renamed = nettest::fourSeatRules();
    renamed.P_NAME0 = QStringLiteral("太郎");
    EXPECT_EQ(net::RoomRules::fromSettings(renamed).hash(), base.hash());
    const std::function<void(SettingsRecord&)> changes[] = {
        [](SettingsRecord& s) { s.NINZU = 5; },   [](SettingsRecord& s) { s.SCORE = 2000; },
        [](SettingsRecord& s) { s.BETMIN = 20; }, [](SettingsRecord& s) { s.BETMAX = 200; },
        [](SettingsRecord& s) { s.OYA = 3; },     [](SettingsRecord& s) { s.LAST = 10; },
        [](SettingsRecord& s) { s.NAGEKAI = 1; }, [](SettingsRecord& s) { s.P_CHECK12 = 1; },
        [](SettingsRecord& s) { s.P_FLG3 = 1; },
    };
    for (const auto& change : changes) {
        SettingsRecord changed = nettest::fourSeatRules();
        change(changed);
        EXPECT_NE(net::RoomRules::fromSettings(changed).hash(), base.hash());
    }
}

TEST(RoomRulesTest, RulesOutsideTheDialogsLimitsAreRefused)
{
    const std::pair<const char*, QJsonValue> faults[] = {
        {"seats", 7}, {"score", 50}, {"betMin", 200}, {"oya", 0}, {"nagekai", 6}, {"last", 0}, {"options", 1},
    };
    for (const auto& [key, value] : faults) {
        QJsonObject json = net::RoomRules::fromSettings(nettest::fourSeatRules()).toJson();
        json.insert(QLatin1String(key), value);
        EXPECT_FALSE(net::RoomRules::fromJson(json).has_value()) << key;
    }
}

TEST(NameTextTest, NamesFromTheNetworkAreCleaned)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("太郎"), QStringLiteral("太郎")},
        {QStringLiteral("  a\tb\nc  "), QStringLiteral("abc")},
        {QStringLiteral("\u202Eevil\u202C"), QStringLiteral("evil")},
        {QStringLiteral("x\u2066y\u2069\u200Bz"), QStringLiteral("xyz")},
        {QString(QChar(0xD800)) + QStringLiteral("a"), QStringLiteral("a")},
        {QString(), QStringLiteral("○△□")},
        {QStringLiteral("\u0001\u0002"), QStringLiteral("○△□")},
        {QString(30, QChar(u'あ')), QString(net::MaxNameLength, QChar(u'あ'))},
        {QStringLiteral("😀").repeated(25), QStringLiteral("😀").repeated(net::MaxNameLength)},
        {QStringLiteral("ab") + QString(19, QChar(u' ')) + QStringLiteral("c"), QStringLiteral("ab")},
    };
    for (const auto& [raw, clean] : cases) {
        EXPECT_EQ(net::cleanName(raw), clean) << raw.toStdString();
        EXPECT_EQ(net::cleanName(clean), clean) << raw.toStdString();
    }
}

TEST(RoomMessageTest, TheRoomsStepsReadBackAndBadOnesAreRefused)
{
    const net::ThrownMessage thrown{4, {{{1, 2, 3}}, {{9, 9, 9}}}, {900, 1100}, QStringLiteral("ab").repeated(32)};
    const auto parsed = net::parseRoomMessage(net::encode(thrown));
    ASSERT_TRUE(std::holds_alternative<net::RoomMessage>(parsed));
    const auto& back = std::get<net::ThrownMessage>(std::get<net::RoomMessage>(parsed));
    EXPECT_EQ(back.faces, thrown.faces);
    EXPECT_EQ(back.scores, thrown.scores);
    EXPECT_EQ(back.seed, thrown.seed);

    // The proof's fields: hex read as lower-case, an absent one empty, anything else refused.
    const auto closed = net::parseRoomMessage(
        R"({"v":1,"type":"betsClosed","bets":[0,10],"timedOut":false,"contributions":["","0A1b"]})");
    ASSERT_TRUE(std::holds_alternative<net::RoomMessage>(closed));
    EXPECT_EQ(std::get<net::BetsClosedMessage>(std::get<net::RoomMessage>(closed)).contributions,
              (QStringList{QString(), QStringLiteral("0a1b")}));
    const auto ready = net::parseClientMessage(R"({"v":1,"type":"ready","seat":2,"contribution":"FF00"})");
    ASSERT_TRUE(ready.message);
    EXPECT_EQ(std::get<net::ReadyMessage>(*ready.message).contribution, QStringLiteral("ff00"));
    const char* badClient[] = {
        R"({"v":1,"type":"ready","seat":2,"contribution":"xyz"})",
        R"({"v":1,"type":"bet","seat":2,"bet":10,"contribution":7})",
        R"({"v":1,"type":"bet","seat":2,"bet":10,"contribution":"00000000000000000000000000000000000000000000000000000000000000000"})",
        R"({"v":1,"type":"ready","seat":2,"contribution":"١٢"})",
    };
    for (const char* text : badClient)
        EXPECT_EQ(net::parseClientMessage(text).error, ErrorCode::BadField) << text;

    const char* bad[] = {
        R"({"v":1,"type":"thrown","turn":4,"faces":[[1,2,7]],"scores":[1,2]})",
        R"({"v":1,"type":"thrown","turn":4,"faces":[[1,2]],"scores":[1,2]})",
        R"({"v":1,"type":"turnEnded","turn":4,"gameOver":false,"digest":"short"})",
        R"({"v":1,"type":"betsOpened","turn":1,"draws":[16777216],"bets":[0,10],"deadlineMs":0})",
        R"({"v":1,"type":"roomClosed","reason":"whatever"})",
        R"({"v":1,"type":"thrown","turn":4,"faces":[[1,2,3]],"scores":[1,2],"seed":"not hex"})",
        R"({"v":1,"type":"betsOpened","turn":1,"draws":[],"bets":[0,10],"deadlineMs":0,"commitment":[]})",
        R"({"v":1,"type":"betsClosed","bets":[0,10],"timedOut":false,"contributions":["", "g"]})",
        R"({"v":1,"type":"betsClosed","bets":[0,10],"timedOut":false,"contributions":"00"})",
    };
    for (const char* text : bad)
        EXPECT_EQ(std::get<ErrorCode>(net::parseRoomMessage(text)), ErrorCode::BadField) << text;
}

}  // namespace
