#include "LoopbackPeer.h"
#include "RoomFixture.h"

#include "TcpRelay.h"

#include "net/Client.h"
#include "net/RoomCode.h"
#include "net/Server.h"

#include <gtest/gtest.h>

namespace {

using net::CloseReason;
using net::ErrorCode;
using nettest::LoopbackPeer;

class ServerTest : public ::testing::Test {
protected:
    void start(net::Server::Options options = {})
    {
        options.draw = nettest::scriptedDraw({1});
        server = std::make_unique<net::Server>(options);
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
    }

    // A host in a fresh room; returns its welcome.
    net::WelcomeMessage host(LoopbackPeer& peer)
    {
        peer.send(nettest::hostCreate(nettest::fourSeatRules()));
        const std::optional<net::WelcomeMessage> welcome = peer.first<net::WelcomeMessage>();
        EXPECT_TRUE(welcome.has_value());
        return welcome.value_or(net::WelcomeMessage{});
    }

    std::unique_ptr<net::Server> server;
};

TEST_F(ServerTest, ARoomIsMadeByCreateAndJoinedByItsCodeInAnyCase)
{
    start();
    LoopbackPeer hostPeer(server->port());
    const net::WelcomeMessage welcome = host(hostPeer);
    EXPECT_TRUE(net::isRoomCode(welcome.code));
    EXPECT_TRUE(welcome.host);
    EXPECT_EQ(welcome.rulesHash, welcome.rules.hash());
    EXPECT_EQ(server->roomCount(), 1);

    LoopbackPeer guest(server->port());
    guest.send(net::BetMessage{2, 10});
    ASSERT_TRUE(guest.first<net::ErrorMessage>());
    EXPECT_EQ(guest.all<net::ErrorMessage>()[0].code, ErrorCode::NotJoined);
    guest.send(net::JoinMessage{QStringLiteral("999999"), QStringLiteral("x"), -1, {}, {}});
    ASSERT_TRUE(guest.await<net::ErrorMessage>());
    EXPECT_EQ(guest.all<net::ErrorMessage>().last().code, ErrorCode::NoSuchRoom);
    const auto seatsBefore = hostPeer.all<net::SeatsMessage>().size();
    guest.send(net::JoinMessage{welcome.code.toLower(), QStringLiteral("\u202Eゲスト"), -1, welcome.rulesHash, {}});
    const std::optional<net::WelcomeMessage> joined = guest.first<net::WelcomeMessage>();
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->seat, 2);
    EXPECT_FALSE(joined->host);
    ASSERT_TRUE(nettest::waitUntil([&] { return hostPeer.all<net::SeatsMessage>().size() > seatsBefore; }));
    EXPECT_EQ(hostPeer.all<net::SeatsMessage>().last().seats[2].holder, net::Holder::Remote);
    EXPECT_EQ(hostPeer.all<net::SeatsMessage>().last().seats[2].name, QStringLiteral("ゲスト"));

    // A message of exactly the limit is read.
    QString padded = QStringLiteral(R"({"v":1,"type":"resync","pad":""})");
    padded.insert(padded.size() - 2, QString(net::MaxMessageBytes - padded.size(), QLatin1Char('x')));
    guest.sendText(padded);
    EXPECT_TRUE(guest.first<net::StateMessage>());
    EXPECT_FALSE(guest.closed);

    LoopbackPeer second(server->port());
    second.send(nettest::hostCreate(nettest::fourSeatRules()));
    ASSERT_TRUE(second.first<net::WelcomeMessage>());
    EXPECT_NE(second.all<net::WelcomeMessage>()[0].code, welcome.code);
}

TEST_F(ServerTest, HostileMessagesGetTheirErrorOrCloseTheConnectionAndTheRoomGoesOn)
{
    net::Server::Options options;
    options.rejoinMs = 0;  // a guest's seat is free for the next case as soon as it is gone
    start(options);
    LoopbackPeer hostPeer(server->port());
    const net::WelcomeMessage welcome = host(hostPeer);
    const QString join = QString::fromUtf8(net::encode(net::JoinMessage{welcome.code, QStringLiteral("g"), -1, {}, {}}));
    struct Case {
        const char* what;
        bool joins;
        std::function<void(LoopbackPeer&)> send;
        std::optional<ErrorCode> error;  // else the connection closes
        std::optional<CloseReason> reason;
    };
    const Case cases[] = {
        {"not json", false, [](LoopbackPeer& p) { p.sendText(QStringLiteral("{nope")); }, ErrorCode::BadJson, {}},
        {"binary", false, [](LoopbackPeer& p) { p.socket->sendBinaryMessage("{}"); }, ErrorCode::BadJson, {}},
        {"unknown type", false, [](LoopbackPeer& p) { p.sendText(QStringLiteral(R"({"v":1,"type":"cheat"})")); },
         ErrorCode::UnknownType, {}},
        {"wrong field", true, [](LoopbackPeer& p) { p.sendText(QStringLiteral(R"({"v":1,"type":"bet","seat":2,"bet":"9"})")); },
         ErrorCode::BadField, {}},
        {"spoofed seat", true, [](LoopbackPeer& p) { p.send(net::BetMessage{0, 50}); }, ErrorCode::NotYourSeat, {}},
        {"out of turn", true, [](LoopbackPeer& p) { p.send(net::CommandMessage{net::Command::NewGame}); },
         ErrorCode::NotYourCommand, {}},
        {"wrong phase", true, [](LoopbackPeer& p) { p.send(net::ReadyMessage{2}); }, ErrorCode::WrongPhase, {}},
        {"twice joined", true, [&](LoopbackPeer& p) { p.sendText(join); }, ErrorCode::AlreadyJoined, {}},
        {"wrong version", false, [](LoopbackPeer& p) { p.sendText(QStringLiteral(R"({"v":2,"type":"resync"})")); },
         ErrorCode::BadVersion, CloseReason::Refused},
        {"wrong rules", false,
         [&](LoopbackPeer& p) {
             p.send(net::JoinMessage{welcome.code, QStringLiteral("g"), -1, QString(64, QLatin1Char('a')), {}});
         },
         ErrorCode::RulesMismatch, CloseReason::Refused},
        {"too large", false, [](LoopbackPeer& p) { p.sendText(QString(net::MaxMessageBytes + 1, QLatin1Char(' '))); },
         {}, {}},
        {"flood", true,
         [](LoopbackPeer& p) {
             for (int i = 0; i < 3 * net::MessageBurst; ++i)
                 p.send(net::ResyncMessage{});
         },
         {}, CloseReason::Flooding},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(nettest::waitUntil([&] { return server->connectionCount() == 1; })) << c.what;
        LoopbackPeer peer(server->port());
        if (c.joins) {
            peer.sendText(join);
            ASSERT_TRUE(peer.first<net::WelcomeMessage>()) << c.what;
        }
        c.send(peer);
        if (c.error) {
            ASSERT_TRUE(nettest::waitUntil([&] { return !peer.all<net::ErrorMessage>().isEmpty(); })) << c.what;
            EXPECT_EQ(peer.all<net::ErrorMessage>()[0].code, *c.error) << c.what;
        }
        if (c.reason || !c.error) {
            EXPECT_TRUE(nettest::waitUntil([&] { return peer.closed; })) << c.what;
            if (!c.error && !c.reason) {  // Qt refuses the frame before it is held: close code 1009
                EXPECT_EQ(peer.socket->closeCode(), QWebSocketProtocol::CloseCodeTooMuchData) << c.what;
            }
            if (c.reason) {
                ASSERT_FALSE(peer.all<net::RoomClosedMessage>().isEmpty()) << c.what;
                EXPECT_EQ(peer.all<net::RoomClosedMessage>()[0].reason, *c.reason) << c.what;
            }
        } else {
            QTest::qWait(20);
            EXPECT_FALSE(peer.closed) << c.what;
        }
    }
    // The room took none of it: its host starts the game as if nothing had happened.
    hostPeer.send(net::CommandMessage{net::Command::NewGame});
    EXPECT_TRUE(hostPeer.first<net::GameStartedMessage>());
    EXPECT_TRUE(hostPeer.all<net::ErrorMessage>().isEmpty());
}

TEST_F(ServerTest, AConnectionThatDoesNotJoinInTimeIsClosedAndRoomsAreCounted)
{
    net::Server::Options options;
    options.maxRooms = 1;
    options.handshakeMs = 100;
    start(options);
    LoopbackPeer idle(server->port());
    LoopbackPeer hostPeer(server->port());
    host(hostPeer);
    LoopbackPeer other(server->port());
    other.send(nettest::hostCreate(nettest::fourSeatRules()));
    ASSERT_TRUE(other.first<net::ErrorMessage>());
    EXPECT_EQ(other.all<net::ErrorMessage>()[0].code, ErrorCode::TooManyRooms);
    ASSERT_TRUE(nettest::waitUntil([&] { return idle.closed; }));
    ASSERT_EQ(idle.all<net::RoomClosedMessage>().size(), 1);
    EXPECT_EQ(idle.all<net::RoomClosedMessage>()[0].reason, CloseReason::HandshakeTimeout);
    QTest::qWait(150);
    EXPECT_FALSE(hostPeer.closed);  // in a room: no deadline

    hostPeer.send(net::EndRoomMessage{});
    ASSERT_TRUE(nettest::waitUntil([&] { return hostPeer.closed; }));
    EXPECT_EQ(hostPeer.all<net::RoomClosedMessage>()[0].reason, CloseReason::HostEnded);
    EXPECT_TRUE(nettest::waitUntil([&] { return server->roomCount() == 0; }));
}

TEST_F(ServerTest, AFloodOfConnectionsAndWrongCodesFromOneAddressIsRefusedWhileAnotherStillJoins)
{
    net::Server::Options options;
    options.maxPerAddress = 3;
    options.wrongCodesPerMinute = 3;
    start(options);
    LoopbackPeer hostPeer(server->port());
    const net::WelcomeMessage welcome = host(hostPeer);
    LoopbackPeer guesser(server->port());
    LoopbackPeer idle(server->port());
    LoopbackPeer extra(server->port());
    ASSERT_TRUE(nettest::waitUntil([&] { return extra.closed; }));
    ASSERT_EQ(extra.all<net::RoomClosedMessage>().size(), 1);
    EXPECT_EQ(extra.all<net::RoomClosedMessage>()[0].reason, CloseReason::Refused);
    EXPECT_EQ(server->refusedConnections(), 1);

    for (const char* code : {"333333", "444444", "666666"}) {
        const auto errors = guesser.all<net::ErrorMessage>().size();
        guesser.send(net::JoinMessage{QString::fromLatin1(code), QStringLiteral("g"), -1, {}, {}});
        ASSERT_TRUE(nettest::waitUntil([&] { return guesser.all<net::ErrorMessage>().size() > errors; }));
        EXPECT_EQ(guesser.all<net::ErrorMessage>().last().code, ErrorCode::NoSuchRoom);
    }
    // Past its wrong codes the address learns nothing more: even the right code is closed.
    guesser.send(net::JoinMessage{welcome.code, QStringLiteral("g"), -1, {}, {}});
    ASSERT_TRUE(nettest::waitUntil([&] { return guesser.closed; }));
    EXPECT_EQ(guesser.all<net::RoomClosedMessage>().last().reason, CloseReason::Refused);
    EXPECT_TRUE(guesser.all<net::WelcomeMessage>().isEmpty());

    nettest::TcpRelay relay(server->port());
    relay.setSourceAddress(QHostAddress(QStringLiteral("127.0.0.2")));
    LoopbackPeer guest(relay.port());
    guest.send(net::JoinMessage{welcome.code, QStringLiteral("g"), -1, {}, {}});
    EXPECT_TRUE(guest.first<net::WelcomeMessage>());
    EXPECT_FALSE(hostPeer.closed);
}

TEST_F(ServerTest, AConnectionOverTheCapIsClosedAsServerFullAndCountedUntilASeatOfTheCapIsFree)
{
    net::Server::Options options;
    options.maxConnections = 2;
    start(options);
    LoopbackPeer hostPeer(server->port());
    const net::WelcomeMessage welcome = host(hostPeer);
    auto idle = std::make_unique<LoopbackPeer>(server->port());
    ASSERT_TRUE(nettest::waitUntil([&] { return server->connectionCount() == 2; }));

    // A bare socket and a window's client both hear why, and neither takes a place.
    LoopbackPeer extra(server->port());
    ASSERT_TRUE(nettest::waitUntil([&] { return extra.closed; }));
    ASSERT_EQ(extra.all<net::RoomClosedMessage>().size(), 1);
    EXPECT_EQ(extra.all<net::RoomClosedMessage>()[0].reason, CloseReason::ServerFull);
    EXPECT_EQ(extra.socket->closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
    net::Client client;
    QVector<CloseReason> closed;
    QObject::connect(&client, &net::Client::roomClosed, [&](CloseReason reason) { closed.append(reason); });
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server->port())));
    client.join({welcome.code, QStringLiteral("g"), -1, {}, {}});
    ASSERT_TRUE(nettest::waitUntil([&] { return !closed.isEmpty(); }));
    EXPECT_EQ(closed, QVector<CloseReason>{CloseReason::ServerFull});
    EXPECT_EQ(client.seat(), -1);
    EXPECT_EQ(server->refusedConnections(), 2);
    EXPECT_EQ(server->connectionCount(), 2);
    EXPECT_FALSE(hostPeer.closed);

    // The idle connection gone, the next one joins the room.
    idle.reset();
    ASSERT_TRUE(nettest::waitUntil([&] { return server->connectionCount() == 1; }));
    LoopbackPeer guest(server->port());
    guest.send(net::JoinMessage{welcome.code, QStringLiteral("g"), -1, {}, {}});
    EXPECT_TRUE(guest.first<net::WelcomeMessage>());
    EXPECT_EQ(server->refusedConnections(), 2);
}

TEST_F(ServerTest, ABurstOfConnectionsOverTheCapLeavesExactlyTheCapHeldAndNothingBehindOnceAllHaveGone)
{
    constexpr int Cap = 4;
    constexpr int Burst = 10;
    net::Server::Options options;
    options.maxConnections = Cap;
    start(options);
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    int closed = 0;
    for (int i = 0; i < Burst; ++i) {
        sockets.push_back(std::make_unique<QWebSocket>());
        QObject::connect(sockets.back().get(), &QWebSocket::disconnected, [&] { ++closed; });
        sockets.back()->open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server->port())));
    }
    ASSERT_TRUE(nettest::waitUntil([&] { return closed == Burst - Cap; }));
    QTest::qWait(50);
    EXPECT_EQ(closed, Burst - Cap);
    EXPECT_EQ(server->connectionCount(), Cap);
    EXPECT_EQ(server->refusedConnections(), Burst - Cap);

    sockets.clear();
    EXPECT_TRUE(nettest::waitUntil([&] { return server->connectionCount() == 0; }));
    // The places are free again: a whole cap's worth joins.
    std::vector<std::unique_ptr<LoopbackPeer>> again;
    for (int i = 0; i < Cap; ++i)
        again.push_back(std::make_unique<LoopbackPeer>(server->port()));
    ASSERT_TRUE(nettest::waitUntil([&] { return server->connectionCount() == Cap; }));
    EXPECT_TRUE(std::none_of(again.begin(), again.end(), [](const auto& peer) { return peer->closed; }));
    EXPECT_EQ(server->refusedConnections(), Burst - Cap);
}

TEST_F(ServerTest, AConnectionGoneSilentIsFoundByEitherEndAndItsSeatShowsAbsent)
{
    // Which end beats fast: the other waits 5 s a beat and would not notice within the test.
    for (const bool serverFinds : {true, false}) {
        net::Server::Options options;
        options.heartbeatMs = serverFinds ? 40 : net::HeartbeatMilliseconds;
        start(options);
        LoopbackPeer hostPeer(server->port());
        const net::WelcomeMessage welcome = host(hostPeer);
        nettest::TcpRelay relay(server->port());
        net::Client guest(nullptr, serverFinds ? net::HeartbeatMilliseconds : 40);
        QVector<net::CloseReason> closed;
        QObject::connect(&guest, &net::Client::roomClosed, [&](net::CloseReason reason) { closed.append(reason); });
        guest.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(relay.port())));
        guest.join({welcome.code, QStringLiteral("g"), -1, {}, {}});
        ASSERT_TRUE(nettest::waitUntil([&] { return guest.seat() == 2; }));
        QTest::qWait(200);  // beats answered: nothing is dropped
        EXPECT_TRUE(closed.isEmpty());

        relay.stall(true);  // the line goes dead without a close
        ASSERT_TRUE(nettest::waitUntil([&] { return !closed.isEmpty(); }, 3000)) << serverFinds;
        EXPECT_EQ(closed[0], net::CloseReason::ConnectionLost);
        ASSERT_TRUE(nettest::waitUntil(
            [&] { return hostPeer.all<net::SeatsMessage>().last().seats[2].holder == net::Holder::Absent; }, 3000))
            << serverFinds;
        EXPECT_FALSE(hostPeer.closed);  // the host answers its beats
    }
}

TEST_F(ServerTest, ATokenTakesItsSeatFromAConnectionOnlyOnceThatConnectionHasLetAPingGoUnanswered)
{
    net::Server::Options options;
    options.heartbeatMs = 1000;  // unanswered after 1.5 s, dropped by the heartbeat only after 3 s
    start(options);
    LoopbackPeer hostPeer(server->port());
    const net::WelcomeMessage room = host(hostPeer);
    nettest::TcpRelay relay(server->port());
    LoopbackPeer guest(relay.port());
    guest.send(net::JoinMessage(room.code, QStringLiteral("g")));
    const std::optional<net::WelcomeMessage> seated = guest.first<net::WelcomeMessage>();
    ASSERT_TRUE(seated);

    const auto comeBack = [&] {
        auto again = std::make_unique<LoopbackPeer>(server->port());
        again->send(net::JoinMessage(room.code, QStringLiteral("g"), -1, {}, seated->token));
        nettest::waitUntil([&] { return !again->received.isEmpty(); });
        return again;
    };
    relay.stall(true);  // the guest's line goes dead without a close
    const auto early = comeBack();
    const std::optional<net::ErrorMessage> held = early->first<net::ErrorMessage>();
    ASSERT_TRUE(held);
    EXPECT_EQ(held->code, ErrorCode::SeatHeld);

    QTest::qWait(1800);
    const auto late = comeBack();
    const std::optional<net::WelcomeMessage> back = late->first<net::WelcomeMessage>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->seat, seated->seat);
    EXPECT_EQ(back->token, seated->token);
}

}  // namespace
