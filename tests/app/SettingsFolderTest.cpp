#include "frmMainStartupFixture.h"

#include "app/CommandLine.h"
#include "settings/AppFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

// The table of an installed game: the data in the fixture's folder, the player's settings in another.
class InstalledTable : public StartupTable {
protected:
    InstalledTable() { setFolderLayoutForTests({folder.path(), config.path()}); }

    void writePlayersSettings(const Entries& entries) const
    {
        QFile file(config.filePath(QStringLiteral("dice.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(section(entries));
    }

    QTemporaryDir config;
};

TEST_F(InstalledTable, ReadsThePlayersSettingsWithPicturesFromTheData)
{
    writeSettings(fourSeats());
    Entries mine = fourSeats();
    mine.insert(mine.end(), {{"LAST", "12"}, {"P_NAME0", "ミノル"}});
    writePlayersSettings(mine);
    const QStringList dataBefore = QDir(folder.path()).entryList(QDir::Files);

    frmMain& t = open();
    EXPECT_TRUE(platform.warnings.isEmpty());
    EXPECT_EQ(program::SettingsPath, config.filePath(QStringLiteral("dice.ini")));
    EXPECT_EQ(t.LabLAST->text(), "12");
    t.Gamein->trigger();
    EXPECT_EQ(t.P_nameLab[0]->text(), "ミノル");
    EXPECT_FALSE(t.P_Picture[0]->pixmap().isNull());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), dataBefore);
}

TEST_F(InstalledTable, SettingsFileNamedAtStartIsTheOneReadEvenWhenMissing)
{
    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("friends.ini"));
    Entries friends = fourSeats();
    friends.insert(friends.end(), {{"LAST", "7"}});
    writePlayersSettings(fourSeats());
    const struct {
        bool present;
        QStringList warnings;
        const char* last;
    } cases[] = {{true, {}, "7"}, {false, {QStringLiteral("設定ﾌｧｲﾙが見つかりません。(ToT)")}, ""}};
    for (const auto& c : cases) {
        QFile::remove(named);
        if (c.present) {
            QFile file(named);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(section(friends));
        }
        program::reset();
        platform.warnings.clear();
        program::SettingsPath = CommandLine({"qubrin", "--settings", named}).settingsFile();

        frmMain& t = open();
        EXPECT_EQ(platform.warnings, c.warnings) << c.present;
        EXPECT_EQ(program::SettingsPath, named) << c.present;
        EXPECT_EQ(t.LabLAST->text(), c.last) << c.present;
        EXPECT_EQ(QFileInfo::exists(named), c.present);
    }
}

TEST(CommandLine, SettingsFileIsAbsoluteAndBadArgumentsAreRefused)
{
    const struct {
        QStringList arguments;
        bool error;
        QString settingsFile;
    } cases[] = {
        {{}, false, {}},
        {{"--settings", "/srv/a.ini"}, false, "/srv/a.ini"},
        {{"--settings=/srv/b.ini"}, false, "/srv/b.ini"},
        {{"--settings", "rules/c.ini"}, false, QDir::current().absoluteFilePath("rules/c.ini")},
        {{"--settings"}, true, {}},
        {{"--sound"}, true, {}},
        {{"game.ini"}, true, {}},
    };
    for (const auto& c : cases) {
        const CommandLine commandLine(QStringList{"qubrin"} + c.arguments);
        EXPECT_EQ(!commandLine.error().isEmpty(), c.error) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.settingsFile(), c.settingsFile) << c.arguments.join(' ').toStdString();
        EXPECT_FALSE(commandLine.asksForText());
    }
}

TEST(CommandLine, HelpAndVersionAreAskedForWhateverElseIsGiven)
{
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
        EXPECT_TRUE(CommandLine({"qubrin", "--settings", "x.ini", option}).asksForText()) << option;
}

}  // namespace
