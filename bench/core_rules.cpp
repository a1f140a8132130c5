// Plays one million turns of six computer seats through the rules alone and times them, then
// times the ranking of a hand by itself.
#include "game/Betting.h"
#include "game/DiceFaces.h"
#include "game/HandRanking.h"
#include "game/Settlement.h"
#include "game/Tally.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// xorshift64*: fast, good enough for dice in a benchmark.
struct FastRandom {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    float next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        const std::uint64_t x = state * 0x2545F4914F6CDD1Dull;
        return float(x >> 40) * 0x1.0p-24f;  // 24 random bits: 0 <= r < 1
    }
};

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    SettingsRecord settings;
    settings.NINZU = 6;
    settings.SCORE = 100000;
    settings.BETMIN = 10;
    settings.BETMAX = 1000;
    settings.OYA = 3;
    settings.NAGEKAI = 3;
    const rules::BetLimits limits = rules::betLimits(settings.BETMIN, settings.BETMAX);
    constexpr int Turns = 1000000;
    const int ninzu = settings.NINZU;

    FastRandom random;
    std::array<qint64, 6> score;
    score.fill(settings.SCORE);
    rules::TallyTable tally{};
    int oya = 0, oyaTurn = 1;
    long long handsRanked = 0;

    const auto turnsStart = std::chrono::steady_clock::now();
    for (int t = 0; t < Turns; ++t) {
        rules::TurnHands turn{oya, ninzu, false, {}, {}};
        for (int seat = 0; seat < ninzu; ++seat)
            turn.bet[seat] = seat == oya ? 0 : rules::computerBet(random.next(), limits);
        for (int step = 0; step < ninzu; ++step) {
            const int seat = (oya + step) % ninzu;
            rules::Hand hand;
            int throwNo = 0;
            do {
                const int d1 = rules::throwFace(random.next());
                const int d2 = rules::throwFace(random.next());
                const int d3 = rules::throwFace(random.next());
                hand = rules::rankHand(d1, d2, d3, settings);
                ++handsRanked;
            } while (++throwNo < settings.NAGEKAI && hand.stillThrowing);
            turn.yakuValue[seat] = hand.value;
            if (seat == oya && rules::bankerHandDecides(hand.value, settings)) {
                turn.oyaThrown = true;
                break;
            }
        }
        const rules::Settlement result = rules::settleTurn(turn, score, settings);
        score = result.score;
        for (int seat = 0; seat < ninzu; ++seat)
            rules::countHand(tally, seat, turn.yakuValue[seat]);
        if (result.oyaMustPass || ++oyaTurn > settings.OYA) {
            oya = (oya + 1) % ninzu;
            oyaTurn = 1;
        }
        if ((t + 1) % 9999 == 0)  // a new game every 9999 turns keeps the counts meaningful
            tally = {};
    }
    const double turnsSeconds = secondsSince(turnsStart);

    // Ranking alone, over dice drawn beforehand so that only rankHand is timed.
    constexpr int Hands = 4000000;
    std::vector<std::array<std::int8_t, 3>> dice(Hands);
    for (auto& d : dice)
        d = {std::int8_t(rules::throwFace(random.next())), std::int8_t(rules::throwFace(random.next())),
             std::int8_t(rules::throwFace(random.next()))};
    long long checksum = 0;
    const auto rankStart = std::chrono::steady_clock::now();
    for (const auto& d : dice) {
        const rules::Hand hand = rules::rankHand(d[0], d[1], d[2], settings);
        checksum += hand.value + hand.name.size();
    }
    const double rankSeconds = secondsSince(rankStart);

    qint64 sum = 0;
    for (qint64 s : score)
        sum += s;
    std::printf("turns: %d in %.3f s = %.0f turns per second (%lld hands ranked, %.2f per turn)\n", Turns,
                turnsSeconds, Turns / turnsSeconds, handsRanked, double(handsRanked) / Turns);
    std::printf("rankHand alone: %.1f ns per hand over %d hands\n", rankSeconds * 1e9 / Hands, Hands);
    std::printf("check: sum of scores %lld (expected %lld), checksum %lld\n", static_cast<long long>(sum),
                6LL * settings.SCORE, checksum);
    return sum == 6LL * settings.SCORE ? 0 : 1;
}
