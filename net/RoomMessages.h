#pragma once

#include "net/ClientMessages.h"
#include "net/Protocol.h"
#include "net/RoomRules.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

#include <array>
#include <optional>
#include <variant>

// What the room tells its participants (net/PROTOCOL.md): numbers and codes only. The steps of
// the game are the inputs a window's own TableFlow needs to play the same turn (RoomReplay);
// per-seat lists have one entry for each seat in play.
namespace net {

struct SeatInfo {
    Holder holder = Holder::Absent;
    QString name;
    bool web = false;  // its player joined from the phone page
    // An absent seat kept for its token: milliseconds left of the keep (the computer plays it
    // meanwhile); 0 for every other seat.
    int keptMs = 0;
};

struct WelcomeMessage {
    static constexpr const char* Type = "welcome";
    QString code;
    int seat = 0;  // the receiver's own seat; -1 for a spectator
    bool host = false;
    bool spectator = false;
    RoomRules rules;
    QString rulesHash;
    int betSeconds = DefaultBetSeconds;
    QVector<SeatInfo> seats;
    QString token;  // the receiver's seat token for a rejoin; empty for a spectator
    int rejoinSeconds = DefaultRejoinSeconds;  // how long a dropped seat is kept
    QJsonObject toJson() const;
    static std::optional<WelcomeMessage> fromJson(const QJsonObject& body);
};

// Who holds each seat, after somebody joined or left.
struct SeatsMessage {
    static constexpr const char* Type = "seats";
    QVector<SeatInfo> seats;
    int spectators = 0;  // how many watch the room
    QJsonObject toJson() const;
    static std::optional<SeatsMessage> fromJson(const QJsonObject& body);
};

// TableFlow::newGame(seconds); the digest is the state after it.
struct GameStartedMessage {
    static constexpr const char* Type = "gameStarted";
    int seconds = 0;
    QString digest;
    QJsonObject toJson() const;
    static std::optional<GameStartedMessage> fromJson(const QJsonObject& body);
};

// TableFlow::openBets with `draws` (0..2^24-1, one per computer player in seat order, each the
// draw draw/2^24); `bets` as the room's table placed them; the bets close within deadlineMs.
struct BetsOpenedMessage {
    static constexpr const char* Type = "betsOpened";
    int turn = 0;
    QVector<qint64> draws;
    QVector<qint64> bets;
    int deadlineMs = 0;
    QString commitment;  // SHA-256 of the turn's seed, 64 hex digits (FairDice)
    QJsonObject toJson() const;
    static std::optional<BetsOpenedMessage> fromJson(const QJsonObject& body);
};

// Every seat's final bet; the throw command may now be given.
struct BetsClosedMessage {
    static constexpr const char* Type = "betsClosed";
    QVector<qint64> bets;
    bool timedOut = false;
    QStringList contributions;  // per seat in play, empty for none: what the throws are drawn over
    QJsonObject toJson() const;
    static std::optional<BetsClosedMessage> fromJson(const QJsonObject& body);
};

// The throws of the turn: every throw's three faces (1..6, 9 out of the bowl) in throwing order,
// then the scores after settlement.
struct ThrownMessage {
    static constexpr const char* Type = "thrown";
    int turn = 0;
    QVector<std::array<qint16, 3>> faces;
    QVector<qint64> scores;
    QString seed;  // the turn's seed revealed, 64 hex digits
    QJsonObject toJson() const;
    static std::optional<ThrownMessage> fromJson(const QJsonObject& body);
};

// TableFlow::endTurn; the digest is the state after it.
struct TurnEndedMessage {
    static constexpr const char* Type = "turnEnded";
    int turn = 0;
    bool gameOver = false;
    QString digest;
    QJsonObject toJson() const;
    static std::optional<TurnEndedMessage> fromJson(const QJsonObject& body);
};

// TableFlow::pass; the digest is the state after it.
struct PassedMessage {
    static constexpr const char* Type = "passed";
    int oyaSeat = 0;
    bool moved = false;
    QString digest;
    // The room's only: why the character playing a banker's seat whose player has gone passed.
    std::optional<rules::Reason> reason;
    QJsonObject toJson() const;
    static std::optional<PassedMessage> fromJson(const QJsonObject& body);
};

// TableFlow::interrupt.
struct InterruptedMessage {
    static constexpr const char* Type = "interrupted";
    QJsonObject toJson() const { return {}; }
    static std::optional<InterruptedMessage> fromJson(const QJsonObject&) { return InterruptedMessage{}; }
};

// The room's whole table, sent on resync: a window takes it over with TableFlow::resume.
struct StateMessage {
    static constexpr const char* Type = "state";
    Phase phase = Phase::NoGame;
    int turn = 0;
    int oyaSeat = 0;
    int oyaTurn = 0;
    int passCount = 0;
    int oyaMustPass = 0;
    qint64 turnsLeft = 0;
    QVector<std::optional<qint64>> scores;
    QVector<qint64> bets;
    QVector<qint64> lastBets;
    QVector<qint64> lastPayments;  // six: what each seat's last turn as a player paid it
    QVector<qint64> ready;  // six 0/1: the seat has said ready while the bets are open
    int deadlineMs = 0;     // what is left of the time for bets, 0 unless they are open
    QString digest;
    QJsonObject toJson() const;
    static std::optional<StateMessage> fromJson(const QJsonObject& body);
};

struct ErrorMessage {
    static constexpr const char* Type = "error";
    ErrorCode code = ErrorCode::BadJson;
    QString refused;  // the type of the refused message, empty when it had none
    QJsonObject toJson() const;
    static std::optional<ErrorMessage> fromJson(const QJsonObject& body);
};

struct RoomClosedMessage {
    static constexpr const char* Type = "roomClosed";
    CloseReason reason = CloseReason::HostEnded;
    QJsonObject toJson() const;
    static std::optional<RoomClosedMessage> fromJson(const QJsonObject& body);
};

// The steps a window plays on its own table, in the order they arrive.
using RoomStep = std::variant<GameStartedMessage, BetsOpenedMessage, BetMessage, ReadyMessage, BetsClosedMessage,
                              ThrownMessage, TurnEndedMessage, PassedMessage, InterruptedMessage, StateMessage>;

// The steps of the present (or last) game a participant has not played, right after its
// welcome: `from` is the room's count of steps before the first of them; the one marked `last`
// leaves the participant at the room's count. A window plays them without waiting.
struct CatchUpMessage {
    static constexpr const char* Type = "catchUp";
    qint64 from = 0;
    QVector<RoomStep> steps;
    bool last = true;
    QJsonObject toJson() const;
    static std::optional<CatchUpMessage> fromJson(const QJsonObject& body);
};

// Everything a client receives.
using RoomMessage = std::variant<WelcomeMessage, SeatsMessage, ErrorMessage, RoomClosedMessage, GameStartedMessage,
                                 BetsOpenedMessage, BetMessage, ReadyMessage, BetsClosedMessage, ThrownMessage,
                                 TurnEndedMessage, PassedMessage, InterruptedMessage, StateMessage, CatchUpMessage>;
std::variant<RoomMessage, ErrorCode> parseRoomMessage(const QByteArray& text);
QByteArray encodeRoomMessage(const RoomMessage& message);
QJsonObject stepObject(const RoomStep& step);
// The message as a step of the game, or nullopt for welcome, seats, error, roomClosed and catchUp.
std::optional<RoomStep> roomStep(const RoomMessage& message);

}  // namespace net
