#include "game/TableFlow.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

using Faces = std::array<qint16, 3>;
using SeatEnd = TableFlow::SeatEnd;

const Faces shigoro{4, 5, 6};   // decides at once, passes nothing
const Faces hifumi{1, 2, 3};
const Faces noHand{1, 2, 4};
const Faces twoPoint{3, 3, 2};  // the players throw
const Faces outOfBowl{9, 1, 1};

// A table of person seats (so that no bet takes a draw): the random draws are the dice alone.
struct Table {
    SettingsRecord settings;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow{settings, tally, sums};
    std::deque<float> draws;

    explicit Table(int seats, qint32 oya = 3, qint32 last = 30, qint32 nagekai = 3)
    {
        settings.NINZU = qint16(seats);
        settings.SCORE = 1000;
        settings.BETMIN = 10;
        settings.BETMAX = 100;
        settings.OYA = oya;
        settings.LAST = last;
        settings.NAGEKAI = nagekai;
    }

    // The seconds of the time of day that give `seat` the first bank.
    void newGameWithBanker(int seat) { flow.newGame(seat == 0 ? settings.NINZU - 1 : seat - 1); }

    void script(std::initializer_list<Faces> throws)
    {
        for (const Faces& faces : throws) {
            for (qint16 face : faces)
                draws.push_back(face == 9 ? 0.9999f : (float(face) - 0.5f) / 6.001f);
        }
    }

    float draw()
    {
        if (draws.empty())
            ADD_FAILURE() << "a draw more than scripted";
        const float r = draws.empty() ? 0.5f : draws.front();
        if (!draws.empty())
            draws.pop_front();
        return r;
    }

    flow::TurnSettled playTurn(std::initializer_list<Faces> throws)
    {
        script(throws);
        const flow::TurnSettled settled = flow.playTurn([this] { return draw(); });
        EXPECT_TRUE(draws.empty()) << "every scripted throw is thrown";
        return settled;
    }

    const TableState& state() const { return flow.state(); }
};

// Records what a turn history and a game result are built from.
struct Recorder : TableListener {
    std::vector<flow::DiceThrown> throws;
    std::vector<flow::TurnSettled> settled;
    std::vector<flow::TurnEnded> ended;
    std::vector<flow::BankPassed> passes;
    std::vector<flow::GameOver> over;
    std::vector<flow::GameInterrupted> interrupted;
    int started = 0, betOpenings = 0;

    void gameStarted(const flow::GameStarted&) override { ++started; }
    void betsOpened(const flow::BetsOpened&) override { ++betOpenings; }
    void diceThrown(const flow::DiceThrown& e) override { throws.push_back(e); }
    void turnSettled(const flow::TurnSettled& e) override { settled.push_back(e); }
    void turnEnded(const flow::TurnEnded& e) override { ended.push_back(e); }
    void bankPassed(const flow::BankPassed& e) override { passes.push_back(e); }
    void gameOver(const flow::GameOver& e) override { over.push_back(e); }
    void gameInterrupted(const flow::GameInterrupted& e) override { interrupted.push_back(e); }
};

}  // namespace

TEST(TableFlow, TheBankPassesClockwiseAfterOyaTurnsOrAtOnceWhenTheBankersHandSaysSo)
{
    const struct {
        const char* what;
        int seats;
        qint32 oya;
        int firstBanker;
        int passOnHifumi;  // 1: option 8 on, and the banker throws ヒフミ in the turns marked 'h'
        const char* hands;  // per turn: 's' シゴロ, 'h' ヒフミ
        std::vector<int> bankers;  // banker of each turn, then the banker after the last
    } cases[] = {
        {"three seats, two turns a bank", 3, 2, 2, 0, "ssssss", {2, 2, 0, 0, 1, 1, 2}},
        {"two seats, one turn a bank", 2, 1, 0, 0, "sss", {0, 1, 0, 1}},
        {"no bank turns pass every turn", 4, 0, 1, 0, "sss", {1, 2, 3, 0}},
        {"negative bank turns pass every turn", 3, -5, 0, 0, "sss", {0, 1, 2, 0}},
        {"the largest count never passes", 4, std::numeric_limits<qint32>::max(), 3, 0, "sssss", {3, 3, 3, 3, 3, 3}},
        {"the banker's ヒフミ passes in its first turn", 3, 3, 0, 1, "hss", {0, 1, 1, 1}},
        {"ヒフミ passes only under its option", 3, 3, 0, 0, "hss", {0, 0, 0, 1}},
        {"after a forced pass the next bank runs its full count", 4, 2, 0, 1, "hss", {0, 1, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table t(c.seats, c.oya);
        t.settings.P_CHECK8 = qint16(c.passOnHifumi);
        t.newGameWithBanker(c.firstBanker);
        std::vector<int> bankers;
        for (const char* hand = c.hands; *hand; ++hand) {
            bankers.push_back(t.state().OyaSeat);
            t.playTurn({*hand == 'h' ? hifumi : shigoro});
            t.flow.endTurn();
        }
        bankers.push_back(t.state().OyaSeat);
        EXPECT_EQ(bankers, c.bankers);
        EXPECT_GE(t.state().OyaTurn, 1);
    }
}

TEST(TableFlow, TheGameEndsWhenItsTurnsRunOutAndATurnCountOfZeroOrLessPlaysOneTurn)
{
    const struct {
        qint32 last;
        int turns;
        qint32 leftAtTheEnd;
    } cases[] = {
        {1, 1, 0},
        {3, 3, 0},
        {0, 1, -1},
        {-5, 1, -6},
        {std::numeric_limits<qint32>::min(), 1, std::numeric_limits<qint32>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        Table t(2, 3, c.last);
        Recorder recorder;
        t.flow.addListener(&recorder);
        t.newGameWithBanker(0);
        int turns = 0;
        bool over = false;
        while (!over && turns < 10) {
            t.playTurn({shigoro});
            over = t.flow.endTurn().gameOver;
            ++turns;
        }
        EXPECT_EQ(turns, c.turns);
        EXPECT_EQ(t.state().TurnsLeft, c.leftAtTheEnd);
        ASSERT_EQ(recorder.over.size(), 1u);
        EXPECT_EQ(recorder.over[0].turns, c.turns);
        EXPECT_EQ(recorder.over[0].score[0], 1000 + 2 * 60 * c.turns);  // シゴロ collects 2 x the offer 60
        EXPECT_EQ(recorder.ended.back().turnsLeft, c.leftAtTheEnd);
    }
}

TEST(TableFlow, APassMovesTheBankOnceRoundTheTableAtMostUntilTheBetsOpen)
{
    const struct {
        const char* what;
        int seats;
        qint32 oya;
        std::vector<int> bankers;  // after each pass
        std::vector<bool> moved;
    } cases[] = {
        {"four seats", 4, 3, {1, 2, 3, 0, 0, 0}, {true, true, true, true, false, false}},
        {"two seats", 2, 1, {1, 0, 0}, {true, true, false}},
        // A bank of no turns is over as soon as it is given: it moves on once more.
        {"no bank turns", 4, 0, {2, 0, 2, 0, 0}, {true, true, true, true, false}},
        {"negative bank turns", 3, -1, {2, 1, 0, 0}, {true, true, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table t(c.seats, c.oya);
        Recorder recorder;
        t.flow.addListener(&recorder);
        t.newGameWithBanker(0);
        std::vector<int> bankers;
        std::vector<bool> moved;
        for (size_t click = 0; click < c.bankers.size(); ++click) {
            const flow::BankPassed passed = t.flow.pass();
            bankers.push_back(passed.oyaSeat);
            moved.push_back(passed.moved);
            EXPECT_EQ(t.state().OyaTurn, 1);
        }
        EXPECT_EQ(bankers, c.bankers);
        EXPECT_EQ(moved, c.moved);
        EXPECT_EQ(recorder.passes.size(), c.bankers.size());
        EXPECT_EQ(t.state().TurnsLeft, 30) << "a pass is not a turn";
        EXPECT_EQ(t.flow.turn(), 1);

        // Opening the bets starts the count afresh.
        t.playTurn({shigoro});
        t.flow.endTurn();
        const int banker = t.state().OyaSeat;
        EXPECT_TRUE(t.flow.pass().moved);
        EXPECT_NE(t.state().OyaSeat, banker);
    }
}

TEST(TableFlow, ThePassIsOfferedUnderOptionSixAlwaysAndUnderOptionSevenFromABanksSecondTurn)
{
    const struct {
        qint16 option6, option7;
        bool firstTurn, secondTurn;
    } cases[] = {{0, 0, false, false}, {1, 0, true, true}, {0, 1, false, true}, {1, 1, true, true}};
    for (const auto& c : cases) {
        Table t(3, 3);
        t.settings.P_CHECK6 = c.option6;
        t.settings.P_CHECK7 = c.option7;
        t.newGameWithBanker(0);
        EXPECT_EQ(t.flow.mayPass(), c.firstTurn) << c.option6 << c.option7;
        t.playTurn({shigoro});
        t.flow.endTurn();
        EXPECT_EQ(t.flow.mayPass(), c.secondTurn) << c.option6 << c.option7;
        t.flow.pass();
        EXPECT_EQ(t.flow.mayPass(), c.firstTurn) << "a new bank starts at its first turn";
    }
}

TEST(TableFlow, ASeatThrowsAgainOnlyWithoutAHandAndWithinItsThrows)
{
    const struct {
        const char* what;
        qint32 nagekai;
        qint16 outOfBowlLikeNoHand;
        std::initializer_list<Faces> playerThrows;
        qint32 thrown;
        qint16 value;
    } cases[] = {
        {"a hand at once", 3, 0, {twoPoint}, 1, 38},
        {"no hand three times", 3, 0, {noHand, noHand, noHand}, 3, 50},
        {"a hand at the second throw", 3, 0, {noHand, shigoro}, 2, 20},
        {"one throw allowed", 1, 0, {noHand}, 1, 50},
        {"no throw count still throws once", 0, 0, {noHand}, 1, 50},
        {"a negative count still throws once", -4, 0, {noHand}, 1, 50},
        {"out of the bowl ends the throws", 3, 0, {outOfBowl}, 1, 51},
        {"out of the bowl as no hand throws again", 3, 1, {outOfBowl, twoPoint}, 2, 38},
        {"out of the bowl at the last throw stands", 2, 1, {outOfBowl, outOfBowl}, 2, 51},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table t(2, 3, 30, c.nagekai);
        t.settings.P_CHECK12 = c.outOfBowlLikeNoHand;
        t.newGameWithBanker(0);
        t.script({{2, 2, 4}});  // the banker's 4の目: the player throws
        t.script(c.playerThrows);
        Recorder recorder;
        t.flow.addListener(&recorder);
        t.flow.playTurn([&t] { return t.draw(); });
        EXPECT_TRUE(t.draws.empty());
        EXPECT_EQ(t.state().P_yakuValue[1], c.value);
        ASSERT_EQ(recorder.throws.size(), size_t(c.thrown) + 1);
        EXPECT_EQ(recorder.throws.back().throwNo, c.thrown);
        EXPECT_FALSE(recorder.throws.back().throwsAgain);
        t.flow.removeListener(&recorder);
    }
}

TEST(TableFlow, BetsComeFromTheDrawForTheComputerAndFromTheLastBetForAPerson)
{
    Table t(4);
    t.settings.P_FLG1 = 1;
    t.settings.P_FLG3 = 1;
    t.newGameWithBanker(0);
    int draws = 0;
    const auto draw = [&draws] { return ++draws == 1 ? 0.0f : 0.999f; };
    flow::BetsOpened bets = t.flow.openBets(draw);
    EXPECT_EQ(draws, 2) << "one draw per computer player";
    const flow::BetKind kinds[] = {flow::BetKind::Banker, flow::BetKind::Computer, flow::BetKind::PersonOffered,
                                   flow::BetKind::Computer};
    const qint16 amounts[] = {0, 20, 60, 100};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(bets.seat[seat].kind, kinds[seat]) << seat;
        EXPECT_EQ(bets.seat[seat].bet, amounts[seat]) << seat;
        EXPECT_EQ(t.state().P_bet[seat], amounts[seat]) << seat;
    }

    // The person moves the bar to 73 and throws: 73 is offered again, as it stands.
    t.flow.setBet(2, 73);
    t.flow.startThrows();
    EXPECT_EQ(t.state().P_lastBet[2], 73);
    bets = t.flow.openBets(draw);
    EXPECT_EQ(bets.seat[2].kind, flow::BetKind::PersonAgain);
    EXPECT_EQ(bets.seat[2].bet, 73);
}

TEST(TableFlow, TheEventsCarryATurnHistoryAndTheGameResult)
{
    Table t(3, 3, 2);
    Recorder recorder;
    t.flow.addListener(&recorder);
    t.newGameWithBanker(0);
    EXPECT_EQ(recorder.started, 1);

    // The banker's 2の目 lets the players throw: seat 1 makes 6のゾロ目 at its second throw, seat 2 ヒフミ.
    t.playTurn({twoPoint, noHand, {6, 6, 6}, hifumi});
    const struct {
        int seat, throwNo;
        Faces faces;
        qint16 value;
        bool again;
    } throws[] = {{0, 1, twoPoint, 38, false}, {1, 1, noHand, 50, true}, {1, 2, {6, 6, 6}, 16, false},
                  {2, 1, hifumi, 60, false}};
    ASSERT_EQ(recorder.throws.size(), std::size(throws));
    for (size_t i = 0; i < std::size(throws); ++i) {
        const flow::DiceThrown& e = recorder.throws[i];
        EXPECT_EQ(e.turn, 1);
        EXPECT_EQ(e.seat, throws[i].seat) << i;
        EXPECT_EQ(e.throwNo, throws[i].throwNo) << i;
        EXPECT_EQ(e.faces, throws[i].faces) << i;
        EXPECT_EQ(e.value, throws[i].value) << i;
        EXPECT_EQ(e.throwsAgain, throws[i].again) << i;
    }
    // Seat 1 collects 3 x 60, seat 2 pays 2 x 60.
    const struct {
        qint16 value, bet;
        qint64 payment, score;
    } first[] = {{38, 0, -60, 940}, {16, 60, 180, 1180}, {60, 60, -120, 880}};
    ASSERT_EQ(recorder.settled.size(), 1u);
    const flow::TurnSettled& turn1 = recorder.settled[0];
    EXPECT_EQ(turn1.turn, 1);
    EXPECT_EQ(turn1.oyaSeat, 0);
    EXPECT_EQ(turn1.oyaTurn, 1);
    EXPECT_FALSE(turn1.oyaThrown);
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(turn1.seat[seat].value, first[seat].value) << seat;
        EXPECT_EQ(turn1.seat[seat].bet, first[seat].bet) << seat;
        EXPECT_EQ(turn1.seat[seat].payment, first[seat].payment) << seat;
        EXPECT_EQ(turn1.seat[seat].score, first[seat].score) << seat;
        int counted = 0;
        for (const auto& row : t.tally)
            counted += row[seat];
        EXPECT_EQ(counted, 1) << "every seat's final hand is counted once, seat " << seat;
    }
    const flow::TurnEnded end1 = t.flow.endTurn();
    EXPECT_EQ(end1.turn, 1);
    EXPECT_FALSE(end1.bankPassed);
    EXPECT_EQ(end1.oyaTurn, 2);
    EXPECT_EQ(end1.turnsLeft, 1);
    EXPECT_FALSE(end1.gameOver);
    EXPECT_EQ(t.flow.turn(), 2);

    // シゴロ decides the second turn: nobody else throws, and each player pays 2 x 60.
    t.playTurn({shigoro});
    ASSERT_EQ(recorder.settled.size(), 2u);
    const flow::TurnSettled& turn2 = recorder.settled[1];
    EXPECT_EQ(turn2.turn, 2);
    EXPECT_TRUE(turn2.oyaThrown);
    EXPECT_EQ(turn2.seat[1].value, 0);
    EXPECT_EQ(turn2.seat[0].payment, 240);
    EXPECT_EQ(recorder.throws.size(), 5u);
    EXPECT_TRUE(t.flow.endTurn().gameOver);
    ASSERT_EQ(recorder.over.size(), 1u);
    EXPECT_EQ(recorder.over[0].turns, 2);
    EXPECT_EQ(recorder.over[0].score, (std::array<qint64, 6>{1180, 1060, 760, 0, 0, 0}));
    EXPECT_EQ(recorder.betOpenings, 2);

    // Giving the game up reports the scores as they stood and empties them.
    t.flow.interrupt();
    ASSERT_EQ(recorder.interrupted.size(), 1u);
    EXPECT_EQ(recorder.interrupted[0].finalScore[1], 1060);
    EXPECT_FALSE(recorder.interrupted[0].finalScore[3].has_value());
    for (const auto& score : t.state().P_score)
        EXPECT_FALSE(score.has_value());
}

TEST(TableFlow, ABankersDecisiveHandEndsTheThrowingAndAnOrdinaryPointLetsEverySeatThrow)
{
    const struct {
        Faces banker;
        SeatEnd end;
    } cases[] = {{shigoro, SeatEnd::BankerDecided}, {{6, 6, 1}, SeatEnd::BankerDecided},
                 {{1, 1, 6}, SeatEnd::BankerDecided}, {twoPoint, SeatEnd::NextSeat},
                 {{5, 5, 4}, SeatEnd::NextSeat}, {hifumi, SeatEnd::BankerDecided}};
    for (const auto& c : cases) {
        Table t(3);
        t.newGameWithBanker(2);
        t.flow.openBets([] { return 0.0f; });
        t.flow.startThrows();
        t.flow.startSeat();
        t.flow.startThrow();
        t.flow.rollDice(c.banker);
        t.flow.judgeHand();
        t.flow.recordHand();
        EXPECT_EQ(t.flow.endSeat(), c.end) << c.banker[0] << c.banker[1] << c.banker[2];
        EXPECT_EQ(t.state().OyaThrown, c.end == SeatEnd::BankerDecided ? 1 : 0);
        EXPECT_EQ(t.state().ThrowSeat, c.end == SeatEnd::BankerDecided ? 2 : 0) << "clockwise from the banker";
    }
}
