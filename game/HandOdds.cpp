#include "game/HandOdds.h"

#include "game/DiceFaces.h"
#include "game/HandRanking.h"
#include "game/Settlement.h"

#include <cmath>

namespace rules {

namespace {

qint16 faceOfDraw(qint32 k) { return throwFace(float(k) / float(RandomDrawSteps)); }

// The first draw whose face is above face; throwFace rises with r and ends out of the bowl (9).
qint32 firstDrawAbove(int face)
{
    qint32 low = 0, high = RandomDrawSteps;
    while (low < high) {
        const qint32 mid = low + (high - low) / 2;
        if (faceOfDraw(mid) > face)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// Calls visit(chance, hand) for every throw of three dice, a die out of the bowl included.
template <typename Visit>
void forEachThrow(const FaceChances& die, const SettingsRecord& settings, Visit visit)
{
    const auto face = [](int i) { return i == 0 ? int(OutOfBowlFace) : i; };
    for (int a = 0; a <= 6; ++a)
        for (int b = 0; b <= 6; ++b)
            for (int c = 0; c <= 6; ++c) {
                const long double chance = die[a] * die[b] * die[c];
                if (chance > 0)
                    visit(chance, rankHand(face(a), face(b), face(c), settings));
            }
}

bool throwsAgain(int value, const SettingsRecord& settings)
{
    return value == 50 || (value == 51 && settings.option(12));
}

// A pay factor to the first or second power.
long double raised(int factor, int power) { return power == 1 ? factor : (long double)factor * factor; }

// The player's result per unit bet, raised to `power`, against a banker's hand that lets the players throw.
long double againstBanker(const HandChances& finalHand, int bankerValue, int power)
{
    long double result = 0;
    for (int value = 1; value < HandValueCount; ++value) {
        if (value < bankerValue)
            result += finalHand[value] * raised(playerWinPayFactor(qint16(value)), power);
        else if (value > bankerValue)
            result += finalHand[value] * raised(-playerLossPayFactor(qint16(value)), power);
    }
    return result;
}

// The mean of the player's result per unit bet raised to `power`: 1 gives the expectation.
long double playerMoment(const HandChances& finalHand, const SettingsRecord& settings, int power)
{
    long double result = 0;
    for (int banker = 1; banker < HandValueCount; ++banker) {
        if (finalHand[banker] == 0)
            continue;
        const long double player = bankerHandDecides(qint16(banker), settings)
                                       ? raised(-decidedPayFactor(qint16(banker)), power)
                                       : againstBanker(finalHand, banker, power);
        result += finalHand[banker] * player;
    }
    return result;
}

}  // namespace

FaceChances realDieChances()
{
    FaceChances die{};
    qint32 below = 0;
    for (int face = 1; face <= 6; ++face) {
        const qint32 above = firstDrawAbove(face);
        die[face] = (long double)(above - below) / RandomDrawSteps;
        below = above;
    }
    die[0] = (long double)(RandomDrawSteps - below) / RandomDrawSteps;
    return die;
}

FaceChances fairDieChances()
{
    FaceChances die{};
    for (int face = 1; face <= 6; ++face)
        die[face] = 1.0L / 6;
    return die;
}

HandChances throwChances(const FaceChances& die, const SettingsRecord& settings)
{
    HandChances chances{};
    forEachThrow(die, settings, [&](long double chance, const Hand& hand) { chances[hand.value] += chance; });
    return chances;
}

HandChances finalHandChances(const HandChances& perThrow, qint32 nagekai, const SettingsRecord& settings)
{
    // Every throw but the last ends the seat's throws unless its hand lets it throw again.
    const int throws = std::max<qint32>(nagekai, 1);
    long double again = 0;
    for (int value = 1; value < HandValueCount; ++value)
        if (throwsAgain(value, settings))
            again += perThrow[value];
    const long double reachLast = std::pow(again, (long double)(throws - 1));
    const long double endsEarly = again < 1 ? (1 - reachLast) / (1 - again) : throws - 1;

    HandChances chances{};
    for (int value = 1; value < HandValueCount; ++value)
        chances[value] = perThrow[value] * (reachLast + (throwsAgain(value, settings) ? 0 : endsEarly));
    return chances;
}

long double playerExpectation(const HandChances& finalHand, const SettingsRecord& settings)
{
    return playerMoment(finalHand, settings, 1);
}

long double playerSecondMoment(const HandChances& finalHand, const SettingsRecord& settings)
{
    return playerMoment(finalHand, settings, 2);
}

int handPayFactor(qint16 value)
{
    return value < 50 ? playerWinPayFactor(value) : -playerLossPayFactor(value);
}

TurnOdds turnOdds(const SettingsRecord& settings)
{
    TurnOdds odds;
    const FaceChances die = realDieChances();
    odds.perThrow = throwChances(die, settings);
    odds.finalHand = finalHandChances(odds.perThrow, settings.NAGEKAI, settings);
    odds.playerExpectation = playerExpectation(odds.finalHand, settings);
    odds.bankerEdge = -odds.playerExpectation;
    odds.playerSecondMoment = playerSecondMoment(odds.finalHand, settings);

    std::array<QString, HandValueCount> names;
    forEachThrow(die, settings, [&](long double, const Hand& hand) { names[hand.value] = hand.name; });
    for (int value = 1; value < HandValueCount; ++value)
        if (odds.perThrow[value] > 0)
            odds.rows.push_back({qint16(value), names[value], odds.perThrow[value], odds.finalHand[value],
                                 handPayFactor(qint16(value))});
    return odds;
}

}  // namespace rules
