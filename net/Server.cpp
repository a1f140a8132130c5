#include "net/Server.h"

#include "net/Overloaded.h"
#include "net/RoomCode.h"

#include <QRandomGenerator>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

namespace net {
namespace {

// How long a connection refused for a full server may wait for its peer to answer the close.
constexpr int RefusalLingerMilliseconds = 2000;
constexpr qint64 WrongCodeWindowMilliseconds = 60000;
// Addresses remembered for their wrong codes before the quiet ones are forgotten.
constexpr int WrongCodeAddresses = 4096;

// One key for an address however it came: an IPv4 peer of a dual-stack socket is the IPv4 address.
QString addressKey(const QHostAddress& address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
}

// A TLS listener that tells of each socket the moment it is accepted, before its handshake, which
// may never come.
class ArrivingSslServer : public QSslServer {
public:
    ArrivingSslServer(std::function<void(QSslSocket*)> arrived, QObject* parent)
        : QSslServer(parent), m_arrived(std::move(arrived))
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QSslServer::incomingConnection(descriptor);
        // The socket it has just made is its newest child.
        if (auto* socket = qobject_cast<QSslSocket*>(children().isEmpty() ? nullptr : children().constLast()))
            m_arrived(socket);
    }

private:
    std::function<void(QSslSocket*)> m_arrived;
};

QString seatText(const Room* room, int participant)
{
    return QStringLiteral("room %1 seat %2").arg(room->code()).arg(room->seats().seatOf(participant));
}

}  // namespace

Server::Server(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)),
      m_server(QStringLiteral("qubrin"), QWebSocketServer::NonSecureMode),
      m_web([this] { return !m_rooms.isEmpty(); }, m_options.handshakeMs)
{
    if (!m_options.draw)
        m_options.draw = [] { return QRandomGenerator::system()->generate(); };
    if (m_options.tls) {
        // The TLS handshake happens before the socket is handed on; one that fails or stalls is
        // dropped by the listener at its deadline and never reaches the rooms.
        auto* secure = new ArrivingSslServer([this](QSslSocket* socket) { arrive(socket); }, this);
        secure->setSslConfiguration(*m_options.tls);
        secure->setHandshakeTimeout(m_options.handshakeMs);
        connect(secure, &QSslServer::errorOccurred, this, [this](QSslSocket* socket, QAbstractSocket::SocketError) {
            emit noted(QStringLiteral("refused %1: tls handshake failed").arg(addressKey(socket->peerAddress())));
        });
        m_listener.reset(secure);
    } else {
        m_listener = std::make_unique<QTcpServer>();
    }
    m_listener->setMaxPendingConnections(64);
    m_server.setMaxPendingConnections(64);
    // Once a socket is ready to speak (encrypted, for TLS), not when it was accepted.
    connect(m_listener.get(), &QTcpServer::pendingConnectionAvailable, this, &Server::upgrade);
    connect(&m_server, &QWebSocketServer::newConnection, this, &Server::accept);
    connect(&m_web, &WebFront::upgrade, this, [this](QTcpSocket* socket) {
        arrived(socket);
        m_server.handleConnection(socket);
    });
    m_clock.start();
}

Server::~Server()
{
    stop();
    // The connections go before the hash that names them: none may call back into a server
    // half destroyed.
    for (ServerConnection* connection : std::as_const(m_connections)) {
        disconnect(connection, nullptr, this, nullptr);
        delete connection;
    }
}

bool Server::listen(const QHostAddress& address, quint16 port) { return m_listener->listen(address, port); }

void Server::upgrade()
{
    while (QTcpSocket* socket = m_listener->nextPendingConnection()) {
        // A step is several small frames to one socket in a row; without this each waits for the
        // peer's delayed acknowledgement of the one before (40 ms on Linux).
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (arrive(socket))
            admit(socket);
    }
}

bool Server::arrive(QTcpSocket* socket)
{
    if (m_arriving.contains(socket))
        return true;
    const QString address = addressKey(socket->peerAddress());
    int& from = m_arrivingFrom[address];
    if (from >= m_options.maxPerAddress) {
        ++m_refusedConnections;
        emit noted(QStringLiteral("refused %1: %2 connections from this address still arriving").arg(address).arg(from));
        // Not from within the listener's own signal about this socket.
        QMetaObject::invokeMethod(
            socket,
            [socket] {
                socket->abort();
                socket->deleteLater();
            },
            Qt::QueuedConnection);
        return false;
    }
    ++from;
    m_arriving.insert(socket, address);
    connect(socket, &QObject::destroyed, this, &Server::arrived);
    connect(socket, &QAbstractSocket::disconnected, this, [this, socket] { arrived(socket); });
    return true;
}

void Server::arrived(QObject* socket)
{
    const auto found = m_arriving.constFind(socket);
    if (found == m_arriving.cend())
        return;
    disconnect(socket, nullptr, this, nullptr);
    if (--m_arrivingFrom[*found] <= 0)
        m_arrivingFrom.remove(*found);
    m_arriving.erase(found);
}

void Server::admit(QTcpSocket* socket) { m_web.take(socket); }

void Server::stop()
{
    m_listener->close();
    m_server.close();
    for (ServerConnection* connection : std::as_const(m_connections)) {
        connection->leaveRoom();
        connection->close(CloseReason::ServerStopping);
    }
    for (Room* room : std::as_const(m_rooms)) {
        disconnect(room, nullptr, this, nullptr);
        disconnect(m_watches.value(room), nullptr, this, nullptr);
        room->deleteLater();
    }
    m_rooms.clear();
    m_watches.clear();
}

void Server::accept()
{
    while (QWebSocket* socket = m_server.nextPendingConnection()) {
        const QString address = addressKey(socket->peerAddress());
        if (m_connections.size() >= m_options.maxConnections) {
            refuseAtOnce(socket, CloseReason::ServerFull, address);
            continue;
        }
        int& from = m_connectionsFrom[address];
        if (from >= m_options.maxPerAddress) {
            refuseAtOnce(socket, CloseReason::Refused, address);
            emit noted(QStringLiteral("refused %1: %2 connections from this address").arg(address).arg(from));
            continue;
        }
        ++from;
        auto* connection = new ServerConnection(m_nextId++, socket, m_options.handshakeMs, m_options.heartbeatMs, this);
        m_connections.insert(connection->id(), connection);
        m_addressOf.insert(connection->id(), address);
        connect(connection, &ServerConnection::messageArrived, this, &Server::dispatch);
        connect(connection, &ServerConnection::gone, this, &Server::forget);
    }
}

void Server::refuseAtOnce(QWebSocket* socket, CloseReason reason, const QString& address)
{
    ++m_refusedConnections;
    if (reason == CloseReason::ServerFull)
        emit noted(QStringLiteral("refused %1: server_full").arg(address));
    socket->setParent(this);
    connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
    socket->sendTextMessage(QString::fromUtf8(encodeRoomMessage(RoomClosedMessage{reason})));
    socket->close(QWebSocketProtocol::CloseCodePolicyViolated, codeName(reason));
    // A peer that never answers the close frame holds nothing for long.
    QTimer::singleShot(RefusalLingerMilliseconds, socket, &QWebSocket::abort);
}

void Server::dispatch(ServerConnection* connection, const ClientMessage& message)
{
    if (Room* room = connection->room()) {
        if (RoomWatch* watch = m_watches.value(room))
            watch->heard();
        room->receive(connection->id(), message);
        return;
    }
    std::visit(Overloaded{
                   [&](const CreateMessage& m) { create(connection, m); },
                   [&](const JoinMessage& m) { join(connection, m); },
                   [&](const auto& m) { connection->refuse(ErrorCode::NotJoined, QString::fromLatin1(m.Type)); },
               },
               message);
}

void Server::create(ServerConnection* connection, const CreateMessage& message)
{
    if (m_rooms.size() >= m_options.maxRooms) {
        emit noted(QStringLiteral("refused %1: too_many_rooms").arg(m_addressOf.value(connection->id())));
        connection->refuse(ErrorCode::TooManyRooms, QString::fromLatin1(CreateMessage::Type));
        return;
    }
    QString code;
    do
        code = newRoomCode(*QRandomGenerator::system(), m_options.tag);
    while (m_rooms.contains(code));
    const Room::Times times{message.betSeconds * 1000, std::min(message.rejoinSeconds * 1000, m_options.rejoinMs)};
    auto* room = new Room(code, message, m_options.draw, times, this);
    m_rooms.insert(code, room);
    connect(room, &Room::sendTo, this, [this](int participant, const RoomMessage& m) {
        if (ServerConnection* to = m_connections.value(participant))
            to->send(m);
    });
    connect(room, &Room::sendToAll, this, [this, room](const RoomMessage& m) {
        for (const int participant : room->participants()) {
            if (ServerConnection* to = m_connections.value(participant))
                to->send(m);
        }
    });
    connect(room, &Room::closed, this, [this, room](CloseReason reason) { endRoom(room, codeName(reason)); });
    watch(room);
    connection->enter(room);
    room->admitHost(connection->id(), message.name, message.fallback);
    emit noted(QStringLiteral("room %1 created by %2, host %3")
                   .arg(code, m_addressOf.value(connection->id()), seatText(room, connection->id())));
    emit roomOpened(code);
}

void Server::watch(Room* room)
{
    auto* watch = new RoomWatch(m_options.idleRoomMs, m_options.emptyRoomMs, room);
    m_watches.insert(room, watch);
    // Ended here, not through the room's closed: the log says why.
    const auto end = [this, room](const QString& why) {
        disconnect(room, &Room::closed, this, nullptr);
        room->close(CloseReason::Idle);
        endRoom(room, why);
    };
    connect(watch, &RoomWatch::idle, this, [end] { end(QStringLiteral("idle")); });
    connect(watch, &RoomWatch::empty, this, [end] { end(QStringLiteral("nobody connected")); });
}

void Server::join(ServerConnection* connection, const JoinMessage& message)
{
    const QString address = m_addressOf.value(connection->id());
    if (guessing(address)) {
        emit noted(QStringLiteral("refused %1: too many wrong room codes").arg(address));
        connection->close(CloseReason::Refused);
        return;
    }
    Room* room = m_rooms.value(message.code.toUpper());
    if (!room) {
        countWrongCode(address);
        emit noted(QStringLiteral("refused %1: no_such_room").arg(address));
        connection->refuse(ErrorCode::NoSuchRoom, QString::fromLatin1(JoinMessage::Type));
        return;
    }
    // A token never takes a seat whose connection still answers; one that let a ping go unanswered
    // is most likely a line gone dead without a close (a phone asleep, a cable pulled) and gives the
    // seat up now rather than at the heartbeat's end, so that its player is back at once.
    if (ServerConnection* holder = m_connections.value(room->seats().holderOf(message.token)); holder && holder->isSilent())
        holder->abort();
    if (!room->admit(connection->id(), message)) {
        emit noted(QStringLiteral("refused %1: join to room %2").arg(address, room->code()));
        return;
    }
    connection->enter(room);
    if (RoomWatch* watch = m_watches.value(room)) {
        watch->occupied(true);
        watch->heard();
    }
    emit noted(QStringLiteral("%1 joined from %2").arg(seatText(room, connection->id()), address));
}

bool Server::guessing(const QString& address)
{
    const auto found = m_wrongCodes.find(address);
    if (found == m_wrongCodes.end())
        return false;
    std::deque<qint64>& times = found.value();
    const qint64 now = m_clock.elapsed();
    while (!times.empty() && now - times.front() >= WrongCodeWindowMilliseconds)
        times.pop_front();
    if (times.empty()) {
        m_wrongCodes.erase(found);
        return false;
    }
    return static_cast<int>(times.size()) >= m_options.wrongCodesPerMinute;
}

void Server::countWrongCode(const QString& address)
{
    if (m_wrongCodes.size() >= WrongCodeAddresses) {
        for (const QString& known : m_wrongCodes.keys())
            guessing(known);
    }
    m_wrongCodes[address].push_back(m_clock.elapsed());
}

void Server::forget(ServerConnection* connection)
{
    m_connections.remove(connection->id());
    const QString address = m_addressOf.take(connection->id());
    if (--m_connectionsFrom[address] <= 0)
        m_connectionsFrom.remove(address);
    if (Room* room = connection->room()) {
        emit noted(seatText(room, connection->id()) + QStringLiteral(" left"));
        room->drop(connection->id());
        if (RoomWatch* watch = m_watches.value(room))
            watch->occupied(!room->seats().participants().isEmpty());
    }
    connection->deleteLater();
}

void Server::endRoom(Room* room, const QString& why)
{
    emit noted(QStringLiteral("room %1 ended: %2").arg(room->code(), why));
    for (ServerConnection* connection : std::as_const(m_connections)) {
        if (connection->room() == room)
            connection->leaveRoom();
    }
    m_rooms.remove(room->code());
    m_watches.remove(room);
    emit roomEnded(room->code());
    room->deleteLater();
}

}  // namespace net
