#include "net/Client.h"

#include "net/Overloaded.h"

#include <QRandomGenerator>

#include <array>

namespace net {

Client::Client(QObject* parent, int heartbeatMs) : QObject(parent), m_heartbeat(&m_socket, heartbeatMs, this)
{
    m_socket.setParent(this);
    m_socket.setMaxAllowedIncomingMessageSize(MaxMessageBytes);
    connect(&m_socket, &QWebSocket::connected, this, [this] {
        const QStringList pending = std::exchange(m_pending, {});
        for (const QString& text : pending)
            m_socket.sendTextMessage(text);
    });
    connect(&m_socket, &QWebSocket::textMessageReceived, this, &Client::receive);
    connect(&m_socket, &QWebSocket::disconnected, this, &Client::lost);
}

Client::~Client() { disconnect(&m_socket, nullptr, this, nullptr); }

void Client::open(const QUrl& url)
{
    m_url = url;
    m_closedByRoom = false;
    m_socket.open(url);
}

void Client::create(const CreateMessage& message)
{
    m_name = message.name;
    m_fallback = message.fallback;
    send(message);
}

void Client::join(const JoinMessage& message)
{
    m_name = message.name;
    m_fallback = message.fallback;
    send(message);
}

void Client::rejoin()
{
    m_pending.clear();
    send(JoinMessage{m_code, m_name, -1, QString(), m_token, m_fallback});
    // Not from within the old socket's own signal (a rejoin often answers roomClosed).
    QMetaObject::invokeMethod(this, [this] { open(m_url); }, Qt::QueuedConnection);
}

void Client::receive(const QString& text)
{
    const std::variant<RoomMessage, ErrorCode> parsed = parseRoomMessage(text.toUtf8());
    const RoomMessage* message = std::get_if<RoomMessage>(&parsed);
    if (!message)
        return;  // a newer room's message this client does not know
    if (const std::optional<RoomStep> step = roomStep(*message)) {
        follow(*step);
        return;
    }
    std::visit(Overloaded{
                   [&](const WelcomeMessage& m) { welcome(m); },
                   [&](const SeatsMessage& m) { emit seatsChanged(m.seats); },
                   [&](const ErrorMessage& m) { emit refused(m.code, m.refused); },
                   [&](const RoomClosedMessage& m) {
                       m_closedByRoom = true;
                       emit roomClosed(m.reason);
                   },
                   [&](const auto&) {},
               },
               *message);
}

void Client::follow(const RoomStep& step)
{
    if (std::holds_alternative<BetsOpenedMessage>(step)) {
        std::array<quint32, 4> words{};
        QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
        m_contribution = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words.data()), 16).toHex());
    }
    const bool thrown = m_proof.take(step);
    emit stepArrived(step);
    if (thrown)
        emit turnChecked(m_proof, m_proof.check());
}

void Client::welcome(const WelcomeMessage& message)
{
    if (message.rulesHash != message.rules.hash()) {
        emit refused(ErrorCode::RulesMismatch, QString::fromLatin1(WelcomeMessage::Type));
        m_closedByRoom = true;
        m_socket.close(QWebSocketProtocol::CloseCodePolicyViolated, codeName(ErrorCode::RulesMismatch));
        emit roomClosed(CloseReason::Refused);
        return;
    }
    m_code = message.code;
    m_seat = message.seat;
    m_token = message.token;
    emit welcomed(message);
}

void Client::lost()
{
    if (std::exchange(m_closedByRoom, true))
        return;
    emit roomClosed(m_socket.closeCode() == QWebSocketProtocol::CloseCodeTooMuchData ? CloseReason::TooLarge
                                                                                      : CloseReason::ConnectionLost);
}

}  // namespace net
