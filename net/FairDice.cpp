#include "net/FairDice.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QtEndian>

namespace net {

QByteArray FairDice::newSeed(const std::function<quint32()>& draw)
{
    QByteArray seed(SeedBytes, '\0');
    for (int at = 0; at < SeedBytes; at += 4)
        qToBigEndian(draw(), seed.data() + at);
    return seed;
}

QString FairDice::commitment(const QByteArray& seed)
{
    return QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha256).toHex());
}

QString FairDice::betText(int turn, int index)
{
    return QStringLiteral("qubrin-bets-1;turn=%1;draw=%2").arg(turn).arg(index);
}

QString FairDice::throwText(int turn, int index, const QStringList& contributions)
{
    return QStringLiteral("qubrin-dice-1;turn=%1;draw=%2;contributions=%3")
        .arg(turn)
        .arg(index)
        .arg(contributions.join(QLatin1Char(',')));
}

quint32 FairDice::drawOf(const QByteArray& seed, const QString& text)
{
    const QByteArray mac =
        QMessageAuthenticationCode::hash(text.toLatin1(), seed, QCryptographicHash::Sha256);
    return qFromBigEndian<quint32>(mac.constData());
}

}  // namespace net
