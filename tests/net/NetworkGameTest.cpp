#include "LoopbackPeer.h"
#include "RoomFixture.h"
#include "TableBot.h"
#include "TcpRelay.h"

#include "net/Server.h"

#include <gtest/gtest.h>

namespace {

using nettest::TableBot;

// A host and two guests over the loopback address, each with its own table; the guests come
// through the relay when there is one. The guest at seat 3 bets 100 whenever it may.
class NetworkGame : public ::testing::Test {
protected:
    void start(int turns, bool relayed)
    {
        m_turns = turns;
        net::Server::Options options;
        options.draw = nettest::scriptedDraw({1});
        server = std::make_unique<net::Server>(options);
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        relay = std::make_unique<nettest::TcpRelay>(server->port());
        const auto url = [](quint16 port) { return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)); };
        host = std::make_unique<TableBot>(url(server->port()));
        host->client.create(nettest::hostCreate(nettest::fourSeatRules(turns)));
        ASSERT_TRUE(nettest::waitUntil([&] { return !host->client.code().isEmpty(); }));
        const QString hash = net::RoomRules::fromSettings(nettest::fourSeatRules(turns)).hash();
        for (const int bet : {0, 100}) {
            guests.push_back(std::make_unique<TableBot>(url(relayed ? relay->port() : server->port()), bet));
            guests.back()->client.join({host->client.code(), QStringLiteral("guest"), -1, hash, {}});
        }
        ASSERT_TRUE(nettest::waitUntil([&] { return guests[0]->client.seat() == 2 && guests[1]->client.seat() == 3; }));
        host->client.command(net::Command::NewGame);
    }

    bool everyGameOver() const { return host->gameOver() && guests[0]->gameOver() && guests[1]->gameOver(); }

    // Every table ends where the room's does and where the engine alone ends with the same draws.
    void expectOneTable()
    {
        const net::Room* room = server->room(host->client.code());
        ASSERT_NE(room, nullptr);
        const QString engine = nettest::engineDigest(nettest::fourSeatRules(m_turns), nettest::scriptedDraw({1}), 3, 100,
                                                     host->contributions);
        EXPECT_EQ(net::stateDigest(room->flow()), engine);
        for (TableBot* bot : {host.get(), guests[0].get(), guests[1].get()}) {
            EXPECT_EQ(net::stateDigest(bot->table->flow), engine);
            EXPECT_EQ(bot->table->flow.state().P_score, room->flow().state().P_score);
            EXPECT_EQ(bot->table->replay.mismatches(), 0);
            // Every turn's dice checked against the seed the room committed to before the bets.
            EXPECT_EQ(bot->checks.size(), m_turns);
            for (const net::TurnProof::Check& check : bot->checks)
                EXPECT_EQ(check.verdict, net::TurnProof::Verdict::Verified);
        }
    }

    std::unique_ptr<net::Server> server;
    std::unique_ptr<nettest::TcpRelay> relay;
    std::unique_ptr<TableBot> host;
    std::vector<std::unique_ptr<TableBot>> guests;

private:
    int m_turns = 0;
};

TEST_F(NetworkGame, AHostAndTwoGuestsPlayAWholeGameToTheSameTableAsTheEngineAlone)
{
    start(12, false);
    ASSERT_TRUE(nettest::waitUntil([&] { return everyGameOver(); }, 30000));
    expectOneTable();
    for (TableBot* bot : {host.get(), guests[0].get(), guests[1].get()})
        EXPECT_TRUE(bot->refusals.isEmpty());

    host->client.endRoom();
    ASSERT_TRUE(nettest::waitUntil([&] { return !guests[0]->closed.isEmpty() && !guests[1]->closed.isEmpty(); }));
    EXPECT_EQ(guests[0]->closed[0], net::CloseReason::HostEnded);
    EXPECT_TRUE(nettest::waitUntil([&] { return server->roomCount() == 0; }));
}

TEST_F(NetworkGame, TheSameGameThroughASlowRelayThatSplitsEveryWrite)
{
    start(4, true);
    relay->setDelay(100);
    relay->setPieceBytes(97);
    ASSERT_TRUE(nettest::waitUntil([&] { return everyGameOver(); }, 60000));
    expectOneTable();
}

TEST_F(NetworkGame, AGuestCutOffAfterAStallRejoinsWithItsTokenAndLosesNothing)
{
    start(8, true);
    for (const auto& guest : guests)
        guest->rejoins = true;
    const QString token = guests[1]->client.token();
    ASSERT_TRUE(nettest::waitUntil([&] { return host->table->flow.turn() >= 2; }));
    relay->stall(true);
    QTest::qWait(300);
    relay->stall(false);
    ASSERT_TRUE(nettest::waitUntil([&] { return host->table->flow.turn() >= 4; }, 20000));
    relay->cut();
    ASSERT_TRUE(nettest::waitUntil([&] { return everyGameOver(); }, 60000));
    for (const auto& guest : guests)
        EXPECT_EQ(guest->closed, QVector<net::CloseReason>{net::CloseReason::ConnectionLost});
    EXPECT_EQ(guests[1]->client.token(), token);
    EXPECT_EQ(guests[1]->client.seat(), 3);
    expectOneTable();
}

}  // namespace
