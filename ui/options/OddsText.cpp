#include "ui/options/OddsText.h"

#include <QCoreApplication>

#include <cstdlib>

namespace oddsText {

QString percent(long double chance) { return QString::number(double(chance) * 100, 'f', 3) + u'%'; }

QString expectation(const rules::TurnOdds& odds)
{
    const double player = double(odds.playerExpectation);
    return QCoreApplication::translate("oddsText", "子の期待値：1ベットあたり %1%2　親の有利：%3%")
        .arg(player < 0 ? QStringLiteral("−") : QStringLiteral("+"))
        .arg(QString::number(std::abs(player), 'f', 4))
        .arg(QString::number(double(odds.bankerEdge) * 100, 'f', 2));
}

QString payFactor(int factor)
{
    return factor >= 0 ? QCoreApplication::translate("oddsText", "%1倍").arg(factor)
                       : QCoreApplication::translate("oddsText", "%1倍負け").arg(-factor);
}

}  // namespace oddsText
