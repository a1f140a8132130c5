#include "net/Envelope.h"

#include "net/JsonFields.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace net {

std::variant<Envelope, ErrorCode> readEnvelope(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return ErrorCode::BadJson;
    QJsonObject body = document.object();
    if (!JsonFields::isInteger(body.value(QLatin1String("v")), ProtocolVersion, ProtocolVersion))
        return ErrorCode::BadVersion;
    const QJsonValue type = body.value(QLatin1String("type"));
    if (!type.isString())
        return ErrorCode::UnknownType;
    body.remove(QLatin1String("v"));
    body.remove(QLatin1String("type"));
    return Envelope{type.toString(), body};
}

QByteArray writeEnvelope(const char* type, QJsonObject body)
{
    body.insert(QLatin1String("v"), ProtocolVersion);
    body.insert(QLatin1String("type"), QLatin1String(type));
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

}  // namespace net
