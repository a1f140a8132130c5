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

class CertificateTrust;

// What a window uses to take part in a room: one WebSocket, the messages it may send and the
// room's answers as signals. Messages given before the socket is open wait and go out in order.
// The welcome's rules hash is checked against the client's own hash of the rules it was sent.
// Over wss:// a certificate the system's trust store refuses is accepted only by the fingerprint
// the player trusted for that server.
// Its bets and readiness carry a fresh random share of each turn's throws, and every turn's dice
// are checked against the seed the room committed to (TurnProof) once the throws reveal it.
class Client : public QObject {
    Q_OBJECT

public:
    explicit Client(QObject* parent = nullptr, int heartbeatMs = HeartbeatMilliseconds);
    // Leaves without a signal: nobody hears roomClosed from a client that is going away.
    ~Client() override;

    void open(const QUrl& url);
    // The fingerprints the player trusts (not owned); without them only the system's trust store.
    void setCertificateTrust(CertificateTrust* trust) { m_trust = trust; }
    // After certificateUnknown: true keeps the fingerprint for the server and connects again; false
    // gives up (roomClosed refused).
    void answerCertificate(bool trusted);
    void create(const CreateMessage& message);
    void join(const JoinMessage& message);
    // After a lost connection: opens the same address again and takes the seat back by its token
    // (or watches again), with the name and fallback character of the first create or join; the
    // catch-up then brings only the steps it missed.
    void rejoin();
    void bet(int seat, int bet)
    {
        m_sent = true;
        send(BetMessage{seat, bet, std::nullopt, m_contribution});
    }
    void ready(int seat)
    {
        m_sent = true;
        send(ReadyMessage{seat, m_contribution});
    }
    void command(Command command) { send(CommandMessage{command}); }
    void requestState() { send(ResyncMessage{}); }
    void endRoom() { send(EndRoomMessage{}); }
    // Leaves without a word; the room keeps the seat for its token.
    void disconnectFromRoom() { m_socket.abort(); }

    bool isOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    // Whether the connection speaks TLS (wss://).
    bool isEncrypted() const { return m_url.scheme() == QLatin1String("wss"); }
    // host:port of the address opened.
    QString server() const;
    // From the welcome: the room's code, the client's seat and its token; -1 and empty before.
    const QString& code() const { return m_code; }
    int seat() const { return m_seat; }
    const QString& token() const { return m_token; }
    bool isSpectator() const { return m_spectator; }
    // The room's count of steps this client has had (catch-ups included); -1 before the first.
    qint64 position() const { return m_position; }
    // How many watch the room, from its last seats message.
    int spectators() const { return m_spectators; }

signals:
    void welcomed(const net::WelcomeMessage& welcome);
    void seatsChanged(const QVector<net::SeatInfo>& seats);
    void stepArrived(const net::RoomStep& step);
    // Steps missed before the welcome, to be played at once and in order before any later step.
    void caughtUp(const net::CatchUpMessage& catchUp);
    // A turn's throws have come with its seed, and this is what its proof says: told before the
    // throws' stepArrived, or before the caughtUp that holds them.
    void turnChecked(const net::TurnProof& proof, const net::TurnProof::Check& check);
    void refused(net::ErrorCode code, const QString& type);
    // The room is gone for this client, or its connection (ConnectionLost, TooLarge).
    void roomClosed(net::CloseReason reason);
    // The system does not trust the server's certificate and the player has not trusted it yet:
    // the connection waits for answerCertificate().
    void certificateUnknown(const QString& server, const QString& fingerprint);
    // The server shows another certificate than the one the player trusted for it: the
    // connection is closed and roomClosed refused follows.
    void certificateChanged(const QString& server, const QString& fingerprint);

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
    // Gathers the turn's proof; a new turn's bets get a fresh contribution.
    void prove(const RoomStep& step);
    void lost();
    void checkCertificate(const QList<QSslError>& errors);

    QWebSocket m_socket;
    Heartbeat m_heartbeat;
    QUrl m_url;
    QStringList m_pending;
    QString m_contribution;  // this turn's share, fresh at every betsOpened
    bool m_sent = false;     // and it went out with a bet or ready
    TurnProof m_proof;
    QString m_name;
    rules::Character m_fallback = rules::Character::Omakase;
    QString m_code;
    QString m_token;
    int m_seat = -1;
    bool m_spectator = false;
    qint64 m_position = -1;
    int m_spectators = 0;
    bool m_closedByRoom = false;
    CertificateTrust* m_trust = nullptr;
    // The fingerprint certificateUnknown asked about, and the one accepted without a trust file.
    QString m_offered;
    QString m_accepted;
};

}  // namespace net
