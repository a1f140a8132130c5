#pragma once

#include "net/ClientMessages.h"
#include "net/Envelope.h"
#include "net/Heartbeat.h"
#include "net/Protocol.h"
#include "net/RoomMessages.h"
#include "net/TurnProof.h"

#include <QObject>
#include <QUrl>
#include <QWebSocket>

namespace net {

// What a window uses to take part in a room: one WebSocket, the messages it may send and the
// room's answers as signals. Messages given before the socket is open wait and go out in order.
// The welcome's rules hash is checked against the client's own hash of the rules it was sent.
// Its bets and readiness carry a fresh random share of each turn's throws, and every turn's dice
// are checked against the seed the room committed to (TurnProof) once the throws reveal it.
class Client : public QObject {
    Q_OBJECT

public:
    explicit Client(QObject* parent = nullptr, int heartbeatMs = HeartbeatMilliseconds);
    // Leaves without a signal: nobody hears roomClosed from a client that is going away.
    ~Client() override;

    void open(const QUrl& url);
    void create(const CreateMessage& message);
    void join(const JoinMessage& message);
    // After a lost connection: opens the same address again and takes the seat back by its token,
    // with the name and fallback character of the first create or join.
    void rejoin();
    void bet(int seat, int bet) { send(BetMessage{seat, bet, std::nullopt, m_contribution}); }
    void ready(int seat) { send(ReadyMessage{seat, m_contribution}); }
    void command(Command command) { send(CommandMessage{command}); }
    void requestState() { send(ResyncMessage{}); }
    void endRoom() { send(EndRoomMessage{}); }
    // Leaves without a word; the room keeps the seat for its token.
    void disconnectFromRoom() { m_socket.abort(); }

    bool isOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    // From the welcome: the room's code, the client's seat and its token; -1 and empty before.
    const QString& code() const { return m_code; }
    int seat() const { return m_seat; }
    const QString& token() const { return m_token; }

signals:
    void welcomed(const net::WelcomeMessage& welcome);
    void seatsChanged(const QVector<net::SeatInfo>& seats);
    void stepArrived(const net::RoomStep& step);
    // A turn's throws have come with its seed, and this is what its proof says (after stepArrived).
    void turnChecked(const net::TurnProof& proof, const net::TurnProof::Check& check);
    void refused(net::ErrorCode code, const QString& type);
    // The room is gone for this client, or its connection (ConnectionLost, TooLarge).
    void roomClosed(net::CloseReason reason);

private:
    template <typename M>
    void send(const M& message)
    {
        const QString text = QString::fromUtf8(encode(message));
        if (isOpen())
            m_socket.sendTextMessage(text);
        else
            m_pending.append(text);
    }
    void receive(const QString& text);
    void welcome(const WelcomeMessage& message);
    void follow(const RoomStep& step);
    void lost();

    QWebSocket m_socket;
    Heartbeat m_heartbeat;
    QUrl m_url;
    QStringList m_pending;
    QString m_contribution;  // this turn's share, fresh at every betsOpened
    TurnProof m_proof;
    QString m_name;
    rules::Character m_fallback = rules::Character::Omakase;
    QString m_code;
    QString m_token;
    int m_seat = -1;
    bool m_closedByRoom = false;
};

}  // namespace net
