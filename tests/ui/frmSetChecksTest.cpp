#include "frmSetFixture.h"

#include "state/Program.h"

#include <QTest>

#include <optional>

namespace {

const QString digits = QStringLiteral("数字を入力して下さい。(ToT)");
const QString number = QStringLiteral("数値を入力して下さい。(ToT)");
const QString small = QStringLiteral("値が小さいです。(ToT)");
const QString large = QStringLiteral("値が大きいです。(ToT)");

struct FieldCase {
    const char* field;
    qint32 SettingsRecord::* stored;
    qint32 score, betMax, betMin;  // GameSettings before the change
    QString text;
    QStringList warnings;
    std::optional<qint32> storedValue;  // nullopt: the field keeps its value
};

}  // namespace

// Each change of a field's text runs its check: the message for a text that is no number and
// stop, or store the whole number and make both tests in their order.
TEST_F(SettingsDialogTest, ChangeChecksWarnInOrderAndStoreTheNumber)
{
    using S = SettingsRecord;
    const std::vector<FieldCase> cases{
        {"Txtscore", &S::SCORE, 500, 50, 5, "abc", {number}, std::nullopt},
        {"Txtscore", &S::SCORE, 500, 50, 5, "", {number}, std::nullopt},
        {"Txtscore", &S::SCORE, 500, 50, 5, "99999999999", {number}, std::nullopt},
        {"Txtscore", &S::SCORE, 500, 50, 5, " 800 ", {}, 800},
        {"Txtscore", &S::SCORE, 500, 50, 5, "2.5e2", {}, 250},
        {"Txtscore", &S::SCORE, 500, 50, 5, "600.5", {}, 600},
        {"Txtscore", &S::SCORE, 500, 50, 5, "40", {small}, 40},
        {"Txtscore", &S::SCORE, 500, 50, 5, "1000000", {large}, 1000000},
        {"Txtscore", &S::SCORE, 500, 2000000, 5, "1500000", {small, large}, 1500000},
        {"txtBETMAX", &S::BETMAX, 500, 50, 5, "x1", {number}, std::nullopt},
        {"txtBETMAX", &S::BETMAX, 500, 50, 5, "4", {small}, 4},
        {"txtBETMAX", &S::BETMAX, 500, 50, 5, "600", {large}, 600},
        {"txtBETMAX", &S::BETMAX, 20000, 50, 5, "10000", {large}, 10000},
        {"txtBETMAX", &S::BETMAX, 10, 60, 100, "50", {small, large}, 50},
        {"txtBETMIN", &S::BETMIN, 500, 50, 5, "1,000", {number}, std::nullopt},
        {"txtBETMIN", &S::BETMIN, 500, 50, 5, "60", {large}, 60},
        {"txtBETMIN", &S::BETMIN, 500, 50, 5, "-1", {small}, -1},
        {"txtBETMIN", &S::BETMIN, 500, -5, 5, "-1", {large, small}, -1},
        {"txtLAST", &S::LAST, 500, 50, 5, "三十", {digits}, std::nullopt},
        {"txtLAST", &S::LAST, 500, 50, 5, "0", {small}, 0},
        {"txtLAST", &S::LAST, 500, 50, 5, "10000", {large}, 10000},
        {"txtLAST", &S::LAST, 500, 50, 5, "2.5", {}, 2},
        {"txtLAST", &S::LAST, 500, 50, 5, "3.5", {}, 4},
        // as the Japanese input method types them
        {"Txtscore", &S::SCORE, 500, 50, 5, "８００", {}, 800},
        {"txtBETMAX", &S::BETMAX, 500, 50, 5, "　１０　", {}, 10},
        {"txtBETMIN", &S::BETMIN, 500, 50, 5, "－１", {small}, -1},
        {"txtLAST", &S::LAST, 500, 50, 5, "１０", {}, 10},
        {"txtLAST", &S::LAST, 500, 50, 5, "１０回", {digits}, std::nullopt},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 \"%2\"").arg(c.field, c.text).toStdString());
        SettingsRecord settings = playable();
        settings.SCORE = c.score;
        settings.BETMAX = c.betMax;
        settings.BETMIN = c.betMin;
        open(settings);
        takeWarnings();
        const qint32 before = program::GameSettings.*c.stored;
        edit(c.field)->setText(c.text);  // the whole text at once, as a paste
        EXPECT_EQ(takeWarnings(), said(c.warnings));
        EXPECT_EQ(program::GameSettings.*c.stored, c.storedValue.value_or(before));
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsDialogTest, EveryKeystrokeIsCheckedAndOkRaisesTheScoreToTheBet)
{
    open();
    type("txtBETMAX", "1000");  // "1" is below the lower bet, "1000" above the score
    EXPECT_EQ(takeWarnings(), said(QStringList({small, large})));
    EXPECT_EQ(program::GameSettings.BETMAX, 1000);
    type("Txtscore", "");
    QTest::keyClick(edit("Txtscore"), Qt::Key_Backspace);
    EXPECT_EQ(takeWarnings(), said(QStringList{number}));
    click("OKCom");
    EXPECT_EQ(program::GameSettings.SCORE, 1000);
    EXPECT_EQ(program::GameSettings.BETMAX, 1000);
}

TEST_F(SettingsDialogTest, OpeningChecksTheFilledValuesAgainstEachOther)
{
    SettingsRecord settings = playable();
    settings.SCORE = 40;  // below BETMAX 50: the score warns, then the bet (above the score)
    open(settings);
    EXPECT_EQ(takeWarnings(), said(QStringList({small, large})));
}

// The three counts in drop-down lists are checked when the dialog itself puts a text in:
// from a settings file, or a default at OK.
TEST_F(SettingsDialogTest, CountsPutInFromAFileAreChecked)
{
    const std::vector<std::tuple<QString, QStringList, qint32, qint32>> cases{
        // lines, warnings, OYA and NAGEKAI afterwards
        {"OYA=abc", {digits}, 3, 3},      {"OYA=12", {large}, 12, 3},      {"OYA=0", {small}, 0, 3},
        {"OYA=5", {}, 5, 3},              {"NAGEKAI=x", {digits}, 3, 3},  {"NAGEKAI=2.5", {}, 3, 3},
        {"NAGEKAI=0.5", {small}, 3, 3},   {"NAGEKAI=6", {large}, 3, 3},   {"NAGEKAI=99999999999", {digits}, 3, 3},
    };
    for (const auto& [line, warnings, oya, nagekai] : cases) {
        SCOPED_TRACE(line.toStdString());
        open();
        load(iniFile("counts.ini", {line}));
        EXPECT_EQ(takeWarnings(), said(warnings));
        EXPECT_EQ(program::GameSettings.OYA, oya);
        EXPECT_EQ(program::GameSettings.NAGEKAI, nagekai);  // NAGEKAI waits for OK
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsDialogTest, ChoosingACountFromItsListNeitherWarnsNorStores)
{
    open();
    choose("Comoya", "7");
    choose("Comnagekai", "5");
    EXPECT_TRUE(platform.warnings.isEmpty());
    EXPECT_EQ(program::GameSettings.OYA, 3);
    click("OKCom");
    EXPECT_EQ(program::GameSettings.OYA, 7);
    EXPECT_EQ(program::GameSettings.NAGEKAI, 5);
}
