#include "frmSetFixture.h"

#include "game/CharacterSection.h"
#include "state/Program.h"

#include <QComboBox>

using rules::Character;

class SettingsCharactersTest : public SettingsDialogTest {
protected:
    QComboBox* character(int seatIndex) const { return find<QComboBox>(seat("Comchar", seatIndex)); }
};

TEST_F(SettingsCharactersTest, EachSeatChoosesItsCharacterBesideAutoAndOkKeepsItForTheSeatsInPlay)
{
    program::Characters = {Character::Omakase, Character::Bold, Character::Omakase,
                           Character::Steady,  Character::Gambler, Character::Gambler};
    open();  // four seats
    EXPECT_EQ(character(1)->currentText(), QStringLiteral("強気"));
    EXPECT_EQ(character(3)->currentText(), QStringLiteral("堅実"));
    EXPECT_EQ(character(4)->currentIndex(), 0) << "a seat out of play opens empty, as its name does";
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(character(i)->isEnabled(), tick(seat("P_flgCheck", i))->isEnabled()) << i;
    EXPECT_EQ(character(0)->count(), rules::CharacterCount);

    character(1)->setCurrentIndex(int(Character::Calculating));
    click("OKCom");
    const rules::SeatCharacters expected{Character::Omakase, Character::Calculating, Character::Omakase,
                                         Character::Steady,  Character::Gambler,     Character::Gambler};
    EXPECT_EQ(program::Characters, expected) << "seats out of play keep theirs, as their names do";
}

TEST_F(SettingsCharactersTest, DuringAGameTheCharactersAreLockedWithAuto)
{
    program::GameFlag = 1;
    program::Characters[1] = Character::Bold;
    open();
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(character(i)->isEnabled()) << i;
    character(1)->setCurrentIndex(int(Character::Steady));
    click("OKCom");
    EXPECT_EQ(program::Characters[1], Character::Bold);
}

TEST_F(SettingsCharactersTest, SaveWritesTheCharactersInTheirSectionAndLoadShowsThem)
{
    open();
    character(1)->setCurrentIndex(int(Character::Gambler));
    character(3)->setCurrentIndex(int(Character::Calculating));
    const QString path = folder.filePath(QStringLiteral("chars.ini"));
    platform.fileChoices.enqueue(path);
    click("cmdWPPS");
    const rules::SeatCharacters saved{Character::Omakase, Character::Gambler,  Character::Omakase,
                                      Character::Calculating, Character::Omakase, Character::Omakase};
    EXPECT_EQ(rules::readCharacters(path), saved);
    EXPECT_EQ(readProfileSection(path)->size(), 37) << "DiceGame holds its 37 entries and nothing else";
    click("cmdQuit");
    ASSERT_TRUE(closed());

    open();
    EXPECT_EQ(character(1)->currentIndex(), 0);
    load(path);
    EXPECT_EQ(character(1)->currentText(), QStringLiteral("博徒"));
    EXPECT_EQ(character(3)->currentText(), QStringLiteral("計算"));

    // Back to おまかせ everywhere: the next save takes the section out again.
    character(1)->setCurrentIndex(0);
    character(3)->setCurrentIndex(0);
    platform.fileChoices.enqueue(path);
    click("cmdWPPS");
    EXPECT_EQ(readProfileSection(path, rules::CharacterSection), std::nullopt);
    EXPECT_TRUE(platform.warnings.isEmpty());
}
