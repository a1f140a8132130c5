#pragma once

#include "game/TableFlow.h"
#include "game/Tally.h"
#include "net/ClientMessages.h"
#include "net/FairDice.h"
#include "net/Protocol.h"
#include "net/RoomMessages.h"
#include "net/RoomRules.h"
#include "net/RoomSeats.h"
#include "net/StepLog.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

namespace net {

// The authority of one table: owns the one true TableFlow on the host's rules, makes every
// random draw, decides who may act and tells every participant what happened. It knows no
// socket: the server hands it parsed messages from a participant (its number for a connection)
// and sends what it emits. After it has sent roomClosed to somebody, that connection is closed.
class Room : public QObject {
    Q_OBJECT

public:
    // Uniform 32-bit draws; a server gives the system's secure source, tests a script. They make
    // the first banker and each turn's secret seed; the turn's own draws come from the seed.
    using Draw = std::function<quint32()>;
    struct Times {
        int betMs = DefaultBetSeconds * 1000;
        int rejoinMs = RejoinMilliseconds;
    };

    Room(const QString& code, const CreateMessage& create, Draw draw, Times times, QObject* parent = nullptr);

    const QString& code() const { return m_code; }
    const RoomRules& rules() const { return m_rules; }
    const TableFlow& flow() const { return m_flow; }
    Phase phase() const { return m_phase; }
    const RoomSeats& seats() const { return m_seats; }
    bool isOpen() const { return m_open; }
    // Everybody who hears what the room sends to all: the seats' holders, then the spectators.
    QVector<int> participants() const { return m_seats.participants() + m_spectators; }
    int spectators() const { return static_cast<int>(m_spectators.size()); }
    const StepLog& log() const { return m_log; }

    // The host takes its seat: welcome, then seats to everybody.
    void admitHost(int participant, const QString& name, rules::Character fallback = rules::Character::Omakase);
    // A join: welcome, seats, the catch-up and (once a game runs) the state, or an error; true
    // when seated or watching.
    bool admit(int participant, const JoinMessage& join);
    // A table message of a seated participant or a spectator (bet, ready, command, resync,
    // endRoom); a spectator may only ask for the state.
    void receive(int participant, const ClientMessage& message);
    // The participant's connection is gone.
    void drop(int participant);
    // The room ends for everybody.
    void close(CloseReason reason);

    StateMessage stateMessage() const;

signals:
    void sendTo(int participant, const net::RoomMessage& message);
    void sendToAll(const net::RoomMessage& message);
    // The room is over; every connection has been sent roomClosed.
    void closed(net::CloseReason reason);

private:
    std::optional<ErrorCode> bet(int participant, const BetMessage& message);
    std::optional<ErrorCode> ready(int participant, const ReadyMessage& message);
    std::optional<ErrorCode> command(int participant, Command command);
    std::optional<ErrorCode> permitted(int participant, Command command) const;
    std::optional<ErrorCode> inPhase(Command command) const;
    void play(Command command);
    void openBets();
    // ｽﾙｰ: the bank moves on; `reason` when the fallback of a dropped banker chose it.
    void pass(std::optional<rules::Reason> reason);
    void throwDice();
    // Closes the bets once every held person's seat but the banker's is ready.
    void closeBetsIfReady();
    void closeBets(bool timedOut);
    bool waitsFor(int seat) const;
    // A dropped seat bets as a computer seat of its player's fallback character, and is ready.
    void playDropped(int seat);
    // The participant who gives the banker's commands: the banker's player, else the host.
    int commander() const;
    // Keeps the sender's share of the turn's throws, the last one before the bets close.
    void keepContribution(int seat, const QString& contribution);
    QVector<qint64> seatBets() const;
    void welcome(int participant, int seat, const QString& token);
    bool watch(int participant, const JoinMessage& join);
    // A join that names rules, and not this room's.
    bool expectsOtherRules(const JoinMessage& join) const;
    // What a participant that has played `seen` steps missed, then the state when a game runs.
    void catchUp(int participant, qint64 seen);
    SeatsMessage seatsMessage() const;
    // The answer to a message a spectator sent.
    static std::optional<ErrorCode> spectatorRefusal(const ClientMessage& message);

    QString m_code;
    RoomRules m_rules;
    Draw m_draw;
    Times m_times;
    int m_betSeconds;
    rules::TallyTable m_tally{};
    rules::TallySums m_tallySums{};
    TableFlow m_flow;
    RoomSeats m_seats;
    QVector<int> m_spectators;
    bool m_spectatorsAllowed = true;
    StepLog m_log;
    Phase m_phase = Phase::NoGame;
    std::array<bool, 6> m_ready{};
    FairDice m_dice;
    std::array<QString, 6> m_contributions;
    bool m_open = true;
    QTimer m_betTimer;
    QTimer m_hostGone;
};

}  // namespace net
