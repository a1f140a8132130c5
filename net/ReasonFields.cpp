#include "net/ReasonFields.h"

#include "net/JsonFields.h"

#include <cmath>

namespace net {
namespace {

using rules::Motive;

struct MotiveWord {
    Motive motive;
    const char* word;
};
constexpr MotiveWord motiveWords[] = {
    {Motive::None, "none"},         {Motive::Random, "random"},
    {Motive::Small, "small"},       {Motive::Larger, "larger"},
    {Motive::Minimum, "minimum"},   {Motive::NoScore, "noScore"},
    {Motive::Kelly, "kelly"},       {Motive::Large, "large"},
    {Motive::AfterWin, "afterWin"}, {Motive::First, "first"},
    {Motive::Restart, "restart"},   {Motive::Same, "same"},
    {Motive::Double, "double"},     {Motive::DoubleToLimit, "doubleToLimit"},
    {Motive::DoubleToScore, "doubleToScore"}, {Motive::KeepBank, "keepBank"},
    {Motive::PassBank, "passBank"},
};

const char* wordOf(Motive motive)
{
    for (const MotiveWord& m : motiveWords) {
        if (m.motive == motive)
            return m.word;
    }
    return "none";
}

std::optional<Motive> motiveOf(const QString& word)
{
    for (const MotiveWord& m : motiveWords) {
        if (word == QLatin1String(m.word))
            return m.motive;
    }
    return std::nullopt;
}

}  // namespace

QJsonObject reasonToJson(const rules::Reason& reason)
{
    return {{"character", rules::characterKey(reason.character)},
            {"motive", QLatin1String(wordOf(reason.motive))},
            {"share", reason.share},
            {"bet", reason.bet},
            {"lastBet", reason.lastBet}};
}

std::optional<rules::Reason> reasonFromJson(const QJsonObject& body)
{
    JsonFields fields(body);
    rules::Reason reason;
    reason.character = rules::characterFromKey(fields.text("character", 16));
    const std::optional<Motive> motive = motiveOf(fields.text("motive", 16));
    const QJsonValue share = body.value(QLatin1String("share"));
    // A reason's bet may name the span it was cut from, and a last bet the table once allowed.
    reason.bet = static_cast<qint16>(fields.integer("bet", -32768, 32767));
    reason.lastBet = static_cast<qint16>(fields.integer("lastBet", -32768, 32767));
    fields.require(motive.has_value() && share.isDouble() && std::isfinite(share.toDouble()));
    if (!fields.ok())
        return std::nullopt;
    reason.motive = *motive;
    reason.share = share.toDouble();
    return reason;
}

void insertReason(QJsonObject& body, const std::optional<rules::Reason>& reason)
{
    if (reason)
        body.insert(QLatin1String("reason"), reasonToJson(*reason));
}

std::optional<rules::Reason> optionalReason(JsonFields& fields)
{
    if (!fields.has("reason"))
        return std::nullopt;
    std::optional<rules::Reason> reason = reasonFromJson(fields.object("reason"));
    fields.require(reason.has_value());
    return reason;
}

}  // namespace net
