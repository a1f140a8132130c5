#pragma once

#include "net/Protocol.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <variant>

namespace net {

// One message as it travels: a JSON object with the protocol version "v", its "type" and the
// fields of that type beside them.
struct Envelope {
    QString type;
    QJsonObject body;
};

// Refuses text that is not a JSON object (BadJson), carries another version (BadVersion) or no
// type (UnknownType).
std::variant<Envelope, ErrorCode> readEnvelope(const QByteArray& text);
QByteArray writeEnvelope(const char* type, QJsonObject body);

// A message struct M has `static constexpr const char* Type`, `QJsonObject toJson() const` and
// `static std::optional<M> fromJson(const QJsonObject&)`.
template <typename M>
QByteArray encode(const M& message)
{
    return writeEnvelope(M::Type, message.toJson());
}

}  // namespace net
