#include "ui/net/RoomAddress.h"

#include "net/Protocol.h"

#include <QUrl>

namespace {

const QLatin1String SecurePrefix("wss://");

}  // namespace

bool isSecureAddress(const QString& address) { return address.trimmed().startsWith(SecurePrefix, Qt::CaseInsensitive); }

std::optional<net::Invitation> roomAddress(const QString& address, const QString& code)
{
    const bool secure = isSecureAddress(address);
    const QString trimmed = address.trimmed().mid(secure ? SecurePrefix.size() : 0);
    const QUrl url(QStringLiteral("ws://") + trimmed, QUrl::StrictMode);
    const QString upper = code.trimmed().toUpper();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char('/')) || !url.isValid() || url.host().isEmpty() ||
        !url.userInfo().isEmpty() || url.port() == 0 || !net::isRoomCode(upper))
        return std::nullopt;
    return net::Invitation{url.host(), static_cast<quint16>(url.port(net::DefaultPort)), upper, secure};
}

QString addressText(const net::Invitation& invitation)
{
    const QString host = invitation.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + invitation.host + QLatin1Char(']')
                                                                      : invitation.host;
    return (invitation.secure ? QString(SecurePrefix) : QString()) + host + QLatin1Char(':') + QString::number(invitation.port);
}
