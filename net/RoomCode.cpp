#include "net/RoomCode.h"

namespace net {

QString newRoomCode(QRandomGenerator& random)
{
    constexpr int letters = sizeof(RoomCodeAlphabet) - 1;
    QString code;
    for (int i = 0; i < RoomCodeLength; ++i)
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

QString Invitation::toString() const
{
    QUrl url;
    url.setScheme(QStringLiteral("qubrin"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QLatin1Char('/') + code);
    return url.toString();
}

std::optional<Invitation> Invitation::fromString(const QString& line)
{
    const QUrl url(line.trimmed(), QUrl::StrictMode);
    const QString code = url.path().mid(1).toUpper();
    if (!url.isValid() || url.scheme() != QLatin1String("qubrin") || url.host().isEmpty() || url.port() < 1 ||
        !url.path().startsWith(QLatin1Char('/')) || !isRoomCode(code))
        return std::nullopt;
    return Invitation{url.host(), static_cast<quint16>(url.port()), code};
}

QUrl Invitation::socketUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(host);
    url.setPort(port);
    return url;
}

}  // namespace net
