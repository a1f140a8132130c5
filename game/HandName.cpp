#include "game/HandName.h"

#include "game/HandRanking.h"

#include <QCoreApplication>

namespace rules {

namespace {

QString text(const char* source) { return QCoreApplication::translate("HandName", source); }

// The face of a triple at any of its values (the 5x and 3x variants included); 0 for no triple.
int tripleFace(qint16 value)
{
    switch (value) {
    case HandValue::OnesPaidFive:
    case HandValue::OnesLoseThree:
        return 1;
    case HandValue::FivesPaidFive:
        return 5;
    default:
        return isPlainTriple(value) ? value - HandValue::TripleBase : 0;
    }
}

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
