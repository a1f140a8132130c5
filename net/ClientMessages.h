#pragma once

#include "game/ComputerCharacter.h"
#include "net/Protocol.h"
#include "net/RoomRules.h"

#include <QJsonObject>
#include <QString>

#include <optional>
#include <variant>

// What a participant sends to the room (net/PROTOCOL.md). Each fromJson checks every field's type
// and range; a message that fails never reaches a room. Bets and readiness travel back from the
// room to every participant in the same shape.
namespace net {

// A contribution to a turn's throws is at most this many hex digits.
inline constexpr int MaxContributionLength = 64;

// The messages that gained an optional field keep their brace form through a constructor.
struct CreateMessage {
    static constexpr const char* Type = "create";
    CreateMessage() = default;
    CreateMessage(QString name, int seat, RoomRules rules, int betSeconds = DefaultBetSeconds,
                  rules::Character fallback = rules::Character::Omakase, int rejoinSeconds = DefaultRejoinSeconds,
                  bool spectators = true)
        : name(std::move(name)),
          seat(seat),
          rules(std::move(rules)),
          betSeconds(betSeconds),
          fallback(fallback),
          rejoinSeconds(rejoinSeconds),
          spectators(spectators)
    {
    }
    QString name;
    int seat = 0;             // the host's own seat, a person's seat of the rules
    RoomRules rules;
    int betSeconds = DefaultBetSeconds;
    // Who plays the seat while its player is away; any word but a character's is おまかせ.
    rules::Character fallback = rules::Character::Omakase;
    // How long a dropped seat is kept for its token, played by its fallback meanwhile.
    int rejoinSeconds = DefaultRejoinSeconds;
    // Whether a join without a seat may watch.
    bool spectators = true;
    QJsonObject toJson() const;
    static std::optional<CreateMessage> fromJson(const QJsonObject& body);
};

struct JoinMessage {
    static constexpr const char* Type = "join";
    JoinMessage() = default;
    JoinMessage(QString code, QString name, int seat = -1, QString rulesHash = {}, QString token = {},
                rules::Character fallback = rules::Character::Omakase)
        : code(std::move(code)),
          name(std::move(name)),
          seat(seat),
          rulesHash(std::move(rulesHash)),
          token(std::move(token)),
          fallback(fallback)
    {
    }
    QString code;
    QString name;
    int seat = -1;            // -1: the first free seat of a person
    QString rulesHash;        // empty: not checked
    QString token;            // a seat's token from its welcome: takes that seat back after a drop
    rules::Character fallback = rules::Character::Omakase;  // as create's
    bool web = false;         // joined from the phone page ("client":"web")
    bool spectate = false;    // watches without a seat (seat and token are then ignored)
    // Steps of the room this client has played already (the position after its last step), or -1
    // for none: the catch-up sends only what it missed.
    qint64 seen = -1;
    QJsonObject toJson() const;
    static std::optional<JoinMessage> fromJson(const QJsonObject& body);
};

struct BetMessage {
    static constexpr const char* Type = "bet";
    BetMessage() = default;
    BetMessage(int seat, int bet, std::optional<rules::Reason> reason = std::nullopt, QString contribution = {})
        : seat(seat), bet(bet), reason(std::move(reason)), contribution(std::move(contribution))
    {
    }
    int seat = 0;
    int bet = 0;
    // The room's only: why the character playing a dropped seat bet this.
    std::optional<rules::Reason> reason;
    // A participant's only: its random share of the turn's throws (hex, empty for none).
    QString contribution;
    // The room's only, with the reason: the bet stream's draw (0..2^24-1) the character bet from.
    std::optional<qint64> draw;
    QJsonObject toJson() const;
    static std::optional<BetMessage> fromJson(const QJsonObject& body);
};

struct ReadyMessage {
    static constexpr const char* Type = "ready";
    ReadyMessage() = default;
    ReadyMessage(int seat, QString contribution = {}) : seat(seat), contribution(std::move(contribution)) {}
    int seat = 0;
    QString contribution;  // as the bet's
    QJsonObject toJson() const;
    static std::optional<ReadyMessage> fromJson(const QJsonObject& body);
};

struct CommandMessage {
    static constexpr const char* Type = "command";
    Command command = Command::OpenBets;
    QJsonObject toJson() const;
    static std::optional<CommandMessage> fromJson(const QJsonObject& body);
};

// Asks for the room's full state (StateMessage).
struct ResyncMessage {
    static constexpr const char* Type = "resync";
    QJsonObject toJson() const { return {}; }
    static std::optional<ResyncMessage> fromJson(const QJsonObject&) { return ResyncMessage{}; }
};

// The host ends the room for everybody.
struct EndRoomMessage {
    static constexpr const char* Type = "endRoom";
    QJsonObject toJson() const { return {}; }
    static std::optional<EndRoomMessage> fromJson(const QJsonObject&) { return EndRoomMessage{}; }
};

using ClientMessage = std::variant<CreateMessage, JoinMessage, BetMessage, ReadyMessage, CommandMessage,
                                   ResyncMessage, EndRoomMessage>;

// A client's text frame as a message, or why it is refused; `type` names what was refused.
struct ParsedClientMessage {
    std::optional<ClientMessage> message;
    ErrorCode error = ErrorCode::BadJson;
    QString type;
};
ParsedClientMessage parseClientMessage(const QByteArray& text);

}  // namespace net
