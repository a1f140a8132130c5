#include "game/Betting.h"

#include "settings/NumberText.h"

#include <algorithm>
#include <cmath>

namespace rules {

BetLimits betLimits(qint32 betMin, qint32 betMax)
{
    const qint32 max = std::clamp<qint32>(betMax, 0, MaxBetLimit);
    const qint32 min = std::clamp<qint32>(betMin, 0, max);
    return {qint16(min), qint16(max)};
}

qint16 shapeBet(qint64 base, const BetLimits& limits)
{
    const qint16 max = std::clamp<qint16>(limits.max, 0, MaxBetLimit);
    const qint16 min = std::clamp<qint16>(limits.min, 0, max);
    // Past the largest limit the shaped value would only be cut back to it.
    const qint64 b = std::clamp<qint64>(base, 0, MaxBetLimit + 1);
    const double shaped = b <= 999 ? 10.0 * roundHalfEven(double(b) / 10.0 + 0.5)
                                   : 100.0 * roundHalfEven(double(b) / 100.0 + 0.5);
    return qint16(std::clamp<double>(shaped, min, max));
}

qint16 computerBet(float r, const BetLimits& limits)
{
    // NaN and draws outside [0, 1] are taken as the nearest end.
    const double draw = r >= 0.0f ? std::min(double(r), 1.0) : 0.0;
    const double span = double(limits.max) - double(limits.min);
    return shapeBet(qint64(limits.min + roundHalfEven(draw * span)), limits);
}

qint16 firstOffer(const BetLimits& limits)
{
    const double span = double(limits.max) - double(limits.min);
    return shapeBet(qint64(limits.min + roundHalfEven(span / 2.0)), limits);
}

}  // namespace rules
