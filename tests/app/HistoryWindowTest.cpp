#include "TableFixture.h"

#include "game/HistoryTable.h"
#include "ui/stats/frmHistory.h"
#include "ui/stats/frmResult.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

using Throws = std::initializer_list<TableFixture::Faces>;

// Turns of every kind, the banker's throws first, then the players' in seat order. Throws left
// over when the table has fewer players are dropped.
const Throws turnKinds[] = {
    {{4, 5, 6}},                                                     // banker シゴロ: collects 2x at once
    {{3, 3, 5}, {4, 5, 6}, {2, 2, 5}, {1, 2, 3}, {6, 6, 6}},         // 5の目: win 2x, tie, lose 2x, win 3x
    {{2, 2, 4}, {2, 4, 6}, {2, 4, 6}, {2, 4, 6}, {6, 6, 6}, {9, 1, 1}, {1, 1, 1}},  // 役なし, 6のゾロ目, 場外
    {{1, 2, 3}},                                                     // banker ヒフミ: pays 2x at once
    {{1, 1, 3}, {5, 5, 1}, {2, 2, 6}, {3, 4, 4}, {1, 2, 4}, {1, 2, 4}, {1, 2, 4}},  // 3の目 against points
};

}  // namespace

class HistoryWindow : public ::testing::Test, public TableFixture {
protected:
    frmHistory* openHistory()
    {
        table->turnHistory->trigger();
        return table->historyWindow;
    }

    // The points of a seat's line in the window's chart.
    static QList<QPointF> chartLine(frmHistory* window, int seat)
    {
        const auto* view = qobject_cast<QChartView*>(window->scoreChart);
        if (view == nullptr || seat >= view->chart()->series().size())
            return {};
        return static_cast<QLineSeries*>(view->chart()->series()[seat])->points();
    }

    QString cell(frmHistory* window, int row, int column)
    {
        const QAbstractItemModel* model = window->HistoryGrid->model();
        return model->index(row, column).data().toString();
    }

    // The last turn of the history against the table: payments that add up to zero, and the
    // score and bet of every seat as the table shows them.
    void expectLastTurnAsOnTheTable(frmHistory* window, int seats, int turn)
    {
        const int rows = window->HistoryGrid->model()->rowCount();
        ASSERT_EQ(rows, turn * seats);
        qint64 sum = 0;
        for (int seat = 0; seat < seats; ++seat) {
            const int row = rows - seats + seat;
            EXPECT_EQ(cell(window, row, historyTable::TurnColumn), QString::number(turn));
            sum += cell(window, row, historyTable::PaymentColumn).toLongLong();
            const QString score = cell(window, row, historyTable::ScoreColumn);
            EXPECT_EQ(score, table->P_scoLab[seat]->text()) << "turn " << turn << " seat " << seat;
            EXPECT_EQ(cell(window, row, historyTable::BetColumn), table->P_betLab[seat]->text()) << seat;
            EXPECT_EQ(cell(window, row, historyTable::HandColumn), table->P_yaku[seat]->text()) << seat;
            const QList<QPointF> line = chartLine(window, seat);
            ASSERT_EQ(line.size(), turn + 1) << seat;
            EXPECT_EQ(line.last(), QPointF(turn, score.toDouble())) << seat;
        }
        EXPECT_EQ(sum, 0) << "turn " << turn;
    }

    QList<QAbstractSeries*> expectChartAsDrawnWhole(const frmHistory& window, int seats, int turn);
};

TEST_F(HistoryWindow, FollowsScriptedGamesWithPaymentsAddingToZeroAndTheTablesScores)
{
    const struct {
        std::map<QString, QString> settings;
        int seconds;
    } games[] = {
        {{{"NINZU", "4"}, {"OYA", "2"}, {"LAST", "10"}}, 3},
        {{{"NINZU", "3"}, {"OYA", "1"}, {"LAST", "7"}, {"P_CHECK8", "1"}}, 1},
        {{{"NINZU", "6"}, {"OYA", "1"}, {"LAST", "6"}, {"BETMIN", "100"}, {"BETMAX", "1000"}}, 0},
        {{{"NINZU", "2"}, {"OYA", "3"}, {"LAST", "5"}, {"P_CHECK6", "1"}}, 4},
    };
    for (const auto& game : games) {
        open(game.settings);
        platform.seconds = game.seconds;
        newGame();
        frmHistory* window = openHistory();
        ASSERT_NE(window, nullptr);
        const int seats = game.settings.at("NINZU").toInt();
        const int last = game.settings.at("LAST").toInt();
        for (int turn = 1; turn <= last; ++turn) {
            if (turn == 2 && table->suru_Label->isEnabled())
                pass();  // a pass of the bank is no turn
            openBets();
            // The person raises the bet after the bets opened: the history pays the raised bet.
            if (turn % 2 == 0 && table->state.OyaSeat != 0)
                table->HScr[0]->setValue(table->HScr[0]->maximum());
            scriptThrows(turnKinds[turn % std::size(turnKinds)]);
            throwDice();
            platform.draws.clear();
            expectLastTurnAsOnTheTable(window, seats, turn);
            nextTurn();
        }
        EXPECT_EQ(table->Turn->text(), "ゲームの中断");
        ASSERT_NE(table->resultWindow, nullptr);
        EXPECT_EQ(table->resultWindow->windowTitle(), "対局結果");
        // The history keeps the interrupted game until the next one starts.
        platform.answers.enqueue(true);
        table->Gameout->trigger();
        EXPECT_EQ(window->HistoryGrid->model()->rowCount(), last * seats);
        newGame();
        EXPECT_EQ(window->HistoryGrid->model()->rowCount(), 0);
        EXPECT_EQ(chartLine(window, 0), QList<QPointF>{QPointF(0, 1000)});
        table.reset();
    }
}

TEST_F(HistoryWindow, ResultOpensAtTheLastTurnWithEqualScoresSharingARank)
{
    open({{"LAST", "1"}});
    platform.seconds = 3;  // seat 0 banks
    newGame();
    openBets();
    // Banker 5の目; seat 1 wins with シゴロ, seats 2 and 3 tie with the banker.
    scriptThrows({{3, 3, 5}, {4, 5, 6}, {2, 2, 5}, {5, 1, 1}});
    throwDice();
    EXPECT_EQ(table->resultWindow, nullptr);
    nextTurn();

    ASSERT_NE(table->resultWindow, nullptr);
    frmResult& result = *table->resultWindow;
    EXPECT_TRUE(result.isVisible());
    const qint64 won = table->P_scoLab[1]->text().toLongLong() - 1000;
    ASSERT_GT(won, 0);
    const struct {
        const char *rank, *name;
        qint64 score;
        const char* oya;
        const char* best;
    } rows[] = {
        {"1位", "タロウ", 1000 + won, "0回", "シゴロ"},
        {"2位", "ハナコ", 1000, "0回", "5の目"},
        {"2位", "ゲン", 1000, "0回", "5の目"},
        {"4位", "あなた", 1000 - won, "1回", "5の目"},
    };
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(result.rankLab[row]->text(), rows[row].rank) << row;
        EXPECT_EQ(result.nameLab[row]->text(), rows[row].name) << row;
        EXPECT_EQ(result.scoLab[row]->text(), QString::number(rows[row].score)) << row;
        EXPECT_EQ(result.gainLab[row]->text().toLongLong(), rows[row].score - 1000) << row;
        EXPECT_EQ(result.oyaLab[row]->text(), rows[row].oya) << row;
        EXPECT_EQ(result.bestLab[row]->text(), rows[row].best) << row;
        EXPECT_FALSE(result.R_Picture[row]->pixmap().isNull()) << row;
    }
    EXPECT_TRUE(result.rankLab[4]->isHidden());
    // The table itself still ends the game as before.
    EXPECT_EQ(table->Turn->text(), "ゲームの中断");
    EXPECT_TRUE(table->Gameout->isEnabled());
    EXPECT_FALSE(table->Gamein->isEnabled());
}

TEST_F(HistoryWindow, StandingsSoFarOpenFromTheMenuOnceAGameHasStarted)
{
    open();
    EXPECT_FALSE(table->gameResult->isEnabled());
    platform.seconds = 3;
    newGame();
    ASSERT_TRUE(table->gameResult->isEnabled());
    table->gameResult->trigger();
    ASSERT_NE(table->resultWindow, nullptr);
    frmResult& result = *table->resultWindow;
    EXPECT_EQ(result.windowTitle(), "途中経過");
    // It stands over the table (placed before its frame is known, so within the frame's width).
    EXPECT_LE((result.frameGeometry().center() - table->frameGeometry().center()).manhattanLength(), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(result.rankLab[row]->text(), "1位");
        EXPECT_EQ(result.bestLab[row]->text(), "―");
    }
    // It follows the game while it stays open.
    openBets();
    scriptThrows({{4, 5, 6}});
    throwDice();
    EXPECT_EQ(result.windowTitle(), "途中経過");
    EXPECT_EQ(result.rankLab[0]->text(), "1位");
    EXPECT_EQ(result.nameLab[0]->text(), "あなた");
    EXPECT_EQ(result.oyaLab[0]->text(), "1回");
    EXPECT_EQ(result.bestLab[0]->text(), "シゴロ");
    EXPECT_EQ(result.bestLab[1]->text(), "―");
}

TEST_F(HistoryWindow, CopiesAndSavesTheTurnsAsUtf8Csv)
{
    open({{"P_NAME1", "Smith, J."}, {"P_NAME2", "=1+2"}});
    platform.seconds = 3;
    newGame();
    openBets();
    scriptThrows({{4, 5, 6}});
    throwDice();
    frmHistory* window = openHistory();
    const QString csv = historyTable::csv(*table->history);
    ASSERT_TRUE(csv.contains("\"Smith, J.\""));
    ASSERT_EQ(csv.count("\r\n"), 1 + 4);
    ASSERT_TRUE(csv.contains(",'=1+2,")) << "a formula stays text in the copy and the file alike";

    QTest::mouseClick(window->copyCommand, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), csv);

    const QString path = folder.filePath("turns.csv");
    platform.fileChoices.enqueue(std::nullopt);
    QTest::mouseClick(window->saveCommand, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(path));
    platform.fileChoices.enqueue(path);
    QTest::mouseClick(window->saveCommand, Qt::LeftButton);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "\xEF\xBB\xBF" + csv.toUtf8());

    platform.fileChoices.enqueue(folder.filePath("no/such/folder/turns.csv"));
    QTest::mouseClick(window->saveCommand, Qt::LeftButton);
    EXPECT_EQ(platform.warnings.last(), "保存に失敗しました。(ToT)");
}

TEST_F(HistoryWindow, EnterSpaceAndEscCloseTheStandingsAndTheResultAsInADialog)
{
    const auto press = [](QWidget* target, int key, Qt::KeyboardModifiers modifiers, bool repeated) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeated);
        QApplication::sendEvent(target, &event);
    };
    const struct {
        const char* what;
        bool toButton;  // else to the window: no control of it has the focus
        int key;
        Qt::KeyboardModifiers modifiers;
        bool repeated;
        bool closes;
    } keys[] = {
        {"Return", false, Qt::Key_Return, Qt::NoModifier, false, true},
        {"Return on the button", true, Qt::Key_Return, Qt::NoModifier, false, true},
        {"keypad Enter", false, Qt::Key_Enter, Qt::KeypadModifier, false, true},
        {"Space on the button", true, Qt::Key_Space, Qt::NoModifier, false, true},
        {"Esc", false, Qt::Key_Escape, Qt::NoModifier, false, true},
        {"Enter held down from the table", false, Qt::Key_Return, Qt::NoModifier, true, false},
        {"Ctrl+Return", false, Qt::Key_Return, Qt::ControlModifier, false, false},
    };
    open({{"LAST", "1"}});
    newGame();
    for (const auto& k : keys) {
        table->gameResult->trigger();
        QPointer<frmResult> result = table->resultWindow;
        ASSERT_TRUE(result && result->isVisible()) << k.what;
        press(k.toButton ? static_cast<QWidget*>(result->closeCommand) : result.data(), k.key, k.modifiers,
              k.repeated);
        if (k.key == Qt::Key_Space)
            QTest::keyRelease(result->closeCommand, Qt::Key_Space);
        EXPECT_EQ(!result->isVisible(), k.closes) << k.what;
        result->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The result at the end of the game closes on Enter too.
    openBets();
    scriptThrows({{4, 5, 6}});
    throwDice();
    nextTurn();
    ASSERT_NE(table->resultWindow, nullptr);
    EXPECT_EQ(table->resultWindow->windowTitle(), "対局結果");
    QTest::keyClick(table->resultWindow, Qt::Key_Return);
    EXPECT_FALSE(table->resultWindow->isVisible());
}

TEST_F(HistoryWindow, CsvSaveStartsInTheDocumentsFolderElseInTheSettingsFolder)
{
    open();
    frmHistory* window = openHistory();
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const QTemporaryDir player;
    qputenv("HOME", QFile::encodeName(player.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(player.filePath(".config")));
    const struct {
        bool documents;
        QString start;
    } cases[] = {
        {true, player.filePath("Documents/")},
        {false, folder.path() + "/"},
    };
    for (const auto& c : cases) {
        QDir(player.path()).mkpath(c.documents ? "Documents" : ".");
        if (!c.documents)
            QDir(player.filePath("Documents")).removeRecursively();
        QTest::mouseClick(window->saveCommand, Qt::LeftButton);
        EXPECT_EQ(platform.fileDialogs.last(), "save|" + c.start + "history.csv|CSV(*.csv)|*.csv");
    }
    for (const auto& [name, value] : {std::pair{"HOME", home}, std::pair{"XDG_CONFIG_HOME", config}})
        value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
}

TEST_F(HistoryWindow, ColumnsTakeTheWidthOfTheirTextsWithinTheWindow)
{
    open({{"P_NAME1", "寿限無寿限無五劫の擦り切れ海砂利水魚"}, {"P_NAME3", "Wolfeschlegelsteinhausenberger"}});
    newGame();
    openBets();
    scriptThrows({{2, 2, 4}, {2, 4, 6}, {2, 4, 6}, {2, 4, 6}, {6, 6, 6}, {9, 1, 1}, {1, 1, 1}});
    throwDice();
    frmHistory* window = openHistory();
    QTableView* grid = window->HistoryGrid;
    // What the view itself needs to show a column's texts whole.
    const auto needed = [grid](int column) {
        return static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column);
    };
    const auto sumOfWidths = [grid] {
        int sum = 0;
        for (int column = 0; column < historyTable::ColumnCount; ++column)
            sum += grid->columnWidth(column);
        return sum;
    };
    // Wide enough: every column shows its widest text whole, the name included.
    for (int column = 0; column < historyTable::ColumnCount; ++column)
        EXPECT_GE(grid->columnWidth(column), needed(column)) << column;
    EXPECT_LE(sumOfWidths(), grid->viewport()->width());
    // Too narrow: the columns still fit in the window, the short ones whole.
    window->resize(420, window->height());
    QCoreApplication::processEvents();
    EXPECT_LE(sumOfWidths(), grid->viewport()->width());
    for (int column : {historyTable::TurnColumn, historyTable::BankerColumn, historyTable::BetColumn})
        EXPECT_GE(grid->columnWidth(column), needed(column)) << column;
    EXPECT_LT(grid->columnWidth(historyTable::NameColumn), needed(historyTable::NameColumn));
}

// A chart that followed a game turn by turn shows what a window opened now draws from the whole
// game: the same points of every line, the same axes. Returns the lines of the window's chart.
QList<QAbstractSeries*> HistoryWindow::expectChartAsDrawnWhole(const frmHistory& window, int seats, int turn)
{
    const auto view = [](const frmHistory& window) { return qobject_cast<QChartView*>(window.scoreChart); };
    const auto axisOf = [](const QChartView* chart, Qt::Orientation orientation) {
        return static_cast<QValueAxis*>(chart->chart()->axes(orientation).value(0));
    };
    const QChartView* shown = view(window);
    const frmHistory whole(table.get(), table->history);  // draws the game so far at once
    const QChartView* drawn = view(whole);
    if (shown == nullptr || drawn == nullptr || drawn->chart()->series().size() != seats) {
        ADD_FAILURE() << "turn " << turn << ": no chart of " << seats << " lines";
        return {};
    }
    for (int seat = 0; seat < seats; ++seat) {
        const auto* added = static_cast<QLineSeries*>(shown->chart()->series()[seat]);
        const auto* redrawn = static_cast<QLineSeries*>(drawn->chart()->series()[seat]);
        EXPECT_EQ(added->points(), redrawn->points()) << "turn " << turn << " seat " << seat;
        EXPECT_EQ(added->name(), redrawn->name());
        EXPECT_EQ(added->pen(), redrawn->pen());
    }
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const QValueAxis* added = axisOf(shown, orientation);
        const QValueAxis* redrawn = axisOf(drawn, orientation);
        if (added == nullptr || redrawn == nullptr) {
            ADD_FAILURE() << "turn " << turn << ": an axis is missing";
            continue;
        }
        EXPECT_EQ(added->min(), redrawn->min()) << "turn " << turn << " axis " << orientation;
        EXPECT_EQ(added->max(), redrawn->max()) << "turn " << turn << " axis " << orientation;
        EXPECT_EQ(added->tickCount(), redrawn->tickCount()) << "turn " << turn;
        EXPECT_EQ(added->tickInterval(), redrawn->tickInterval()) << "turn " << turn;
    }
    return shown->chart()->series();
}

TEST_F(HistoryWindow, ChartAddsEachTurnToItsLinesAndShowsWhatDrawingTheWholeGameShows)
{
    open({{"NINZU", "4"}, {"OYA", "1"}, {"LAST", "9"}, {"BETMIN", "100"}, {"BETMAX", "1000"}});
    newGame();
    frmHistory* window = openHistory();
    QList<QAbstractSeries*> lines;
    for (int turn = 1; turn <= 9; ++turn) {
        openBets();
        scriptThrows(turnKinds[turn % std::size(turnKinds)]);
        throwDice();
        platform.draws.clear();
        const QList<QAbstractSeries*> shown = expectChartAsDrawnWhole(*window, 4, turn);
        if (turn == 1)
            lines = shown;
        EXPECT_EQ(shown, lines) << "turn " << turn << " added to the lines drawn";
        nextTurn();
    }
}

// From turn 129 on the lines are thinned: both ways of drawing keep the same points, fewer
// than the turns, from the starting score to the latest one.
TEST_F(HistoryWindow, ChartOfALongGameShowsFewerPointsThanTurnsAndTheSameAsDrawingItWhole)
{
    constexpr int Turns = 300;
    open({{"NINZU", "3"}, {"OYA", "5"}, {"LAST", QString::number(Turns)}, {"BETMIN", "1"}, {"BETMAX", "10"}});
    newGame();
    frmHistory* window = openHistory();
    for (int turn = 1; turn <= Turns; ++turn) {
        openBets();
        scriptThrows(turnKinds[turn % std::size(turnKinds)]);
        throwDice();
        platform.draws.clear();
        if (turn % 50 == 0 || (turn >= 128 && turn <= 130) || (turn >= 256 && turn <= 258) || turn == Turns) {
            expectChartAsDrawnWhole(*window, 3, turn);
            const QList<QPointF> line = chartLine(window, 0);
            ASSERT_FALSE(line.isEmpty());
            EXPECT_EQ(line.last(), QPointF(turn, table->P_scoLab[0]->text().toDouble())) << turn;
            if (turn > 128) {
                EXPECT_LT(line.size(), turn + 1) << turn;
            }
        }
        nextTurn();
    }
}
