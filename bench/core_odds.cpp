// Plays many turns with the game engine, whole games one after another with the bank passing as in
// play, and sets the simulated figures beside the exact ones: the player's result per unit bet, and
// the chance of each final hand. Every figure must lie
// within four standard errors; the exit status says whether they all do.
// Usage: core_odds [turns per rule set, default 10000000] [settings file, default dice.ini beside the program]
#include "game/HandOdds.h"
#include "game/TableFlow.h"
#include "settings/GameSettings.h"
#include "settings/ProfileSection.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double Limit = 4;  // standard errors

// splitmix64, 24 bits a draw: the grid of the game's random source.
struct Draws {
    std::uint64_t state;
    float next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return float(z >> 40) / float(rules::RandomDrawSteps);
    }
};

struct Tallies {
    long long turns = 0, hands = 0;
    double sum = 0, sumSquares = 0;  // of each turn's mean player result per unit bet
    std::array<long long, rules::HandValueCount> handCount{};
};

// The turn as the game engine settled it: every seat's final hand, and each player's result per unit bet.
void record(const flow::TurnSettled& turn, Tallies& t)
{
    double players = 0;
    int staking = 0;
    for (int seat = 0; seat < turn.seats; ++seat) {
        const flow::SeatOutcome& outcome = turn.seat[size_t(seat)];
        if (outcome.value != 0) {
            ++t.hands;
            ++t.handCount[size_t(outcome.value)];
        }
        if (seat != turn.oyaSeat && outcome.bet > 0) {
            players += double(outcome.payment) / outcome.bet;
            ++staking;
        }
    }
    const double mean = staking > 0 ? players / staking : 0;
    ++t.turns;
    t.sum += mean;
    t.sumSquares += mean * mean;
}

struct RuleSet {
    const char* name;
    std::vector<int> options;
    qint32 nagekai;  // 0: as the settings file has it
};

// The name padded to ten columns of a terminal, where a full-width character takes two.
QByteArray padded(const QString& name)
{
    int columns = 0;
    for (QChar c : name)
        columns += c.unicode() < 0x80 ? 1 : 2;
    return (name + QString(std::max(0, 10 - columns), u' ')).toUtf8();
}

bool report(const QString& what, double exact, double simulated, double standardError)
{
    const double z = standardError > 0 ? (simulated - exact) / standardError : 0;
    const bool within = std::fabs(z) <= Limit;
    std::printf("  %s exact %+.6f  simulated %+.6f  s.e. %.6f  z %+5.2f%s\n", padded(what).constData(), exact,
                simulated, standardError, z, within ? "" : "  OUTSIDE");
    return within;
}

bool check(const RuleSet& set, const SettingsRecord& base, long long turns, std::uint64_t seed)
{
    SettingsRecord s = base;
    for (int n : set.options)
        s.check(n) = 1;
    if (set.nagekai > 0)
        s.NAGEKAI = set.nagekai;
    const rules::TurnOdds odds = rules::turnOdds(s);

    Tallies t;
    Draws draws{seed};
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow table(s, tally, sums);
    const auto draw = [&draws] { return draws.next(); };
    const auto start = std::chrono::steady_clock::now();
    table.newGame(int(seed % 60));
    for (long long i = 0; i < turns; ++i) {
        record(table.playTurn(draw), t);
        if (table.endTurn().gameOver)
            table.newGame(int(i % 60));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("%s (NAGEKAI %d, %d seats): %lld turns, %lld hands in %.1f s\n", set.name, int(s.NAGEKAI),
                s.seatsInPlay(), t.turns, t.hands, seconds);
    const double mean = t.sum / double(t.turns);
    const double variance = t.sumSquares / double(t.turns) - mean * mean;
    bool ok = report(QStringLiteral("player/bet"), double(odds.playerExpectation), mean, std::sqrt(variance / double(t.turns)));
    for (const rules::HandOddsRow& row : odds.rows) {
        const double p = double(row.finalHand);
        const double seen = double(t.handCount[row.value]) / double(t.hands);
        ok = report(row.name, p, seen, std::sqrt(p * (1 - p) / double(t.hands))) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const long long turns = argc > 1 ? std::atoll(argv[1]) : 10000000;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() + "/dice.ini";
    const auto entries = readProfileSection(path);
    if (!entries || turns < 1) {
        std::fprintf(stderr, "usage: core_odds [turns] [settings file]; no settings in %s\n", qPrintable(path));
        return 2;
    }
    SettingsRecord base;
    for (const ProfileEntry& e : *entries)
        setFromText(base, e.key, e.value);

    const RuleSet sets[] = {
        {"settings file", {}, 0},
        {"NAGEKAI 1", {}, 1},
        {"NAGEKAI 5", {}, 5},
        {"options 1 2 (players throw after 6の目 and 1の目)", {1, 2}, 0},
        {"option 3 (1のゾロ目 5x)", {3}, 0},
        {"options 4 5 12", {4, 5, 12}, 0},
    };
    bool ok = true;
    std::uint64_t seed = 0x5EED0DD5ull;
    for (const RuleSet& set : sets)
        ok = check(set, base, turns, seed++) && ok;
    std::printf(ok ? "every figure within %.0f standard errors\n" : "SOME FIGURE OUTSIDE %.0f standard errors\n",
                Limit);
    return ok ? 0 : 1;
}
