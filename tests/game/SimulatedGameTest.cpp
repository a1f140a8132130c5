#include "game/TableFlow.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

// A whole game of computer seats played by the engine alone, as the table plays it without pauses.
struct Game : TableListener {
    SettingsRecord settings;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow{settings, tally, sums};
    std::mt19937 random{20240601u};
    std::uniform_real_distribution<float> draw{0.0f, 1.0f};
    qint64 largestSwing = 0;

    Game() { flow.addListener(this); }
    ~Game() override { flow.removeListener(this); }

    float r()
    {
        const float value = draw(random);
        return value < 1.0f ? value : 0.0f;  // some library versions can return the upper bound
    }

    void turnSettled(const flow::TurnSettled& settled) override
    {
        for (int seat = 0; seat < settled.seats; ++seat)
            largestSwing = std::max(largestSwing, std::abs(settled.seat[seat].payment));
    }

    void playTurn()
    {
        flow.playTurn([this] { return r(); });
        flow.endTurn();
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
        s.LAST = 9999;
        s.NAGEKAI = 3;
        for (int seat = 0; seat < 6; ++seat)
            s.flag(seat) = 1;
        for (int n = 1; n <= 12; ++n)
            s.check(n) = qint16(option);
        game.flow.newGame(59);

        constexpr int Turns = 9999;
        for (int turn = 0; turn < Turns; ++turn)
            game.playTurn();

        std::array<qint64, 6> scores{};
        for (int seat = 0; seat < 6; ++seat)
            scores[seat] = game.flow.state().P_score[seat].value_or(0);
        EXPECT_EQ(std::accumulate(scores.begin(), scores.end(), qint64(0)), 6 * qint64(999999))
            << "options " << option;
        // One turn moves a score by at most five payments of 5 x 9999.
        EXPECT_LE(game.largestSwing, 5 * 5 * 9999);
        for (qint64 score : scores)
            EXPECT_LE(std::abs(score - 999999), qint64(Turns) * 5 * 5 * 9999);
        const rules::TallySums sums = rules::tallySums(game.tally, 6);
        EXPECT_EQ(std::accumulate(sums.begin(), sums.end(), 0), 6 * Turns) << "options " << option;
    }
}
