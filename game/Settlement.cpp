#include "game/Settlement.h"

#include "game/HandRanking.h"

#include <algorithm>
#include <limits>

namespace rules {

namespace {

// Scores cannot realistically reach the 64-bit limits; saturating keeps a hostile start harmless.
qint64 addScore(qint64 score, qint64 amount)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(score, amount, &sum))
        return sum;
    return amount > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

bool handPassesBank(qint16 bankerValue, const SettingsRecord& settings)
{
    switch (bankerValue) {
    case pointValue(1):
        return settings.option(11);
    case HandValue::NoHand:
        return settings.option(10);
    case HandValue::OutOfBowl:
        return settings.option(9);
    case HandValue::Hifumi:
    case HandValue::OnesLoseThree:
        return settings.option(8);
    default:
        return false;
    }
}

}  // namespace

int decidedPayFactor(qint16 bankerValue)
{
    if (isPlainTriple(bankerValue))
        return 3;
    switch (bankerValue) {
    case HandValue::OnesPaidFive:
    case HandValue::FivesPaidFive:
        return 5;
    case HandValue::Shigoro:
        return 2;
    case pointValue(6):
        return 1;
    case pointValue(1):
    case HandValue::NoHand:
    case HandValue::OutOfBowl:
        return -1;
    case HandValue::Hifumi:
        return -2;
    case HandValue::OnesLoseThree:
        return -3;
    default:
        return 0;
    }
}

int playerWinPayFactor(qint16 playerValue)
{
    if (playerValue == HandValue::OnesPaidFive || playerValue == HandValue::FivesPaidFive)
        return 5;
    if (isPlainTriple(playerValue))
        return 3;
    if (playerValue == HandValue::Shigoro)
        return 2;
    return 1;
}

int playerLossPayFactor(qint16 playerValue)
{
    if (playerValue == HandValue::Hifumi)
        return 2;
    if (playerValue == HandValue::OnesLoseThree)
        return 3;
    return 1;
}

Settlement settleTurn(const TurnHands& turn, const std::array<qint64, 6>& score,
                      const SettingsRecord& settings)
{
    Settlement result{score, false};
    const int ninzu = std::clamp(turn.ninzu, 0, 6);
    const int oya = turn.oyaSeat;
    if (oya < 0 || oya >= ninzu)
        return result;

    const qint16 oyaValue = turn.yakuValue[oya];
    for (int step = 1; step < ninzu; ++step) {
        const int p = (oya + step) % ninzu;
        const qint16 value = turn.yakuValue[p];
        // Positive: the banker collects from the player.
        qint64 toBanker = 0;
        if (turn.oyaThrown)
            toBanker = qint64(decidedPayFactor(oyaValue)) * turn.bet[p];
        else if (value < oyaValue)
            toBanker = -qint64(playerWinPayFactor(value)) * turn.bet[p];
        else if (value > oyaValue)
            toBanker = qint64(playerLossPayFactor(value)) * turn.bet[p];
        result.score[oya] = addScore(result.score[oya], toBanker);
        result.score[p] = addScore(result.score[p], -toBanker);
    }
    result.oyaMustPass = handPassesBank(oyaValue, settings);
    return result;
}

}  // namespace rules
