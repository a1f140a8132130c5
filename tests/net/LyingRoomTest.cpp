#include "LoopbackPeer.h"
#include "RoomFixture.h"
#include "TableBot.h"

#include "net/FairDice.h"
#include "net/Server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebSocketServer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Rewrite = std::function<void(QJsonObject&)>;

// A room that lies: a WebSocket server on the loopback address that passes every frame on to the
// real server and back, rewriting what the room says on its way to the client.
class LyingRoom {
public:
    LyingRoom(quint16 target, Rewrite rewrite) : m_target(target), m_rewrite(std::move(rewrite))
    {
        m_listener.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_listener, &QWebSocketServer::newConnection, [this] { accept(); });
    }
    quint16 port() const { return m_listener.serverPort(); }

private:
    void accept()
    {
        QWebSocket* client = m_listener.nextPendingConnection();
        // Both ends go with the relay, so that nothing it forwards outlives it.
        client->setParent(&m_listener);
        auto* room = new QWebSocket;
        room->setParent(client);
        auto* pending = new QStringList;
        QObject::connect(client, &QObject::destroyed, [pending] { delete pending; });
        QObject::connect(room, &QWebSocket::connected, [room, pending] {
            for (const QString& text : std::exchange(*pending, {}))
                room->sendTextMessage(text);
        });
        QObject::connect(client, &QWebSocket::textMessageReceived, [room, pending](const QString& text) {
            if (room->state() == QAbstractSocket::ConnectedState)
                room->sendTextMessage(text);
            else
                pending->append(text);
        });
        QObject::connect(room, &QWebSocket::textMessageReceived, [this, client](const QString& text) {
            QJsonObject body = QJsonDocument::fromJson(text.toUtf8()).object();
            m_rewrite(body);
            client->sendTextMessage(QString::fromUtf8(QJsonDocument(body).toJson(QJsonDocument::Compact)));
        });
        QObject::connect(client, &QWebSocket::disconnected, client, &QObject::deleteLater);
        room->open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(m_target)));
    }

    quint16 m_target;
    Rewrite m_rewrite;
    QWebSocketServer m_listener{QStringLiteral("lying"), QWebSocketServer::NonSecureMode};
};

// Rewrites one field of the first message of a type.
Rewrite once(const char* type, std::function<void(QJsonObject&)> change)
{
    return [type, change = std::move(change), done = false](QJsonObject& body) mutable {
        if (!done && body.value(QLatin1String("type")).toString() == QLatin1String(type)) {
            change(body);
            done = true;
        }
    };
}

QString otherSeed() { return QStringLiteral("5a").repeated(32); }

// Rewrites what betsClosed lists for the host's seat (seat 0).
Rewrite hostContribution(const QString& instead)
{
    return once("betsClosed", [instead](QJsonObject& b) {
        QJsonArray contributions = b.value(QLatin1String("contributions")).toArray();
        contributions[0] = instead;
        b[QLatin1String("contributions")] = contributions;
    });
}

TEST(LyingRoomTest, AClientCatchesEveryLieOfTheFirstTurnsDice)
{
    using V = net::TurnProof::Verdict;
    const struct {
        const char* lie;
        Rewrite rewrite;
        V verdict;
        bool droppedGuest = false;  // seat 3 joined and left: its character bets from the bet stream
    } cases[] = {
        {"none", [](QJsonObject&) {}, V::Verified},
        {"none, with a dropped seat", [](QJsonObject&) {}, V::Verified, true},
        {"a changed draw of a dropped seat's bet", once("bet", [](QJsonObject& b) {
             b[QLatin1String("draw")] = (b.value(QLatin1String("draw")).toInteger() + 1) % net::DrawRange;
         }),
         V::WrongBetDraw, true},
        {"the player's contribution left out", hostContribution(QString()), V::ContributionLeftOut},
        {"the player's contribution replaced", hostContribution(QStringLiteral("ab").repeated(16)),
         V::ContributionLeftOut},
        {"another seed revealed", once("thrown", [](QJsonObject& b) { b[QLatin1String("seed")] = otherSeed(); }),
         V::WrongSeed},
        {"a seed that is not the committed one",
         once("betsOpened", [](QJsonObject& b) {
             b[QLatin1String("commitment")] = net::FairDice::commitment(QByteArray::fromHex(otherSeed().toLatin1()));
         }),
         V::WrongSeed},
        {"a changed computer's draw", once("betsOpened", [](QJsonObject& b) {
             QJsonArray draws = b.value(QLatin1String("draws")).toArray();
             draws[0] = (draws[0].toInteger() + 1) % net::DrawRange;
             b[QLatin1String("draws")] = draws;
         }),
         V::WrongBetDraw},
        {"a changed face", once("thrown", [](QJsonObject& b) {
             QJsonArray throws = b.value(QLatin1String("faces")).toArray();
             QJsonArray first = throws[0].toArray();
             first[1] = first[1].toInt() % 6 + 1;
             throws[0] = first;
             b[QLatin1String("faces")] = throws;
         }),
         V::WrongFace},
    };
    for (const auto& c : cases) {
        net::Server::Options options;
        options.draw = nettest::scriptedDraw({1});
        net::Server server(options);
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        LyingRoom lying(server.port(), c.rewrite);
        nettest::TableBot host(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(lying.port())));
        host.client.create(nettest::hostCreate(nettest::fourSeatRules(2)));
        ASSERT_TRUE(nettest::waitUntil([&] { return !host.client.code().isEmpty(); })) << c.lie;
        nettest::LoopbackPeer guest(server.port());
        if (c.droppedGuest) {
            guest.send(net::JoinMessage{host.client.code(), QStringLiteral("g"), 3, {}, {}});
            ASSERT_TRUE(guest.first<net::WelcomeMessage>()) << c.lie;
            guest.socket->abort();
            ASSERT_TRUE(nettest::waitUntil([&] { return host.seats.value(3).keptMs > 0; })) << c.lie;
        }
        host.client.command(net::Command::NewGame);
        ASSERT_TRUE(nettest::waitUntil([&] { return !host.checks.isEmpty(); }, 10000)) << c.lie;
        EXPECT_EQ(host.checks[0].verdict, c.verdict) << c.lie;
        // The lie was the first turn's; the next is honest again.
        ASSERT_TRUE(nettest::waitUntil([&] { return host.checks.size() == 2; }, 10000)) << c.lie;
        EXPECT_EQ(host.checks[1].verdict, V::Verified) << c.lie;
    }
}

TEST(LyingRoomTest, AWindowThatJoinsWhileTheBetsAreOpenChecksThatTurnToo)
{
    net::Server::Options options;
    options.draw = nettest::scriptedDraw({1});
    net::Server server(options);
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    nettest::LoopbackPeer host(server.port());
    host.send(nettest::hostCreate(nettest::fourSeatRules(2)));
    const std::optional<net::WelcomeMessage> welcome = host.first<net::WelcomeMessage>();
    ASSERT_TRUE(welcome);
    host.send(net::CommandMessage{net::Command::NewGame});
    host.send(net::CommandMessage{net::Command::OpenBets});
    ASSERT_TRUE(host.first<net::BetsOpenedMessage>());

    // The late window has the opening only from its catch-up; it says ready, and so does the host.
    nettest::TableBot late(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server.port())));
    late.client.join(net::JoinMessage{welcome->code, QStringLiteral("late"), 3, {}, {}});
    ASSERT_TRUE(nettest::waitUntil([&] { return late.contributions.isEmpty() && host.all<net::ReadyMessage>().size() == 1; }));
    host.send(net::ReadyMessage{0});
    ASSERT_TRUE(host.first<net::BetsClosedMessage>());
    host.send(net::CommandMessage{net::Command::Throw});
    ASSERT_TRUE(nettest::waitUntil([&] { return !late.checks.isEmpty(); }));
    EXPECT_EQ(late.checks[0].verdict, net::TurnProof::Verdict::Verified);
    EXPECT_FALSE(host.first<net::BetsClosedMessage>()->contributions.value(3).isEmpty());
}

}  // namespace
