#include "game/ComputerCharacter.h"
#include "game/HousePresets.h"

#include <gtest/gtest.h>

namespace {

// Without a catalogue the names a player reads are the names settings files and rooms compare.
TEST(ShownNames, InJapaneseTheShownNamesAreTheStoredOnes)
{
    for (const rules::HousePreset& preset : rules::housePresets())
        EXPECT_EQ(rules::shownPresetName(preset), QString::fromUtf16(preset.name));
    for (int c = 0; c < rules::CharacterCount; ++c)
        EXPECT_EQ(rules::shownCharacterName(rules::Character(c)), rules::characterName(rules::Character(c))) << c;
    EXPECT_EQ(rules::characterName(rules::Character::Gambler), QStringLiteral("博徒"));
}

}  // namespace
