#pragma once

#include "net/Room.h"
#include "net/ServerConnection.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QWebSocketServer>

namespace net {

// Rooms by their code on one WebSocket server. Nothing listens until listen() is called, and
// only on the address it is given. Every connection must create or join a room in time; the
// rooms share nothing, so servers behind a balancer routing on the room code scale out.
class Server : public QObject {
    Q_OBJECT

public:
    struct Options {
        int maxRooms = 100;
        // Connections held at once, in rooms or not; one more is closed with server_full.
        int maxConnections = 4096;
        int handshakeMs = HandshakeMilliseconds;
        int rejoinMs = RejoinMilliseconds;
        int heartbeatMs = HeartbeatMilliseconds;
        // Every room's draws; empty: the system's secure random source.
        Room::Draw draw;
    };

    explicit Server(Options options, QObject* parent = nullptr);
    ~Server() override;

    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_listener.serverPort(); }
    QString errorString() const { return m_listener.errorString(); }
    int roomCount() const { return static_cast<int>(m_rooms.size()); }
    int connectionCount() const { return static_cast<int>(m_connections.size()); }
    // Connections closed at once because maxConnections were held.
    int refusedConnections() const { return m_refusedConnections; }
    // The room of a code, or nullptr.
    Room* room(const QString& code) const { return m_rooms.value(code); }
    // Every connection gets roomClosed server_stopping; nothing listens any more.
    void stop();

signals:
    void roomOpened(const QString& code);
    void roomEnded(const QString& code);

private:
    void upgrade();
    void accept();
    void refuseFull(QWebSocket* socket);
    void dispatch(ServerConnection* connection, const ClientMessage& message);
    void create(ServerConnection* connection, const CreateMessage& message);
    void join(ServerConnection* connection, const JoinMessage& message);
    void forget(ServerConnection* connection);
    void endRoom(Room* room);

    Options m_options;
    // Our own listener, so that every socket sends its frames at once (no Nagle delay) before the
    // WebSocket server takes it.
    QTcpServer m_listener;
    QWebSocketServer m_server;
    QHash<int, ServerConnection*> m_connections;
    QHash<QString, Room*> m_rooms;
    int m_nextId = 1;
    int m_refusedConnections = 0;
};

}  // namespace net
