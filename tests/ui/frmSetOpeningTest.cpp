#include "frmSetFixture.h"

#include "state/Program.h"

#include <QGroupBox>
#include <QTabWidget>

namespace {

const QString small = QStringLiteral("値が小さいです。(ToT)");

}  // namespace

TEST_F(SettingsDialogTest, EveryControlStandsInItsTabAndFrameWithItsCaption)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "設定");
    auto* tabs = find<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    const QStringList titles{"参加者", "数値設定", "特別ﾙｰﾙ"};
    const std::map<QString, std::pair<int, QString>> frames{
        {"Frame2", {0, "参加人物"}},   {"Frame8", {0, "イメージ"}},
        {"Frame10", {1, "スコア"}},    {"Frame3", {1, "ベント"}},
        {"Frame1", {1, "回数"}},       {"Frame4", {2, "特別配当"}},
        {"Frame5", {2, "親の出目で子は？"}}, {"Frame6", {2, "親のスルー"}},
        {"Frame7", {2, "親の出目でスルーする"}}, {"Frame9", {2, "その他"}}};
    for (const auto& [name, place] : frames) {
        EXPECT_EQ(tabs->tabText(place.first), titles[place.first]);
        EXPECT_EQ(find<QGroupBox>(name)->title(), place.second);
        EXPECT_TRUE(tabs->widget(place.first)->isAncestorOf(find(name))) << name.toStdString();
    }
    // Control, frame, caption.
    const std::vector<std::tuple<QString, QString, QString>> controls{
        {"Comninzu", "Frame2", ""}, {"P_nameTex_5", "Frame2", ""}, {"P_flgCheck_0", "Frame2", "自動にする"},
        {"Comimag_3", "Frame2", ""}, {"P_Imag_2", "Frame2", ""}, {"Image2_8", "Frame8", ""},
        {"Txtscore", "Frame10", ""}, {"txtBETMAX", "Frame3", ""}, {"txtBETMIN", "Frame3", ""},
        {"txtLAST", "Frame1", ""}, {"Comoya", "Frame1", ""}, {"Comnagekai", "Frame1", ""},
        {"P_Check3", "Frame4", "１のゾロ目を５倍勝ちにする"}, {"P_Check4", "Frame4", "１のゾロ目を３倍負けにする"},
        {"P_Check5", "Frame4", "５のゾロ目を５倍勝ちにする"}, {"P_Check1", "Frame5", "親が６の目の場合、子は出来る"},
        {"P_Check2", "Frame5", "親が１の目の場合、子は出来る"}, {"P_Check6", "Frame6", "親をスルーする事が出来る"},
        {"P_Check7", "Frame6", "親をスルーする事が出来るが、1回は必ずする"},
        {"P_Check8", "Frame7", "親がヒフミ(3倍負け含む)の場合"}, {"P_Check9", "Frame7", "親が場外の場合"},
        {"P_Check10", "Frame7", "親が役なしの場合"}, {"P_Check11", "Frame7", "親が1の目の場合"},
        {"P_Check12", "Frame9", "場外は役なしと同じとする"}};
    for (const auto& [name, frame, caption] : controls) {
        EXPECT_TRUE(find(frame)->isAncestorOf(find(name))) << name.toStdString();
        if (!caption.isEmpty()) {
            EXPECT_EQ(find<QAbstractButton>(name)->text(), caption);
        }
    }
    for (const auto& [name, caption] : std::map<QString, QString>{
             {"L_Comninzu", "参加人数"}, {"L_Txtscore", "初期値"}, {"L_txtBETMAX", "上限"}, {"L_txtBETMIN", "下限"},
             {"L_txtLAST", "ゲームの回数"}, {"L_Comoya", "親の回数"}, {"L_Comnagekai", "振る回数"}})
        EXPECT_EQ(find<QLabel>(name)->text(), caption);
    EXPECT_EQ(box("Comimag_4")->toolTip(), "ｲﾒｰｼﾞ№");
    EXPECT_EQ(box("Comnagekai")->toolTip(), "基本は3回です");
    EXPECT_EQ(tick("P_Check12")->toolTip(), "基本はその場で終了");
    EXPECT_TRUE(find("txtPath")->isHidden());
    EXPECT_EQ(edit("txtPath")->text(), folder.path() + "/dice.ini");

    // Buttons left to right.
    const QStringList buttons{"cmdWPPS", "cmdGPPS", "OKCom", "cmdQuit", "helpcom"};
    const QStringList captions{"保存（&S）", "読込(&L)", "OK", "ｷｬﾝｾﾙ(&C)", "ﾍﾙﾌﾟ"};
    for (int i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(find<QPushButton>(buttons[i])->text(), captions[i]);
        if (i > 0) {
            EXPECT_LT(find(buttons[i - 1])->x(), find(buttons[i])->x());
        }
    }
}

TEST_F(SettingsDialogTest, SeatRowsStandInTwoColumnsNumberedClockwise)
{
    open();
    const auto at = [this](int s) { return find(seat("P_nameTex", s))->mapTo(dialog, QPoint()); };
    for (const auto& column : {std::array{1, 0, 5}, std::array{2, 3, 4}}) {
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(find<QLabel>(seat("L_seat", column[row]))->text(), QString::number(column[row] + 1));
            EXPECT_EQ(at(column[row]).x(), at(column[0]).x());
            if (row > 0) {
                EXPECT_GT(at(column[row]).y(), at(column[row - 1]).y());
            }
        }
    }
    EXPECT_GT(at(2).x(), at(1).x());
    EXPECT_EQ(at(2).y(), at(1).y());
}

TEST_F(SettingsDialogTest, ListsOfferOnlyTheirItems)
{
    open();
    const std::map<QString, QStringList> lists{{"Comninzu", {"2", "3", "4", "5", "6"}},
                                               {"Comoya", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
                                               {"Comnagekai", {"1", "2", "3", "4", "5"}},
                                               {"Comimag_0", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}}};
    for (const auto& [name, items] : lists) {
        EXPECT_FALSE(box(name)->isEditable());
        QStringList shown;
        for (int i = 0; i < box(name)->count(); ++i)
            shown << box(name)->itemText(i);
        EXPECT_EQ(shown, items) << name.toStdString();
    }
}

TEST_F(SettingsDialogTest, OpeningFillsTheRowsOfTheSeatsInPlayForEveryCount)
{
    for (qint16 count = 2; count <= 6; ++count) {
        SettingsRecord settings = playable();
        settings.NINZU = count;
        open(settings);
        EXPECT_EQ(box("Comninzu")->text(), QString::number(count));
        for (int s = 0; s < 6; ++s) {
            const bool inPlay = s < count;
            SCOPED_TRACE(testing::Message() << "seats " << count << ", seat " << s);
            EXPECT_EQ(edit(seat("P_nameTex", s))->text(), inPlay ? settings.name(s) : "");
            EXPECT_EQ(box(seat("Comimag", s))->text(), inPlay ? QString::number(s + 1) : "");
            EXPECT_EQ(shownPicture(find<QLabel>(seat("P_Imag", s))), inPlay ? QString("img%1.gif").arg(s + 1) : "(none)");
            EXPECT_EQ(tick(seat("P_flgCheck", s))->isChecked(), inPlay && s % 2 == 1);
            EXPECT_EQ(edit(seat("P_nameTex", s))->isEnabled(), inPlay);
            EXPECT_EQ(box(seat("Comimag", s))->isEnabled(), inPlay);
            EXPECT_TRUE(tick(seat("P_flgCheck", s))->isEnabled());  // rows out of play keep it enabled
        }
        EXPECT_TRUE(platform.warnings.isEmpty());
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsDialogTest, CatalogueShowsTheNinePicturesUnderTheirNumbers)
{
    open();
    for (int k = 0; k < 9; ++k) {
        const auto* number = find<QLabel>(seat("L_Image2", k));
        const auto* picture = find<QLabel>(seat("Image2", k));
        EXPECT_EQ(number->text(), QString("--%1--").arg(k + 1));
        EXPECT_EQ(shownPicture(picture), QString("img%1.gif").arg(k + 1));
        const int numberCentre = number->mapTo(dialog, number->rect().center()).x();
        EXPECT_NEAR(picture->mapTo(dialog, picture->rect().center()).x(), numberCentre, 1);
        EXPECT_LT(number->mapTo(dialog, QPoint()).y(), picture->mapTo(dialog, QPoint()).y());
    }
}

TEST_F(SettingsDialogTest, StoredValuesOffTheListsStillShowAndRunTheirChecks)
{
    SettingsRecord settings = playable();
    settings.NINZU = 0;
    settings.OYA = 12;
    settings.NAGEKAI = 0;
    settings.image(0) = 12;
    open(settings);
    EXPECT_EQ(box("Comninzu")->text(), "0");
    EXPECT_EQ(box("Comoya")->text(), "12");
    EXPECT_EQ(box("Comnagekai")->text(), "0");
    EXPECT_EQ(takeWarnings(), said(QStringList({"値が大きいです。(ToT)", small})));
    for (int s = 0; s < 6; ++s)  // no seat in play: every row is closed but for its "自動にする"
        EXPECT_FALSE(edit(seat("P_nameTex", s))->isEnabled());

    // Choosing from the list takes the stray value out of it again.
    choose("Comoya", "4");
    EXPECT_EQ(box("Comoya")->count(), 9);
    EXPECT_EQ(program::GameSettings.OYA, 12);  // a choice from the list is stored by OK only

    // With nothing read at all every field shows 0, and the three counts warn at once.
    click("cmdQuit");
    ASSERT_TRUE(closed());
    open(SettingsRecord{});
    EXPECT_EQ(takeWarnings(), said(QStringList({small, small, small})));
    EXPECT_EQ(box("Comoya")->text(), "0");
}

TEST_F(SettingsDialogTest, PreviewShowsThePictureOfTheNumbersLastDigitOnly)
{
    const std::vector<std::pair<qint16, QString>> cases{
        {12, "img2.gif"}, {9, "img9.gif"}, {0, "(none)"}, {10, "(none)"}, {-3, "img3.gif"}, {-30, "(none)"}};
    for (const auto& [number, picture] : cases) {
        SettingsRecord settings = playable();
        settings.image(2) = number;
        open(settings);
        EXPECT_EQ(shownPicture(find<QLabel>("P_Imag_2")), picture) << number;
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsDialogTest, ChoosingAPictureShowsItWithoutStoringIt)
{
    open();
    choose("Comimag_1", "7");
    EXPECT_EQ(shownPicture(find<QLabel>("P_Imag_1")), "img7.gif");
    EXPECT_EQ(program::GameSettings.image(1), 2);
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(SettingsDialogTest, ChoosingASeatCountOpensAndClosesWholeRowsKeepingTheirText)
{
    SettingsRecord settings = playable();
    settings.NINZU = 6;
    open(settings);
    choose("Comninzu", "3");
    for (int s = 0; s < 6; ++s) {
        for (const char* control : {"P_nameTex", "P_flgCheck", "Comimag"})
            EXPECT_EQ(find(seat(control, s))->isEnabled(), s < 3) << control << s;
    }
    EXPECT_EQ(edit("P_nameTex_5")->text(), "リュウ");
    choose("Comninzu", "6");
    for (int s = 0; s < 6; ++s)
        EXPECT_TRUE(find(seat("P_flgCheck", s))->isEnabled() && find(seat("Comimag", s))->isEnabled());
    EXPECT_EQ(program::GameSettings.NINZU, 6);

    // Opened with three seats: the rows beyond stay empty, whatever the settings hold for them.
    click("cmdQuit");
    ASSERT_TRUE(closed());
    settings.NINZU = 3;
    open(settings);
    choose("Comninzu", "5");
    EXPECT_TRUE(edit("P_nameTex_4")->isEnabled());
    EXPECT_EQ(edit("P_nameTex_4")->text(), "");
    EXPECT_EQ(box("Comimag_4")->text(), "");
    EXPECT_FALSE(edit("P_nameTex_5")->isEnabled());
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(SettingsDialogTest, DuringAGameOnlyTheNamesAndPicturesOfTheSeatsInPlayCanChange)
{
    program::GameFlag = 1;
    open();
    for (const char* name : {"Comninzu", "Txtscore", "txtBETMAX", "txtBETMIN", "Comoya", "txtLAST", "Comnagekai",
                             "cmdGPPS", "cmdWPPS", "P_Check1", "P_Check7", "P_Check12", "P_flgCheck_0", "P_flgCheck_3"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;
    for (int s = 0; s < 6; ++s) {
        EXPECT_EQ(find(seat("P_nameTex", s))->isEnabled(), s < 4);
        EXPECT_EQ(find(seat("Comimag", s))->isEnabled(), s < 4);
    }
    for (const char* name : {"OKCom", "cmdQuit", "helpcom"})
        EXPECT_TRUE(find(name)->isEnabled()) << name;
}

TEST_F(SettingsDialogTest, OpeningAgainBringsTheOpenDialogForwardWithItsEdits)
{
    open();
    type("P_nameTex_0", "ジロウ");
    const QPointer<frmSet> first = dialog;
    table->setting->trigger();
    EXPECT_EQ(table->settingsWindow, first);
    EXPECT_EQ(edit("P_nameTex_0")->text(), "ジロウ");
}

TEST_F(SettingsDialogTest, CancelAndTheCloseButtonLeaveTheNamesAsTheyWere)
{
    table->P_nameLab[0]->setText("あなた");
    for (bool byCloseButton : {false, true}) {
        open();
        type("P_nameTex_0", "ジロウ");
        byCloseButton ? void(dialog->close()) : click("cmdQuit");
        ASSERT_TRUE(closed());
        EXPECT_EQ(program::GameSettings.name(0), "あなた");
        EXPECT_EQ(table->P_nameLab[0]->text(), "あなた");
    }
}

TEST_F(SettingsDialogTest, HelpOpensTheHelpText)
{
    open();
    click("helpcom");
    platform.shellSucceeds = false;  // the program's own viewer steps in
    click("helpcom");
    EXPECT_EQ(platform.shellOpens, QStringList({"Help1.txt", "Help1.txt"}));
    EXPECT_FALSE(closed());
}
