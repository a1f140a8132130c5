#include "app/frmMain.h"
#include "game/Tally.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "ui/stats/RowLabel.h"
#include "ui/stats/frmTotal.h"
#include "ui/widgets/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>

namespace {

const QStringList rowNames{"1のゾロ目", "２のゾロ目", "３のゾロ目", "４のゾロ目", "５のゾロ目", "６のゾロ目",
                           "シゴロ",    "６の目",     "５の目",     "４の目",     "３の目",     "２の目",
                           "１の目",    "役なし",     "場　外",     "ヒフミ"};

// The text of a count column: rows 1..20, zero unless given, each followed by CR LF.
QString column(const std::map<int, int>& counts = {})
{
    QString text;
    for (int row = 1; row <= 20; ++row) {
        const auto found = counts.find(row);
        text += QString::number(found == counts.end() ? 0 : found->second) + "\r\n";
    }
    return text;
}

// A distinct count in every cell of rows 0..20, so that a wrong seat or row shows.
void fillTally()
{
    for (int row = 0; row < rules::TallyRows; ++row)
        for (int seat = 0; seat < 6; ++seat)
            program::RollTally[row][seat] = qint16(row * 10 + seat + 1);
}

// The column of RollTally summed over seats first..first+count-1.
QString tallyColumn(int first, int count)
{
    std::map<int, int> sums;
    for (int row = 1; row <= 20; ++row)
        for (int seat = first; seat < first + count; ++seat)
            sums[row] += program::RollTally[row][seat];
    return column(sums);
}

}  // namespace

// A table started in an empty folder (its missing settings file is only a recorded warning);
// each test sets the seats and the tally directly.
class frmTotalTest : public ::testing::Test {
protected:
    frmTotalTest() { table = std::make_unique<frmMain>(); }

    ~frmTotalTest() override
    {
        table.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void seats(int ninzu)
    {
        program::GameSettings.NINZU = qint16(ninzu);
        for (int seat = 0; seat < 6; ++seat)
            program::GameSettings.name(seat) = seatNames[seat];
    }

    frmTotal* open()
    {
        table->total->trigger();
        return table->tallyWindow.data();
    }

    static void click(QPushButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScriptedPlatform platform;
    TableFolder folder;
    std::unique_ptr<frmMain> table;
};

TEST_F(frmTotalTest, ModelessWindowPlacesEveryControlWithItsCaption)
{
    frmTotal* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible() && w->isWindow());
    EXPECT_EQ(w->parentWidget(), table.get());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    EXPECT_EQ(w->windowTitle(), "出目集計");
    EXPECT_EQ(w->size(), QSize(twips(9810), twips(3840)));

    const struct {
        QWidget* control;
        const char* name;
        int left, top, width, height;
    } places[] = {
        {w->Label7, "Label7", 240, 480, 855, 2895},          {w->Total, "Total", 7680, 120, 855, 255},
        {w->Total_Label, "Total_Label", 7680, 480, 855, 2895}, {w->Command2, "Command2", 5040, 3480, 1455, 315},
        {w->Command1, "Command1", 6840, 3480, 1455, 315},      {w->Label1[0], "Label1_0", 1200, 60, 855, 375},
        {w->Label1[5], "Label1_5", 6600, 60, 855, 375},        {w->Label[0], "Label_0", 1200, 480, 855, 2895},
        {w->Label[3], "Label_3", 4440, 480, 855, 2895},        {w->Label[5], "Label_5", 6600, 480, 855, 2895},
        {w->Expect, "Expect", 8760, 120, 855, 255},            {w->Expect_Label, "Expect_Label", 8760, 480, 855, 2895},
        {w->L_fair, "L_fair", 240, 3480, 4680, 315},
    };
    for (const auto& p : places) {
        EXPECT_EQ(w->findChild<QWidget*>(p.name), p.control) << p.name;
        EXPECT_EQ(p.control->geometry(), QRect(twips(p.left), twips(p.top), twips(p.width), twips(p.height))) << p.name;
    }
    const int lineTops[] = {840, 1200, 1560, 1920, 2280, 2640, 3000, 3360, 480};
    for (int i = 0; i < 9; ++i) {
        QFrame* line = w->Line1[i];
        ASSERT_EQ(line, w->findChild<QFrame*>(QString("Line1_%1").arg(i)));
        const int left = twips(i == 2 ? 360 : 240);
        EXPECT_EQ(line->geometry(), QRect(left, twips(lineTops[i]), twips(9720) - left, 1)) << i;
        EXPECT_EQ(line->palette().color(QPalette::Window), QColor(224, 224, 224)) << i;
    }

    EXPECT_EQ(w->Total->text(), "Total");
    EXPECT_EQ(w->Command2->text(), "集計クリア");
    EXPECT_EQ(w->Command1->text(), "閉じる");
    EXPECT_EQ(w->Label7->text(), "1のゾロ目２のゾロ目３のゾロ目４のゾロ目５のゾロ目６のゾロ目　　　シゴロ　　　６の目　　　"
                                 "５の目　　　４の目　　　３の目　　　２の目　　　１の目　　　役なし　　　場　外　　　ヒフミ　");
    const std::array<QLabel*, 5> texts{w->Label7, w->Label1[2], w->Label[4], w->Total_Label, w->Total};
    for (QLabel* label : texts)
        EXPECT_TRUE(label->alignment() & Qt::AlignRight) << label->objectName().toStdString();
}

TEST_F(frmTotalTest, RowNamesBreakOnePerLineLevelWithTheCountRows)
{
    seats(2);
    frmTotal* w = open();
    EXPECT_EQ(w->Label7->rows(), rowNames);
    EXPECT_EQ(w->Label7->rowPitch(), w->Label[0]->rowPitch());
    EXPECT_EQ(w->Label7->rowPitch(), w->Total_Label->rowPitch());
    // Two rows between neighbouring grid lines.
    EXPECT_EQ(2 * w->Label7->rowPitch(), w->Line1[0]->y() - w->Line1[8]->y());
    for (RowLabel* label : {w->Label7, w->Label[0], w->Label[5], w->Total_Label})
        EXPECT_EQ(label->visibleRows(), 16) << label->objectName().toStdString();
}

TEST_F(frmTotalTest, ThreeSeatsFillThreeColumnsAndSumOnlyThem)
{
    seats(3);
    fillTally();
    frmTotal* w = open();
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(w->Label1[seat]->text(), program::GameSettings.name(seat)) << seat;
        EXPECT_EQ(w->Label[seat]->text(), tallyColumn(seat, 1)) << seat;
    }
    for (int seat = 3; seat < 6; ++seat) {
        EXPECT_EQ(w->Label1[seat]->text(), "") << seat;
        EXPECT_EQ(w->Label[seat]->text(), "") << seat;
    }
    EXPECT_EQ(w->Total_Label->text(), tallyColumn(0, 3));
    EXPECT_EQ(program::RollTallySum[0], 0);
    for (int row = 1; row <= 20; ++row)
        EXPECT_EQ(program::RollTallySum[row], 3 * (row * 10) + 1 + 2 + 3) << row;
}

TEST_F(frmTotalTest, SeatCountOutsideTheTableIsTakenWithinZeroToSix)
{
    const struct {
        int ninzu, filled;
    } cases[] = {{-1, 0}, {0, 0}, {1, 1}, {6, 6}, {7, 6}, {32767, 6}, {-32768, 0}};
    for (const auto& c : cases) {
        seats(c.ninzu);
        fillTally();
        frmTotal* w = open();
        for (int seat = 0; seat < 6; ++seat)
            EXPECT_EQ(w->Label[seat]->text().isEmpty(), seat >= c.filled) << c.ninzu << " seat " << seat;
        EXPECT_EQ(w->Total_Label->text(), tallyColumn(0, c.filled)) << c.ninzu;
        click(w->Command1);
        ASSERT_TRUE(table->tallyWindow.isNull());
    }
}

TEST_F(frmTotalTest, ClearZeroesEveryCountAndShowsZerosInAllSixColumns)
{
    seats(4);
    fillTally();
    frmTotal* w = open();
    ASSERT_EQ(w->Label[4]->text(), "");
    click(w->Command2);
    EXPECT_EQ(program::RollTally, rules::TallyTable{});
    EXPECT_EQ(program::RollTallySum, rules::TallySums{});
    for (int seat = 0; seat < 6; ++seat)
        EXPECT_EQ(w->Label[seat]->text(), column()) << seat;
    EXPECT_EQ(w->Total_Label->text(), column());
    // The names stay as they were: seats 4 and 5 show zeros with no name above them.
    EXPECT_EQ(w->Label1[3]->text(), "ゲン");
    EXPECT_EQ(w->Label1[4]->text(), "");
    EXPECT_EQ(w->Label1[5]->text(), "");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(frmTotalTest, OpeningAgainOnlyRaisesTheWindowWithoutRecomputing)
{
    seats(3);
    fillTally();
    frmTotal* w = open();
    const QString before = w->Label[1]->text();
    const QString sumsBefore = w->Total_Label->text();
    const rules::TallySums sums = program::RollTallySum;

    program::RollTally[7][1] = 500;
    program::GameSettings.NINZU = 5;
    program::GameSettings.name(1) = "ジロウ";
    table->Total_Click();

    EXPECT_EQ(table->tallyWindow.data(), w);
    EXPECT_EQ(w->Label[1]->text(), before);
    EXPECT_EQ(w->Label1[1]->text(), "タロウ");
    EXPECT_EQ(w->Label[3]->text(), "");
    EXPECT_EQ(w->Total_Label->text(), sumsBefore);
    EXPECT_EQ(program::RollTallySum, sums);
}

TEST_F(frmTotalTest, CloseUnloadsTheWindowAndReopeningShowsTheCurrentCounts)
{
    seats(3);
    frmTotal* w = open();
    EXPECT_EQ(w->Label[1]->text(), column());

    rules::countHand(program::RollTally, 1, 34);
    EXPECT_EQ(w->Label[1]->text(), column()) << "a snapshot taken when the window opened";
    click(w->Command1);
    EXPECT_TRUE(table->tallyWindow.isNull());

    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Label[1]->text(), column({{8, 1}}));
    EXPECT_EQ(w->Total_Label->text(), column({{8, 1}}));
}

TEST_F(frmTotalTest, EscapeClosesLikeTheCloseButton)
{
    frmTotal* w = open();
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(table->tallyWindow.isNull());
}

TEST_F(frmTotalTest, ClosingTheTableWithTheWindowOpenTakesItAlong)
{
    seats(2);
    QPointer<frmTotal> w = open();
    click(w->Command2);
    table->close();
    table.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// A turn decided at once by the banker's シゴロ: the players did not throw and are counted in the
// row kept for no hand, which the window holds below its visible rows.
TEST_F(frmTotalTest, BankersShigoroShowsWhilePlayersWithoutHandAreCountedOutOfSight)
{
    seats(3);
    rules::countHand(program::RollTally, 1, 20);
    rules::countHand(program::RollTally, 2, 0);
    rules::countHand(program::RollTally, 0, 0);
    frmTotal* w = open();

    EXPECT_EQ(w->Label[1]->text(), column({{7, 1}}));
    EXPECT_EQ(w->Label[0]->text(), column({{20, 1}}));
    EXPECT_EQ(w->Label[2]->text(), column({{20, 1}}));
    EXPECT_EQ(w->Total_Label->text(), column({{7, 1}, {20, 2}}));
    const QStringList player = w->Label[0]->rows();
    ASSERT_EQ(player.size(), 20);
    EXPECT_EQ(player.mid(0, 16), QStringList(16, "0"));
    EXPECT_EQ(player[19], "1");
    EXPECT_LT(w->Label[0]->visibleRows(), 20);
}

TEST_F(frmTotalTest, TripleOnesPaidThreefoldShowInTheFirstRow)
{
    seats(2);
    rules::countHand(program::RollTally, 0, 70);
    frmTotal* w = open();
    EXPECT_EQ(w->Label[0]->rows().front(), "1");
    EXPECT_EQ(w->Label[0]->text(), column({{1, 1}}));
    EXPECT_EQ(w->Label[0]->rows()[15], "0") << "not next to ヒフミ";
}

// What the player sees: every grid line stays whole and uncovered, and each row's ink, names
// and counts alike, lies inside its own row below the grid line, so the columns read level with
// the names.
TEST_F(frmTotalTest, RenderedRowsStayBetweenTheGridLines)
{
    seats(6);
    fillTally();
    program::RollTally[7][0] = 9999;
    frmTotal* w = open();
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // A grid line keeps its colour; at most the faint edge of a glyph's smoothing may touch it.
    for (QFrame* line : w->Line1) {
        const QRect g = line->geometry();
        for (int x = g.left(); x <= g.right(); ++x) {
            const QColor pixel(image.pixel(x, g.top()));
            ASSERT_GE(qGray(pixel.rgb()), 200) << line->objectName().toStdString() << " x " << x;
            ASSERT_LE(qGray(pixel.rgb()), 224) << line->objectName().toStdString() << " x " << x;
        }
    }

    std::vector<RowLabel*> columns{w->Label7, w->Total_Label};
    columns.insert(columns.end(), w->Label.begin(), w->Label.end());
    for (RowLabel* label : columns) {
        const QRect g = label->geometry();
        const int pitch = label->rowPitch();
        for (int row = 0; row < 16; ++row) {
            int top = pitch, bottom = -1;
            for (int y = 0; y < pitch; ++y)
                for (int x = g.left(); x <= g.right(); ++x)
                    if (qGray(image.pixel(x, g.top() + row * pitch + y)) < 160) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            const std::string where = label->objectName().toStdString() + " row " + std::to_string(row + 1);
            ASSERT_LE(top, bottom) << where << ": nothing painted";
            EXPECT_GE(top, 1) << where;
            EXPECT_LE(bottom, pitch - 1) << where;
        }
    }
}

TEST_F(frmTotalTest, ExpectedCountsAndTheDiceTestFollowTheHandsCounted)
{
    seats(2);
    program::GameSettings.NAGEKAI = 3;
    // 400 hands with too many 6の目: rows 1..16, seat 0 and seat 1 splitting each count.
    const int counts[] = {4, 2, 3, 5, 3, 2, 22, 80, 40, 42, 47, 40, 45, 46, 0, 19};
    for (int row = 1; row <= 16; ++row) {
        program::RollTally[row][0] = qint16(counts[row - 1] / 2);
        program::RollTally[row][1] = qint16(counts[row - 1] - counts[row - 1] / 2);
    }
    program::RollTally[20][1] = 300;  // turns the banker decided: no hand of the dice
    frmTotal* w = open();
    EXPECT_EQ(w->Expect->text(), "期待数");
    EXPECT_EQ(w->Expect_Label->rows(),
              QStringList({"3.2", "3.2", "3.2", "3.2", "3.2", "3.2", "19.4", "48.6", "48.6", "48.6", "48.6", "48.6",
                           "48.6", "49.9", "0.3", "19.4", "", "", "", ""}));
    EXPECT_EQ(w->Expect_Label->rowPitch(), w->Total_Label->rowPitch());
    EXPECT_EQ(w->L_fair->text(), "サイコロの公平性　p値 0.003（χ² 25.25、自由度 9）");

    click(w->Command2);
    EXPECT_EQ(w->Expect_Label->rows().first(), "0.0");
    EXPECT_EQ(w->L_fair->text(), "サイコロの公平性　集計中");
}

TEST_F(frmTotalTest, DiceTestWaitsUntilEveryClassExpectsFiveHands)
{
    seats(1);
    program::GameSettings.NAGEKAI = 3;
    // Rows expected fewer than five times are pooled: up to 40 hands every row is, and one class
    // tests nothing; at 41 役なし expects five on its own beside the pool of the rest.
    const struct { int points; const char* shown; } cases[] = {
        {10, "サイコロの公平性　集計中"},
        {40, "サイコロの公平性　集計中"},
        {41, "サイコロの公平性　p値"},
        {42, "サイコロの公平性　p値"},
    };
    for (const auto& c : cases) {
        program::RollTally = {};
        program::RollTally[8][0] = qint16(c.points);  // every hand a 6の目
        frmTotal* w = open();
        EXPECT_TRUE(w->L_fair->text().startsWith(QString::fromUtf8(c.shown))) << c.points;
        click(w->Command1);
    }
}
