#include "net/ClientMessages.h"

#include "net/JsonFields.h"
#include "net/MessageParsing.h"
#include "net/NameText.h"
#include "net/ReasonFields.h"

namespace net {
namespace {

constexpr const char* FallbackKey = "character";

// Never a refusal: a missing field, an unknown word or no text at all is おまかせ.
rules::Character fallbackOf(const QJsonObject& body)
{
    return rules::characterFromKey(body.value(QLatin1String(FallbackKey)).toString());
}

void insertFallback(QJsonObject& body, rules::Character fallback)
{
    if (fallback != rules::Character::Omakase)
        body.insert(QLatin1String(FallbackKey), rules::characterKey(fallback));
}

}  // namespace

QJsonObject CreateMessage::toJson() const
{
    QJsonObject body{{"name", name},
                     {"seat", seat},
                     {"rules", rules.toJson()},
                     {"betSeconds", betSeconds},
                     {"rejoinSeconds", rejoinSeconds},
                     {"spectators", spectators}};
    insertFallback(body, fallback);
    return body;
}

std::optional<CreateMessage> CreateMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    CreateMessage message;
    message.name = fields.text("name", MaxRawNameLength);
    message.seat = static_cast<int>(fields.integer("seat", 0, 5));
    message.betSeconds =
        static_cast<int>(fields.integerOr("betSeconds", MinBetSeconds, MaxBetSeconds, DefaultBetSeconds));
    message.rejoinSeconds = static_cast<int>(
        fields.integerOr("rejoinSeconds", MinRejoinSeconds, MaxRejoinSeconds, DefaultRejoinSeconds));
    message.spectators = !fields.has("spectators") || fields.boolean("spectators");
    const std::optional<RoomRules> rules = RoomRules::fromJson(fields.object("rules"));
    fields.require(rules.has_value() && rules->isPersonSeat(message.seat));
    if (!fields.ok())
        return std::nullopt;
    message.name = cleanName(message.name);
    message.rules = *rules;
    message.fallback = fallbackOf(body);
    return message;
}

QJsonObject JoinMessage::toJson() const
{
    QJsonObject body{{"code", code}, {"name", name}};
    if (seat >= 0)
        body.insert(QLatin1String("seat"), seat);
    if (!rulesHash.isEmpty())
        body.insert(QLatin1String("rulesHash"), rulesHash);
    if (!token.isEmpty())
        body.insert(QLatin1String("token"), token);
    if (spectate)
        body.insert(QLatin1String("spectate"), true);
    if (seen >= 0)
        body.insert(QLatin1String("seen"), seen);
    insertFallback(body, fallback);
    if (web)
        body.insert(QLatin1String("client"), QLatin1String("web"));
    return body;
}

std::optional<JoinMessage> JoinMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    JoinMessage message;
    message.code = fields.text("code", 6);
    message.name = fields.text("name", MaxRawNameLength);
    message.seat = static_cast<int>(fields.integerOr("seat", 0, 5, -1));
    if (fields.has("rulesHash")) {
        message.rulesHash = fields.text("rulesHash", 64);
        fields.require(message.rulesHash.size() == 64);
    }
    if (fields.has("token")) {
        message.token = fields.text("token", SeatTokenLength);
        fields.require(message.token.size() == SeatTokenLength);
    }
    message.spectate = fields.has("spectate") && fields.boolean("spectate");
    message.seen = fields.integerOr("seen", 0, MaxSteps, -1);
    if (!fields.ok())
        return std::nullopt;
    message.name = cleanName(message.name);
    message.fallback = fallbackOf(body);
    // Any other client word, or none, is a table window.
    message.web = body.value(QLatin1String("client")) == QLatin1String("web");
    return message;
}

QJsonObject BetMessage::toJson() const
{
    QJsonObject body{{"seat", seat}, {"bet", bet}};
    insertReason(body, reason);
    if (!contribution.isEmpty())
        body.insert(QLatin1String("contribution"), contribution);
    if (draw)
        body.insert(QLatin1String("draw"), *draw);
    return body;
}

std::optional<BetMessage> BetMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    BetMessage message;
    message.seat = static_cast<int>(fields.integer("seat", 0, 5));
    message.bet = static_cast<int>(fields.integer("bet", 0, 9999));
    message.reason = optionalReason(fields);
    message.contribution = fields.hexOr("contribution", MaxContributionLength);
    if (fields.has("draw"))
        message.draw = fields.integer("draw", 0, DrawRange - 1);
    return fields.ok() ? std::optional(message) : std::nullopt;
}

QJsonObject ReadyMessage::toJson() const
{
    QJsonObject body{{"seat", seat}};
    if (!contribution.isEmpty())
        body.insert(QLatin1String("contribution"), contribution);
    return body;
}

std::optional<ReadyMessage> ReadyMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    ReadyMessage message;
    message.seat = static_cast<int>(fields.integer("seat", 0, 5));
    message.contribution = fields.hexOr("contribution", MaxContributionLength);
    return fields.ok() ? std::optional(message) : std::nullopt;
}

QJsonObject CommandMessage::toJson() const { return {{"command", codeName(command)}}; }

std::optional<CommandMessage> CommandMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    const std::optional<Command> command = commandFromName(fields.text("command", 16));
    if (!fields.ok() || !command)
        return std::nullopt;
    return CommandMessage{*command};
}

ParsedClientMessage parseClientMessage(const QByteArray& text)
{
    const std::variant<Envelope, ErrorCode> envelope = readEnvelope(text);
    if (const ErrorCode* error = std::get_if<ErrorCode>(&envelope))
        return {std::nullopt, *error, QString()};
    const Envelope& read = std::get<Envelope>(envelope);
    std::variant<ClientMessage, ErrorCode> parsed = parseAlternative<ClientMessage>(read);
    if (const ErrorCode* error = std::get_if<ErrorCode>(&parsed))
        return {std::nullopt, *error, read.type.left(32)};
    return {std::get<ClientMessage>(std::move(parsed)), ErrorCode::BadJson, read.type};
}

}  // namespace net
