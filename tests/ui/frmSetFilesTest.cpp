#include "frmSetFixture.h"

#include "settings/AppFolder.h"
#include "state/Program.h"
#include "support/FullFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString filter = QStringLiteral("設定(*.ini)|*.ini");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The section as a save writes it from the playable settings shown in the dialog.
QString playableSection(const QString& score)
{
    return "NINZU=4\r\nSCORE=" + score + "\r\nBETMAX=50\r\nBETMIN=5\r\nOYA=3\r\nLAST=30\r\nNAGEKAI=3\r\n"
           "P_NAME0=あなた\r\nP_NAME1=タロウ\r\nP_NAME2=ハナコ\r\nP_NAME3=ゲン\r\nP_NAME4=\r\nP_NAME5=\r\n"
           "P_FLG0=0\r\nP_FLG1=1\r\nP_FLG2=0\r\nP_FLG3=1\r\nP_FLG4=0\r\nP_FLG5=0\r\n"
           "P_IMAG0=1\r\nP_IMAG1=2\r\nP_IMAG2=3\r\nP_IMAG3=4\r\nP_IMAG4=\r\nP_IMAG5=\r\n"
           "P_CHECK1=0\r\nP_CHECK2=0\r\nP_CHECK3=0\r\nP_CHECK4=0\r\nP_CHECK5=0\r\nP_CHECK6=0\r\n"
           "P_CHECK7=0\r\nP_CHECK8=0\r\nP_CHECK9=0\r\nP_CHECK10=0\r\nP_CHECK11=0\r\nP_CHECK12=0\r\n";
}

}  // namespace

class SettingsFilesTest : public SettingsDialogTest {
protected:
    void save(const QString& path)
    {
        platform.fileChoices.enqueue(path);
        click("cmdWPPS");
    }
};

TEST_F(SettingsFilesTest, SaveReplacesOnlyTheSectionOfAnExistingFileWithTheTextsAsShown)
{
    const QString path = folder.filePath("dice.ini");
    const QString before = "[Other]\r\nA=あいう\r\n\r\n[DiceGame]\r\n";
    const QString after = "\r\n[Tail]\r\nB=え\r\n";
    write(path, TableFolder::cp932(before + "NINZU=2\r\nOLD=1\r\n" + after));
    open();
    edit("Txtscore")->setText("abc");  // saved as it stands, never applied
    const SettingsRecord settings = program::GameSettings;
    save(path);
    EXPECT_EQ(bytesOf(path), TableFolder::cp932(before + playableSection("abc") + after));
    EXPECT_EQ(program::GameSettings, settings);
    EXPECT_EQ(program::SettingsPath, path);
    EXPECT_EQ(platform.fileDialogs, QStringList{"save|" + path + "|" + filter});
    EXPECT_EQ(takeWarnings(), said({"数値を入力して下さい。(ToT)"}));  // from typing only
}

TEST_F(SettingsFilesTest, SaveIntoANewFileCreatesTheOneSection)
{
    open();
    const QString path = folder.filePath("new.ini");
    save(path);
    EXPECT_EQ(bytesOf(path), TableFolder::cp932("[DiceGame]\r\n" + playableSection("500")));
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(SettingsFilesTest, EverythingTypedComesBackThroughSaveAndLoad)
{
    const QStringList names{"a=b", "=", "😀ハナ", "한국어", "  空白  ", "[DiceGame]"};
    SettingsRecord settings = playable();
    settings.NINZU = 6;
    open(settings);
    for (int i = 0; i < 6; ++i)
        edit(seat("P_nameTex", i))->setText(names[i]);
    edit("txtLAST")->setText("1=2");
    load(iniFile("grey.ini", {"P_FLG2=2", "P_CHECK8=2", "OYA=ab=c", "P_IMAG5=12"}));
    const QString path = folder.filePath("round.ini");
    save(path);
    click("cmdQuit");
    ASSERT_TRUE(closed());

    open(playable());
    load(path);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(edit(seat("P_nameTex", i))->text(), names[i]) << i;
    EXPECT_EQ(edit("txtLAST")->text(), "1=2");
    EXPECT_EQ(box("Comoya")->text(), "ab=c");
    EXPECT_EQ(box("Comimag_5")->text(), "12");
    EXPECT_EQ(tick("P_flgCheck_2")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(tick("P_Check8")->checkState(), Qt::PartiallyChecked);
    click("OKCom");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(program::GameSettings.name(i), names[i]);
}

TEST_F(SettingsFilesTest, LoadingFillsTheDialogAndStoresOnlyWhatTheChecksStore)
{
    SettingsRecord settings = playable();
    settings.NINZU = 6;
    open(settings);
    const QString path = iniFile("four.ini", {"NINZU=4", "SCORE=900", "BETMAX=90", "BETMIN=9", "OYA=2", "LAST=20",
                                              "NAGEKAI=5", "P_NAME0=イチ", "P_FLG0=1", "P_IMAG0=9", "P_CHECK6=1"});
    load(path);
    EXPECT_EQ(platform.fileDialogs, QStringList{"open|" + folder.filePath("dice.ini") + "|" + filter});
    EXPECT_EQ(program::SettingsPath, path);
    EXPECT_EQ(box("Comninzu")->text(), "4");
    EXPECT_FALSE(edit("P_nameTex_4")->isEnabled());
    EXPECT_EQ(edit("P_nameTex_0")->text(), "イチ");
    EXPECT_TRUE(tick("P_flgCheck_0")->isChecked());
    EXPECT_EQ(shownPicture(find<QLabel>("P_Imag_0")), "img9.gif");
    EXPECT_FALSE(tick("P_Check7")->isEnabled());
    EXPECT_EQ(box("Comnagekai")->text(), "5");
    EXPECT_TRUE(platform.warnings.isEmpty());

    SettingsRecord stored = settings;  // the seat count and the five checked fields, nothing else
    stored.NINZU = 4;
    stored.SCORE = 900;
    stored.BETMAX = 90;
    stored.BETMIN = 9;
    stored.OYA = 2;
    stored.LAST = 20;
    EXPECT_EQ(program::GameSettings, stored);
    click("cmdQuit");
    ASSERT_TRUE(closed());
    EXPECT_EQ(program::GameSettings.NINZU, 4);
}

TEST_F(SettingsFilesTest, AFileThatCannotBeReadChangesNothingButThePath)
{
    write(folder.filePath("other.ini"), "[Other]\r\nNINZU=2\r\n");
    write(folder.filePath("empty.ini"), "[DiceGame]\r\n\r\n");
    const std::vector<std::pair<QString, QString>> cases{
        {"missing.ini", "設定ﾌｧｲﾙが見つかりません。(ToT)"},
        {"other.ini", "読み込みに失敗しました。(ToT)"},
        {"empty.ini", "読み込みに失敗しました。(ToT)"},
        {"", "設定ﾌｧｲﾙが見つかりません。(ToT)"},  // the folder itself
    };
    for (const auto& [name, warning] : cases) {
        open();
        load(folder.filePath(name));
        EXPECT_EQ(takeWarnings(), said({warning}));
        EXPECT_EQ(program::SettingsPath, folder.filePath(name));
        EXPECT_EQ(program::GameSettings, playable());
        EXPECT_EQ(box("Comninzu")->text(), "4");
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsFilesTest, ACancelledFileDialogDoesNothing)
{
    program::SettingsPath = folder.filePath("dice.ini");
    open();
    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    click("cmdWPPS");
    click("cmdGPPS");
    EXPECT_EQ(platform.fileDialogs.size(), 2);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), files);
    EXPECT_EQ(program::SettingsPath, folder.filePath("dice.ini"));
    EXPECT_EQ(edit("txtPath")->text(), folder.filePath("dice.ini"));
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(SettingsFilesTest, AFailedSaveSaysSoAndLeavesTheOldFileAsItWas)
{
    const QString path = folder.filePath("keep.ini");
    const QByteArray old = TableFolder::cp932("[DiceGame]\r\nNINZU=3\r\n");
    write(path, old);
    open();
    // A section too large to be read back whole is not written at all.
    edit("P_nameTex_0")->setText(QString(20000, QChar(u'名')));
    save(path);
    EXPECT_EQ(takeWarnings(), said({"保存に失敗しました。(ToT)"}));
    EXPECT_EQ(bytesOf(path), old);
    edit("P_nameTex_0")->setText("あなた");
    for (const QString& target : {folder.path(), folder.filePath("no/such/folder/dice.ini")}) {
        save(target);
        EXPECT_EQ(takeWarnings(), said({"保存に失敗しました。(ToT)"}));
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("no")));
}

TEST_F(SettingsFilesTest, PictureNumbersThatNameNoPictureShowNoneAndLoadWithoutAWarning)
{
    const std::vector<std::tuple<QString, QString, std::string>> cases{
        {"12", "img2.gif", ""},
        {"0", "(none)", ""},
        {"-10", "(none)", ""},
        {"40000", "(none)", ""},
        {"../../img3", "(none)", ""},
        {"", "(none)", ""},
    };
    // A text the file puts there is no choice of the player's: it shows its picture or none, unwarned.
    for (const auto& [value, picture, warnings] : cases) {
        open();
        load(iniFile("pictures.ini", {"P_IMAG1=" + value}));
        EXPECT_EQ(box("Comimag_1")->text(), value);
        EXPECT_EQ(shownPicture(find<QLabel>("P_Imag_1")), picture) << value.toStdString();
        EXPECT_EQ(takeWarnings(), warnings);
        click("cmdQuit");
        ASSERT_TRUE(closed());
    }
}

TEST_F(SettingsFilesTest, AFileSavedWithFewerThanSixSeatsLoadsBackWithoutAWarning)
{
    open();  // four seats: the rows of seats 4 and 5 are saved empty
    const QString path = folder.filePath("four.ini");
    save(path);
    click("cmdQuit");
    ASSERT_TRUE(closed());

    SettingsRecord six = playable();
    six.NINZU = 6;
    open(six);
    load(path);
    EXPECT_EQ(takeWarnings(), "");
    for (const int row : {4, 5}) {
        EXPECT_EQ(box(seat("Comimag", row))->text(), "") << row;
        EXPECT_EQ(shownPicture(find<QLabel>(seat("P_Imag", row))), "(none)") << row;
    }
    EXPECT_EQ(shownPicture(find<QLabel>("P_Imag_3")), "img4.gif");
}

TEST_F(SettingsFilesTest, SavingUnderThePresetNameWritesTheFileTheNextStartReads)
{
    const QString startFile = folder.filePath("dice.ini");
    SettingsRecord settings = playable();
    settings.SCORE = 800;
    open(settings);
    platform.fileChoices.enqueue(startFile);  // the player keeps the name the dialog offers
    click("cmdWPPS");
    click("cmdGPPS");  // cancelled
    EXPECT_EQ(platform.fileDialogs, (QStringList{"save|" + startFile + "|" + filter, "open|" + startFile + "|" + filter}));
    click("cmdQuit");
    ASSERT_TRUE(closed());

    table.reset();
    program::reset();
    table = std::make_unique<frmMain>();
    EXPECT_EQ(takeWarnings(), "");
    EXPECT_EQ(program::SettingsPath, startFile);
    EXPECT_EQ(program::GameSettings.SCORE, 800);
    EXPECT_EQ(program::GameSettings.NINZU, 4);
    EXPECT_EQ(program::GameSettings.name(3), "ゲン");
}

TEST_F(SettingsFilesTest, ASaveOntoAFullDiskWarnsAndLeavesTheOldFileByteForByte)
{
    FullFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no full disk to save onto: " << disk.reason().toStdString();
    const QString path = disk.filePath("dice.ini");
    const QByteArray old = TableFolder::cp932("[DiceGame]\r\nNINZU=3\r\nP_NAME0=ハナコ\r\n");
    write(path, old);
    ASSERT_TRUE(disk.fill());
    open();
    save(path);
    EXPECT_EQ(takeWarnings(), said({"保存に失敗しました。(ToT)"}));
    EXPECT_EQ(bytesOf(path), old);
    EXPECT_EQ(disk.files(), (QStringList{"dice.ini", "filler"}));
}

TEST_F(SettingsFilesTest, InstalledGameSavesAndLoadsInTheSettingsFolderWithPicturesFromTheData)
{
    QTemporaryDir config;
    setFolderLayoutForTests({folder.path(), config.path()});
    const QStringList dataBefore = QDir(folder.path()).entryList(QDir::Files);
    open();
    EXPECT_EQ(edit("txtPath")->text(), config.filePath("dice.ini"));
    EXPECT_EQ(shownPicture(find<QLabel>("Image2_2")), "img3.gif");

    const QString mine = config.filePath("mine.ini");
    save(mine);
    load(mine);
    EXPECT_EQ(platform.fileDialogs, QStringList({"save|" + config.filePath("dice.ini") + "|" + filter,
                                                 "open|" + config.filePath("dice.ini") + "|" + filter}));
    EXPECT_EQ(bytesOf(mine), TableFolder::cp932("[DiceGame]\r\n" + playableSection("500")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), dataBefore);
}
