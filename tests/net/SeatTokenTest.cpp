#include "RoomFixture.h"

#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using net::ErrorCode;
using nettest::RoomProbe;

constexpr int Host = 1, Guest = 2, Other = 3;  // seats 0, 2 and 3

net::JoinMessage withToken(const QString& token, int seat = -1)
{
    return net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("B"), seat, {}, token};
}

// The host, a guest at seat 2 and another at seat 3; the guest is gone and its seat kept.
struct Table {
    explicit Table(int rejoinMs = 60000) : probe({net::DefaultBetSeconds * 1000, rejoinMs})
    {
        probe.room.admitHost(Host, QStringLiteral("host"));
        probe.room.admit(Guest, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), 2});
        probe.room.admit(Other, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("C"), 3});
        probe.room.drop(Guest);
    }
    QString token(int participant) const { return probe.received<net::WelcomeMessage>(participant).last().token; }
    RoomProbe probe;
};

TEST(SeatTokenTest, OnlyTheTokenOfAKeptSeatTakesThatSeatBackAndAHeldSeatIsNeverTakenOver)
{
    const struct {
        const char* what;
        // The join's token (and asked seat) from the room's tokens.
        std::function<net::JoinMessage(Table&)> join;
        std::optional<ErrorCode> refusal;  // nullopt: seat 2 comes back
    } cases[] = {
        {"its own token", [](Table& t) { return withToken(t.token(Guest)); }, std::nullopt},
        {"its own token asking its seat", [](Table& t) { return withToken(t.token(Guest), 2); }, std::nullopt},
        {"a made-up token", [](Table&) { return withToken(QString(32, QLatin1Char('a'))); }, ErrorCode::BadToken},
        {"its token asking another seat", [](Table& t) { return withToken(t.token(Guest), 4); }, ErrorCode::BadToken},
        {"a held seat's token", [](Table& t) { return withToken(t.token(Other)); }, ErrorCode::SeatHeld},
        {"the host's token while the host is here", [](Table& t) { return withToken(t.token(Host)); },
         ErrorCode::SeatHeld},
        {"another room's token",
         [](Table&) {
             RoomProbe elsewhere;
             elsewhere.room.admitHost(Host, QStringLiteral("host"));
             elsewhere.room.admit(Guest, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A"), 2});
             return withToken(elsewhere.received<net::WelcomeMessage>(Guest).last().token);
         },
         ErrorCode::BadToken},
    };
    for (const auto& c : cases) {
        Table table;
        const QString heldToken = table.token(Other);
        const bool seated = table.probe.room.admit(9, c.join(table));
        EXPECT_EQ(seated, !c.refusal) << c.what;
        if (c.refusal) {
            EXPECT_EQ(table.probe.received<net::ErrorMessage>(9).last().code, *c.refusal) << c.what;
            EXPECT_FALSE(table.probe.room.seats().isHeld(2)) << c.what;
        } else {
            EXPECT_EQ(table.probe.received<net::WelcomeMessage>(9).last().token, table.token(Guest)) << c.what;
            EXPECT_EQ(table.probe.room.seats().seatOf(9), 2) << c.what;
        }
        // Whoever holds a seat keeps it, and hears no word of the attempt.
        EXPECT_EQ(table.probe.room.seats().seatOf(Other), 3) << c.what;
        EXPECT_EQ(table.probe.room.seats().seatOf(Host), 0) << c.what;
        EXPECT_TRUE(table.probe.received<net::RoomClosedMessage>(Other).isEmpty()) << c.what;
        EXPECT_EQ(table.token(Other), heldToken) << c.what;
    }
}

TEST(SeatTokenTest, ATokenStopsWorkingWhenItsSeatIsNoLongerKeptAndANewHolderGetsANewOne)
{
    Table table(30);
    const QString old = table.token(Guest);
    QTest::qWait(60);
    // The keep is over: the token is refused, the seat is free for whoever joins.
    EXPECT_FALSE(table.probe.room.admit(8, withToken(old)));
    EXPECT_EQ(table.probe.received<net::ErrorMessage>(8).last().code, ErrorCode::BadToken);
    ASSERT_TRUE(table.probe.room.admit(9, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("D"), 2}));
    const QString fresh = table.token(9);
    EXPECT_NE(fresh, old);
    table.probe.room.drop(9);
    EXPECT_FALSE(table.probe.room.admit(10, withToken(old)));
    EXPECT_EQ(table.probe.received<net::ErrorMessage>(10).last().code, ErrorCode::BadToken);
    EXPECT_TRUE(table.probe.room.admit(11, withToken(fresh)));
    // When the room ends, no token opens anything of it.
    table.probe.room.close(net::CloseReason::HostEnded);
    table.probe.room.drop(11);
    EXPECT_FALSE(table.probe.room.isOpen());
}

TEST(SeatTokenTest, TokensAre128BitsOfLowerCaseHexThatNeverRepeat)
{
    QSet<QString> tokens;
    std::array<int, 16> digits{};
    for (int room = 0; room < 40; ++room) {
        RoomProbe probe;
        probe.room.admitHost(Host, QStringLiteral("host"));
        for (const int p : {Guest, Other})
            probe.room.admit(p, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("A")});
        for (const int p : {Host, Guest, Other}) {
            const QString token = probe.received<net::WelcomeMessage>(p).last().token;
            ASSERT_EQ(token.size(), 32);
            for (const QChar c : token) {
                const int digit = QStringLiteral("0123456789abcdef").indexOf(c);
                ASSERT_GE(digit, 0) << token.toStdString();
                ++digits[digit];
            }
            tokens.insert(token);
        }
    }
    EXPECT_EQ(tokens.size(), 120);
    // 3840 digits: each of the sixteen near its 240 (a counter or a clock would be far off).
    for (const int count : digits) {
        EXPECT_GT(count, 160);
        EXPECT_LT(count, 320);
    }
}

}  // namespace
