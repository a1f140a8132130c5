#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The constants and codes of the room protocol (net/PROTOCOL.md is its contract). Every message
// carries codes and numbers only; each window says them in its own language.
namespace net {

inline constexpr int ProtocolVersion = 1;
// The port a server listens on unless told another.
inline constexpr quint16 DefaultPort = 47017;
// A text frame longer than this closes the connection.
inline constexpr qint64 MaxMessageBytes = 16 * 1024;
// A connection may send this many messages at once, then this many each second.
inline constexpr int MessageBurst = 40;
inline constexpr int MessagesPerSecond = 20;
// A connection that has not joined a room by then is closed.
inline constexpr int HandshakeMilliseconds = 10000;
// A room's random draw travels as a whole number below 2^24; as a uniform 0 <= r < 1 it is
// draw / 2^24, exact in single precision as the table's random source gives it.
inline constexpr qint64 DrawRange = qint64(1) << 24;
inline float unitOfDraw(qint64 draw) { return static_cast<float>(draw) / static_cast<float>(DrawRange); }

// A seat's token (hex digits, 128 bits of the secure source) lets its participant take the seat
// back after a dropped connection, within the time the host keeps a dropped seat (seconds:
// default and limits); the host's seat kept empty longer closes the room.
inline constexpr int SeatTokenLength = 32;
inline constexpr int DefaultRejoinSeconds = 120;
inline constexpr int MinRejoinSeconds = 10;
inline constexpr int MaxRejoinSeconds = 600;
inline constexpr int RejoinMilliseconds = DefaultRejoinSeconds * 1000;
// A room keeps at most this many steps of its game for the catch-up of who joins late.
inline constexpr int MaxKeptSteps = 20000;
// A room's steps are counted from its start; a count never reaches this.
inline constexpr qint64 MaxSteps = qint64(1) << 53;
// Both ends ping a connection this often and drop it after three silent intervals.
inline constexpr int HeartbeatMilliseconds = 5000;
// The time for bets in seconds: default and limits the host may choose within.
inline constexpr int DefaultBetSeconds = 30;
inline constexpr int MinBetSeconds = 5;
inline constexpr int MaxBetSeconds = 600;
// A name is cut to this many characters after cleaning; longer raw text is refused.
inline constexpr int MaxNameLength = 20;
inline constexpr int MaxRawNameLength = 200;

// Why a message was refused; the connection stays open unless a close reason follows.
enum class ErrorCode {
    BadJson,        // not a JSON object
    BadVersion,     // "v" is not ProtocolVersion (closes the connection)
    UnknownType,
    BadField,       // a field is missing, of the wrong type or out of its range
    NoSuchRoom,
    RoomFull,       // no free seat of a person, or the asked seat is taken
    RulesMismatch,  // the rules hash differs from the room's (closes the connection)
    TooManyRooms,
    NotJoined,      // a table message before create or join
    AlreadyJoined,
    NotYourSeat,
    NotYourCommand,
    WrongPhase,     // the command or bet does not fit the table's phase
    BetOutOfLimits,
    NotReady,       // the throw waits for the bets of other seats
    BadToken,       // the token names no seat kept in this room (wrong, old, expired or another seat's)
    SeatHeld,       // the token's seat is held by a connection that is alive
    NoSpectators,   // the host does not let spectators in
};

// Why a connection or a room ends.
enum class CloseReason {
    HostEnded,         // the host ended the room
    HostLeft,          // the host's connection was lost
    TooLarge,          // a message over MaxMessageBytes
    Flooding,          // more messages than the rate allows
    HandshakeTimeout,  // no create or join in time
    ServerStopping,
    Refused,           // a refusal that ends the connection (wrong version, rules mismatch)
    ConnectionLost,    // seen by a client: the socket went away without a message
    ServerFull,        // the server holds as many connections as it may
    Idle,              // nobody in the room sent anything for the server's idle time
};

// The table's commands and who may give them.
enum class Command {
    NewGame,    // host
    OpenBets,   // ベント: the banker's player
    Throw,      // 実 行: the banker's player
    NextTurn,   // 次のﾀｰﾝ: the banker's player
    Pass,       // ｽﾙｰ: the banker's player
    Interrupt,  // ｹﾞｰﾑ中断: host
};

// Who holds a seat of the table.
enum class Holder { Host, Remote, Computer, Absent };

// Where the table stands between two commands.
enum class Phase { NoGame, TurnOpen, BetsOpen, BetsClosed, TurnSettled, GameOver };

QString codeName(ErrorCode code);
QString codeName(CloseReason reason);
QString codeName(Command command);
QString codeName(Holder holder);
QString codeName(Phase phase);
std::optional<ErrorCode> errorCodeFromName(const QString& name);
std::optional<CloseReason> closeReasonFromName(const QString& name);
std::optional<Command> commandFromName(const QString& name);
std::optional<Holder> holderFromName(const QString& name);
std::optional<Phase> phaseFromName(const QString& name);

}  // namespace net
