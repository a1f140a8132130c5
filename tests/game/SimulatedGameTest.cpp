#include "game/Betting.h"
#include "game/DiceFaces.h"
#include "game/HandRanking.h"
#include "game/Settlement.h"
#include "game/Tally.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

// A whole game of computer seats played through the rules alone, as the table plays a turn.
struct Game {
    SettingsRecord settings;
    std::mt19937 random{20240601u};
    std::uniform_real_distribution<float> draw{0.0f, 1.0f};
    std::array<qint64, 6> score{};
    rules::TallyTable tally{};
    int oya = 0;
    int oyaTurn = 1;
    qint64 largestSwing = 0;

    float r()
    {
        const float value = draw(random);
        return value < 1.0f ? value : 0.0f;  // some library versions can return the upper bound
    }

    qint16 throwSeat()
    {
        rules::Hand hand;
        int throwNo = 0;
        do {
            const int d1 = rules::throwFace(r()), d2 = rules::throwFace(r()), d3 = rules::throwFace(r());
            hand = rules::rankHand(d1, d2, d3, settings);
            ++throwNo;
        } while (throwNo < settings.NAGEKAI && hand.stillThrowing);
        return hand.value;
    }

    void playTurn()
    {
        const int ninzu = settings.NINZU;
        const rules::BetLimits limits = rules::betLimits(settings.BETMIN, settings.BETMAX);
        rules::TurnHands turn{oya, ninzu, false, {}, {}};
        for (int seat = 0; seat < ninzu; ++seat)
            turn.bet[seat] = seat == oya ? 0 : rules::computerBet(r(), limits);
        for (int step = 0; step < ninzu; ++step) {
            const int seat = (oya + step) % ninzu;
            turn.yakuValue[seat] = throwSeat();
            if (seat == oya && rules::bankerHandDecides(turn.yakuValue[seat], settings)) {
                turn.oyaThrown = true;
                break;
            }
        }
        const rules::Settlement result = rules::settleTurn(turn, score, settings);
        for (int seat = 0; seat < ninzu; ++seat) {
            largestSwing = std::max(largestSwing, std::abs(result.score[seat] - score[seat]));
            rules::countHand(tally, seat, turn.yakuValue[seat]);
        }
        score = result.score;
        if (result.oyaMustPass || ++oyaTurn > settings.OYA) {
            oya = (oya + 1) % ninzu;
            oyaTurn = 1;
        }
    }
};

}  // namespace

TEST(SimulatedGame, NineThousandNineHundredNinetyNineTurnsKeepTheSumOfScores)
{
    for (int option : {0, 1}) {
        Game game;
        SettingsRecord& s = game.settings;
        s.NINZU = 6;
        s.SCORE = 999999;
        s.BETMIN = 1;
        s.BETMAX = 9999;
        s.OYA = 3;
        s.NAGEKAI = 3;
        for (int n = 1; n <= 12; ++n)
            s.check(n) = qint16(option);
        game.score.fill(s.SCORE);

        constexpr int Turns = 9999;
        for (int turn = 0; turn < Turns; ++turn)
            game.playTurn();

        EXPECT_EQ(std::accumulate(game.score.begin(), game.score.end(), qint64(0)), 6 * qint64(999999))
            << "options " << option;
        // One turn moves a score by at most five payments of 5 x 9999.
        EXPECT_LE(game.largestSwing, 5 * 5 * 9999);
        for (qint64 score : game.score)
            EXPECT_LE(std::abs(score - 999999), qint64(Turns) * 5 * 5 * 9999);
        const rules::TallySums sums = rules::tallySums(game.tally, 6);
        EXPECT_EQ(std::accumulate(sums.begin(), sums.end(), 0), 6 * Turns) << "options " << option;
    }
}
