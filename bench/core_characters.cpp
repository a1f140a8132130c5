// Whole games of computer characters played by the game engine: the five characters at one
// table, and each against three おまかせ, under three rule sets. Prints every character's final
// score (mean, median, standard deviation) and how often it ended at or below zero.
//   core_characters [games]      100000 games a line unless told
#include "game/HandOdds.h"
#include "game/TableFlow.h"

#include "FastRandom.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct RuleSet {
    const char* name;
    qint32 nagekai;
    std::vector<int> options;
};

struct Summary {
    double mean = 0, median = 0, spread = 0, atOrBelowZero = 0;
};

Summary summarise(std::vector<qint64>& scores)
{
    Summary s;
    const double n = double(scores.size());
    double sum = 0, squares = 0;
    long long low = 0;
    for (qint64 score : scores) {
        sum += double(score);
        squares += double(score) * double(score);
        low += score <= 0 ? 1 : 0;
    }
    s.mean = sum / n;
    s.spread = std::sqrt(std::max(0.0, squares / n - s.mean * s.mean));
    s.atOrBelowZero = double(low) / n;
    const auto middle = scores.begin() + std::ptrdiff_t(scores.size() / 2);
    std::nth_element(scores.begin(), middle, scores.end());
    s.median = double(*middle);
    return s;
}

// Plays `games` games of the seats' characters; the final score of every seat, by seat.
std::vector<std::vector<qint64>> play(const SettingsRecord& settings, const rules::SeatCharacters& characters,
                                      int games, FastRandom& random)
{
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow(settings, tally, sums);
    flow.useCharacters(characters);
    const auto draw = [&random] { return random.next(); };
    std::vector<std::vector<qint64>> finals(size_t(settings.NINZU));
    for (int game = 0; game < games; ++game) {
        flow.newGame(game % 60);  // the first bank goes round the seats evenly
        do {
            flow.playTurn(draw);
        } while (!flow.endTurn().gameOver);
        for (int seat = 0; seat < settings.NINZU; ++seat)
            finals[size_t(seat)].push_back(flow.state().P_score[seat].value_or(0));
    }
    return finals;
}

void printRow(rules::Character character, std::vector<qint64>& scores)
{
    const Summary s = summarise(scores);
    std::printf("| %s | %+.1f | %+.0f | %.1f | %.2f %% |\n", qPrintable(rules::characterName(character)),
                s.mean - 500, s.median - 500, s.spread, 100 * s.atOrBelowZero);
}

}  // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    // dice.ini's game: 500 points each, bets 5 to 50, three turns a bank, thirty turns.
    SettingsRecord base;
    base.SCORE = 500;
    base.BETMAX = 50;
    base.BETMIN = 5;
    base.OYA = 3;
    base.LAST = 30;
    for (int seat = 0; seat < 6; ++seat)
        base.flag(seat) = 1;
    const std::vector<RuleSet> ruleSets{
        {"plain (NAGEKAI 3, no option)", 3, {}},
        {"NAGEKAI 1 with ｽﾙｰ (option 6)", 1, {6}},
        {"options 4 5 12 with ｽﾙｰ (option 6)", 3, {4, 5, 6, 12}},
    };
    using rules::Character;
    const std::array<Character, 5> all{Character::Omakase, Character::Steady, Character::Calculating, Character::Bold,
                                       Character::Gambler};
    std::printf("%d games of %d turns a line; the figures are the final score less the starting %d\n", games,
                base.LAST, base.SCORE);
    const auto start = std::chrono::steady_clock::now();
    for (const RuleSet& set : ruleSets) {
        SettingsRecord settings = base;
        settings.NAGEKAI = set.nagekai;
        for (int option : set.options)
            settings.check(option) = 1;
        const rules::TurnOdds odds = rules::turnOdds(settings);
        std::printf("\n%s: player %+.4f a bet, banker's edge %s\n", set.name, double(odds.playerExpectation),
                    qPrintable(rules::percentText(odds.bankerEdge)));

        FastRandom random;
        std::printf("\nthe five at one table\n\n| character | mean | median | spread (s.d.) | ended ≤ 0 |\n|---|---|---|---|---|\n");
        settings.NINZU = 5;
        rules::SeatCharacters five{};
        std::copy(all.begin(), all.end(), five.begin());
        auto finals = play(settings, five, games, random);
        for (size_t seat = 0; seat < all.size(); ++seat)
            printRow(all[seat], finals[seat]);

        std::printf("\neach against three おまかせ\n\n| character | mean | median | spread (s.d.) | ended ≤ 0 |\n|---|---|---|---|---|\n");
        settings.NINZU = 4;
        for (Character character : all) {
            FastRandom same;  // every character meets the same dice
            rules::SeatCharacters alone{};
            alone[0] = character;
            auto scores = play(settings, alone, games, same);
            printRow(character, scores[0]);
        }
    }
    std::printf("\n%.1f s\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
