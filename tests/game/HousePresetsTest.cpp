#include "game/ComputerCharacter.h"
#include "game/HandOdds.h"
#include "game/HousePresets.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <set>

TEST(HousePresets, EachHouseIsAPlayableRuleSetOfItsOwnWithAUniqueName)
{
    std::set<QString> names;
    for (const rules::HousePreset& preset : rules::housePresets()) {
        const QString name = QString::fromUtf16(preset.name);
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
        EXPECT_GE(preset.nagekai, 1);
        EXPECT_LE(preset.nagekai, 5);
        EXPECT_GE(preset.oya, 1);
        EXPECT_LE(preset.oya, 9);
        const auto on = [&](int n) { return preset.checks[size_t(n - 1)] == 1; };
        // The dialog's interlocks could not tick these together.
        EXPECT_FALSE(on(3) && (on(4) || on(5))) << name.toStdString();
        EXPECT_FALSE(on(6) && on(7)) << name.toStdString();
        for (qint16 check : preset.checks)
            EXPECT_TRUE(check == 0 || check == 1) << name.toStdString();
        // Any other settings with the house's rules are that house, and no other.
        SettingsRecord other;
        other.NINZU = 5;
        other.P_CHECK3 = 2;
        EXPECT_EQ(rules::matchingPreset(rules::withPreset(other, preset)), &preset) << name.toStdString();
    }
    EXPECT_GE(names.size(), 4u);
}

TEST(HousePresets, TheDescriptionsSecondLineIsTheHousesExactEdge)
{
    for (const rules::HousePreset& preset : rules::housePresets()) {
        const rules::TurnOdds odds = rules::turnOdds(rules::withPreset(SettingsRecord{}, preset));
        const QStringList lines = rules::presetDescription(preset).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << QString::fromUtf16(preset.name).toStdString();
        EXPECT_EQ(lines[0], QString::fromUtf16(preset.plays));
        const QString expected = odds.bankerEdge >= 0
                                     ? QStringLiteral("親に有利：親の有利 ") + rules::percentText(odds.bankerEdge)
                                     : QStringLiteral("子に有利：子の期待値 ") + rules::percentText(odds.playerExpectation);
        EXPECT_EQ(lines[1], expected);
    }
    // The plain game, as the README gives its edge.
    EXPECT_EQ(rules::presetDescription(rules::housePresets()[0]).split(QLatin1Char('\n')).value(1),
              QStringLiteral("親に有利：親の有利 +1.03%"));
}

TEST(HousePresets, ADifferentThrowCountTurnsOrAnyOptionIsNoHouse)
{
    const rules::HousePreset& plain = rules::housePresets()[0];
    const SettingsRecord base = rules::withPreset(SettingsRecord{}, plain);
    SettingsRecord changed = base;
    changed.NAGEKAI = 4;
    EXPECT_EQ(rules::matchingPreset(changed), nullptr);
    changed = base;
    changed.OYA = 2;
    EXPECT_EQ(rules::matchingPreset(changed), nullptr);
    for (int n = 1; n <= 12; ++n) {
        changed = base;
        changed.check(n) = 1;
        const rules::HousePreset* match = rules::matchingPreset(changed);
        EXPECT_NE(match, &plain) << n;
    }
}
