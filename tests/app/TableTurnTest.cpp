#include "TableFixture.h"

#include "state/Program.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/Twips.h"

#include <QAction>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

const QColor bankerPanel(196, 196, 255);
const QColor playerPanel(192, 255, 192);

struct Phase {
    bool bent, turn, turn2, suru, gamein, gameout;
};

Phase phaseOf(const frmMain& t)
{
    return {t.bent_Label->isEnabled(), t.turn_Label->isEnabled(), t.turn2_Label->isEnabled(),
            t.suru_Label->isEnabled() && !t.suru_Label->isHidden(), t.Gamein->isEnabled(),
            t.Gameout->isEnabled()};
}

void expectPhase(const frmMain& t, const Phase& expected, const char* where)
{
    const Phase actual = phaseOf(t);
    EXPECT_EQ(actual.bent, expected.bent) << where;
    EXPECT_EQ(actual.turn, expected.turn) << where;
    EXPECT_EQ(actual.turn2, expected.turn2) << where;
    EXPECT_EQ(actual.suru, expected.suru) << where;
    EXPECT_EQ(actual.gamein, expected.gamein) << where;
    EXPECT_EQ(actual.gameout, expected.gameout) << where;
}

}  // namespace

class TableTurn : public ::testing::Test, public TableFixture {
protected:
    // Seat 0 banks against seat 1; the bets are open and the dice are next.
    void openTwoSeatBets(const std::map<QString, QString>& overrides = {})
    {
        std::map<QString, QString> settings = overrides;
        settings.emplace("NINZU", "2");
        open(settings);
        platform.seconds = 1;
        newGame();
        scriptBets({0.0f});
        openBets();
    }

    // Seat 0 (a person) banks against three computer seats betting 20, 60 and 100.
    void openFourSeatBets()
    {
        open();
        platform.seconds = 3;
        newGame();
        scriptBets({0.0f, 0.5f, 0.999f});
        openBets();
    }
};

TEST_F(TableTurn, NewGameLaysOutTheSeatsInPlayAndOpensTheFirstTurn)
{
    open();
    platform.seconds = 3;  // (3 + 1) mod 4: seat 0 holds the first bank
    newGame();
    frmMain& t = *table;
    EXPECT_EQ(t.gameLab->text(), "game 1");
    EXPECT_EQ(t.changeLab->text(), "change 1");
    EXPECT_EQ(t.oya->text(), "oya 0");
    EXPECT_EQ(t.LabLAST->text(), "5");
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(t.P_scoLab[seat]->text(), "1000");
        EXPECT_FALSE(t.P_Shape2[seat]->isHidden());
        EXPECT_EQ(t.HScr[seat]->minimum(), 10);
        EXPECT_EQ(t.HScr[seat]->maximum(), 100);
    }
    EXPECT_EQ(t.P_nameLab[1]->text(), "タロウ");
    for (int seat = 4; seat < 6; ++seat) {
        EXPECT_TRUE(t.P_Shape2[seat]->isHidden());
        EXPECT_TRUE(t.P_Picture[seat]->isHidden());
        EXPECT_TRUE(t.P_nameLab[seat]->text().isEmpty());
    }
    EXPECT_EQ(t.height(), twips(5175));
    EXPECT_TRUE(t.Image4[1]->isHidden());
    EXPECT_EQ(t.oya_Lab[0]->text(), "親１戦");
    EXPECT_EQ(t.P_Shape2[0]->fillColor(), bankerPanel);
    EXPECT_EQ(t.P_Shape2[1]->fillColor(), playerPanel);
    // A person bets with a scroll bar, the computer's seats show their marker instead.
    EXPECT_FALSE(t.HScr[0]->isHidden());
    EXPECT_TRUE(t.auto_Image[0]->isHidden());
    EXPECT_TRUE(t.HScr[1]->isHidden());
    EXPECT_FALSE(t.auto_Image[1]->isHidden());
    expectPhase(t, {true, false, false, false, false, true}, "bets open");
    EXPECT_FALSE(t.iniread->isEnabled());
    EXPECT_EQ(platform.sounds, QStringList{"beep1.wav"});
    EXPECT_EQ(TableFixture::shown(t.P_Picture[2]), picture("img3.gif"));
}

TEST_F(TableTurn, FiveOrSixSeatsMakeTheWindowTallAndShowTheSecondArrow)
{
    for (const int seats : {5, 6}) {
        open({{"NINZU", QString::number(seats)}});
        newGame();
        EXPECT_EQ(table->height(), twips(6825));
        EXPECT_FALSE(table->Image4[1]->isHidden());
        EXPECT_EQ(table->P_Shape2[5]->isHidden(), seats == 5);
    }
}

TEST_F(TableTurn, OpeningTheBetsOffersEachSeatItsBet)
{
    open();
    platform.seconds = 0;  // seat 1 holds the bank
    newGame();
    scriptBets({0.0f, 0.5f});  // seats 2 and 3: bases 10 and 55 shape to 20 and 60
    openBets();
    frmMain& t = *table;
    EXPECT_EQ(t.Turn->text(), "ベントして下さい");
    EXPECT_EQ(t.P_betLab[0]->text(), "60");  // a person's first offer: base 55
    EXPECT_EQ(t.HScr[0]->value(), 60);
    EXPECT_TRUE(t.HScr[0]->isEnabled());
    EXPECT_TRUE(t.P_betLab[1]->text().isEmpty());
    EXPECT_TRUE(t.HScr[1]->isHidden());
    EXPECT_EQ(t.P_betLab[2]->text(), "20");
    EXPECT_EQ(t.P_betLab[3]->text(), "60");
    EXPECT_EQ(t.state.P_bet, (std::array<qint16, 6>{60, 0, 20, 60, 0, 0}));
    expectPhase(t, {false, true, false, false, false, true}, "bets placed");
    EXPECT_EQ(platform.sounds.last(), "beep4.wav");

    // The person moves the scroll bar; that bet is offered again at the next turn, unshaped.
    t.HScr[0]->setValue(73);
    EXPECT_EQ(t.P_betLab[0]->text(), "73");
    EXPECT_EQ(t.state.P_bet[0], 73);
    scriptThrows({{4, 5, 6}});
    throwDice();
    nextTurn();
    scriptBets({0.0f, 0.0f});
    openBets();
    EXPECT_EQ(t.P_betLab[0]->text(), "73");
    EXPECT_EQ(t.state.P_bet[0], 73);
}

TEST_F(TableTurn, ABankersDecisiveHandLeavesThePlayersDiceEmpty)
{
    openFourSeatBets();
    scriptThrows({{4, 6, 5}});
    throwDice();
    frmMain& t = *table;
    EXPECT_EQ(t.state.OyaThrown, 1);
    EXPECT_EQ(t.P_yaku[0]->text(), "シゴロ");
    EXPECT_EQ(t.P_yaku[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(t.P_Label[0]->text(), "20");
    EXPECT_EQ(t.P_kail[0]->text(), "1投目");
    EXPECT_EQ(TableFixture::shown(t.Image2[0]), picture("6_.gif"));
    for (int seat = 1; seat < 4; ++seat) {
        EXPECT_TRUE(t.P_kail[seat]->text().isEmpty());
        EXPECT_TRUE(t.Image1[seat]->pixmap().isNull());
        EXPECT_EQ(t.state.P_yakuValue[seat], 0);
    }
    // シゴロ collects twice every bet: 2 × (20 + 60 + 100).
    EXPECT_EQ(t.P_scoLab[0]->text(), "1360");
    EXPECT_EQ(t.P_scoLab[1]->text(), "960");
    EXPECT_EQ(t.P_scoLab[2]->text(), "880");
    EXPECT_EQ(t.P_scoLab[3]->text(), "800");
    EXPECT_EQ(t.Turn->text(), "ターン終了");
    expectPhase(t, {false, false, true, false, false, true}, "turn over");
    EXPECT_EQ(platform.sounds, (QStringList{"beep1.wav", "beep4.wav", "beep7.wav", "beep2.wav"}));
    EXPECT_EQ(program::RollTally[7][0], 1);
    EXPECT_EQ(program::RollTally[20][1], 1);
}

TEST_F(TableTurn, SeatsThrowAgainAfterNoHandUpToTheirLimit)
{
    openFourSeatBets();
    scriptThrows({{3, 3, 2},                        // banker: 2の目, the players throw
                  {1, 2, 4}, {1, 3, 5}, {2, 4, 6},  // seat 1: three times 役なし
                  {1, 2, 4}, {3, 5, 3},             // seat 2: 5の目 at the second throw
                  {6, 6, 6}});                      // seat 3: 6のゾロ目 at once
    throwDice();
    frmMain& t = *table;
    EXPECT_EQ(t.P_yaku[0]->text(), "2の目");
    EXPECT_EQ(t.P_yaku[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(t.P_kail[1]->text(), "3投目");
    EXPECT_EQ(t.P_yaku[1]->text(), "役なし");
    EXPECT_EQ(t.P_yaku[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(t.P_kail[2]->text(), "2投目");
    EXPECT_EQ(t.P_yaku[2]->text(), "5の目");
    EXPECT_EQ(t.P_Label[2]->text(), "35");
    EXPECT_EQ(t.P_kail[3]->text(), "1投目");
    EXPECT_EQ(t.P_yaku[3]->text(), "6のゾロ目");
    // Seat 1 pays 20, seat 2 collects 60, seat 3 collects 3 × 100.
    EXPECT_EQ(t.P_scoLab[0]->text(), "660");
    EXPECT_EQ(t.P_scoLab[1]->text(), "980");
    EXPECT_EQ(t.P_scoLab[2]->text(), "1060");
    EXPECT_EQ(t.P_scoLab[3]->text(), "1300");
    EXPECT_EQ(platform.sounds.count("beep7.wav"), 7);
}

TEST_F(TableTurn, ADieOutOfTheBowlEndsTheThrowsUnlessItCountsAsNoHand)
{
    for (const bool likeNoHand : {false, true}) {
        openTwoSeatBets({{"P_CHECK12", likeNoHand ? "1" : "0"}});
        scriptThrows({{2, 2, 5}, {9, 1, 1}, {3, 3, 1}});
        throwDice();
        frmMain& t = *table;
        if (likeNoHand) {
            EXPECT_EQ(t.P_kail[1]->text(), "2投目");
            EXPECT_EQ(t.P_yaku[1]->text(), "1の目");
        } else {
            EXPECT_EQ(t.P_kail[1]->text(), "1投目");
            EXPECT_EQ(t.P_yaku[1]->text(), "場　外");
            EXPECT_EQ(t.P_Label[1]->text(), "51");
            // After a die leaves the bowl, all three show the out-of-bowl picture.
            for (const QLabel* die : {t.Image1[1], t.Image2[1], t.Image3[1]})
                EXPECT_EQ(TableFixture::shown(die), picture("9_.gif"));
        }
        platform.draws.clear();
    }
}

TEST_F(TableTurn, EveryPauseOfAThrowFollowsTheSpeedLevel)
{
    openTwoSeatBets();
    scriptThrows({{4, 5, 6}});
    platform.waits.clear();
    throwDice();
    QList<int> expected{560, 560, 140, 10};
    for (int frame = 0; frame < 10; ++frame)
        expected.append(30);
    expected << 280 << 100 << 350;
    EXPECT_EQ(platform.waits, expected);
}

TEST_F(TableTurn, NothingCanChangeTheGameWhileTheDiceRoll)
{
    open();
    newGame();
    openBets();
    bool checked = false;
    platform.duringWait = [&] {
        if (checked)
            return;
        checked = true;
        const frmMain& t = *table;
        expectPhase(t, {false, false, false, false, false, false}, "throwing");
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_FALSE(t.HScr[seat]->isEnabled());
        for (const QAction* stillOn : {t.setting, t.total, t.P_speedHi, t.P_soundoff, t.P_Help1, t.GameEnd})
            EXPECT_TRUE(stillOn->isEnabled()) << stillOn->objectName().toStdString();
    };
    throwDice();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(table->turn2_Label->isEnabled());
}

TEST_F(TableTurn, SpeedAndSoundChangedDuringTheThrowsTakeEffectAtOnce)
{
    openTwoSeatBets();
    scriptThrows({{4, 5, 6}});
    int pauses = 0;
    platform.duringWait = [&] {
        if (++pauses == 1)
            program::SpeedLevel = 3;
    };
    platform.waits.clear();
    throwDice();
    EXPECT_EQ(platform.waits.mid(0, 3), (QList<int>{560, 240, 60}));
    EXPECT_TRUE(platform.sounds.contains("beep3.wav"));

    nextTurn();
    scriptBets({0.0f});
    openBets();
    scriptThrows({{4, 5, 6}});
    platform.sounds.clear();
    platform.duringWait = [] { program::SoundFlag = 0; };
    throwDice();
    EXPECT_TRUE(platform.sounds.isEmpty());
}

// Each case needs a table of its own: once closed, the program is ending.
TEST(TableClosing, ClosingTheTableWhileTheDiceRollEndsTheSequenceCleanly)
{
    for (const int stopAt : {1, 3, 9, 17}) {
        TableFixture f;
        f.open();
        f.newGame();
        f.openBets();
        int pauses = 0;
        f.platform.duringWait = [&] {
            if (++pauses == stopAt)
                f.table->close();
        };
        f.throwDice();
        EXPECT_FALSE(f.table->turn2_Label->isEnabled()) << stopAt;
        EXPECT_EQ(pauses, stopAt) << "no pause after the window closed";
    }
}

TEST(TableClosing, EndingTheProgramFromTheMenuStopsTheThrows)
{
    TableFixture f;
    f.open();
    f.newGame();
    f.openBets();
    int pauses = 0;
    f.platform.duringWait = [&] {
        if (++pauses == 5)
            f.table->GameEnd->trigger();
    };
    f.throwDice();
    EXPECT_EQ(pauses, 5);
    EXPECT_FALSE(f.table->isVisible());
}
