#include "net/ServerConnection.h"

namespace net {

ServerConnection::ServerConnection(int id, QWebSocket* socket, int handshakeMs, int heartbeatMs, QObject* parent)
    : QObject(parent), m_id(id), m_socket(socket), m_rate(MessageBurst, MessagesPerSecond, 0),
      m_heartbeat(socket, heartbeatMs, this)
{
    m_socket->setParent(this);
    // Qt refuses a longer message itself (close code 1009) before it is held in memory.
    m_socket->setMaxAllowedIncomingMessageSize(MaxMessageBytes);
    m_socket->setMaxAllowedIncomingFrameSize(MaxMessageBytes);
    m_clock.start();
    connect(m_socket, &QWebSocket::textMessageReceived, this, &ServerConnection::receive);
    connect(m_socket, &QWebSocket::binaryMessageReceived, this, [this] { refuse(ErrorCode::BadJson, QString()); });
    connect(m_socket, &QWebSocket::disconnected, this, [this] { emit gone(this); });
    m_handshake.setSingleShot(true);
    connect(&m_handshake, &QTimer::timeout, this, [this] { close(CloseReason::HandshakeTimeout); });
    m_handshake.start(handshakeMs);
}

void ServerConnection::enter(Room* room)
{
    m_room = room;
    m_handshake.stop();
}

void ServerConnection::receive(const QString& text)
{
    if (m_closing)
        return;
    if (!m_rate.take(m_clock.elapsed())) {
        close(CloseReason::Flooding);
        return;
    }
    ParsedClientMessage parsed = parseClientMessage(text.toUtf8());
    if (parsed.message)
        emit messageArrived(this, *parsed.message);
    else
        refuse(parsed.error, parsed.type);
}

void ServerConnection::send(const RoomMessage& message)
{
    if (m_closing)
        return;
    m_socket->sendTextMessage(QString::fromUtf8(encodeRoomMessage(message)));
    if (const RoomClosedMessage* closed = std::get_if<RoomClosedMessage>(&message)) {
        closeSocket(closed->reason);
    } else if (const ErrorMessage* error = std::get_if<ErrorMessage>(&message)) {
        if (error->code == ErrorCode::BadVersion || error->code == ErrorCode::RulesMismatch)
            close(CloseReason::Refused);
    }
}

void ServerConnection::close(CloseReason reason) { send(RoomClosedMessage{reason}); }

void ServerConnection::closeSocket(CloseReason reason)
{
    m_closing = true;
    m_handshake.stop();
    const bool roomOver =
        reason == CloseReason::HostEnded || reason == CloseReason::HostLeft || reason == CloseReason::ServerStopping;
    const auto code = roomOver ? QWebSocketProtocol::CloseCodeNormal : QWebSocketProtocol::CloseCodePolicyViolated;
    m_socket->close(code, codeName(reason));
}

}  // namespace net
