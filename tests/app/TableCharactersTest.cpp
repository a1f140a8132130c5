#include "TableFixture.h"

#include "app/GameLanguage.h"

#include "game/CharacterSection.h"
#include "game/GameHistory.h"
#include "state/Program.h"
#include "support/TextFit.h"
#include "support/VisibleTexts.h"
#include "ui/widgets/CommandLabel.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// The reason a seat shows, as one line: it stands in two, what was seen above what was done.
QString reasonOf(const QLabel* label)
{
    EXPECT_EQ(label->text().count(QLatin1Char('\n')), 1) << label->text().toStdString();
    EXPECT_EQ(label->toolTip(), QString(label->text()).replace(QStringLiteral("\n→"), QStringLiteral(" →")));
    // Each of its lines fits the dice tray it stands over.
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(line), label->contentsRect().width())
            << line.toStdString();
    return label->toolTip();
}

}  // namespace

class TableCharacters : public ::testing::Test, public TableFixture {
protected:
    // The test settings with the characters in their section of dice.ini.
    void openWith(const rules::SeatCharacters& characters, const std::map<QString, QString>& overrides = {})
    {
        open(overrides);
        ASSERT_TRUE(rules::writeCharacters(folder.filePath(QStringLiteral("dice.ini")), characters));
        table.reset();
        table = std::make_unique<frmMain>();
    }
};

TEST_F(TableCharacters, EachComputerSeatShowsTheReasonOfItsBetOnItsSeatAndInTheHistory)
{
    using rules::Character;
    openWith({Character::Omakase, Character::Calculating, Character::Gambler, Character::Omakase});
    platform.seconds = 3;  // seat 0, a person, holds the bank
    newGame();
    scriptBets({0.5f, 0.5f, 0.5f});  // every computer seat draws, whatever its character
    openBets();
    frmMain& t = *table;
    EXPECT_EQ(t.P_betLab[1]->text(), "10");
    EXPECT_EQ(reasonOf(t.P_reason[1]), QStringLiteral("計算: 期待値 −1.03% → 最低額 10"));
    EXPECT_EQ(reasonOf(t.P_reason[2]), QStringLiteral("博徒: 初手 → 10"));
    EXPECT_EQ(reasonOf(t.P_reason[3]), QStringLiteral("おまかせ: 運まかせ → 60"));
    EXPECT_TRUE(t.P_reason[0]->isHidden()) << "a person's seat shows its scroll bar there";
    EXPECT_FALSE(t.P_reason[1]->isHidden());
    EXPECT_TRUE(platform.draws.isEmpty());
    ASSERT_EQ(t.history->turns().size(), 1);
    EXPECT_EQ(t.history->turns()[0].seats[1].reason, QStringLiteral("計算: 期待値 −1.03% → 最低額 10"));
    EXPECT_EQ(t.history->turns()[0].seats[0].reason, QString());
}

TEST_F(TableCharacters, TheReasonsOnTheTableFollowTheLanguageAndFitTheirTrays)
{
    using rules::Character;
    openWith({Character::Omakase, Character::Calculating, Character::Gambler, Character::Steady});
    platform.seconds = 3;
    newGame();
    scriptBets({0.5f, 0.5f, 0.5f});
    openBets();
    frmMain& t = *table;
    const QString japanese[] = {reasonOf(t.P_reason[1]), reasonOf(t.P_reason[2]), reasonOf(t.P_reason[3])};
    folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
    ASSERT_TRUE(useLanguage(Language::English));
    QCoreApplication::processEvents();
    // English lines are longer: they wrap within the tray, and the tip keeps the reason whole.
    EXPECT_EQ(t.P_reason[1]->toolTip(), QStringLiteral("Calculating: expect −1.03% → minimum 10"));
    EXPECT_EQ(t.P_reason[2]->toolTip(), QStringLiteral("Gambler: first bet → 10"));
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_FALSE(containsJapanese(t.P_reason[seat]->text())) << t.P_reason[seat]->text().toStdString();
    EXPECT_EQ(textsThatDoNotFit(&t).filter(QStringLiteral("P_reason")), QStringList());
    useLanguage(Language::Japanese);
    QCoreApplication::processEvents();
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_EQ(reasonOf(t.P_reason[seat]), japanese[seat - 1]);
}

TEST_F(TableCharacters, AComputerBankerTakesSuruWhenItsCharacterSaysSoAndTheNextClickOpensTheBets)
{
    using rules::Character;
    // One throw favours the players by 30 %: 計算 gives the bank away, 博徒 keeps it.
    openWith({Character::Omakase, Character::Calculating, Character::Gambler, Character::Omakase},
             {{"NAGEKAI", "1"}, {"P_CHECK6", "1"}});
    platform.seconds = 0;  // seat 1 holds the bank
    newGame();
    openBets();
    frmMain& t = *table;
    EXPECT_EQ(t.oya->text(), "oya 2") << "the bank moved on instead of the bets opening";
    EXPECT_EQ(reasonOf(t.P_reason[1]), QStringLiteral("計算: 親の有利 −30.12% → ｽﾙｰ"));
    EXPECT_TRUE(t.bent_Label->isEnabled());
    EXPECT_FALSE(t.turn_Label->isEnabled());

    scriptBets({0.5f, 0.5f});
    openBets();
    EXPECT_EQ(t.oya->text(), "oya 2");
    EXPECT_TRUE(t.turn_Label->isEnabled());
    EXPECT_EQ(reasonOf(t.P_reason[2]), QStringLiteral("博徒: 親の有利 −30.12% → 親を続ける"));
    EXPECT_TRUE(reasonOf(t.P_reason[1]).startsWith(QStringLiteral("計算: 持ち点の"))) << reasonOf(t.P_reason[1]).toStdString();
}
