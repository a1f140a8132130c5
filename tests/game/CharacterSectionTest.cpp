#include "game/CharacterSection.h"
#include "settings/GameSettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using rules::Character;

class CharacterFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("dice.ini")); }
    void put(const QByteArray& bytes) const
    {
        QFile out(path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray contents() const
    {
        QFile in(path());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    // The settings a reader that knows only DiceGame makes of the file.
    SettingsRecord settingsRead() const
    {
        SettingsRecord settings;
        for (const ProfileEntry& entry : readProfileSection(path()).value_or(QList<ProfileEntry>{}))
            setFromText(settings, entry.key, entry.value);
        return settings;
    }

    QTemporaryDir dir;
};

const QByteArray plainFile = "[DiceGame]\r\nNINZU=4\r\nSCORE=500\r\nBETMAX=50\r\nBETMIN=5\r\nOYA=3\r\nLAST=30\r\n"
                             "NAGEKAI=3\r\nP_NAME0=\x83\x5e\x83\x8d\x83\x45\r\nP_FLG1=1\r\nP_CHECK6=1\r\n[Other]\r\nA=1\r\n";

}  // namespace

TEST_F(CharacterFile, ASettingsFileWithCharactersReadsAsTodaysSettingsAndBackWithoutThemByteForByte)
{
    put(plainFile);
    const SettingsRecord before = settingsRead();
    const rules::SeatCharacters characters{Character::Omakase, Character::Calculating, Character::Bold,
                                           Character::Omakase, Character::Gambler,     Character::Steady};
    ASSERT_TRUE(rules::writeCharacters(path(), characters));
    EXPECT_TRUE(contents().startsWith(plainFile)) << "every byte before the new section stays";
    EXPECT_TRUE(contents().endsWith("[Characters]\r\nP_CHAR1=calculating\r\nP_CHAR2=bold\r\nP_CHAR4=gambler\r\n"
                                    "P_CHAR5=steady\r\n"));
    EXPECT_EQ(settingsRead(), before);
    EXPECT_EQ(rules::readCharacters(path()), characters);

    // All おまかせ again: the section goes, and the file is as it was.
    ASSERT_TRUE(rules::writeCharacters(path(), rules::SeatCharacters{}));
    EXPECT_EQ(contents(), plainFile);
    EXPECT_EQ(rules::readCharacters(path()), rules::SeatCharacters{});
}

TEST_F(CharacterFile, OnlyAFileWithACharacterOtherThanOmakaseGetsTheSection)
{
    EXPECT_TRUE(rules::writeCharacters(path(), rules::SeatCharacters{}));
    EXPECT_FALSE(QFile::exists(path())) << "nothing to write, no file made";
    put(plainFile);
    EXPECT_TRUE(rules::writeCharacters(path(), rules::SeatCharacters{}));
    EXPECT_EQ(contents(), plainFile);
}

TEST_F(CharacterFile, BadOrUnknownCharactersAreOmakaseWithoutAnError)
{
    put("[characters]\r\nP_CHAR0=wizard\r\nP_CHAR1=\r\nP_CHAR2= bold \r\np_char3=bold\r\nP_CHAR9=bold\r\n"
        "P_CHAR4=\xff\xfe\x83\r\nP_CHAR5=steady\r\nP_CHAR5=gambler\r\nP_CHAR5\r\n[DiceGame]\r\nNINZU=3\r\n");
    const rules::SeatCharacters expected{Character::Omakase, Character::Omakase, Character::Bold,
                                         Character::Omakase, Character::Omakase, Character::Gambler};
    EXPECT_EQ(rules::readCharacters(path()), expected);
    EXPECT_EQ(settingsRead().NINZU, 3);
    EXPECT_EQ(rules::readCharacters(dir.filePath(QStringLiteral("missing.ini"))), rules::SeatCharacters{});
}

TEST_F(CharacterFile, RemovingASectionKeepsEveryOtherByte)
{
    const struct {
        const char* rule;
        QByteArray old;
        QByteArray expected;
    } cases[] = {
        {"between two sections", "[A]\r\nx=1\r\n[Characters]\r\nP_CHAR1=bold\r\n\r\n[B]\r\ny=2\r\n",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"last, without a line end", "[A]\r\nx=1\r\n  [characters]  \r\nP_CHAR1=bold", "[A]\r\nx=1\r\n"},
        {"a header alone on the last line", "[A]\nx=1\n[Characters]", "[A]\nx=1\n"},
        {"first after the byte order mark", "\xEF\xBB\xBF[Characters]\r\nP_CHAR1=bold\r\n[DiceGame]\r\nNINZU=2\r\n",
         "\xEF\xBB\xBF[DiceGame]\r\nNINZU=2\r\n"},
        {"no such section", "[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n"},
    };
    for (const auto& c : cases) {
        put(c.old);
        EXPECT_TRUE(removeProfileSection(path(), rules::CharacterSection)) << c.rule;
        EXPECT_EQ(contents(), c.expected) << c.rule;
    }
}
