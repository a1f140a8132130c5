#include "game/HandName.h"

#include "game/HandRanking.h"

#include <QCoreApplication>

namespace rules {

namespace {

QString text(const char* source) { return QCoreApplication::translate("HandName", source); }

}  // namespace

QString handName(qint16 value)
{
    if (const int face = tripleFace(value))
        return text(QT_TRANSLATE_NOOP("HandName", "%1のゾロ目")).arg(face);
    if (isPoint(value))
        return text(QT_TRANSLATE_NOOP("HandName", "%1の目")).arg(HandValue::PointBase - value);
    switch (value) {
    case HandValue::Shigoro:
        return text(QT_TRANSLATE_NOOP("HandName", "シゴロ"));
    case HandValue::NoHand:
        return text(QT_TRANSLATE_NOOP("HandName", "役なし"));
    case HandValue::OutOfBowl:
        return text(QT_TRANSLATE_NOOP("HandName", "場　外"));
    case HandValue::Hifumi:
        return text(QT_TRANSLATE_NOOP("HandName", "ヒフミ"));
    default:
        return {};
    }
}

}  // namespace rules
