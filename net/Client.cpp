#include "net/Client.h"

#include "net/CertificateTrust.h"
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
    connect(&m_socket, &QWebSocket::sslErrors, this, &Client::checkCertificate);
}

Client::~Client() { disconnect(&m_socket, nullptr, this, nullptr); }

void Client::open(const QUrl& url)
{
    m_url = url;
    m_closedByRoom = false;
    m_socket.open(url);
}

QString Client::server() const
{
    const QString host = m_url.host().contains(QLatin1Char(':')) ? QLatin1Char('[') + m_url.host() + QLatin1Char(']') : m_url.host();
    return host + QLatin1Char(':') + QString::number(m_url.port(isEncrypted() ? 443 : 80));
}

void Client::checkCertificate(const QList<QSslError>& errors)
{
    QString fingerprint;
    for (const QSslError& error : errors) {
        if (fingerprint.isEmpty())
            fingerprint = CertificateTrust::fingerprintOf(error.certificate());
    }
    const QString trusted = m_trust ? m_trust->fingerprint(server()) : m_accepted;
    if (!fingerprint.isEmpty() && fingerprint == trusted) {
        m_socket.ignoreSslErrors();
        return;
    }
    // Nobody hears of this socket's end: the question, or the refusal, says it.
    m_closedByRoom = true;
    m_socket.abort();
    // Told from outside the socket's own signal: the answer may open it again.
    QMetaObject::invokeMethod(
        this,
        [this, fingerprint, changed = !trusted.isEmpty()] {
            if (!changed && !fingerprint.isEmpty()) {
                m_offered = fingerprint;
                emit certificateUnknown(server(), fingerprint);
                return;
            }
            if (!fingerprint.isEmpty())
                emit certificateChanged(server(), fingerprint);
            emit roomClosed(CloseReason::Refused);
        },
        Qt::QueuedConnection);
}

void Client::answerCertificate(bool trusted)
{
    const QString offered = std::exchange(m_offered, {});
    if (offered.isEmpty())
        return;
    if (!trusted) {
        emit roomClosed(CloseReason::Refused);
        return;
    }
    if (m_trust)
        m_trust->trust(server(), offered);
    m_accepted = offered;
    open(m_url);
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
    m_spectator = message.spectate;
    send(message);
}

void Client::rejoin()
{
    m_pending.clear();
    JoinMessage again{m_code, m_name, -1, QString(), m_spectator ? QString() : m_token, m_fallback};
    again.spectate = m_spectator;
    again.seen = m_position;
    send(again);
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
        if (m_position >= 0 && !std::holds_alternative<StateMessage>(*step))
            ++m_position;
        follow(*step);
        return;
    }
    std::visit(Overloaded{
                   [&](const WelcomeMessage& m) { welcome(m); },
                   [&](const SeatsMessage& m) {
                       m_spectators = m.spectators;
                       emit seatsChanged(m.seats);
                   },
                   [&](const CatchUpMessage& m) {
                       m_position = m.from + m.steps.size();
                       for (const RoomStep& step : m.steps)
                           prove(step);
                       emit caughtUp(m);
                   },
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
    prove(step);
    // The room took a bet or ready this client sent, and with it this turn's contribution.
    const auto* bet = std::get_if<BetMessage>(&step);
    const auto* ready = std::get_if<ReadyMessage>(&step);
    if (m_sent && ((bet && bet->seat == m_seat && !bet->draw) || (ready && ready->seat == m_seat))) {
        m_proof.ownSeat = m_seat;
        m_proof.ownContribution = m_contribution;
    }
    emit stepArrived(step);
}

void Client::prove(const RoomStep& step)
{
    // A catch-up may bring the opening of the turn this client already bets in: its share stays.
    const auto* opened = std::get_if<BetsOpenedMessage>(&step);
    if (opened && opened->commitment != m_proof.commitment) {
        m_sent = false;
        std::array<quint32, 4> words{};
        QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
        m_contribution = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words.data()), 16).toHex());
    }
    if (m_proof.take(step))
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
    m_spectator = message.spectator;
    if (!message.spectator)
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
