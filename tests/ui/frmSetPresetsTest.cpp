#include "frmSetFixture.h"

#include "game/HandOdds.h"
#include "game/HousePresets.h"
#include "state/Program.h"
#include "ui/options/OddsText.h"

#include <QComboBox>

class SettingsPresetsTest : public SettingsDialogTest {
protected:
    QString shownHouse() const { return find<QComboBox>("Comrule")->currentText(); }
    QString description() const { return find<QLabel>("L_preset")->text(); }
};

TEST_F(SettingsPresetsTest, ChoosingAHouseTicksItsOptionsSetsItsCountsAndShowsItsExactEdge)
{
    for (const rules::HousePreset& preset : rules::housePresets()) {
        const QString name = QString::fromUtf16(preset.name);
        SettingsRecord start = playable();
        start.P_CHECK3 = 1;  // closes 4 and 5, which a house may want
        start.P_CHECK7 = 1;  // closes 6
        open(start);
        choose("Comrule", name);
        for (int n = 1; n <= 12; ++n)
            EXPECT_EQ(tick("P_Check" + QString::number(n))->isChecked(), preset.checks[size_t(n - 1)] == 1)
                << name.toStdString() << " option " << n;
        EXPECT_EQ(box("Comnagekai")->text(), QString::number(preset.nagekai)) << name.toStdString();
        EXPECT_EQ(box("Comoya")->text(), QString::number(preset.oya)) << name.toStdString();
        EXPECT_EQ(shownHouse(), name);
        EXPECT_EQ(description(), rules::presetDescription(preset));
        const rules::TurnOdds odds = rules::turnOdds(rules::withPreset(start, preset));
        EXPECT_EQ(find<QLabel>("L_odds")->text(), oddsText::expectation(odds)) << name.toStdString();

        // Any change away from the house shows no name, and changing it back shows it again.
        click("P_Check2");
        EXPECT_EQ(shownHouse(), QString()) << name.toStdString();
        EXPECT_EQ(description(), QString());
        click("P_Check2");
        EXPECT_EQ(shownHouse(), name);
        choose("Comnagekai", preset.nagekai == 5 ? "4" : "5");
        EXPECT_EQ(shownHouse(), QString()) << name.toStdString();

        click("OKCom");
        ASSERT_TRUE(closed());
    }
    EXPECT_EQ(takeWarnings(), said({}));
}

TEST_F(SettingsPresetsTest, TheDialogOpensShowingTheHouseTheStoredRulesMatchAndLocksItInAGame)
{
    const rules::HousePreset& fast = rules::housePresets()[3];
    open(rules::withPreset(playable(), fast));
    EXPECT_EQ(shownHouse(), QString::fromUtf16(fast.name));
    click("OKCom");
    ASSERT_TRUE(closed());
    EXPECT_EQ(rules::matchingPreset(program::GameSettings), &fast);

    program::GameFlag = 1;
    open(playable());
    EXPECT_EQ(shownHouse(), QString::fromUtf16(rules::housePresets()[0].name));
    EXPECT_FALSE(find<QComboBox>("Comrule")->isEnabled());
}
