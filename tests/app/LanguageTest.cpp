#include "EnglishTableFixture.h"

#include "app/CommandLine.h"
#include "app/GameLanguage.h"
#include "app/Language.h"
#include "settings/PlayerSettings.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

// Kana, ideographs, the ideographic space and punctuation, full-width and half-width forms.
bool hasJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
    });
}

TEST(Language, TheOptionThenThePlayersChoiceThenTheSystemDecide)
{
    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale france(QLocale::French, QLocale::France);
    const struct {
        std::optional<Language> option;
        const char* stored;
        QLocale system;
        Language expected;
    } cases[] = {
        {std::nullopt, "", japan, Language::Japanese},
        {std::nullopt, "", us, Language::English},
        {std::nullopt, "", france, Language::English},
        {std::nullopt, "en", japan, Language::English},
        {std::nullopt, "ja", us, Language::Japanese},
        {std::nullopt, "EN", japan, Language::Japanese},  // a stored value that is no code counts for nothing
        {std::nullopt, "de", us, Language::English},
        {Language::Japanese, "en", us, Language::Japanese},
        {Language::English, "ja", japan, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startLanguage(c.option, QString::fromLatin1(c.stored), c.system), c.expected)
            << c.stored << " " << c.system.name().toStdString();
}

TEST(Language, LangTakesJaOrEnAndRefusesAnythingElse)
{
    const struct {
        QStringList arguments;
        std::optional<Language> language;
        bool error;
    } cases[] = {
        {{}, std::nullopt, false},
        {{"--lang", "en"}, Language::English, false},
        {{"--lang=ja"}, Language::Japanese, false},
        {{"--lang", "fr"}, std::nullopt, true},
        {{"--lang", ""}, std::nullopt, true},
        {{"--lang"}, std::nullopt, true},
    };
    for (const auto& c : cases) {
        const CommandLine commandLine(QStringList{"qubrin"} + c.arguments);
        EXPECT_EQ(commandLine.language(), c.language) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(!commandLine.error().isEmpty(), c.error) << c.arguments.join(' ').toStdString();
    }
}

class LanguageOfTheTable : public ::testing::Test, public EnglishTableFixture {
protected:
    // Every menu's title and item caption, and every tool tip of the table, in order.
    QStringList texts() const
    {
        QStringList all;
        const std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
            for (const QAction* action : actions) {
                all << action->text();
                if (action->menu())
                    collect(action->menu()->actions());
            }
        };
        collect(table->menuBar()->actions());
        for (const QWidget* widget : table->findChildren<QWidget*>())
            all << widget->toolTip();
        return all;
    }

    void choose(const char* item)
    {
        table->findChild<QAction*>(item)->trigger();
        QCoreApplication::processEvents();
    }
};

TEST_F(LanguageOfTheTable, SwitchingToEnglishAndBackChangesEveryTextAtOnceAndIsRemembered)
{
    open();
    const QStringList japanese = texts();
    choose("languageEnglish");
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_TRUE(table->findChild<QAction*>("languageEnglish")->isChecked());
    EXPECT_EQ(player_settings::value(QStringLiteral("ui/language")).toString(), "en");
    const QStringList english = texts();
    ASSERT_EQ(english.size(), japanese.size());
    for (const QString& text : english)
        EXPECT_TRUE(!hasJapanese(text) || text == QStringLiteral("日本語")) << text.toStdString();
    EXPECT_TRUE(english.contains("&Game"));

    choose("languageJapanese");
    EXPECT_EQ(texts(), japanese);
    EXPECT_TRUE(table->findChild<QAction*>("languageJapanese")->isChecked());
    EXPECT_EQ(player_settings::value(QStringLiteral("ui/language")).toString(), "ja");
}

// In the middle of a turn the status line, the throw counts and the banker's round follow too, and a
// place that was cleared stays clear; the game itself is untouched.
TEST_F(LanguageOfTheTable, MidTurnTheTableSpeaksTheNewLanguageAndBackExactly)
{
    open({{"NINZU", "3"}});
    newGame();
    scriptBets({0.5f, 0.5f});
    openBets();
    scriptThrows({{4, 5, 6}});
    throwDice();
    frmMain& t = *table;
    const auto shown = [&t] {
        QStringList all{t.Turn->text()};
        for (int seat = 0; seat < 3; ++seat)
            all << t.P_kail[seat]->text() << t.oya_Lab[seat]->text() << t.P_scoLab[seat]->text();
        return all;
    };
    const QStringList japanese = shown();
    ASSERT_EQ(japanese[0], "ターン終了");
    const int banker = t.state.OyaSeat;
    ASSERT_EQ(t.oya_Lab[banker]->text(), "親１戦");

    choose("languageEnglish");
    EXPECT_EQ(t.Turn->text(), "End of the turn");
    EXPECT_EQ(t.oya_Lab[banker]->text(), "Bank 1");
    EXPECT_EQ(t.P_kail[banker]->text(), "#1");
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(t.P_scoLab[seat]->text(), japanese[3 + 3 * seat]) << seat;
        if (seat != banker) {
            EXPECT_TRUE(t.oya_Lab[seat]->text().isEmpty()) << seat;
        }
    }
    choose("languageJapanese");
    EXPECT_EQ(shown(), japanese);
}

TEST_F(LanguageOfTheTable, WithoutItsCatalogueEnglishIsNotTakenAndTheTableStaysJapanese)
{
    QFile::remove(folder.filePath(QStringLiteral("qubrin_en.qm")));
    open();
    const QStringList japanese = texts();
    choose("languageEnglish");
    EXPECT_EQ(currentLanguage(), Language::Japanese);
    EXPECT_TRUE(table->findChild<QAction*>("languageJapanese")->isChecked());
    EXPECT_EQ(texts(), japanese);
}

}  // namespace
