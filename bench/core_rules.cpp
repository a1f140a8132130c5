// Plays one million turns of six computer seats through the game engine and times them, then
// times the ranking of a hand by itself.
#include "BenchTable.h"
#include "game/HandRanking.h"
#include "game/TableFlow.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// Counts the hands ranked, as a turn history would see the throws.
struct ThrowCounter : TableListener {
    long long throws = 0;
    void diceThrown(const flow::DiceThrown&) override { ++throws; }
};

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    // A new game every 9999 turns keeps the counts meaningful.
    const SettingsRecord settings = sixComputerSeats();
    constexpr int Turns = 1000000;

    FastRandom random;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow(settings, tally, sums);
    ThrowCounter counter;
    flow.addListener(&counter);
    const auto draw = [&random] { return random.next(); };

    const auto turnsStart = std::chrono::steady_clock::now();
    flow.newGame(59);
    for (int t = 0; t < Turns; ++t) {
        flow.playTurn(draw);
        if (flow.endTurn().gameOver)
            flow.newGame(59);
    }
    const double turnsSeconds = secondsSince(turnsStart);
    const long long handsRanked = counter.throws;

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
    for (const auto& s : flow.state().P_score)
        sum += s.value_or(0);
    std::printf("turns: %d in %.3f s = %.0f turns per second (%lld hands ranked, %.2f per turn)\n", Turns,
                turnsSeconds, Turns / turnsSeconds, handsRanked, double(handsRanked) / Turns);
    std::printf("rankHand alone: %.1f ns per hand over %d hands\n", rankSeconds * 1e9 / Hands, Hands);
    std::printf("check: sum of scores %lld (expected %lld), checksum %lld\n", static_cast<long long>(sum),
                6LL * settings.SCORE, checksum);
    return sum == 6LL * settings.SCORE ? 0 : 1;
}
