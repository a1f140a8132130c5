#include "net/RoomMessages.h"

#include "net/JsonFields.h"
#include "net/MessageParsing.h"
#include "net/NameText.h"
#include "net/ReasonFields.h"

namespace net {
namespace {

constexpr qint64 MaxScore = qint64(1) << 53;  // the largest whole number a JSON double holds exactly
constexpr int MaxThrows = 6 * 5;              // every seat, NAGEKAI at most 5

QJsonArray numberArray(const QVector<qint64>& numbers)
{
    QJsonArray values;
    for (const qint64 number : numbers)
        values.append(number);
    return values;
}

QVector<qint64> bets(JsonFields& fields, const char* key) { return fields.integers(key, 2, 6, 0, 9999); }

QString digest(JsonFields& fields)
{
    const QString text = fields.text("digest", 16);
    fields.require(text.size() == 16);
    return text;
}

QJsonArray seatArray(const QVector<SeatInfo>& seats)
{
    QJsonArray values;
    for (const SeatInfo& seat : seats) {
        QJsonObject value{{"holder", codeName(seat.holder)}, {"name", seat.name}, {"keptMs", seat.keptMs}};
        if (seat.web)
            value.insert(QLatin1String("client"), QLatin1String("web"));
        values.append(value);
    }
    return values;
}

std::optional<QVector<SeatInfo>> readSeats(JsonFields& fields)
{
    QVector<SeatInfo> seats;
    for (const QJsonValue& value : fields.array("seats", 2, 6)) {
        JsonFields seat(value.toObject());
        const std::optional<Holder> holder = holderFromName(seat.text("holder", 16));
        const QString name = seat.text("name", MaxRawNameLength);
        const int kept = static_cast<int>(seat.integerOr("keptMs", 0, MaxRejoinSeconds * 1000, 0));
        if (!value.isObject() || !seat.ok() || !holder)
            return std::nullopt;
        seats.append({*holder, cleanName(name), value.toObject().value(QLatin1String("client")) == QLatin1String("web"), kept});
    }
    return fields.ok() ? std::optional(seats) : std::nullopt;
}

template <typename M>
std::optional<M> when(const JsonFields& fields, M message)
{
    return fields.ok() ? std::optional(std::move(message)) : std::nullopt;
}

}  // namespace

QJsonObject WelcomeMessage::toJson() const
{
    return {{"code", code},
            {"seat", seat},
            {"host", host},
            {"spectator", spectator},
            {"rules", rules.toJson()},
            {"rulesHash", rulesHash},
            {"betSeconds", betSeconds},
            {"rejoinSeconds", rejoinSeconds},
            {"seats", seatArray(seats)},
            {"token", token}};
}

std::optional<WelcomeMessage> WelcomeMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    WelcomeMessage m;
    m.code = fields.text("code", 6);
    m.spectator = fields.has("spectator") && fields.boolean("spectator");
    m.seat = static_cast<int>(fields.integer("seat", m.spectator ? -1 : 0, m.spectator ? -1 : 5));
    m.host = fields.boolean("host");
    m.rulesHash = fields.text("rulesHash", 64);
    m.betSeconds = static_cast<int>(fields.integer("betSeconds", MinBetSeconds, MaxBetSeconds));
    m.rejoinSeconds = static_cast<int>(
        fields.integerOr("rejoinSeconds", 0, MaxRejoinSeconds, DefaultRejoinSeconds));
    m.token = fields.text("token", SeatTokenLength);
    const std::optional<RoomRules> rules = RoomRules::fromJson(fields.object("rules"));
    const std::optional<QVector<SeatInfo>> seats = readSeats(fields);
    fields.require(rules && seats && seats->size() == rules->seats());
    if (!fields.ok())
        return std::nullopt;
    m.rules = *rules;
    m.seats = *seats;
    return m;
}

QJsonObject SeatsMessage::toJson() const { return {{"seats", seatArray(seats)}, {"spectators", spectators}}; }

std::optional<SeatsMessage> SeatsMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    const std::optional<QVector<SeatInfo>> seats = readSeats(fields);
    const int spectators = static_cast<int>(fields.integerOr("spectators", 0, MaxSteps, 0));
    return seats && fields.ok() ? std::optional(SeatsMessage{*seats, spectators}) : std::nullopt;
}

QJsonObject GameStartedMessage::toJson() const { return {{"seconds", seconds}, {"digest", digest}}; }

std::optional<GameStartedMessage> GameStartedMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    GameStartedMessage m;
    m.seconds = static_cast<int>(fields.integer("seconds", 0, 59));
    m.digest = net::digest(fields);
    return when(fields, m);
}

QJsonObject BetsOpenedMessage::toJson() const
{
    return {{"turn", turn},
            {"draws", numberArray(draws)},
            {"bets", numberArray(bets)},
            {"deadlineMs", deadlineMs},
            {"commitment", commitment}};
}

std::optional<BetsOpenedMessage> BetsOpenedMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    BetsOpenedMessage m;
    m.turn = static_cast<int>(fields.integer("turn", 1, 9999));
    m.draws = fields.integers("draws", 0, 6, 0, (1 << 24) - 1);
    m.bets = net::bets(fields, "bets");
    m.deadlineMs = static_cast<int>(fields.integer("deadlineMs", 0, MaxBetSeconds * 1000));
    m.commitment = fields.hexOr("commitment", 64);
    return when(fields, m);
}

QJsonObject BetsClosedMessage::toJson() const
{
    return {{"bets", numberArray(bets)}, {"timedOut", timedOut}, {"contributions", QJsonArray::fromStringList(contributions)}};
}

std::optional<BetsClosedMessage> BetsClosedMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    BetsClosedMessage m;
    m.bets = net::bets(fields, "bets");
    m.timedOut = fields.boolean("timedOut");
    m.contributions = fields.hexesOr("contributions", 6, MaxContributionLength);
    return when(fields, m);
}

QJsonObject ThrownMessage::toJson() const
{
    QJsonArray throws;
    for (const std::array<qint16, 3>& faces : faces)
        throws.append(QJsonArray{faces[0], faces[1], faces[2]});
    return {{"turn", turn}, {"faces", throws}, {"scores", numberArray(scores)}, {"seed", seed}};
}

std::optional<ThrownMessage> ThrownMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    ThrownMessage m;
    m.turn = static_cast<int>(fields.integer("turn", 1, 9999));
    for (const QJsonValue& value : fields.array("faces", 1, MaxThrows)) {
        const QJsonArray faces = value.toArray();
        fields.require(value.isArray() && faces.size() == 3);
        std::array<qint16, 3> thrown{};
        for (int die = 0; die < 3 && fields.ok(); ++die) {
            const QJsonValue face = faces.at(die);
            fields.require(JsonFields::isInteger(face, 1, 6) || JsonFields::isInteger(face, 9, 9));
            thrown[die] = static_cast<qint16>(face.toInt());
        }
        m.faces.append(thrown);
    }
    m.scores = fields.integers("scores", 2, 6, -MaxScore, MaxScore);
    m.seed = fields.hexOr("seed", 64);
    return when(fields, m);
}

QJsonObject TurnEndedMessage::toJson() const { return {{"turn", turn}, {"gameOver", gameOver}, {"digest", digest}}; }

std::optional<TurnEndedMessage> TurnEndedMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    TurnEndedMessage m;
    m.turn = static_cast<int>(fields.integer("turn", 1, 9999));
    m.gameOver = fields.boolean("gameOver");
    m.digest = net::digest(fields);
    return when(fields, m);
}

QJsonObject PassedMessage::toJson() const
{
    QJsonObject body{{"oyaSeat", oyaSeat}, {"moved", moved}, {"digest", digest}};
    insertReason(body, reason);
    return body;
}

std::optional<PassedMessage> PassedMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    PassedMessage m;
    m.oyaSeat = static_cast<int>(fields.integer("oyaSeat", 0, 5));
    m.moved = fields.boolean("moved");
    m.digest = net::digest(fields);
    m.reason = optionalReason(fields);
    return when(fields, m);
}

QJsonObject StateMessage::toJson() const
{
    QJsonArray scoreList;
    for (const std::optional<qint64>& score : scores)
        scoreList.append(score ? QJsonValue(*score) : QJsonValue());
    return {{"phase", codeName(phase)}, {"turn", turn},           {"oyaSeat", oyaSeat},
            {"oyaTurn", oyaTurn},       {"passCount", passCount}, {"oyaMustPass", oyaMustPass},
            {"turnsLeft", turnsLeft},   {"scores", scoreList},    {"bets", numberArray(bets)},
            {"lastBets", numberArray(lastBets)}, {"lastPayments", numberArray(lastPayments)},
            {"ready", numberArray(ready)}, {"deadlineMs", deadlineMs},
            {"digest", digest}};
}

std::optional<StateMessage> StateMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    StateMessage m;
    const std::optional<Phase> phase = phaseFromName(fields.text("phase", 16));
    m.turn = static_cast<int>(fields.integer("turn", 0, 9999));
    m.oyaSeat = static_cast<int>(fields.integer("oyaSeat", 0, 5));
    m.oyaTurn = static_cast<int>(fields.integer("oyaTurn", 0, 32767));
    m.passCount = static_cast<int>(fields.integer("passCount", 0, 32767));
    m.oyaMustPass = static_cast<int>(fields.integer("oyaMustPass", 0, 1));
    m.turnsLeft = fields.integer("turnsLeft", -9999, 9999);
    for (const QJsonValue& score : fields.array("scores", 6, 6)) {
        fields.require(score.isNull() || JsonFields::isInteger(score, -MaxScore, MaxScore));
        m.scores.append(score.isNull() ? std::nullopt : std::optional<qint64>(score.toInteger()));
    }
    m.bets = fields.integers("bets", 6, 6, 0, 9999);
    m.lastBets = fields.integers("lastBets", 6, 6, 0, 9999);
    m.lastPayments = fields.integers("lastPayments", 6, 6, -MaxScore, MaxScore);
    m.ready = fields.integers("ready", 6, 6, 0, 1);
    m.deadlineMs = static_cast<int>(fields.integer("deadlineMs", 0, MaxBetSeconds * 1000));
    m.digest = net::digest(fields);
    fields.require(phase.has_value());
    if (phase)
        m.phase = *phase;
    return when(fields, m);
}

QJsonObject ErrorMessage::toJson() const { return {{"code", codeName(code)}, {"refused", refused}}; }

std::optional<ErrorMessage> ErrorMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    const std::optional<ErrorCode> code = errorCodeFromName(fields.text("code", 32));
    const QString refused = fields.text("refused", 32);
    fields.require(code.has_value());
    return fields.ok() ? std::optional(ErrorMessage{*code, refused}) : std::nullopt;
}

QJsonObject RoomClosedMessage::toJson() const { return {{"reason", codeName(reason)}}; }

std::optional<RoomClosedMessage> RoomClosedMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    const std::optional<CloseReason> reason = closeReasonFromName(fields.text("reason", 32));
    return fields.ok() && reason ? std::optional(RoomClosedMessage{*reason}) : std::nullopt;
}

QJsonObject stepObject(const RoomStep& step)
{
    return std::visit(
        [](const auto& m) {
            QJsonObject body = m.toJson();
            body.insert(QLatin1String("type"), QLatin1String(m.Type));
            return body;
        },
        step);
}

QJsonObject CatchUpMessage::toJson() const
{
    QJsonArray list;
    for (const RoomStep& step : steps)
        list.append(stepObject(step));
    return {{"from", from}, {"steps", list}, {"last", last}};
}

std::optional<CatchUpMessage> CatchUpMessage::fromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    CatchUpMessage m;
    m.from = fields.integer("from", 0, MaxSteps);
    m.last = fields.boolean("last");
    for (const QJsonValue& value : fields.array("steps", 0, MaxKeptSteps)) {
        QJsonObject step = value.toObject();
        const QJsonValue type = step.take(QLatin1String("type"));
        std::variant<RoomStep, ErrorCode> parsed = parseAlternative<RoomStep>(Envelope{type.toString(), step});
        fields.require(value.isObject() && type.isString() && std::holds_alternative<RoomStep>(parsed));
        if (!fields.ok())
            return std::nullopt;
        m.steps.append(std::get<RoomStep>(std::move(parsed)));
    }
    return when(fields, m);
}

std::variant<RoomMessage, ErrorCode> parseRoomMessage(const QByteArray& text)
{
    const std::variant<Envelope, ErrorCode> envelope = readEnvelope(text);
    if (const ErrorCode* error = std::get_if<ErrorCode>(&envelope))
        return *error;
    return parseAlternative<RoomMessage>(std::get<Envelope>(envelope));
}

std::optional<RoomStep> roomStep(const RoomMessage& message)
{
    return std::visit(
        [](const auto& m) -> std::optional<RoomStep> {
            if constexpr (std::is_constructible_v<RoomStep, decltype(m)>)
                return RoomStep{m};
            else
                return std::nullopt;
        },
        message);
}

QByteArray encodeRoomMessage(const RoomMessage& message)
{
    return std::visit([](const auto& m) { return encode(m); }, message);
}

}  // namespace net
