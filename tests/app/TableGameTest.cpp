#include "TableFixture.h"

#include "state/Program.h"
#include "ui/stats/RowLabel.h"
#include "ui/stats/frmTotal.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

const QColor bankerPanel(196, 196, 255);
const QColor playerPanel(192, 255, 192);

}  // namespace

class TableGame : public ::testing::Test, public TableFixture {
protected:
    // One whole turn in which the banker throws the given hands and nobody else throws after a
    // decisive one.
    void playTurn(std::initializer_list<Faces> bankerThrows = {{4, 5, 6}})
    {
        openBets();
        scriptThrows(bankerThrows);
        throwDice();
        platform.draws.clear();
        nextTurn();
    }
};

TEST_F(TableGame, TheBankPassesClockwiseAfterOyaTurnsAndTheGameEndsAfterLast)
{
    open({{"NINZU", "3"}, {"OYA", "2"}, {"LAST", "6"}});
    platform.seconds = 1;  // seat 2 holds the first bank
    newGame();
    const struct {
        int banker;
        const char* marker;
    } turns[] = {{2, "親１戦"}, {2, "親２戦"}, {0, "親１戦"}, {0, "親２戦"}, {1, "親１戦"}, {1, "親２戦"}};
    int left = 6;
    for (const auto& turn : turns) {
        EXPECT_EQ(table->state.OyaSeat, turn.banker);
        EXPECT_EQ(table->oya_Lab[turn.banker]->text(), turn.marker);
        EXPECT_EQ(table->P_Shape2[turn.banker]->fillColor(), bankerPanel);
        EXPECT_EQ(table->LabLAST->text(), QString::number(left));
        playTurn();
        --left;
    }
    frmMain& t = *table;
    EXPECT_EQ(t.LabLAST->text(), "0");
    EXPECT_EQ(t.Turn->text(), "ゲームの中断");
    EXPECT_EQ(program::GameFlag, 0);
    EXPECT_EQ(t.gameLab->text(), "game 0");
    EXPECT_FALSE(t.bent_Label->isEnabled());
    EXPECT_FALSE(t.Gamein->isEnabled());
    EXPECT_TRUE(t.Gameout->isEnabled());
    // The table is cleared, the final scores stay.
    EXPECT_EQ(t.P_betLab[1]->text(), "0");
    EXPECT_FALSE(t.P_scoLab[0]->text().isEmpty());
}

TEST_F(TableGame, TheBankersHandPassesTheBankUnderItsOption)
{
    const struct {
        const char* option;
        std::initializer_list<Faces> throws;
    } cases[] = {
        {"P_CHECK8", {{1, 2, 3}}},                         // ヒフミ
        {"P_CHECK9", {{9, 1, 1}}},                         // 場外
        {"P_CHECK10", {{1, 2, 4}, {1, 2, 4}, {1, 2, 4}}},  // 役なし after every throw
        {"P_CHECK11", {{2, 2, 1}}},                        // 1の目
    };
    for (const auto& c : cases) {
        for (const bool on : {false, true}) {
            open({{"NINZU", "3"}, {"OYA", "3"}, {c.option, on ? "1" : "0"}});
            platform.seconds = 1;
            newGame();
            playTurn(c.throws);
            EXPECT_EQ(table->state.OyaSeat, on ? 0 : 2) << c.option << " " << on;
            EXPECT_EQ(table->oya_Lab[on ? 0 : 2]->text(), on ? "親１戦" : "親２戦") << c.option;
        }
    }
}

TEST_F(TableGame, TheBankerMayPassOnceRoundTheTableBeforeTheBets)
{
    open({{"P_CHECK6", "1"}});
    platform.seconds = 3;  // seat 0 banks
    newGame();
    frmMain& t = *table;
    for (const int banker : {1, 2, 3, 0}) {
        ASSERT_TRUE(t.suru_Label->isEnabled());
        pass();
        EXPECT_EQ(t.state.OyaSeat, banker);
        EXPECT_EQ(t.state.OyaTurn, 1);
        EXPECT_EQ(t.oya_Lab[banker]->text(), "親１戦");
        for (int seat = 0; seat < 4; ++seat) {
            EXPECT_EQ(t.P_Shape2[seat]->fillColor(), seat == banker ? bankerPanel : playerPanel);
            EXPECT_EQ(t.P_betLab[seat]->text(), "0");
        }
        EXPECT_EQ(platform.sounds.last(), "beep6.wav");
    }
    // A fifth pass would take the bank round again: it stays, and the command comes back.
    pass();
    EXPECT_EQ(t.state.OyaSeat, 0);
    EXPECT_FALSE(t.suru_Label->isHidden());
    EXPECT_EQ(t.LabLAST->text(), "5");
    // Opening the bets closes the pass and starts the count afresh.
    openBets();
    EXPECT_FALSE(t.suru_Label->isEnabled());
    scriptThrows({{4, 5, 6}});
    throwDice();
    nextTurn();
    pass();
    EXPECT_EQ(t.state.OyaSeat, 1);
}

TEST_F(TableGame, UnderTheKeepOnceOptionABankerPassesOnlyFromItsSecondTurn)
{
    open({{"P_CHECK7", "1"}, {"OYA", "3"}});
    platform.seconds = 3;
    newGame();
    EXPECT_TRUE(table->suru_Label->isHidden());
    playTurn();
    EXPECT_FALSE(table->suru_Label->isHidden());
    EXPECT_TRUE(table->suru_Label->isEnabled());
    pass();
    EXPECT_EQ(table->state.OyaSeat, 1);
    EXPECT_TRUE(table->suru_Label->isHidden());
}

TEST_F(TableGame, InterruptingAsksAndNoChangesOnlyTheStatusLine)
{
    open();
    platform.seconds = 3;
    newGame();
    openBets();
    const QString betBefore = table->P_betLab[1]->text();
    platform.answers.enqueue(false);
    table->Gameout->trigger();
    frmMain& t = *table;
    EXPECT_EQ(platform.questions, QStringList{"確認\nゲームを中断します"});
    EXPECT_EQ(t.Turn->text(), "中断はクリアされました");
    EXPECT_EQ(t.P_betLab[1]->text(), betBefore);
    EXPECT_TRUE(t.turn_Label->isEnabled());
    EXPECT_TRUE(t.Gameout->isEnabled());
    EXPECT_EQ(program::GameFlag, 1);
}

TEST_F(TableGame, InterruptingEndsTheGameKeepingTheFinalScoresOnShow)
{
    open({{"LAST", "1"}});
    platform.seconds = 3;
    newGame();
    playTurn();
    ASSERT_EQ(table->Turn->text(), "ゲームの中断");
    const QString finalScore = table->P_scoLab[0]->text();
    platform.answers.enqueue(true);
    table->Gameout->trigger();
    frmMain& t = *table;
    EXPECT_TRUE(t.Turn->text().isEmpty());
    EXPECT_TRUE(t.Gamein->isEnabled());
    EXPECT_FALSE(t.Gameout->isEnabled());
    EXPECT_TRUE(t.iniread->isEnabled());
    EXPECT_EQ(t.gameLab->text(), "game 0");
    EXPECT_EQ(platform.sounds.last(), "beep5.wav");
    EXPECT_EQ(t.P_scoLab[0]->text(), finalScore);
    EXPECT_FALSE(t.state.P_score[0].has_value());
    EXPECT_TRUE(t.P_scoLab[5]->text().isEmpty());
    for (int seat = 0; seat < 6; ++seat) {
        EXPECT_TRUE(t.oya_Lab[seat]->text().isEmpty());
        EXPECT_EQ(t.P_Shape2[seat]->fillColor(), playerPanel);
    }
    newGame();
    EXPECT_EQ(t.P_scoLab[0]->text(), "1000");
}

TEST_F(TableGame, ANewGameWithoutASettingsFilePlaysSixNamelessSeatsForOneTurn)
{
    openWithoutSettings();
    EXPECT_EQ(platform.warnings, QStringList{"設定ﾌｧｲﾙが見つかりません。(ToT)"});
    newGame();
    frmMain& t = *table;
    EXPECT_EQ(program::GameSettings, SettingsRecord{});
    EXPECT_EQ(t.height(), twips(6825));
    for (int seat = 0; seat < 6; ++seat) {
        EXPECT_FALSE(t.P_Shape2[seat]->isHidden());
        EXPECT_TRUE(t.P_nameLab[seat]->text().isEmpty());
    }
    for (const QLabel* unread : {t.LabOYA, t.LabNAGEKAI, t.LabBETMIN, t.LabBETMAX})
        EXPECT_TRUE(unread->text().isEmpty()) << unread->objectName().toStdString();
    EXPECT_EQ(t.LabLAST->text(), "0");
    openBets();
    throwDice();
    ASSERT_TRUE(t.turn2_Label->isEnabled());
    nextTurn();
    EXPECT_EQ(t.Turn->text(), "ゲームの中断");
}

TEST_F(TableGame, ANewGamePlaysNoThrowLimitNoBankTurnsNoTurnsAndAnEmptyNameAsTheyStand)
{
    open({{"NAGEKAI", "0"}, {"OYA", "0"}, {"LAST", "0"}, {"P_NAME1", ""}});
    const SettingsRecord read = program::GameSettings;
    platform.seconds = 3;  // seat 0 banks
    newGame();
    frmMain& t = *table;
    EXPECT_EQ(program::GameSettings, read);
    EXPECT_EQ(t.LabOYA->text(), "0");
    EXPECT_EQ(t.LabNAGEKAI->text(), "0");
    EXPECT_EQ(t.LabLAST->text(), "0");
    EXPECT_TRUE(t.P_nameLab[1]->text().isEmpty());
    EXPECT_EQ(t.oya_Lab[0]->text(), "親１戦");

    // Every seat throws exactly once, even a 役なし that three throws would have thrown again.
    openBets();
    scriptThrows({{3, 3, 2}, {1, 2, 4}, {1, 3, 5}, {2, 4, 6}});
    throwDice();
    for (int seat = 1; seat < 4; ++seat) {
        EXPECT_EQ(t.P_kail[seat]->text(), "1投目") << seat;
        EXPECT_EQ(t.P_yaku[seat]->text(), "役なし") << seat;
    }
    // The one turn ends the game, and the bank has passed after its only turn.
    nextTurn();
    EXPECT_EQ(t.Turn->text(), "ゲームの中断");
    EXPECT_EQ(t.LabLAST->text(), "-1");
    EXPECT_EQ(t.state.OyaSeat, 1);
    EXPECT_EQ(program::GameFlag, 0);
    EXPECT_EQ(program::GameSettings, read);
}

TEST_F(TableGame, WithNoBankTurnsAPassMovesTheBankOnceMore)
{
    open({{"OYA", "0"}, {"P_CHECK6", "1"}});
    platform.seconds = 3;  // seat 0 banks
    newGame();
    pass();
    EXPECT_EQ(table->state.OyaSeat, 2);
    EXPECT_EQ(table->oya_Lab[2]->text(), "親１戦");
}

TEST_F(TableGame, TheLargestBankTurnCountKeepsTheBankWithItsFirstHolder)
{
    open({{"OYA", "2147483647"}, {"LAST", "9"}});
    platform.seconds = 3;  // seat 0 banks
    newGame();
    for (int turn = 0; turn < 4; ++turn)
        playTurn();
    EXPECT_EQ(table->state.OyaSeat, 0);
    EXPECT_EQ(table->oya_Lab[0]->text(), "親５戦");
    EXPECT_EQ(table->LabOYA->text(), "2147483647");
}

TEST_F(TableGame, SettingsNoGameCanUseAreTakenWithinLimitsWithoutRewritingThem)
{
    for (const char* seats : {"0", "9", "-3", "32767"}) {
        open({{"NINZU", seats}});
        const SettingsRecord read = program::GameSettings;
        newGame();
        EXPECT_EQ(program::GameSettings, read) << seats;
        EXPECT_EQ(table->height(), twips(6825)) << seats;
        EXPECT_FALSE(table->P_Shape2[5]->isHidden()) << seats;
    }
    open({{"BETMAX", "40000"}, {"BETMIN", "-7"}});
    newGame();
    EXPECT_EQ(program::GameSettings.BETMAX, 40000);
    EXPECT_EQ(program::GameSettings.BETMIN, -7);
    EXPECT_EQ(table->LabBETMAX->text(), "40000");
    EXPECT_EQ(table->LabBETMIN->text(), "-7");
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(table->HScr[seat]->minimum(), 0);
        EXPECT_EQ(table->HScr[seat]->maximum(), 9999);
    }
}

TEST_F(TableGame, TheDefaultSettingsPlayAWholeGameAndTheTallyCountsEveryHand)
{
    QFile::copy(QCoreApplication::applicationDirPath() + "/dice.ini", folder.filePath("dice.ini"));
    openWithoutSettings();
    ASSERT_TRUE(platform.warnings.isEmpty());
    newGame();
    const int last = program::GameSettings.LAST;
    int turns = 0;
    while (table->Turn->text() != "ゲームの中断" && turns < 1000) {
        openBets();
        throwDice();
        nextTurn();
        ++turns;
    }
    EXPECT_EQ(turns, last);
    int counted = 0;
    for (int seat = 0; seat < program::GameSettings.NINZU; ++seat) {
        for (int row = 1; row <= 20; ++row)
            counted += program::RollTally[row][seat];
    }
    EXPECT_EQ(counted, last * program::GameSettings.NINZU);

    // The tally window shows every seat's hands: each column adds up to the turns played.
    table->total->trigger();
    ASSERT_TRUE(table->tallyWindow);
    for (int seat = 0; seat < program::GameSettings.NINZU; ++seat) {
        int shown = 0;
        for (const QString& line : table->tallyWindow->Label[seat]->text().split("\r\n", Qt::SkipEmptyParts))
            shown += line.toInt();
        EXPECT_EQ(shown, last) << seat;
        EXPECT_EQ(table->tallyWindow->Label1[seat]->text(), program::GameSettings.name(seat));
    }
    table->tallyWindow->close();

    platform.answers.enqueue(true);
    table->Gameout->trigger();
    newGame();
    EXPECT_EQ(program::RollTally, rules::TallyTable{});
    EXPECT_TRUE(table->bent_Label->isEnabled());
}

TEST_F(TableGame, FullWidthNumbersInTheFilePlayTheirCountOfTurns)
{
    const struct {
        const char* last;
        const char* oya;
        int turns;
    } cases[] = {{"１０", "３", 10}, {"　４　", "＋２", 4}, {"３．０", "1", 3}};
    for (const auto& c : cases) {
        program::reset();
        open({{"LAST", QString::fromUtf8(c.last)}, {"OYA", QString::fromUtf8(c.oya)}});
        EXPECT_TRUE(platform.warnings.isEmpty()) << c.last;
        newGame();
        int turns = 0;
        while (program::GameFlag != 0 && turns < 100) {
            EXPECT_EQ(table->LabLAST->text(), QString::number(c.turns - turns)) << c.last;
            playTurn();
            ++turns;
        }
        EXPECT_EQ(turns, c.turns) << c.last;
        EXPECT_EQ(table->Turn->text(), "ゲームの中断") << c.last;
    }
}
