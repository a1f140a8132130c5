#include "LoopbackPeer.h"
#include "RoomFixture.h"

#include "net/RoomCode.h"
#include "net/Server.h"

#include <gtest/gtest.h>

// What a server on the open internet does on its own: closes rooms nobody uses, tags its codes and
// logs what happens without a name or a token.
namespace {

using nettest::LoopbackPeer;
using nettest::waitUntil;

struct LoggedServer {
    explicit LoggedServer(net::Server::Options options)
    {
        options.draw = nettest::scriptedDraw({1});
        server = std::make_unique<net::Server>(options);
        QObject::connect(server.get(), &net::Server::noted, [this](const QString& line) { lines.append(line); });
        EXPECT_TRUE(server->listen(QHostAddress::LocalHost, 0));
    }
    net::WelcomeMessage host(LoopbackPeer& peer, const QString& name = QStringLiteral("ホスト"))
    {
        net::CreateMessage create = nettest::hostCreate(nettest::fourSeatRules());
        create.name = name;
        peer.send(create);
        return peer.first<net::WelcomeMessage>().value_or(net::WelcomeMessage{});
    }
    bool logged(const QString& part) const
    {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.contains(part); });
    }

    std::unique_ptr<net::Server> server;
    QStringList lines;
};

TEST(ServerLimitsTest, ARoomWhereNobodySpeaksIsClosedAsIdleWhileOneWithMessagesLives)
{
    net::Server::Options options;
    options.idleRoomMs = 400;
    LoggedServer logged(options);
    LoopbackPeer quiet(logged.server->port());
    const QString quietCode = logged.host(quiet).code;
    LoopbackPeer talking(logged.server->port());
    const QString talkingCode = logged.host(talking).code;
    LoopbackPeer guest(logged.server->port());
    guest.send(net::JoinMessage{quietCode, QStringLiteral("g"), -1, {}, {}});
    ASSERT_TRUE(guest.first<net::WelcomeMessage>());

    // Pongs are no message: the heartbeat keeps a connection, not a room.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 900) {
        talking.send(net::ResyncMessage{});
        QTest::qWait(100);
    }
    for (LoopbackPeer* peer : {&quiet, &guest}) {
        ASSERT_TRUE(waitUntil([&] { return !peer->all<net::RoomClosedMessage>().isEmpty(); }));
        EXPECT_EQ(peer->all<net::RoomClosedMessage>()[0].reason, net::CloseReason::Idle);
        EXPECT_TRUE(waitUntil([&] { return peer->closed; }));
    }
    EXPECT_EQ(logged.server->room(quietCode), nullptr);
    EXPECT_NE(logged.server->room(talkingCode), nullptr);
    EXPECT_TRUE(talking.all<net::RoomClosedMessage>().isEmpty());
    EXPECT_TRUE(logged.logged(QStringLiteral("room %1 ended: idle").arg(quietCode)));
}

TEST(ServerLimitsTest, ARoomWithNobodyConnectedEndsAfterItsTimeUnlessSomebodyComesBack)
{
    net::Server::Options options;
    options.emptyRoomMs = 500;
    options.rejoinMs = 60000;  // the host's seat alone would keep the room for a minute
    LoggedServer logged(options);
    QString kept;
    QString token;
    {
        LoopbackPeer back(logged.server->port());
        const net::WelcomeMessage welcome = logged.host(back);
        kept = welcome.code;
        token = welcome.token;
    }
    QString left;
    {
        LoopbackPeer gone(logged.server->port());
        left = logged.host(gone).code;
    }
    QTest::qWait(250);
    LoopbackPeer back(logged.server->port());
    back.send(net::JoinMessage{kept, QStringLiteral("ホスト"), -1, {}, token});
    ASSERT_TRUE(back.first<net::WelcomeMessage>());
    ASSERT_TRUE(waitUntil([&] { return logged.server->room(left) == nullptr; }, 3000));
    QTest::qWait(500);
    EXPECT_NE(logged.server->room(kept), nullptr);
    EXPECT_EQ(logged.server->roomCount(), 1);
    EXPECT_TRUE(logged.logged(QStringLiteral("room %1 ended: nobody connected").arg(left)));
}

TEST(ServerLimitsTest, EveryCodeOfATaggedServerStartsWithItsTagAndTheLogNamesNoNameOrToken)
{
    net::Server::Options options;
    options.tag = QLatin1Char('Q');
    LoggedServer logged(options);
    const QString secretName = QStringLiteral("秘密の名前");
    LoopbackPeer hostPeer(logged.server->port());
    const net::WelcomeMessage welcome = logged.host(hostPeer, secretName);
    ASSERT_TRUE(net::isRoomCode(welcome.code));
    EXPECT_TRUE(welcome.code.startsWith(QLatin1Char('Q'))) << qPrintable(welcome.code);
    QStringList tokens{welcome.token};
    {
        // Through the code's path, in lower case, as a balancer sees it.
        LoopbackPeer guest(logged.server->port(), QLatin1Char('/') + welcome.code.toLower());
        guest.send(net::JoinMessage{welcome.code.toLower(), secretName, -1, {}, {}});
        const std::optional<net::WelcomeMessage> joined = guest.first<net::WelcomeMessage>();
        ASSERT_TRUE(joined);
        tokens.append(joined->token);
        LoopbackPeer wrong(logged.server->port());
        wrong.send(net::JoinMessage{QStringLiteral("QQQQQQ"), secretName, -1, {}, {}});
        ASSERT_TRUE(wrong.first<net::ErrorMessage>());
    }
    hostPeer.send(net::EndRoomMessage{});
    ASSERT_TRUE(waitUntil([&] { return logged.server->roomCount() == 0; }));

    const QString room = QStringLiteral("room ") + welcome.code;
    for (const QString& expected : {room + QStringLiteral(" created by 127.0.0.1, host ") + room + QStringLiteral(" seat 0"),
                                    room + QStringLiteral(" seat 2 joined from 127.0.0.1"), room + QStringLiteral(" seat 2 left"),
                                    QStringLiteral("refused 127.0.0.1: no_such_room"), room + QStringLiteral(" ended: host_ended")})
        EXPECT_TRUE(logged.logged(expected)) << qPrintable(expected) << "\n" << qPrintable(logged.lines.join(QLatin1Char('\n')));
    for (const QString& secret : tokens + QStringList{secretName})
        EXPECT_FALSE(logged.logged(secret)) << qPrintable(secret);
}

}  // namespace
