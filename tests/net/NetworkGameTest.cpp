#include "LoopbackPeer.h"
#include "RoomFixture.h"
#include "TableBot.h"

#include "net/Server.h"

#include <gtest/gtest.h>

namespace {

using nettest::TableBot;

constexpr int Turns = 12;

// A host and two guests over the loopback address, each with its own table.
struct NetworkGame {
    explicit NetworkGame(quint16 port)
    {
        net::Server::Options options;
        options.draw = nettest::scriptedDraw({1});
        server = std::make_unique<net::Server>(options);
        EXPECT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        const QUrl direct(QStringLiteral("ws://127.0.0.1:%1").arg(server->port()));
        const QUrl guests = port ? QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)) : direct;
        host = std::make_unique<TableBot>(direct);
        host->client.create(nettest::hostCreate(nettest::fourSeatRules(Turns)));
        EXPECT_TRUE(nettest::waitUntil([&] { return !host->client.code().isEmpty(); }));
        for (const int bet : {0, 100}) {
            bots.push_back(std::make_unique<TableBot>(guests, bet));
            bots.back()->client.join({host->client.code(), QStringLiteral("guest"), -1, net::RoomRules::fromSettings(nettest::fourSeatRules(Turns)).hash(), {}});
        }
    }
    std::unique_ptr<net::Server> server;
    std::unique_ptr<TableBot> host;
    std::vector<std::unique_ptr<TableBot>> bots;
};

TEST(NetworkGameTest, AHostAndTwoGuestsPlayAWholeGameToTheSameTableAsTheEngineAlone)
{
    NetworkGame game(0);
    ASSERT_TRUE(nettest::waitUntil([&] { return game.bots[0]->client.seat() == 2 && game.bots[1]->client.seat() == 3; }));
    game.host->client.command(net::Command::NewGame);
    ASSERT_TRUE(nettest::waitUntil(
        [&] { return game.host->gameOver() && game.bots[0]->gameOver() && game.bots[1]->gameOver(); }, 30000));

    const net::Room* room = game.server->room(game.host->client.code());
    ASSERT_NE(room, nullptr);
    const QString engine = nettest::engineDigest(nettest::fourSeatRules(Turns), nettest::scriptedDraw({1}), 3, 100);
    EXPECT_EQ(net::stateDigest(room->flow()), engine);
    for (TableBot* bot : {game.host.get(), game.bots[0].get(), game.bots[1].get()}) {
        EXPECT_EQ(net::stateDigest(bot->table->flow), engine);
        EXPECT_EQ(bot->table->flow.state().P_score, room->flow().state().P_score);
        EXPECT_EQ(bot->table->replay.mismatches(), 0);
        EXPECT_TRUE(bot->refusals.isEmpty());
    }

    game.host->client.endRoom();
    ASSERT_TRUE(nettest::waitUntil([&] { return !game.bots[0]->closed.isEmpty() && !game.bots[1]->closed.isEmpty(); }));
    EXPECT_EQ(game.bots[0]->closed[0], net::CloseReason::HostEnded);
    EXPECT_TRUE(nettest::waitUntil([&] { return game.server->roomCount() == 0; }));
}

}  // namespace
