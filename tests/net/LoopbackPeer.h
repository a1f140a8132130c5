#pragma once

#include "net/ClientMessages.h"
#include "net/Envelope.h"
#include "net/RoomMessages.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWebSocket>

#include <functional>
#include <memory>

// A bare WebSocket to a server on the loopback address: sends any text and keeps every message
// it gets, so that tests can say what a hostile or a well-behaved participant sees.
namespace nettest {

// Runs the event loop until the condition holds or the time is over.
inline bool waitUntil(const std::function<bool()>& condition, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QTest::qWait(5);
    return condition();
}

class LoopbackPeer {
public:
    // path: the request's path ("/CODE" for a balancer routing on it).
    explicit LoopbackPeer(quint16 port, const QString& path = QString())
    {
        QObject::connect(socket.get(), &QWebSocket::textMessageReceived, [this](const QString& text) {
            const auto parsed = net::parseRoomMessage(text.toUtf8());
            if (const net::RoomMessage* message = std::get_if<net::RoomMessage>(&parsed))
                received.append(*message);
        });
        QObject::connect(socket.get(), &QWebSocket::disconnected, [this] { closed = true; });
        socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(path)));
        waitUntil([this] { return socket->state() == QAbstractSocket::ConnectedState || closed; });
    }

    void sendText(const QString& text) { socket->sendTextMessage(text); }
    template <typename M>
    void send(const M& message) { sendText(QString::fromUtf8(net::encode(message))); }

    template <typename M>
    QVector<M> all() const
    {
        QVector<M> found;
        for (const net::RoomMessage& m : received) {
            if (const M* message = std::get_if<M>(&m))
                found.append(*message);
        }
        return found;
    }
    template <typename M>
    std::optional<M> await(int ms = 5000)
    {
        const qsizetype before = all<M>().size();
        if (!waitUntil([&] { return all<M>().size() > before; }, ms))
            return std::nullopt;
        return all<M>().constLast();
    }
    // Waits for the first message of the type, counting what came already.
    template <typename M>
    std::optional<M> first(int ms = 5000)
    {
        if (!waitUntil([&] { return !all<M>().isEmpty(); }, ms))
            return std::nullopt;
        return all<M>().constFirst();
    }

    std::unique_ptr<QWebSocket> socket = std::make_unique<QWebSocket>();
    QVector<net::RoomMessage> received;
    bool closed = false;
};

}  // namespace nettest
