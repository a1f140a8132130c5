#include "SoundSpeedHelpFixture.h"

#include "ui/options/frmOdds.h"

#include <QAction>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

using OddsWindow = SoundSpeedHelpTest;

frmOdds* openOdds(frmMain& table)
{
    table.P_odds->trigger();
    return table.findChild<frmOdds*>(QStringLiteral("frmOdds"));
}

// The table's row whose hand is named so, as "per throw | final | pay".
QString rowOf(const QTableWidget* t, const char* hand)
{
    for (int row = 0; row < t->rowCount(); ++row)
        if (t->item(row, 0)->text() == QString::fromUtf8(hand))
            return t->item(row, 1)->text() + " | " + t->item(row, 2)->text() + " | " + t->item(row, 3)->text();
    return QStringLiteral("(missing)");
}

}  // namespace

TEST_F(OddsWindow, HelpMenuOpensOneModelessWindowWithTheHandsOfTheRules)
{
    program::GameSettings.NAGEKAI = 3;
    QPointer<frmOdds> w = openOdds(*table);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(table->P_odds->text(), "確率と期待値(&P)");
    EXPECT_TRUE(w->isVisible() && w->isWindow());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    EXPECT_EQ(w->windowTitle(), "確率と期待値");
    EXPECT_TRUE(centredOnScreen(w));

    QTableWidget* t = w->findChild<QTableWidget*>(QStringLiteral("OddsTable"));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->rowCount(), 16);
    EXPECT_EQ(t->horizontalHeaderItem(2)->text(), "最終の役（3投まで）");
    EXPECT_EQ(t->item(0, 0)->text(), "1のゾロ目");
    EXPECT_EQ(t->item(15, 0)->text(), "ヒフミ");
    const struct { const char* hand; const char* row; } cases[] = {
        {"役なし", "49.975% | 12.481% | 1倍負け"}, {"1のゾロ目", "0.463% | 0.810% | 3倍"},
        {"シゴロ", "2.776% | 4.857% | 2倍"},       {"ヒフミ", "2.776% | 4.857% | 2倍負け"},
        {"場　外", "0.050% | 0.087% | 1倍負け"},   {"6の目", "6.941% | 12.143% | 1倍"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowOf(t, c.hand), c.row) << c.hand;
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("L_expect"))->text(), "子の期待値：1ベットあたり −0.0103　親の有利：1.03%");
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("L_rules"))->text(), "振る回数 3回　特別ルール：なし");

    // Every column shows its whole header and widest cell.
    for (int column = 0; column < t->columnCount(); ++column)
        EXPECT_GE(t->columnWidth(column), t->horizontalHeader()->sectionSizeHint(column)) << column;
    EXPECT_GE(t->height(), t->horizontalHeader()->height() + t->rowCount() * t->rowHeight(0));

    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command")), Qt::LeftButton);
    settle();
    EXPECT_TRUE(w.isNull());
}

TEST_F(OddsWindow, OpeningAgainShowsTheRulesOfNowInTheSameWindow)
{
    program::GameSettings.NAGEKAI = 3;
    QPointer<frmOdds> first = openOdds(*table);
    program::GameSettings.NAGEKAI = 1;
    program::GameSettings.P_CHECK3 = 1;
    program::GameSettings.P_CHECK12 = 1;
    frmOdds* again = openOdds(*table);
    EXPECT_EQ(again, first.data());
    EXPECT_EQ(table->findChildren<frmOdds*>().size(), 1);

    QTableWidget* t = again->OddsTable;
    EXPECT_EQ(t->horizontalHeaderItem(2)->text(), "最終の役（1投まで）");
    EXPECT_EQ(rowOf(t, "1のゾロ目"), "0.463% | 0.463% | 5倍");
    EXPECT_EQ(rowOf(t, "役なし"), "49.975% | 49.975% | 1倍負け");
    EXPECT_EQ(again->L_rules->text(), "振る回数 1回　特別ルール：1のゾロ目5倍勝ち、場外は振り直し");

    QTest::keyClick(again, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(first.isNull());
}
