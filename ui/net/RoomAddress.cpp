#include "ui/net/RoomAddress.h"

#include "net/Protocol.h"

#include <QUrl>

std::optional<net::Invitation> roomAddress(const QString& address, const QString& code)
{
    const QString trimmed = address.trimmed();
    const QUrl url(QStringLiteral("ws://") + trimmed, QUrl::StrictMode);
    const QString upper = code.trimmed().toUpper();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char('/')) || !url.isValid() || url.host().isEmpty() ||
        !url.userInfo().isEmpty() || url.port() == 0 || !net::isRoomCode(upper))
        return std::nullopt;
    return net::Invitation{url.host(), static_cast<quint16>(url.port(net::DefaultPort)), upper};
}

QString addressText(const net::Invitation& invitation)
{
    const QString host = invitation.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + invitation.host + QLatin1Char(']')
                                                                      : invitation.host;
    return host + QLatin1Char(':') + QString::number(invitation.port);
}
