#include "EnglishTableFixture.h"

#include "app/GameLanguage.h"
#include "settings/AppFolder.h"
#include "support/VisibleTexts.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <optional>

// Every message box of the table, through the platform seam, in English: the questions of an
// interruption and the warnings of a reading of dice.ini, each case as a player meets it.
class EnglishMessages : public ::testing::Test, public EnglishTableFixture {
protected:
    void writeSettings(const QByteArray& bytes)
    {
        QFile file(folder.filePath(QStringLiteral("dice.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
};

TEST_F(EnglishMessages, EveryQuestionAndWarningOfTheTableIsEnglish)
{
    ASSERT_TRUE(useLanguage(Language::English));
    open();
    platform.seconds = 3;
    newGame();
    openBets();
    frmMain& t = *table;
    platform.answers.enqueue(false);
    t.Gameout->trigger();
    EXPECT_FALSE(containsJapanese(t.Turn->text())) << t.Turn->text().toStdString();
    platform.answers.enqueue(true);
    t.Gameout->trigger();
    ASSERT_EQ(platform.questions.size(), 2);

    const struct {
        const char* what;
        std::optional<QByteArray> bytes;  // nullopt: no dice.ini
    } cases[] = {
        {"no file", std::nullopt},
        {"no game section", "[Other]\r\nNINZU=4\r\n"},
        {"keys missing", "[DiceGame]\r\nNINZU=2\r\nSCORE=abc\r\n"},
    };
    for (const auto& c : cases) {
        if (c.bytes)
            writeSettings(*c.bytes);
        else
            QFile::remove(folder.filePath(QStringLiteral("dice.ini")));
        const qsizetype before = platform.warnings.size();
        t.iniread_Click();
        EXPECT_EQ(platform.warnings.size(), before + 1) << c.what;
    }
    for (const QString& text : platform.questions + platform.warnings)
        EXPECT_FALSE(containsJapanese(text)) << text.toStdString();
}

// An installed game whose settings folder cannot be made (a file stands where its parent would be)
// reads the shipped settings and says so in English, naming the folder.
TEST_F(EnglishMessages, TheWarningOfAnUnwritableSettingsFolderIsEnglish)
{
    ASSERT_TRUE(useLanguage(Language::English));
    folder.write(QStringLiteral("blocker"), "");
    const QString settingsFolder = folder.filePath(QStringLiteral("blocker/qubrin"));
    setFolderLayoutForTests({folder.path(), settingsFolder});
    open();
    ASSERT_EQ(platform.warnings.size(), 1);
    EXPECT_TRUE(platform.warnings[0].contains(settingsFolder)) << platform.warnings[0].toStdString();
    EXPECT_FALSE(containsJapanese(platform.warnings[0])) << platform.warnings[0].toStdString();
}
