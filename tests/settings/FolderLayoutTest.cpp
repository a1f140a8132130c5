#include "settings/FolderLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Program = "/opt/qubrin/bin";
const QString Data = "/opt/qubrin/share/qubrin";
const QString Config = "/home/player/.config";

TEST(FolderLayout, SavableSettingsBesideTheProgramKeepEverythingThere)
{
    const struct {
        FolderFacts facts;
        QString data;
        QString settings;
        const char* what;
    } cases[] = {
        {{true, true, false}, Program + "/", Program + "/", "portable build"},
        {{true, true, true}, Program + "/", Program + "/", "portable copy beside an installed tree"},
        {{false, false, false}, Program + "/", Program + "/", "nothing installed and no settings file"},
        {{false, false, true}, Data + "/", Config + "/qubrin/", "installed"},
        {{true, false, true}, Data + "/", Config + "/qubrin/", "installed, settings file left unwritable"},
        {{true, false, false}, Program + "/", Config + "/qubrin/", "portable folder that cannot be written"},
    };
    for (const auto& c : cases) {
        const FolderLayout layout = chooseFolderLayout(Program, Data, Config, c.facts);
        EXPECT_EQ(layout.dataFolder, c.data) << c.what;
        EXPECT_EQ(layout.settingsFolder, c.settings) << c.what;
        EXPECT_EQ(layout.installed(), c.data != c.settings) << c.what;
    }
}

TEST(FolderLayout, FoldersEndInExactlyOneSeparator)
{
    const FolderLayout layout = chooseFolderLayout("/usr/bin//", "/usr/share/qubrin/", "/root/.config/", {false, false, true});
    EXPECT_EQ(layout.dataFolder, "/usr/share/qubrin/");
    EXPECT_EQ(layout.settingsFolder, "/root/.config/qubrin/");
    EXPECT_EQ(withOneSeparator("/"), "/");
}

class FolderOnDisk : public ::testing::Test {
protected:
    QString path(const QString& name) const { return root.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir root;
};

TEST_F(FolderOnDisk, ProbeSeesTheSettingsFileAndTheInstalledDataFolder)
{
    EXPECT_FALSE(probeFolders(path("bin"), path("share/qubrin")).dataFolderInstalled);
    write("bin/dice.ini", "[DiceGame]\r\n");
    QDir().mkpath(path("share/qubrin"));
    const FolderFacts facts = probeFolders(path("bin"), path("share/qubrin"));
    EXPECT_TRUE(facts.settingsBesideProgram);
    EXPECT_TRUE(facts.settingsBesideProgramSavable);
    EXPECT_TRUE(facts.dataFolderInstalled);
}

TEST_F(FolderOnDisk, ProbeCallsASettingsFileInAReadOnlyFolderUnsavable)
{
    write("bin/dice.ini", "[DiceGame]\r\n");
    QFile::setPermissions(path("bin"), QFile::ReadOwner | QFile::ExeOwner);
    const bool rootWritesAnyway = QFileInfo(path("bin")).isWritable();
    const FolderFacts facts = probeFolders(path("bin"), path("share/qubrin"));
    QFile::setPermissions(path("bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (rootWritesAnyway)
        GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_TRUE(facts.settingsBesideProgram);
    EXPECT_FALSE(facts.settingsBesideProgramSavable);
}

TEST_F(FolderOnDisk, FirstStartCopiesTheShippedSettingsWritable)
{
    const QByteArray shipped = "[DiceGame]\r\nNINZU=4\r\n\x83\x5e\x83\x8d\x83\x45\r\n";
    write("share/qubrin/dice.ini", shipped);
    QFile::setPermissions(path("share/qubrin/dice.ini"), QFile::ReadOwner | QFile::ReadOther);
    const FolderLayout layout{path("share/qubrin/"), path("config/deep/qubrin/")};
    EXPECT_TRUE(copyShippedSettings(layout));
    EXPECT_EQ(bytes("config/deep/qubrin/dice.ini"), shipped);
    EXPECT_TRUE(QFile::permissions(path("config/deep/qubrin/dice.ini")) & QFile::WriteOwner);
}

TEST_F(FolderOnDisk, LaterStartsKeepThePlayersSettings)
{
    write("share/qubrin/dice.ini", "[DiceGame]\r\nNINZU=4\r\n");
    write("config/qubrin/dice.ini", "saved by the player");
    EXPECT_TRUE(copyShippedSettings({path("share/qubrin/"), path("config/qubrin/")}));
    EXPECT_EQ(bytes("config/qubrin/dice.ini"), "saved by the player");
}

TEST_F(FolderOnDisk, NothingIsCopiedWithoutAShippedDefaultOrWhenPortable)
{
    EXPECT_FALSE(copyShippedSettings({path("share/qubrin/"), path("config/qubrin/")}));
    EXPECT_FALSE(QFileInfo::exists(path("config/qubrin/dice.ini")));
    write("bin/Help1.txt", "help");
    EXPECT_FALSE(copyShippedSettings({path("bin/"), path("bin/")}));
    EXPECT_FALSE(QFileInfo::exists(path("bin/dice.ini")));
}

}  // namespace
