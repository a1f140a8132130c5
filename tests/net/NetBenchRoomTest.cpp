#include "LoopbackPeer.h"

#include "bench/NetBenchRoom.h"
#include "net/Server.h"

#include <gtest/gtest.h>

namespace {

// The benchmark's rooms must play by the protocol: a refused or a flooding client would make its
// figures those of a broken game.
TEST(NetBenchRoomTest, SixClientsPlayTheirTurnsUnderTheRateWithoutARefusalAndEachTimesEveryCommand)
{
    constexpr int Rooms = 2;
    constexpr int Turns = 40;
    net::Server server(net::Server::Options{});
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1").arg(server.port()));
    netbench::Tally tally;
    int full = 0;
    std::vector<std::unique_ptr<netbench::NetBenchRoom>> rooms;
    for (int i = 0; i < Rooms; ++i)
        rooms.push_back(std::make_unique<netbench::NetBenchRoom>(url, Turns, tally, [&] { ++full; }));
    ASSERT_TRUE(nettest::waitUntil([&] { return full == Rooms; }));
    EXPECT_EQ(server.connectionCount(), Rooms * netbench::NetBenchRoom::Clients);

    tally.playing = true;
    for (auto& room : rooms)
        room->start();
    ASSERT_TRUE(nettest::waitUntil([&] { return tally.turns == Rooms * Turns; }, 30000)) << tally.turns;
    QTest::qWait(200);  // the last steps reach every client; no command follows them
    EXPECT_EQ(tally.turns, Rooms * Turns);
    EXPECT_EQ(tally.refusals, 0);
    EXPECT_EQ(tally.closings, 0);
    // Every client times the new game and each turn's opening, throw and end.
    EXPECT_EQ(tally.latencyMs.size(), std::size_t(Rooms * netbench::NetBenchRoom::Clients * (1 + 3 * Turns)));
    EXPECT_TRUE(std::all_of(tally.latencyMs.begin(), tally.latencyMs.end(), [](float ms) { return ms >= 0; }));
    // Per turn: five players ready and three commands.
    EXPECT_EQ(tally.sent, Rooms * (1 + 8 * Turns));
}

}  // namespace
