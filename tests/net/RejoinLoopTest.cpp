#include "HistoryText.h"
#include "LoopbackPeer.h"
#include "RoomFixture.h"
#include "TableBot.h"
#include "TcpRelay.h"

#include "net/Server.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using nettest::TableBot;

constexpr int Runs = 100;
constexpr int TurnsPerGame = 3;
constexpr qint64 LoopBudgetMs = 90000;
constexpr qint64 RunBudgetMs = 10000;

QUrl local(quint16 port) { return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)); }

// One game of a host, a guest through the relay and a spectator. The guest's connection is cut
// when it has had `cutAt` steps; it comes back with its token, in the same window or (`restart`)
// in a new one that knows only the token. What came of the run.
struct Outcome {
    bool rejoined = false;
    qint64 backInStepMs = -1;
    net::Phase cutIn = net::Phase::NoGame;
};

class RejoinLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = std::make_unique<net::Server>(net::Server::Options{});
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        relay = std::make_unique<nettest::TcpRelay>(server->port());
    }

    void play(int cutAt, bool restart, int delayMs, Outcome& run)
    {
        relay->setDelay(delayMs);
        const SettingsRecord rules = nettest::fourSeatRules(TurnsPerGame);
        const QString hash = net::RoomRules::fromSettings(rules).hash();
        TableBot host(local(server->port()));
        host.client.create(nettest::hostCreate(rules));
        ASSERT_TRUE(nettest::waitUntil([&] { return !host.client.code().isEmpty(); }));
        const QString code = host.client.code();
        auto guest = std::make_unique<TableBot>(local(relay->port()), 30);
        guest->rejoins = !restart;
        guest->client.join({code, QStringLiteral("guest"), 3, hash, {}});
        TableBot watcher(local(server->port()));
        net::JoinMessage watch{code, QStringLiteral("watcher")};
        watch.spectate = true;
        watcher.client.join(watch);
        ASSERT_TRUE(nettest::waitUntil([&] { return guest->client.seat() == 3 && watcher.client.isSpectator(); }));
        const net::Room* room = server->room(code);
        ASSERT_NE(room, nullptr);

        QElapsedTimer sinceCut;
        int steps = 0;
        const auto backInStep = [&](TableBot& bot) {
            QObject::connect(&bot.client, &net::Client::caughtUp, [&](const net::CatchUpMessage& m) {
                if (m.last && sinceCut.isValid() && run.backInStepMs < 0) {
                    run.rejoined = true;
                    run.backInStepMs = sinceCut.elapsed();
                }
            });
        };
        backInStep(*guest);
        QObject::connect(&guest->client, &net::Client::stepArrived, [&] {
            if (++steps != cutAt)
                return;
            run.cutIn = room->phase();
            sinceCut.start();
            QTimer::singleShot(0, relay.get(), [this] { relay->cut(); });
        });
        const QString token = guest->client.token();
        std::unique_ptr<TableBot> restarted;
        if (restart) {
            // The game is started anew: a new window with nothing but the token it kept.
            QObject::connect(&guest->client, &net::Client::roomClosed, [&] {
                QTimer::singleShot(0, [&] {
                    restarted = std::make_unique<TableBot>(local(relay->port()), 30);
                    restarted->rejoins = true;
                    backInStep(*restarted);
                    restarted->client.join({code, QStringLiteral("guest"), -1, hash, token});
                });
            });
        }
        host.client.command(net::Command::NewGame);
        ASSERT_TRUE(nettest::waitUntil(
            [&] {
                TableBot& back = restarted ? *restarted : *guest;
                return host.gameOver() && back.gameOver() && watcher.gameOver() &&
                       back.client.position() == room->log().position() && sinceCut.isValid() && run.rejoined;
            },
            RunBudgetMs))
            << "cut at " << cutAt;
        TableBot& back = restarted ? *restarted : *guest;
        const QString history = nettest::historyText(host.table->history);
        EXPECT_TRUE(host.table->history.finished());
        EXPECT_EQ(nettest::historyText(back.table->history), history) << "cut at " << cutAt;
        EXPECT_EQ(nettest::historyText(watcher.table->history), history);
        for (TableBot* bot : {&host, &back, &watcher})
            EXPECT_EQ(net::stateDigest(bot->table->flow), net::stateDigest(room->flow()));
        EXPECT_EQ(back.client.seat(), 3);
        EXPECT_EQ(back.client.token(), token);
        host.client.endRoom();
        ASSERT_TRUE(nettest::waitUntil([&] { return server->roomCount() == 0; }));
    }

    std::unique_ptr<net::Server> server;
    std::unique_ptr<nettest::TcpRelay> relay;
};

TEST_F(RejoinLoop, AGuestCutAtARandomMomentComesBackWithItsTokenAndEndsWithEveryoneElsesHistory)
{
    const quint32 seed = QRandomGenerator::system()->generate();
    QRandomGenerator random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    QElapsedTimer loop;
    loop.start();
    int runs = 0, rejoined = 0;
    qint64 longest = 0;
    QMap<net::Phase, int> cuts;
    for (; runs < Runs && loop.elapsed() < LoopBudgetMs; ++runs) {
        Outcome run;
        // A game of three turns has at least 16 steps (a turn: betsOpened, ready, betsClosed,
        // thrown, turnEnded); the cut falls anywhere in them, the relay delaying by 0..3 ms.
        const int cutAt = random.bounded(1, 17);
        ASSERT_NO_FATAL_FAILURE(play(cutAt, runs % 4 == 3, random.bounded(0, 4), run)) << "run " << runs;
        rejoined += run.rejoined;
        longest = std::max(longest, run.backInStepMs);
        ++cuts[run.cutIn];
    }
    std::printf("rejoin loop: %d runs, %d rejoined, longest back in step %lld ms, %lld ms in all; cut in "
                "turnOpen %d, betsOpen %d, betsClosed %d, turnSettled %d, gameOver %d\n",
                runs, rejoined, static_cast<long long>(longest), static_cast<long long>(loop.elapsed()),
                cuts.value(net::Phase::TurnOpen), cuts.value(net::Phase::BetsOpen), cuts.value(net::Phase::BetsClosed),
                cuts.value(net::Phase::TurnSettled), cuts.value(net::Phase::GameOver));
    EXPECT_EQ(runs, Runs);
    EXPECT_EQ(rejoined, runs);
    EXPECT_LT(longest, 10000);
}

}  // namespace
