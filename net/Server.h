#pragma once

#include "net/Room.h"
#include "net/RoomWatch.h"
#include "net/ServerConnection.h"
#include "net/WebFront.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QWebSocketServer>

#include <deque>
#include <memory>
#include <optional>

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
        // Connections from one address at once; one more is closed with refused.
        int maxPerAddress = 64;
        // Joins with a code that names no room, from one address in a minute; past them every
        // join from that address is closed with refused until the minute is over, so that codes
        // cannot be found by trying.
        int wrongCodesPerMinute = 10;
        // A room none of whose participants sent anything for this long is closed with idle.
        int idleRoomMs = 20 * 60 * 1000;
        // A room with nobody connected to it for this long is closed.
        int emptyRoomMs = 2 * 60 * 1000;
        // With a certificate and its key: every connection speaks TLS (wss://) before its
        // WebSocket handshake, which must end within handshakeMs.
        std::optional<QSslConfiguration> tls;
        // Every room code starts with this character of the room-code alphabet (none: any).
        QChar tag;
        int handshakeMs = HandshakeMilliseconds;
        // The longest a room keeps a dropped seat, whatever its host asks.
        int rejoinMs = MaxRejoinSeconds * 1000;
        int heartbeatMs = HeartbeatMilliseconds;
        // Every room's draws; empty: the system's secure random source.
        Room::Draw draw;
    };

    explicit Server(Options options, QObject* parent = nullptr);
    ~Server() override;

    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_listener->serverPort(); }
    QString errorString() const { return m_listener->errorString(); }
    bool isSecure() const { return m_options.tls.has_value(); }
    int roomCount() const { return static_cast<int>(m_rooms.size()); }
    int connectionCount() const { return static_cast<int>(m_connections.size()); }
    // Connections closed at once because maxConnections, or maxPerAddress from their address,
    // were held (sockets that had not yet become connections too).
    int refusedConnections() const { return m_refusedConnections; }
    // The room of a code, or nullptr.
    Room* room(const QString& code) const { return m_rooms.value(code); }
    // Every connection gets roomClosed server_stopping; nothing listens any more.
    void stop();

signals:
    void roomOpened(const QString& code);
    void roomEnded(const QString& code);
    // One line for a log: a room created or ended, a seat taken or left, a connection or a join
    // refused. Codes, seat numbers, addresses and reasons; never a name or a token.
    void noted(const QString& line);

private:
    void upgrade();
    // Every socket the listener accepted, once it is ready to speak, goes through here: its first
    // request is a WebSocket handshake for the WebSocket server, or a request for the phone page.
    void admit(QTcpSocket* socket);
    // A socket not yet a WebSocket connection (in its TLS handshake, or its first request still
    // being read) counts for its address until the WebSocket server has it or it is closed; past
    // maxPerAddress such sockets from one address, the next is dropped. False when dropped.
    bool arrive(QTcpSocket* socket);
    void arrived(QObject* socket);
    void accept();
    void refuseAtOnce(QWebSocket* socket, CloseReason reason, const QString& address);
    // The watch of a new room, and what ends the room when its time runs out.
    void watch(Room* room);
    void countWrongCode(const QString& address);
    // Whether the address has used up its wrong codes of the last minute.
    bool guessing(const QString& address);
    void dispatch(ServerConnection* connection, const ClientMessage& message);
    void create(ServerConnection* connection, const CreateMessage& message);
    void join(ServerConnection* connection, const JoinMessage& message);
    void forget(ServerConnection* connection);
    void endRoom(Room* room, const QString& why);

    Options m_options;
    // The sockets counted by arrive() and their addresses; before the listener, which destroys them.
    QHash<QObject*, QString> m_arriving;
    QHash<QString, int> m_arrivingFrom;
    // Our own listener, so that every socket sends its frames at once (no Nagle delay) before the
    // WebSocket server takes it.
    std::unique_ptr<QTcpServer> m_listener;
    QWebSocketServer m_server;
    // Tells the phone page's requests from the WebSocket handshakes on the same port.
    WebFront m_web;
    QHash<int, ServerConnection*> m_connections;
    QHash<QString, Room*> m_rooms;
    QHash<const Room*, RoomWatch*> m_watches;
    QHash<int, QString> m_addressOf;
    QHash<QString, int> m_connectionsFrom;
    // Per address, when each wrong code of the last minute came (ms of m_clock).
    QHash<QString, std::deque<qint64>> m_wrongCodes;
    QElapsedTimer m_clock;
    int m_nextId = 1;
    int m_refusedConnections = 0;
};

}  // namespace net
