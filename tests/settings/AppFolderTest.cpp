#include "settings/AppFolder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class AppFolderTest : public ::testing::Test {
protected:
    void TearDown() override { setAppFolderForTests(QString()); }
};

TEST_F(AppFolderTest, EndsInExactlyOneSeparator)
{
    const struct {
        const char* folder;
        const char* expected;
    } cases[] = {
        {"/opt/qubrin", "/opt/qubrin/"}, {"/opt/qubrin/", "/opt/qubrin/"}, {"/opt/qubrin///", "/opt/qubrin/"},
        {"/", "/"},                      {"//", "/"},                      {"/opt/日本語", "/opt/日本語/"},
    };
    for (const auto& c : cases) {
        setAppFolderForTests(QString::fromUtf8(c.folder));
        EXPECT_EQ(AppFolder(), QString::fromUtf8(c.expected)) << c.folder;
    }
}

TEST_F(AppFolderTest, IsTheProgramsFolderWithoutAnOverrideBesideSavableSettings)
{
    setAppFolderForTests("/somewhere/else");
    setAppFolderForTests(QString());
    EXPECT_EQ(AppFolder(), QCoreApplication::applicationDirPath() + "/");
}

TEST_F(AppFolderTest, SettingsFileFollowsTheSettingsFolderNotTheData)
{
    setFolderLayoutForTests({"/usr/share/qubrin", "/home/p/.config/qubrin"});
    EXPECT_EQ(AppFolder(), "/usr/share/qubrin/");
    EXPECT_EQ(SettingsFolder(), "/home/p/.config/qubrin/");
    EXPECT_EQ(DefaultSettingsFile(), "/home/p/.config/qubrin/dice.ini");
    setAppFolderForTests("/portable");
    EXPECT_EQ(DefaultSettingsFile(), "/portable/dice.ini");
}

}  // namespace
