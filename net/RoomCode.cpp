#include "net/RoomCode.h"

namespace net {

namespace {

QLatin1String scheme(bool secure) { return secure ? QLatin1String("qubrins") : QLatin1String("qubrin"); }

}  // namespace

QString newRoomCode(QRandomGenerator& random, QChar tag)
{
    constexpr int letters = sizeof(RoomCodeAlphabet) - 1;
    QString code;
    if (isRoomCodeTag(tag))
        code.append(tag);
    while (code.size() < RoomCodeLength)
        code.append(QLatin1Char(RoomCodeAlphabet[random.bounded(letters)]));
    return code;
}

bool isRoomCode(const QString& code)
{
    if (code.size() != RoomCodeLength)
        return false;
    const QLatin1String alphabet(RoomCodeAlphabet);
    for (const QChar c : code) {
        if (!alphabet.contains(c))
            return false;
    }
    return true;
}

bool isRoomCodeTag(QChar tag) { return !tag.isNull() && QLatin1String(RoomCodeAlphabet).contains(tag); }

QString Invitation::toString() const
{
    QUrl url;
    url.setScheme(scheme(secure));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QLatin1Char('/') + code);
    return url.toString();
}

std::optional<Invitation> Invitation::fromString(const QString& line)
{
    const QUrl url(line.trimmed(), QUrl::StrictMode);
    const QString code = url.path().mid(1).toUpper();
    const bool secure = url.scheme() == scheme(true);
    if (!url.isValid() || (!secure && url.scheme() != scheme(false)) || url.host().isEmpty() || url.port() < 1 ||
        !url.path().startsWith(QLatin1Char('/')) || !isRoomCode(code))
        return std::nullopt;
    return Invitation{url.host(), static_cast<quint16>(url.port()), code, secure};
}

QUrl Invitation::socketUrl() const
{
    QUrl url;
    url.setScheme(secure ? QStringLiteral("wss") : QStringLiteral("ws"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QLatin1Char('/') + code);
    return url;
}

}  // namespace net
