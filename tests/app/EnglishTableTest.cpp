#include "EnglishTableFixture.h"

#include "app/GameLanguage.h"
#include "state/Program.h"
#include "support/VisibleTexts.h"
#include "ui/stats/frmResult.h"

#include <QAction>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>

namespace {

// An English table through a whole game: before it, bets open, every pause of every seat's throws,
// each turn settled, ｽﾙｰ offered and taken, an interruption declined, the game over with its
// results. Nothing Japanese shows but the names the players typed.
class EnglishTable : public ::testing::Test, public EnglishTableFixture {
protected:
    // The Japanese texts shown in the window, as "state: objectName: text", less the seats' names.
    void collect(const QWidget* window, const char* state)
    {
        for (QString text : visibleTexts(window)) {
            for (int seat = 0; seat < 6; ++seat)
                text.remove(program::GameSettings.name(seat));
            if (containsJapanese(text))
                japanese << QString::fromUtf8(state) + QStringLiteral(": ") + window->objectName() + u' ' + text;
        }
    }

    QStringList japanese;
};

TEST_F(EnglishTable, EveryStateOfATurnShowsNoJapaneseButThePlayersNames)
{
    ASSERT_TRUE(useLanguage(Language::English));
    QCoreApplication::processEvents();
    // Two turns, ｽﾙｰ offered at every one, every kind of hand among the throws.
    open({{"LAST", "2"}, {"OYA", "1"}, {"P_CHECK6", "1"}});
    table->show();
    platform.seconds = 0;  // seat 0, the person, holds the bank first
    const char* state = "";
    platform.duringWait = [&] { collect(table.get(), state); };
    const struct {
        const char* state;
        std::function<void()> step;
    } steps[] = {
        {"before a game", [] {}},
        {"a new game, ｽﾙｰ offered", [&] { newGame(); }},
        {"the bank passed", [&] { pass(); }},
        {"bets open", [&] { scriptBets({0.3f, 0.6f}); openBets(); }},
        {"an interruption declined",
         [&] {
             platform.answers.enqueue(false);
             table->Gameout->trigger();
         }},
        {"the throws, the turn settled",
         [&] {
             scriptThrows({{3, 3, 5}, {4, 5, 6}, {2, 4, 6}, {2, 4, 6}, {9, 1, 1}, {1, 2, 3}, {2, 2, 5}});
             throwDice();
         }},
        {"the next turn", [&] { nextTurn(); }},
        {"the last throws",
         [&] {
             openBets();
             scriptThrows({{2, 2, 4}, {6, 6, 6}, {1, 1, 1}, {2, 4, 6}, {2, 4, 6}, {2, 4, 6}});
             throwDice();
         }},
        {"the game over", [&] { nextTurn(); }},
    };
    for (const auto& s : steps) {
        state = s.state;
        s.step();
        QCoreApplication::processEvents();
        collect(table.get(), state);
    }
    EXPECT_EQ(table->Turn->text(), "Game over");
    ASSERT_NE(table->resultWindow, nullptr);
    collect(table->resultWindow, "the results");
    EXPECT_EQ(japanese.join(u'\n').toStdString(), "");
}

}  // namespace
