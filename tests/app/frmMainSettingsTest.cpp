#include "frmMainStartupFixture.h"

#include "settings/AppFolder.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <optional>

namespace {

const QString notFound = QStringLiteral("設定ﾌｧｲﾙが見つかりません。(ToT)");
const QString readFailed = QStringLiteral("読み込みに失敗しました。(ToT)");

// Whether the label shows the picture file (compared premultiplied, as a pixmap holds it).
bool shows(const QLabel* label, const QString& file)
{
    const QImage expected(AppFolder() + file);
    return !expected.isNull() && label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                                     expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TEST_F(StartupTable, SettingsFileThatCannotBeReadIsReportedOnceAndTheTableOpensEmpty)
{
    const struct {
        const char* what;
        std::optional<QByteArray> bytes;
        bool folderInstead;
        QString warning;
    } cases[] = {
        {"no dice.ini", std::nullopt, false, notFound},
        {"a folder named dice.ini", std::nullopt, true, notFound},
        {"an empty file", QByteArray(), false, readFailed},
        {"only other sections", "[Window]\r\nNINZU=4\r\nLAST=30\r\n[Other]\r\nOYA=3\r\n", false, readFailed},
        {"an empty DiceGame section", "[Window]\r\nX=1\r\n[DiceGame]\r\n[Other]\r\nOYA=3\r\n", false, readFailed},
    };
    for (const auto& c : cases) {
        QFile::remove(settingsFile());
        QDir(folder.path()).rmdir(QStringLiteral("dice.ini"));
        if (c.bytes)
            writeBytes(*c.bytes);
        if (c.folderInstead)
            QDir(folder.path()).mkdir(QStringLiteral("dice.ini"));
        program::reset();
        platform.warnings.clear();

        frmMain& t = open();
        EXPECT_EQ(platform.warnings, QStringList{c.warning}) << c.what;
        EXPECT_EQ(program::SettingsPath, AppFolder() + QStringLiteral("dice.ini")) << c.what;
        EXPECT_EQ(program::GameSettings, SettingsRecord{}) << c.what;
        for (const QLabel* value : {t.LabLAST, t.LabOYA, t.LabNAGEKAI, t.LabBETMIN, t.LabBETMAX})
            EXPECT_TRUE(value->text().isEmpty()) << c.what;
        EXPECT_TRUE(t.Gamein->isEnabled()) << c.what;
        EXPECT_EQ(t.speedLab->text(), "speed 7") << c.what;
    }
}

// The five setting labels show the value text as the file has it; the settings hold its number.
TEST_F(StartupTable, SettingLabelsShowTheFileTextWhileTheSettingsHoldTheNumber)
{
    writeSettings({{"OYA", "2"},
                   {"OYA", "3.0"},
                   {"LAST", "40000"},
                   {"BETMAX", "2.5"},
                   {"BETMIN", "3.5"},
                   {"NAGEKAI", "abc"},
                   {"nagekai", "4"},
                   {"NINZU", "5"},
                   {"SCORE", "700"},
                   {"P_NAME2", "ハナコ"},
                   {"P_IMAG2", "12"},
                   {"P_FLG2", "2"},
                   {"P_CHECK6", "1"}});
    frmMain& t = open();
    ASSERT_EQ(platform.warnings.size(), 1);
    EXPECT_TRUE(platform.warnings[0].endsWith("\n数値でない項目：NAGEKAI。(ToT)")) << platform.warnings[0].toStdString();
    const struct {
        QLabel* label;
        const char* text;
        qint32 value;
    } shown[] = {
        {t.LabOYA, "3.0", 3},  {t.LabLAST, "40000", 40000}, {t.LabBETMAX, "2.5", 2},
        {t.LabBETMIN, "3.5", 4}, {t.LabNAGEKAI, "abc", 0},
    };
    const SettingsRecord& s = program::GameSettings;
    const qint32 values[] = {s.OYA, s.LAST, s.BETMAX, s.BETMIN, s.NAGEKAI};
    for (size_t i = 0; i < std::size(shown); ++i) {
        EXPECT_EQ(shown[i].label->text(), QString::fromUtf8(shown[i].text)) << shown[i].text;
        EXPECT_EQ(values[i], shown[i].value) << shown[i].text;
    }
    EXPECT_EQ(s.NINZU, 5);
    EXPECT_EQ(s.SCORE, 700);
    EXPECT_EQ(s.P_NAME2, "ハナコ");
    EXPECT_EQ(s.P_IMAG2, 12);
    EXPECT_EQ(s.P_FLG2, 2);
    EXPECT_EQ(s.P_CHECK6, 1);
    // Reading draws the five labels and nothing else: names and scores wait for a new game.
    EXPECT_TRUE(t.P_nameLab[2]->text().isEmpty());
    EXPECT_TRUE(t.P_scoLab[2]->text().isEmpty());
    EXPECT_TRUE(t.P_Picture[2]->pixmap().isNull());
}

TEST_F(StartupTable, ASettingsPathAlreadyChosenIsReadInsteadOfTheDefault)
{
    writeSettings({{"LAST", "30"}});
    const QString other = folder.filePath(QStringLiteral("other.ini"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(section({{"LAST", "7"}}));
    file.close();
    program::SettingsPath = other;
    frmMain& t = open();
    EXPECT_EQ(program::SettingsPath, other);
    EXPECT_EQ(t.LabLAST->text(), "7");
}

TEST_F(StartupTable, TheShippedSettingsFileOpensAPlayableTable)
{
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/dice.ini");
    ASSERT_TRUE(QFile::exists(shipped));
    ASSERT_TRUE(QFile::copy(shipped, settingsFile()));
    frmMain& t = open();
    EXPECT_TRUE(platform.warnings.isEmpty()) << platform.warnings.join(u'\n').toStdString();
    const SettingsRecord& s = program::GameSettings;
    EXPECT_GE(s.NINZU, 2);
    EXPECT_LE(s.NINZU, 6);
    EXPECT_GE(s.BETMIN, 0);
    EXPECT_LE(s.BETMIN, s.BETMAX);
    EXPECT_LE(s.BETMAX, s.SCORE);
    EXPECT_GE(s.OYA, 1);
    EXPECT_GE(s.LAST, 1);
    EXPECT_GE(s.NAGEKAI, 1);
    EXPECT_EQ(t.LabLAST->text(), QString::number(s.LAST));
    EXPECT_EQ(t.LabOYA->text(), QString::number(s.OYA));
    EXPECT_EQ(t.LabNAGEKAI->text(), QString::number(s.NAGEKAI));
    EXPECT_EQ(t.LabBETMIN->text(), QString::number(s.BETMIN));
    EXPECT_EQ(t.LabBETMAX->text(), QString::number(s.BETMAX));
    for (int seat = 0; seat < s.NINZU; ++seat) {
        EXPECT_FALSE(s.name(seat).isEmpty()) << seat;
        EXPECT_FALSE(QImage(AppFolder() + QStringLiteral("img%1.gif").arg(s.image(seat) % 10)).isNull()) << seat;
    }
}

class ReloadAfterInterruption : public StartupTable {
protected:
    ReloadAfterInterruption()
    {
        writeSettings(fourSeats());
        open();
        table->iniread->setEnabled(true);  // as the interruption of a game leaves it
    }

    // Marks every seat, so that a test sees which seats the reload touched.
    void markSeats()
    {
        for (int seat = 0; seat < 6; ++seat) {
            table->state.P_score[seat] = 42;
            table->P_scoLab[seat]->setText(QStringLiteral("mark"));
            table->P_nameLab[seat]->setText(QStringLiteral("mark"));
            table->P_Picture[seat]->clear();
        }
    }

    bool touched(int seat) const { return table->P_scoLab[seat]->text() != QLatin1String("mark"); }
};

TEST_F(ReloadAfterInterruption, GivesEverySeatInPlayItsStartingScoreNameAndPortraitAgain)
{
    Entries entries = fourSeats();
    entries.insert(entries.end(), {{"NINZU", "3"}, {"SCORE", "800"}, {"P_NAME1", "ジロウ"}, {"P_IMAG1", "17"},
                                   {"LAST", "12"}});
    writeSettings(entries);
    markSeats();
    frmMain& t = *table;
    t.iniread->trigger();
    EXPECT_FALSE(t.iniread->isEnabled());
    EXPECT_TRUE(platform.warnings.isEmpty());
    EXPECT_EQ(t.LabLAST->text(), "12");
    const char* names[] = {"あなた", "ジロウ", "ハナコ"};
    const char* portraits[] = {"img1.gif", "img7.gif", "img3.gif"};
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(t.state.P_score[seat], 800) << seat;
        EXPECT_EQ(t.P_scoLab[seat]->text(), "800") << seat;
        EXPECT_EQ(t.P_nameLab[seat]->text(), QString::fromUtf8(names[seat])) << seat;
        EXPECT_TRUE(shows(t.P_Picture[seat], QString::fromLatin1(portraits[seat]))) << seat;
    }
    for (int seat = 3; seat < 6; ++seat) {
        EXPECT_EQ(t.state.P_score[seat], 42) << seat;
        EXPECT_EQ(t.P_nameLab[seat]->text(), "mark") << seat;
        EXPECT_TRUE(t.P_Picture[seat]->pixmap().isNull()) << seat;
    }
    // The commands stay as they were: a reload starts no game.
    EXPECT_TRUE(t.Gamein->isEnabled());
    EXPECT_FALSE(t.bent_Label->isEnabled());
}

// Whatever seat count the file holds, the reload touches seats 0..5 at most and never one below 0.
TEST_F(ReloadAfterInterruption, NeverGoesOutsideTheSixSeats)
{
    const struct {
        const char* ninzu;
        int seatsTouched;
    } cases[] = {{"0", 0}, {"-3", 0}, {"-32768", 0}, {"1", 1}, {"2", 2}, {"6", 6},
                 {"9", 6}, {"32767", 6}, {"40000", 4}, {"zwei", 4}, {"", 4}};
    for (const auto& c : cases) {
        program::GameSettings.NINZU = 4;  // what the file read at start held
        Entries entries = fourSeats();
        entries.emplace_back("NINZU", c.ninzu);
        writeSettings(entries);
        markSeats();
        table->iniread->setEnabled(true);
        table->iniread_Click();
        for (int seat = 0; seat < 6; ++seat)
            EXPECT_EQ(touched(seat), seat < c.seatsTouched) << "NINZU=" << c.ninzu << " seat " << seat;
        EXPECT_FALSE(table->iniread->isEnabled()) << c.ninzu;
    }
    // Only the counts that are no 16-bit number are named.
    const QString unreadCount = QStringLiteral("設定ﾌｧｲﾙの一部が読めませんでした。\n数値でない項目：NINZU。(ToT)");
    EXPECT_EQ(platform.warnings, QStringList(3, unreadCount));
}

TEST_F(ReloadAfterInterruption, AFileGoneSinceTheStartIsReportedAndTheSeatsGetTheSettingsHeld)
{
    QFile::remove(settingsFile());
    markSeats();
    table->iniread_Click();
    EXPECT_EQ(platform.warnings, QStringList{notFound});
    EXPECT_FALSE(table->iniread->isEnabled());
    for (int seat = 0; seat < 6; ++seat)
        EXPECT_EQ(touched(seat), seat < 4) << seat;
    EXPECT_EQ(table->P_scoLab[0]->text(), "500");
}

// A hand-edited or damaged file never stops the table from opening, and the good entries are read.
TEST_F(StartupTable, HostileFilesLeaveTheTableRunningWithTheGoodEntriesRead)
{
    QRandomGenerator random(20240607);
    const auto junk = [&random](qsizetype size, bool withLineEnds) {
        QByteArray bytes(size, '\0');
        for (char& b : bytes) {
            b = static_cast<char>(random.bounded(256));
            // No byte may open a section of its own, and lines end only where the test wants.
            if (b == '[' || (!withLineEnds && (b == '\n' || b == '\r')))
                b = '#';
        }
        return bytes;
    };
    const QByteArray good = section({{"SCORE", "700"}, {"OYA", "4"}});
    const QByteArray tail = "\r\nLAST=12\r\n";
    const char nulEntries[] = "P_NAME0=ab\0cd\r\nNINZU=4\0\0\r\nX\0=1";
    const struct {
        const char* what;
        QByteArray bytes;
        bool lastRead;  // the entry after the damage is reached too
    } cases[] = {
        {"binary junk in the section", good + junk(4096, true) + tail, true},
        {"NUL bytes in entries", good + QByteArray(nulEntries, sizeof nulEntries - 1) + tail, true},
        {"10 MB without a line end", good + QByteArray(10 * 1024 * 1024, 'x') + tail, false},
        {"10 MB of junk on one line", good + junk(10 * 1024 * 1024, false) + tail, false},
        {"a value of 100000 characters", good + "P_NAME3=" + QByteArray(100000, 'a') + tail, false},
        {"junk before the section", junk(2048, true) + "\r\n" + good + tail, true},
        {"only NUL bytes", QByteArray(65536, '\0'), false},
        {"10 MB of junk only", junk(10 * 1024 * 1024, true), false},
    };
    for (const auto& c : cases) {
        program::reset();
        platform.warnings.clear();
        writeBytes(c.bytes);
        frmMain& t = open();
        const bool hasSection = c.bytes.contains("[DiceGame]");
        if (hasSection) {
            ASSERT_EQ(platform.warnings.size(), 1) << c.what;
            EXPECT_TRUE(platform.warnings[0].contains(QRegularExpression("\\n無い項目：(NINZU, )?BETMAX, BETMIN, "))) << c.what;
            EXPECT_EQ(program::GameSettings.SCORE, 700) << c.what;
            EXPECT_EQ(program::GameSettings.OYA, 4) << c.what;
            EXPECT_EQ(t.LabOYA->text(), "4") << c.what;
            EXPECT_EQ(program::GameSettings.LAST, c.lastRead ? 12 : 0) << c.what;
        } else {
            EXPECT_EQ(platform.warnings, QStringList{readFailed}) << c.what;
        }
        t.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(t.isVisible()) << c.what;
        EXPECT_TRUE(t.Gamein->isEnabled()) << c.what;
        table.reset();
    }
}

// A file cut short or holding numbers that are none gives one warning after the read, naming the
// keys a game needs that were missing or not understood; what was read stays read.
TEST_F(StartupTable, APartialReadWarnsOnceNamingTheKeys)
{
    const Entries whole = fourSeats();
    const Entries firstHalf(whole.begin(), whole.begin() + 12);
    Entries badNumbers = whole;
    for (auto& [key, value] : badNumbers) {
        const std::map<std::string, const char*> bad{
            {"SCORE", "1e308"}, {"BETMIN", "nan"}, {"LAST", "0x10"}, {"NAGEKAI", "3abc"}, {"P_FLG2", ""}};
        if (const auto it = bad.find(key); it != bad.end())
            value = it->second;
    }
    const struct {
        const char* what;
        QByteArray bytes;
        QString warning;  // empty: none
    } cases[] = {
        {"the whole file", section(whole), {}},
        {"the first half",
         section(firstHalf),
         "設定ﾌｧｲﾙの一部が読めませんでした。\n無い項目：P_FLG0, P_FLG1, P_FLG2, P_FLG3, P_IMAG0, P_IMAG1, "
         "P_IMAG2, P_IMAG3。(ToT)"},
        {"numbers that are none",
         section(badNumbers),
         "設定ﾌｧｲﾙの一部が読めませんでした。\n数値でない項目：SCORE, BETMIN, LAST, NAGEKAI, P_FLG2。(ToT)"},
        {"16 KB of binary after the section's name",
         "[DiceGame]\r\nNINZU=4\r\n" + QByteArray(16384, '\x01') + "\r\n",
         "設定ﾌｧｲﾙの一部が読めませんでした。\n無い項目：SCORE, BETMAX, BETMIN, OYA, LAST, NAGEKAI, P_NAME0, "
         "P_NAME1 ほか10項目。(ToT)"},
    };
    for (const auto& c : cases) {
        program::reset();
        platform.warnings.clear();
        writeBytes(c.bytes);
        frmMain& t = open();
        EXPECT_EQ(platform.warnings, c.warning.isEmpty() ? QStringList() : QStringList{c.warning}) << c.what;
        EXPECT_TRUE(t.Gamein->isEnabled()) << c.what;
    }
    // What was read stays read.
    writeBytes(section(firstHalf));
    open();
    EXPECT_EQ(program::GameSettings.P_NAME3, "ゲン");
}

// An installed game whose settings folder cannot be made reads the shipped file instead, says which
// folder stood in its way, and plays the shipped table rather than an empty one.
TEST_F(StartupTable, AnUnwritableSettingsFolderPlaysTheShippedSettings)
{
    const QString data = folder.filePath(QStringLiteral("share/"));
    QDir().mkpath(data);
    for (const QString& picture : QDir(folder.path()).entryList({QStringLiteral("*.gif")}))
        QFile::copy(folder.filePath(picture), data + picture);
    folder.write(QStringLiteral("share/dice.ini"), section(fourSeats()));
    // A plain file where the configuration folder should be: no folder can be made below it, even by root.
    folder.write(QStringLiteral("config"), "not a folder");
    const QString settingsFolder = folder.filePath(QStringLiteral("config/qubrin/"));
    setFolderLayoutForTests({data, settingsFolder});

    frmMain& t = open();
    setAppFolderForTests(folder.path());
    ASSERT_EQ(platform.warnings.size(), 1);
    EXPECT_TRUE(platform.warnings[0].contains(settingsFolder)) << platform.warnings[0].toStdString();
    EXPECT_EQ(program::SettingsPath, data + QStringLiteral("dice.ini"));
    EXPECT_EQ(program::GameSettings.NINZU, 4);
    EXPECT_EQ(program::GameSettings.SCORE, 500);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(program::GameSettings.name(seat), seatNames[seat]) << seat;
    EXPECT_EQ(t.LabLAST->text(), "30");
}
