#include "ui/net/PhoneAddresses.h"

#include <QNetworkInterface>

QList<QHostAddress> phoneAddresses()
{
    QList<QHostAddress> ipv4;
    QList<QHostAddress> ipv6;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.isLoopback() || address.isLinkLocal())
                continue;
            (address.protocol() == QAbstractSocket::IPv4Protocol ? ipv4 : ipv6).append(address);
        }
    }
    return ipv4 + ipv6 + QList<QHostAddress>{QHostAddress(QHostAddress::LocalHost)};
}
