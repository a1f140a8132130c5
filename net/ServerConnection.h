#pragma once

#include "net/ClientMessages.h"
#include "net/Heartbeat.h"
#include "net/Protocol.h"
#include "net/RateLimit.h"
#include "net/RoomMessages.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWebSocket>

namespace net {

class Room;

// One participant's WebSocket at the server: enforces the size (through Qt) and rate of its
// messages and the time to join, parses every text frame and answers what does not parse. It closes itself after
// sending roomClosed or an error that ends a connection (bad_version, rules_mismatch).
class ServerConnection : public QObject {
    Q_OBJECT

public:
    ServerConnection(int id, QWebSocket* socket, int handshakeMs, int heartbeatMs, QObject* parent);

    int id() const { return m_id; }
    Room* room() const { return m_room; }
    // In a room: the join deadline no longer applies.
    void enter(Room* room);
    void leaveRoom() { m_room = nullptr; }

    void send(const RoomMessage& message);
    void refuse(ErrorCode code, const QString& type) { send(ErrorMessage{code, type}); }
    // Sends roomClosed with the reason and closes the socket.
    void close(CloseReason reason);
    // Whether the peer has let a ping go unanswered.
    bool isSilent() const { return m_heartbeat.missedBeat(); }
    // Drops the socket without a word, as a peer gone dead is dropped: gone() follows.
    void abort() { m_socket->abort(); }

signals:
    void messageArrived(net::ServerConnection* connection, const net::ClientMessage& message);
    void gone(net::ServerConnection* connection);

private:
    void receive(const QString& text);
    void closeSocket(CloseReason reason);

    int m_id;
    QWebSocket* m_socket;
    QElapsedTimer m_clock;
    RateLimit m_rate;
    QTimer m_handshake;
    Heartbeat m_heartbeat;
    Room* m_room = nullptr;
    bool m_closing = false;
};

}  // namespace net
