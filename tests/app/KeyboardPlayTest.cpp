#include "TableFixture.h"

#include "state/Program.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

// Everything here is done with keys alone: the table is shown and active, and every key goes to
// the widget that has the keyboard focus (the menu keys F2 and F9 to the window).
class KeyboardPlay : public ::testing::Test, public TableFixture {
protected:
    void openActive(const std::map<QString, QString>& overrides = {})
    {
        open(overrides);
        table->show();
        table->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(table.get()));
    }

    QWidget* focused() const { return table->focusWidget(); }
    QString focusedName() const { return focused() ? focused()->objectName() : QStringLiteral("(none)"); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused() ? focused() : table.get(), key, modifiers);
    }
    void menuKey(Qt::Key key) { QTest::keyClick(table.get(), key); }
};

TEST_F(KeyboardPlay, AWholeGameIsPlayedWithKeysAlone)
{
    openActive({{"LAST", "2"}});
    frmMain& t = *table;
    platform.seconds = 0;  // seat 1, a computer, banks both turns

    menuKey(Qt::Key_F2);
    ASSERT_EQ(program::GameFlag, 1);
    EXPECT_EQ(focusedName(), "bent_Label");

    // Turn 1: Space opens the bets and hands the focus to 実 行; Tab reaches the person's bet.
    scriptBets({0.5f, 0.5f});
    press(Qt::Key_Space);
    EXPECT_EQ(t.Turn->text(), "ベントして下さい");
    EXPECT_EQ(focusedName(), "turn_Label");
    press(Qt::Key_Tab);
    ASSERT_EQ(focusedName(), "HScr_0");
    const struct {
        Qt::Key key;
        int bet;
    } keys[] = {{Qt::Key_End, 100}, {Qt::Key_Right, 100}, {Qt::Key_PageDown, 90}, {Qt::Key_Left, 89},
                {Qt::Key_Home, 10}, {Qt::Key_Left, 10},   {Qt::Key_PageUp, 20},   {Qt::Key_Right, 21}};
    for (const auto& k : keys) {
        press(k.key);
        EXPECT_EQ(t.P_betLab[0]->text(), QString::number(k.bet)) << QTest::toString(k.key);
        EXPECT_EQ(t.state.P_bet[0], k.bet);
    }
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusedName(), "turn_Label");

    // Enter throws; the banker's シゴロ settles every seat, and the focus waits on 次のﾀｰﾝ.
    scriptThrows({{4, 5, 6}});
    press(Qt::Key_Return);
    EXPECT_EQ(t.state.P_yakuName[1], "シゴロ");
    EXPECT_LT(*t.state.P_score[0], 1000);
    EXPECT_EQ(focusedName(), "turn2_Label");

    // Turn 2 with the keypad's Enter: the remembered bet stands, the banker's ヒフミ pays it back.
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(t.Turn->text(), "ベントを押して下さい");
    EXPECT_EQ(focusedName(), "bent_Label");
    scriptBets({0.5f, 0.5f});
    press(Qt::Key_Return);
    EXPECT_EQ(t.state.P_bet[0], 21);
    EXPECT_EQ(focusedName(), "turn_Label");
    const qint64 before = *t.state.P_score[0];
    scriptThrows({{1, 2, 3}});
    press(Qt::Key_Space);
    EXPECT_GT(*t.state.P_score[0], before);
    EXPECT_EQ(focusedName(), "turn2_Label");

    // The last turn ends the game; F9 closes it after the question, F2 starts the next.
    press(Qt::Key_Space);
    EXPECT_EQ(t.Turn->text(), "ゲームの中断");
    EXPECT_EQ(program::GameFlag, 0);
    platform.answers.enqueue(true);
    menuKey(Qt::Key_F9);
    EXPECT_EQ(platform.questions, QStringList{"確認\nゲームを中断します"});
    EXPECT_TRUE(t.Gamein->isEnabled());
    menuKey(Qt::Key_F2);
    EXPECT_EQ(program::GameFlag, 1);
    EXPECT_EQ(focusedName(), "bent_Label");
}

TEST_F(KeyboardPlay, TabVisitsEveryPersonsBetInSeatOrderAndSkipsTheBanker)
{
    openActive({{"NINZU", "5"}, {"P_FLG1", "0"}, {"P_FLG2", "1"}, {"P_FLG3", "0"}, {"P_FLG4", "0"}});
    platform.seconds = 2;  // seat 3, a person, banks
    menuKey(Qt::Key_F2);
    scriptBets({0.5f});
    press(Qt::Key_Space);
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        visited << focusedName();
    }
    EXPECT_EQ(visited, (QStringList{"HScr_0", "HScr_1", "HScr_4", "turn_Label", "HScr_0"}));
}

TEST_F(KeyboardPlay, PageKeysMoveTheBetByTheStepOfItsLimitsAndNeverPastThem)
{
    const struct {
        const char* min;
        const char* max;
        std::initializer_list<Qt::Key> keys;
        int bet;
    } cases[] = {
        {"10", "100", {Qt::Key_PageUp}, 70},                        // offer 60
        {"10", "100", {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp}, 100},
        {"10", "100", {Qt::Key_Home, Qt::Key_PageDown}, 10},
        {"1", "9999", {Qt::Key_PageDown}, 4900},                    // offer 5000
        {"1", "9999", {Qt::Key_End, Qt::Key_PageUp, Qt::Key_Left}, 9998},
        {"0", "5", {Qt::Key_PageDown, Qt::Key_Right}, 1},           // offer 5
    };
    for (const auto& c : cases) {
        openActive({{"NINZU", "2"}, {"BETMIN", c.min}, {"BETMAX", c.max}});
        platform.seconds = 0;  // seat 1 banks, seat 0 bets
        menuKey(Qt::Key_F2);
        press(Qt::Key_Space);
        press(Qt::Key_Tab);
        ASSERT_EQ(focusedName(), "HScr_0");
        for (const Qt::Key key : c.keys)
            press(key);
        EXPECT_EQ(table->state.P_bet[0], c.bet) << c.min << ".." << c.max;
    }
}
