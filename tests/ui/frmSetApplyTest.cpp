#include "frmSetFixture.h"

#include "state/Program.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/Twips.h"

#include <QDir>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace {

struct Numbers {
    qint32 NINZU, SCORE, BETMAX, BETMIN, OYA, LAST, NAGEKAI;
    bool operator==(const Numbers&) const = default;
};

Numbers numbersOf(const SettingsRecord& s)
{
    return {s.NINZU, s.SCORE, s.BETMAX, s.BETMIN, s.OYA, s.LAST, s.NAGEKAI};
}

void PrintTo(const Numbers& n, std::ostream* os)
{
    *os << n.NINZU << '/' << n.SCORE << '/' << n.BETMAX << '/' << n.BETMIN << '/' << n.OYA << '/' << n.LAST
        << '/' << n.NAGEKAI;
}

}  // namespace

// Texts loaded from a file stand in the dialog as typed; OK makes them values a game can use.
TEST_F(SettingsDialogTest, OkReplacesNonNumbersWithDefaultsAndClampsTheRest)
{
    const std::vector<std::pair<QStringList, Numbers>> cases{
        {{}, {4, 500, 50, 5, 3, 30, 3}},
        {{"BETMAX=20000", "BETMIN=15000"}, {4, 20000, 9999, 9999, 3, 30, 3}},
        {{"BETMAX=-5"}, {4, 500, -5, 0, 3, 30, 3}},
        {{"SCORE=100", "BETMAX=300"}, {4, 300, 300, 5, 3, 30, 3}},
        {{"SCORE=2000000"}, {4, 999999, 50, 5, 3, 30, 3}},
        {{"SCORE=abc", "BETMAX=", "BETMIN=x"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"SCORE=99999999999", "BETMAX=1e10"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"LAST=0"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"LAST=12345"}, {4, 500, 50, 5, 3, 9999, 3}},
        {{"LAST=many"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"OYA=12"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"OYA=abc"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"OYA=8.5"}, {4, 500, 50, 5, 8, 30, 3}},
        {{"NINZU=0"}, {6, 500, 50, 5, 3, 30, 3}},
        {{"NINZU=9"}, {6, 500, 50, 5, 3, 30, 3}},
        {{"NINZU=abc"}, {6, 500, 50, 5, 3, 30, 3}},
        {{"NINZU=40000"}, {6, 500, 50, 5, 3, 30, 3}},
        {{"NINZU=3.5"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"NINZU=2.5"}, {2, 500, 50, 5, 3, 30, 3}},
        {{"NAGEKAI=2.5"}, {4, 500, 50, 5, 3, 30, 2}},
        {{"NAGEKAI=3.5"}, {4, 500, 50, 5, 3, 30, 4}},
        {{"NAGEKAI=7"}, {4, 500, 50, 5, 3, 30, 3}},
        {{"NAGEKAI=abc"}, {4, 500, 50, 5, 3, 30, 3}},
    };
    for (const auto& [lines, expected] : cases) {
        open();
        load(iniFile("odd.ini", lines.isEmpty() ? QStringList{"X=1"} : lines));
        click("OKCom");
        EXPECT_EQ(numbersOf(program::GameSettings), expected) << lines.join(", ").toStdString();
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsDialogTest, OkPutsItsDefaultsIntoTheFieldsAndTheirChecksRun)
{
    SettingsRecord settings = playable();
    settings.SCORE = settings.BETMAX = 1000;
    open(settings);
    edit("Txtscore")->setText("abc");
    load(iniFile("odd.ini", {"OYA=abc", "NINZU=x", "P_IMAG1=abc", "P_IMAG2=40000"}));
    takeWarnings();
    click("OKCom");
    EXPECT_EQ(takeWarnings(), said({"値が小さいです。(ToT)"}));  // "500" is below the bet of 1000
    EXPECT_EQ(edit("Txtscore")->text(), "500");
    EXPECT_EQ(box("Comoya")->text(), "3");
    EXPECT_EQ(box("Comninzu")->text(), "6");
    EXPECT_EQ(program::GameSettings.SCORE, 1000);
    EXPECT_EQ(program::GameSettings.image(1), 1);
    EXPECT_EQ(program::GameSettings.image(2), 1);
    EXPECT_EQ(shownPicture(table->P_Picture[2]), "img1.gif");
}

TEST_F(SettingsDialogTest, OkWithoutAGameLaysOutTheTableForTheNewSeatCount)
{
    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);
    SettingsRecord settings = playable();
    settings.NINZU = 6;
    open(settings);
    choose("Comninzu", "4");
    type("Txtscore", "800");
    click("P_flgCheck_0");
    click("OKCom");
    EXPECT_TRUE(closed());
    const SettingsRecord& s = program::GameSettings;
    EXPECT_EQ(s.NINZU, 4);
    for (int i = 0; i < 6; ++i) {
        const bool inPlay = i < 4;
        EXPECT_EQ(table->P_Shape2[i]->isHidden(), !inPlay) << i;
        EXPECT_EQ(table->P_Picture[i]->isHidden(), !inPlay) << i;
        EXPECT_EQ(table->P_scoLab[i]->text(), inPlay ? "800" : "");
        EXPECT_EQ(table->P_nameLab[i]->text(), inPlay ? settings.name(i) : "");
        EXPECT_EQ(s.name(i), settings.name(i));  // seats out of play keep name, flag and picture
        EXPECT_EQ(s.image(i), i + 1);
    }
    EXPECT_EQ(s.flag(0), 1);
    EXPECT_EQ(s.flag(5), 1);
    EXPECT_EQ(table->height(), twips(5175));
    EXPECT_TRUE(table->Image4[1]->isHidden());
    const std::vector<std::pair<QLabel*, QString>> labels{{table->LabBETMAX, "50"}, {table->LabBETMIN, "5"},
                                                          {table->LabOYA, "3"},     {table->LabLAST, "30"},
                                                          {table->LabNAGEKAI, "3"}};
    for (const auto& [label, text] : labels)
        EXPECT_EQ(label->text(), text);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), filesBefore);  // OK writes no file
}

TEST_F(SettingsDialogTest, SeatsAddedWithoutEntriesArePersonsNamedWithTheDefault)
{
    SettingsRecord settings = playable();
    settings.NINZU = 3;
    open(settings);
    type("P_nameTex_1", "");
    QTest::keyClick(edit("P_nameTex_1"), Qt::Key_Backspace);
    choose("Comninzu", "5");
    click("OKCom");
    const SettingsRecord& s = program::GameSettings;
    for (int i : {1, 3, 4}) {
        EXPECT_EQ(s.name(i), "○△□");
        EXPECT_EQ(table->P_nameLab[i]->text(), "○△□");
    }
    for (int i : {3, 4}) {
        EXPECT_EQ(s.image(i), 1);
        EXPECT_EQ(s.flag(i), 0);
        EXPECT_EQ(shownPicture(table->P_Picture[i]), "img1.gif");
        EXPECT_EQ(table->P_scoLab[i]->text(), "500");
        EXPECT_FALSE(table->HScr[i]->isHidden());
    }
    EXPECT_EQ(table->height(), twips(6825));
    EXPECT_FALSE(table->Image4[1]->isHidden());
}

TEST_F(SettingsDialogTest, OkDuringAGameAppliesOnlyNamesAndPictures)
{
    for (bool openedBeforeTheGame : {false, true}) {
        SCOPED_TRACE(openedBeforeTheGame ? "opened before the game" : "opened during the game");
        program::GameSettings = playable();
        if (openedBeforeTheGame) {
            open();
            table->Gamein_Click();
            type("Txtscore", "800");  // still stored at once, for the next game
            choose("Comninzu", "6");
            click("P_Check3");
            click("P_flgCheck_0");
        } else {
            table->Gamein_Click();
            open(program::GameSettings);
        }
        const TableState state = table->state;
        const int height = table->height();
        type("P_nameTex_2", "ゴロウ");
        choose("Comimag_2", "8");
        click("OKCom");
        SettingsRecord expected = playable();
        expected.name(2) = "ゴロウ";
        expected.image(2) = 8;
        if (openedBeforeTheGame)
            expected.SCORE = 800;
        EXPECT_EQ(program::GameSettings, expected);
        EXPECT_EQ(table->P_nameLab[2]->text(), "ゴロウ");
        EXPECT_EQ(shownPicture(table->P_Picture[2]), "img8.gif");
        EXPECT_EQ(table->state.P_score, state.P_score);
        EXPECT_EQ(table->state.OyaSeat, state.OyaSeat);
        EXPECT_EQ(table->state.TurnsLeft, state.TurnsLeft);
        EXPECT_EQ(table->height(), height);
        ASSERT_TRUE(closed());
        platform.answers.enqueue(true);
        table->Gameout_Click();
        EXPECT_EQ(program::GameFlag, 0);
    }
}

// Values the checks stored while the dialog was open are brought into the playable ranges
// however it closes, so that no new game and no bet scroll bar ever sees them.
TEST_F(SettingsDialogTest, StoredOutOfRangeValuesNeverOutliveTheDialog)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"Cancel", [this] { click("cmdQuit"); }},
        {"close button", [this] { dialog->close(); }},
        {"Escape", [this] {
             dialog->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
             QTest::keyClick(dialog, Qt::Key_Escape);
         }},
        {"OK during a game", [this] { click("OKCom"); }},
    };
    for (const auto& [way, closeIt] : ways) {
        SCOPED_TRACE(way);
        const bool inGame = way == std::string("OK during a game");
        open();
        if (inGame)
            table->Gamein_Click();  // the dialog was opened before the game: nothing is locked
        type("txtBETMAX", "40000");
        type("txtBETMIN", "-7");
        type("txtLAST", "0");
        load(iniFile("stray.ini", {"OYA=12", "NINZU=0"}));  // a running game's seat count stays
        EXPECT_EQ(program::GameSettings.NINZU, inGame ? 4 : 0);
        closeIt();
        ASSERT_TRUE(closed());
        EXPECT_EQ(numbersOf(program::GameSettings), (Numbers{inGame ? 4 : 6, 40000, 9999, 0, 3, 30, 3}));
        if (!inGame)
            table->Gamein_Click();
        EXPECT_LE(table->HScr[1]->maximum(), 9999);
        EXPECT_GE(table->HScr[1]->minimum(), 0);
        platform.answers.enqueue(true);
        table->Gameout_Click();
        EXPECT_EQ(program::GameFlag, 0);
    }
}
