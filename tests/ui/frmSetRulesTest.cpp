#include "frmSetFixture.h"

#include "state/Program.h"

class SettingsRulesTest : public SettingsDialogTest {
protected:
    // P_Check3..P_Check7 as "3:Te 4:-d ...": T ticked, - not; e enabled, d disabled.
    std::string states() const
    {
        std::string text;
        for (int n = 3; n <= 7; ++n) {
            const QCheckBox* b = tick(QStringLiteral("P_Check%1").arg(n));
            text += std::to_string(n) + ':' + (b->isChecked() ? 'T' : '-') + (b->isEnabled() ? 'e' : 'd') + ' ';
        }
        text.pop_back();
        return text;
    }
    void clickBoxes(const std::vector<int>& boxes)
    {
        for (int n : boxes)
            click(QStringLiteral("P_Check%1").arg(n));
    }
};

TEST_F(SettingsRulesTest, ClickRulesLookOnlyAtTheirOwnBox)
{
    const std::vector<std::pair<std::vector<int>, std::string>> cases{
        {{4}, "3:-d 4:Te 5:-e 6:-e 7:-e"},
        {{4, 4}, "3:-e 4:-e 5:-e 6:-e 7:-e"},
        {{4, 5, 4}, "3:-e 4:-e 5:Te 6:-e 7:-e"},  // 3 is free again although 5 is ticked
        {{4, 5, 4, 3}, "3:Te 4:-d 5:-d 6:-e 7:-e"},
        {{3}, "3:Te 4:-d 5:-d 6:-e 7:-e"},
        {{3, 3}, "3:-e 4:-e 5:-e 6:-e 7:-e"},
        {{6}, "3:-e 4:-e 5:-e 6:Te 7:-d"},
        {{7}, "3:-e 4:-e 5:-e 6:-d 7:Te"},
        {{7, 7}, "3:-e 4:-e 5:-e 6:-e 7:-e"},
    };
    for (const auto& [clicks, expected] : cases) {
        open();
        clickBoxes(clicks);
        EXPECT_EQ(states(), expected) << ::testing::PrintToString(clicks);
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsRulesTest, StoredConflictsAreSettledAtOpeningAndByOk)
{
    struct Case {
        std::map<int, qint16> stored;
        std::string opened;
        std::vector<int> clicks;
        std::map<int, qint16> afterOk;
    };
    const std::vector<Case> cases{
        {{{3, 1}, {4, 1}}, "3:Te 4:-d 5:-d 6:-e 7:-e", {}, {{3, 1}, {4, 0}, {5, 0}}},
        {{{4, 1}}, "3:-e 4:Te 5:-e 6:-e 7:-e", {3}, {{3, 1}, {4, 0}}},  // P_CHECK5 decides box 3
        {{{4, 1}, {5, 1}}, "3:-d 4:Te 5:Te 6:-e 7:-e", {}, {{3, 0}, {4, 1}, {5, 1}}},
        {{{6, 1}, {7, 1}}, "3:-e 4:-e 5:-e 6:Td 7:Td", {6, 7}, {{6, 1}, {7, 1}}},
        {{{3, 2}, {8, 2}, {12, 7}}, "3:-e 4:-e 5:-e 6:-e 7:-e", {}, {{3, 0}, {8, 0}, {12, 0}}},
        {{}, "3:-e 4:-e 5:-e 6:-e 7:-e", {1, 2, 5, 8, 9, 10, 11, 12},
         {{1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 1}, {6, 0}, {7, 0}, {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 1}}},
    };
    for (const Case& c : cases) {
        SettingsRecord settings = playable();
        for (const auto& [n, value] : c.stored)
            settings.check(n) = value;
        open(settings);
        EXPECT_EQ(states(), c.opened);
        clickBoxes(c.clicks);
        click("OKCom");
        for (const auto& [n, value] : c.afterOk)
            EXPECT_EQ(program::GameSettings.check(n), value) << "P_CHECK" << n << " of " << c.opened;
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsRulesTest, DuringAGameTheOptionsShowTheStoredValuesAndOkKeepsThem)
{
    SettingsRecord settings = playable();
    settings.check(3) = 1;
    settings.check(4) = 1;
    settings.check(9) = 2;
    program::GameFlag = 1;
    open(settings);
    EXPECT_EQ(states(), "3:Td 4:Td 5:-d 6:-d 7:-d");
    clickBoxes({3, 9, 10});
    click("OKCom");
    EXPECT_EQ(program::GameSettings, settings);  // nothing changed: names and pictures are the same
}

TEST_F(SettingsRulesTest, OptionsLoadedFromAFileRunTheClickRules)
{
    open();
    load(iniFile("rules.ini", {"P_CHECK3=1", "P_CHECK7=1", "P_CHECK9=2", "P_CHECK10=1"}));
    EXPECT_EQ(states(), "3:Te 4:-d 5:-d 6:-d 7:Te");
    EXPECT_EQ(tick("P_Check9")->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(tick("P_Check10")->isChecked());
    EXPECT_EQ(program::GameSettings.check(3), 0);  // the options wait for OK
    click("P_Check9");  // a greyed box becomes an ordinary one
    click("P_Check9");
    click("P_Check9");
    EXPECT_EQ(tick("P_Check9")->checkState(), Qt::Checked);
}

TEST_F(SettingsRulesTest, OddsLineFollowsTheTickedOptionsAndTheThrowsChosen)
{
    const struct {
        std::vector<int> clicks;
        const char* nagekai;
        const char* line;
    } cases[] = {
        {{}, nullptr, "子の期待値：1ベットあたり −0.0103　親の有利：1.03%"},
        {{1}, nullptr, "子の期待値：1ベットあたり +0.0398　親の有利：-3.98%"},
        {{2}, nullptr, "子の期待値：1ベットあたり −0.0556　親の有利：5.56%"},
        {{1, 2}, nullptr, "子の期待値：1ベットあたり −0.0054　親の有利：0.54%"},
        {{3}, nullptr, "子の期待値：1ベットあたり −0.0186　親の有利：1.86%"},
        {{3, 3}, nullptr, "子の期待値：1ベットあたり −0.0103　親の有利：1.03%"},
        {{4, 5, 12}, nullptr, "子の期待値：1ベットあたり +0.0061　親の有利：-0.61%"},
        {{8, 9, 10, 11}, nullptr, "子の期待値：1ベットあたり −0.0103　親の有利：1.03%"},  // passing the bank only
        {{}, "1", "子の期待値：1ベットあたり +0.3012　親の有利：-30.12%"},
        {{}, "5", "子の期待値：1ベットあたり −0.0597　親の有利：5.97%"},
    };
    for (const auto& c : cases) {
        open();
        clickBoxes(c.clicks);
        if (c.nagekai)
            choose("Comnagekai", c.nagekai);
        EXPECT_EQ(find<QLabel>("L_odds")->text(), QString::fromUtf8(c.line)) << ::testing::PrintToString(c.clicks);
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsRulesTest, OddsLineShowsTheStoredRulesAtOpening)
{
    SettingsRecord s = playable();
    s.P_CHECK2 = 1;
    s.NAGEKAI = 9;  // out of range: OK would store 3
    open(s);
    EXPECT_EQ(find<QLabel>("L_odds")->text(), "子の期待値：1ベットあたり −0.0556　親の有利：5.56%");
}
