#include "net/StateDigest.h"

#include <QCryptographicHash>

namespace net {

QByteArray digestForm(const TableFlow& flow)
{
    const TableState& s = flow.state();
    QByteArray form = QStringLiteral("turn=%1;oya=%2;oyaTurn=%3;left=%4;passes=%5;scores=")
                          .arg(flow.turn())
                          .arg(s.OyaSeat)
                          .arg(s.OyaTurn)
                          .arg(s.TurnsLeft)
                          .arg(s.PassCount)
                          .toLatin1();
    for (const std::optional<qint64>& score : s.P_score)
        form += (score ? QByteArray::number(*score) : QByteArray("-")) + ',';
    form += ";lastBets=";
    for (const qint16 bet : s.P_lastBet)
        form += QByteArray::number(bet) + ',';
    form += ";lastPayments=";
    for (const qint64 payment : s.P_lastPayment)
        form += QByteArray::number(payment) + ',';
    return form;
}

QString stateDigest(const TableFlow& flow)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(digestForm(flow), QCryptographicHash::Sha256).toHex().left(16));
}

}  // namespace net
