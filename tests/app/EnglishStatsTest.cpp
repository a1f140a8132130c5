#include "EnglishTableFixture.h"

#include "app/GameLanguage.h"
#include "app/TableZoom.h"
#include "game/CharacterSection.h"
#include "game/HandName.h"
#include "game/HistoryTable.h"
#include "game/HandRanking.h"
#include "state/Program.h"
#include "support/TextFit.h"
#include "support/VisibleTexts.h"
#include "ui/options/AboutBox.h"
#include "ui/options/frmOdds.h"
#include "ui/stats/frmHistory.h"
#include "ui/stats/frmResult.h"
#include "ui/stats/frmTotal.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTableView>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

using rules::HandValue::TripleBase;

TEST(EnglishHandNames, EveryHandHasItsEnglishNameAndItsJapaneseBack)
{
    const struct {
        qint16 value;
        const char* english;
        const char* japanese;
    } hands[] = {
        {rules::HandValue::OnesPaidFive, "Triple 1s", "1のゾロ目"},
        {rules::HandValue::OnesLoseThree, "Triple 1s", "1のゾロ目"},
        {rules::HandValue::FivesPaidFive, "Triple 5s", "5のゾロ目"},
        {TripleBase + 1, "Triple 1s", "1のゾロ目"},
        {TripleBase + 6, "Triple 6s", "6のゾロ目"},
        {rules::HandValue::Shigoro, "4-5-6", "シゴロ"},
        {rules::pointValue(6), "Point 6", "6の目"},
        {rules::pointValue(1), "Point 1", "1の目"},
        {rules::HandValue::NoHand, "No hand", "役なし"},
        {rules::HandValue::OutOfBowl, "Out of the bowl", "場　外"},
        {rules::HandValue::Hifumi, "1-2-3", "ヒフミ"},
        {rules::HandValue::None, "", ""},
        {TripleBase, "", ""},  // between the variants and the plain triples: no hand
    };
    TableFolder folder;
    folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
    ASSERT_TRUE(useLanguage(Language::English));
    for (const auto& hand : hands)
        EXPECT_EQ(rules::handName(hand.value), QString::fromUtf8(hand.english)) << hand.value;
    useLanguage(Language::Japanese);
    for (const auto& hand : hands)
        EXPECT_EQ(rules::handName(hand.value), QString::fromUtf8(hand.japanese)) << hand.value;
}

class EnglishStats : public ::testing::Test, public EnglishTableFixture {
protected:
    // A short game of every kind of hand, up to the result of its last turn.
    void playGame()
    {
        open({{"LAST", "2"}, {"P_CHECK12", "1"}});
        platform.seconds = 3;
        newGame();
        openBets();
        scriptThrows({{3, 3, 5}, {4, 5, 6}, {2, 2, 5}, {2, 4, 6}, {2, 4, 6}, {9, 1, 1}, {1, 2, 3}});
        throwDice();
        nextTurn();
        openBets();
        scriptThrows({{2, 2, 4}, {6, 6, 6}, {2, 3, 5}, {2, 3, 5}, {1, 2, 3}, {1, 1, 1}});
        throwDice();
        nextTurn();
    }

    // The stats windows, opened from the table's menus.
    QList<QWidget*> openWindows()
    {
        for (QAction* action : {table->total, table->turnHistory, table->P_odds})
            action->trigger();
        if (!table->resultWindow)
            table->gameResult->trigger();
        QCoreApplication::processEvents();
        return {table->tallyWindow, table->historyWindow, table->resultWindow, table->oddsWindow};
    }

    // What the windows show, without the names the players gave the seats.
    QStringList shownWithoutNames(const QList<QWidget*>& windows) const
    {
        // The computer's reasons for its bets are told in their own words.
        QStringList reasons;
        for (int row = 0; row < historyTable::rowCount(*table->history); ++row)
            reasons << historyTable::cell(*table->history, row, historyTable::ReasonColumn);
        QStringList all;
        for (const QWidget* window : windows)
            for (QString text : visibleTexts(window)) {
                if (reasons.contains(text))
                    continue;
                for (int seat = 0; seat < 6; ++seat)
                    text.remove(program::GameSettings.name(seat));
                all << text;
            }
        return all;
    }

    static void expectNoJapanese(const QStringList& texts)
    {
        for (const QString& text : texts)
            EXPECT_FALSE(containsJapanese(text)) << text.toStdString();
    }

    void choose(const char* item)
    {
        table->findChild<QAction*>(item)->trigger();
        // The chart lays its titles out again on a later turn of the event loop.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
    }
};

TEST_F(EnglishStats, OpenWindowsSwitchToEnglishAndBackByteForByte)
{
    playGame();
    const QList<QWidget*> windows = openWindows();
    for (const QWidget* window : windows)
        ASSERT_NE(window, nullptr);
    const QStringList japanese = shownWithoutNames(windows);
    ASSERT_TRUE(japanese.contains("シゴロ"));
    ASSERT_TRUE(japanese.contains("場　外"));

    choose("languageEnglish");
    const QStringList english = shownWithoutNames(windows);
    expectNoJapanese(english);
    for (const char* text : {"Dice tally", "Turn history", "Scores over the game", "Final results", "4-5-6",
                             "Out of the bowl", "Triple 6s", "Point 5", "Best hand", "Chance per throw"})
        EXPECT_TRUE(english.contains(text)) << text;

    choose("languageJapanese");
    EXPECT_EQ(shownWithoutNames(windows), japanese);
}

TEST_F(EnglishStats, WindowsOpenedInEnglishShowNoJapaneseAndTheirTextsFit)
{
    playGame();
    choose("languageEnglish");
    const QList<QWidget*> windows = openWindows();
    expectNoJapanese(shownWithoutNames(windows));
    EXPECT_EQ(aboutTitle(), "About Qubrin");
    expectNoJapanese({aboutText()});

    for (const QWidget* window : windows) {
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(window))
                continue;
            const QString where = window->objectName() + "/" + child->objectName();
            if (const auto* button = qobject_cast<const QPushButton*>(child)) {
                EXPECT_LE(button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 8,
                          button->width())
                    << where.toStdString();
            }
            const auto* label = qobject_cast<const QLabel*>(child);
            if (label && label->metaObject() == &QLabel::staticMetaObject && !label->text().contains('\n')) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                    << where.toStdString();
            }
        }
    }
}

// At the size it opens with at 100 %, the history shows every English text whole: the hands, the
// throws of a seat that threw three times; only the computer's reasons, whole in their tips, may be cut.
TEST_F(EnglishStats, TheHistoryShowsItsLongestEnglishTextsWholeButTheReasons)
{
    using rules::Character;
    open({{"NINZU", "6"}, {"BETMIN", "100"}, {"BETMAX", "9999"}});
    ASSERT_TRUE(rules::writeCharacters(folder.filePath(QStringLiteral("dice.ini")),
                                       {Character::Omakase, Character::Calculating, Character::Gambler,
                                        Character::Steady, Character::Bold, Character::Calculating}));
    table.reset();
    table = std::make_unique<frmMain>();
    choose("languageEnglish");
    platform.seconds = 5;  // seat 0, a person, holds the bank
    newGame();
    scriptBets({0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    openBets();
    scriptThrows({{2, 4, 6}, {2, 4, 6}, {1, 1, 3}, {2, 4, 6}, {2, 4, 6}, {9, 1, 1}, {4, 5, 6},
                  {1, 2, 3}, {5, 5, 2}, {6, 6, 6}});
    throwDice();
    table->turnHistory->trigger();
    QCoreApplication::processEvents();
    const QTableView* grid = table->historyWindow->HistoryGrid;
    const QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->index(1, historyTable::HandColumn).data().toString(), "Out of the bowl");
    ASSERT_EQ(model->index(1, historyTable::ThrowsColumn).data().toString(), "2-4-6 / 2-4-6 / ×-1-1");
    for (int column = 0; column < historyTable::ColumnCount; ++column) {
        if (column == historyTable::ReasonColumn)
            continue;
        // What the view itself needs to show the column's texts whole.
        const int needed = static_cast<const QAbstractItemView*>(grid)->sizeHintForColumn(column);
        EXPECT_GE(grid->columnWidth(column), needed) << model->headerData(column, Qt::Horizontal).toString().toStdString();
    }
    // Its buttons keep their captions clear of their frames at every zoom, as opened there.
    for (const int percent : TableZoom::Steps) {
        table->historyWindow->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(table->historyWindow, nullptr);
        table->tableZoom->apply(percent);
        table->turnHistory->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(textsThatDoNotFit(table->historyWindow).join(u'|').toStdString(), "") << percent << " %";
    }
    table->tableZoom->apply(100);
}

// The table's hand label narrows the longest English hand to its width, and a short one keeps the
// label's own font.
TEST_F(EnglishStats, TheTablesHandLabelNarrowsALongEnglishHandToFit)
{
    open({{"P_CHECK12", "0"}});
    choose("languageEnglish");
    platform.seconds = 3;
    newGame();
    openBets();
    scriptThrows({{2, 2, 5}, {9, 1, 1}, {4, 5, 6}, {3, 3, 1}});
    throwDice();
    const struct {
        int seat;
        const char* name;
    } seats[] = {{0, "Point 5"}, {1, "Out of the bowl"}, {2, "4-5-6"}, {3, "Point 1"}};
    for (const auto& s : seats) {
        const QLabel* label = table->P_yaku[s.seat];
        EXPECT_EQ(label->text(), s.name) << s.seat;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width()) << s.seat;
    }
    EXPECT_EQ(table->P_yaku[0]->font().stretch(), QFont::AnyStretch);
    EXPECT_GT(table->P_yaku[1]->font().stretch(), QFont::AnyStretch);
    choose("languageJapanese");
    EXPECT_EQ(table->P_yaku[1]->font().stretch(), QFont::AnyStretch);
    EXPECT_EQ(table->P_yaku[1]->text(), "場　外");
    EXPECT_EQ(table->P_yaku[2]->text(), "シゴロ");
}

}  // namespace
