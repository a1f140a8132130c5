#include "game/TableFlow.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

namespace {

using Faces = std::array<qint16, 3>;

float drawOf(qint16 face) { return (float(face) - 0.5f) / 6.001f; }

// A table of computer seats whose characters the test chooses.
struct Table : TableListener {
    SettingsRecord settings;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow{settings, tally, sums};
    rules::SeatCharacters characters{};
    std::vector<flow::BetsOpened> bets;
    std::vector<flow::BankPassed> passes;

    Table(int seats, qint32 nagekai)
    {
        settings.NINZU = qint16(seats);
        settings.SCORE = 1000;
        settings.BETMIN = 10;
        settings.BETMAX = 100;
        settings.OYA = 3;
        settings.LAST = 30;
        settings.NAGEKAI = nagekai;
        for (int seat = 0; seat < seats; ++seat)
            settings.flag(seat) = 1;
        flow.useCharacters(characters);
        flow.addListener(this);
    }
    void betsOpened(const flow::BetsOpened& opened) override { bets.push_back(opened); }
    void bankPassed(const flow::BankPassed& passed) override { passes.push_back(passed); }
};

}  // namespace

TEST(TableFlowCharacters, OmakaseSeatsPlayDrawForDrawAsATableWithoutCharacters)
{
    Table with(5, 3);
    Table without(5, 3);
    without.flow.removeListener(&without);
    TableFlow plain{without.settings, without.tally, without.sums};
    std::mt19937 a(20), b(20);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    with.flow.newGame(7);
    plain.newGame(7);
    for (int turn = 0; turn < 300; ++turn) {
        const flow::TurnSettled x = with.flow.playTurn([&] { return uniform(a); });
        const flow::TurnSettled y = plain.playTurn([&] { return uniform(b); });
        for (int seat = 0; seat < 5; ++seat) {
            ASSERT_EQ(x.seat[seat].bet, y.seat[seat].bet) << turn;
            ASSERT_EQ(x.seat[seat].score, y.seat[seat].score) << turn;
        }
        if (with.flow.endTurn().gameOver) {
            plain.endTurn();
            with.flow.newGame(turn);
            plain.newGame(turn);
        } else {
            plain.endTurn();
        }
    }
    EXPECT_EQ(with.bets.back().reason[(with.bets.back().oyaSeat + 1) % 5].motive, rules::Motive::Random);
    EXPECT_TRUE(with.passes.empty());
}

TEST(TableFlowCharacters, AComputerBankerPassesWhenItsCharacterSaysSoAndTheBankGoesRoundOnceAtMost)
{
    const struct {
        qint32 nagekai;
        rules::Character character;
        int passes;
        rules::Motive bankerReason;
    } cases[] = {
        {1, rules::Character::Calculating, 4, rules::Motive::None},      // −30 % for the banker: round the table
        {3, rules::Character::Calculating, 0, rules::Motive::KeepBank},  // +1.03 %: keeps it
        {1, rules::Character::Gambler, 0, rules::Motive::KeepBank},
        {1, rules::Character::Omakase, 0, rules::Motive::None},
    };
    for (const auto& c : cases) {
        Table t(4, c.nagekai);
        t.settings.P_CHECK6 = 1;
        t.characters.fill(c.character);
        t.flow.newGame(1);  // seat 2 holds the first bank
        std::deque<float> draws(60, drawOf(5));
        draws[0] = draws[1] = draws[2] = 0.5f;
        t.flow.playTurn([&] {
            const float r = draws.empty() ? 0.5f : draws.front();
            if (!draws.empty())
                draws.pop_front();
            return r;
        });
        EXPECT_EQ(int(t.passes.size()), c.passes) << c.nagekai << " " << int(c.character);
        EXPECT_EQ(t.bets.at(0).oyaSeat, 2) << "four passes bring the bank back";
        EXPECT_EQ(t.bets.at(0).reason[2].motive, c.bankerReason) << c.nagekai << " " << int(c.character);
    }
}

TEST(TableFlowCharacters, AGamblerDoublesAfterALossAndStartsAgainAfterAWin)
{
    Table t(2, 3);
    t.settings.flag(0) = 0;  // a person banker: the gambler's bet is the only draw of the bets
    t.settings.OYA = 9;
    t.characters[1] = rules::Character::Gambler;
    t.flow.newGame(1);  // seat 0 holds the bank
    const Faces shigoro{4, 5, 6}, hifumi{1, 2, 3};
    const auto turn = [&](const Faces& banker) {
        std::deque<float> draws{0.5f};
        for (qint16 face : banker)
            draws.push_back(drawOf(face));
        t.flow.playTurn([&] {
            const float r = draws.front();
            draws.pop_front();
            return r;
        });
        t.flow.endTurn();
    };
    turn(shigoro);  // bets 10, pays 20
    turn(shigoro);  // bets 20, pays 40
    turn(hifumi);   // bets 40, is paid 80
    turn(shigoro);  // bets 10 again
    const std::vector<int> expected{10, 20, 40, 10};
    const std::vector<rules::Motive> motives{rules::Motive::First, rules::Motive::Double, rules::Motive::Double,
                                              rules::Motive::Restart};
    ASSERT_EQ(t.bets.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.bets[i].seat[1].bet, expected[i]) << i;
        EXPECT_EQ(t.bets[i].reason[1].motive, motives[i]) << i;
    }
    EXPECT_EQ(t.flow.state().P_lastPayment[0], 0) << "the banker's results are no player's";
}
