#include "ProfileTestSupport.h"

#include "settings/GameSettings.h"

#include <random>

using namespace std::literals;

namespace {

using Entries = QList<ProfileEntry>;

SettingsRecord applied(const Entries& entries, SettingsRecord settings = {})
{
    for (const ProfileEntry& entry : entries)
        setFromText(settings, entry.key, entry.value);
    return settings;
}

QByteArray junk(qsizetype size, unsigned seed, bool lineEnds)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes) {
        do
            b = static_cast<char>(random());
        while (!lineEnds && (b == '\n' || b == '\r'));
    }
    return bytes;
}

TEST(ProfileSection, ParsesTheEntriesOfTheDiceGameSectionOnly)
{
    const struct {
        const char* rule;
        std::string_view bytes;
        Entries expected;
    } cases[] = {
        {"CR LF lines, other sections ignored",
         "[Other]\r\nNINZU=9\r\n[DiceGame]\r\nNINZU=3\r\nSCORE=1000\r\n[After]\r\nSCORE=5\r\n",
         {{"NINZU", "3"}, {"SCORE", "1000"}}},
        {"bare LF", "[DiceGame]\nNINZU=3\nSCORE=1000", {{"NINZU", "3"}, {"SCORE", "1000"}}},
        {"split at the first =", "[DiceGame]\r\nP_NAME0=A=B\r\n", {{"P_NAME0", "A=B"}}},
        {"no = skipped, empty value kept", "[DiceGame]\r\nabc\r\nP_NAME1=\r\n", {{"P_NAME1", ""}}},
        {"empty lines and comments skipped", "[DiceGame]\r\n\r\n \t\r\n;NINZU=1\r\nNINZU=2\r\n", {{"NINZU", "2"}}},
        {"key trimmed, value as written", "[DiceGame]\r\n\t NINZU \t=  3 \r\n", {{"NINZU", "  3 "}}},
        {"header in any case with blanks", "  [ dicegame ]\t; note\r\nNINZU=3\r\n", {{"NINZU", "3"}}},
        {"other names do not match", "[DiceGame2]\r\nNINZU=3\r\n[Dice Game]\r\nNINZU=4\r\n", {}},
        {"[ without ] is no header", "[DiceGame]\r\nNINZU=3\r\n[Other\r\nSCORE=5\r\n", {{"NINZU", "3"}, {"SCORE", "5"}}},
        {"first DiceGame section only", "[DiceGame]\r\nNINZU=3\r\n[DICEGAME]\r\nNINZU=4\r\n", {{"NINZU", "3"}}},
        {"duplicates kept in order", "[DiceGame]\r\nNINZU=3\r\nNINZU=4\r\n", {{"NINZU", "3"}, {"NINZU", "4"}}},
        {"CP932 text, 0x5C as second byte", "[DiceGame]\r\nP_NAME0=\x83\x5e\x83\x8d\x83\x45\r\nP_NAME1=\x83\x5c\x95\x5c\r\n",
         {{"P_NAME0", "タロウ"}, {"P_NAME1", "ソ表"}}},
        {"0x5D as second byte is no ]", "[DiceGame]\r\nNINZU=3\r\n[\x83\x5d\r\nSCORE=5\r\n[\x83\x5d]\r\nOYA=1\r\n",
         {{"NINZU", "3"}, {"SCORE", "5"}}},
        {"UTF-8 after a byte order mark", "\xEF\xBB\xBF[DiceGame]\r\nP_NAME0=한국😀\r\n", {{"P_NAME0", "한국😀"}}},
        {"NUL bytes are text", "[DiceGame]\r\nNINZU=3\r\nP_NAME0=a\0b\r\n\0\0\r\n\0SCORE=9\r\nBETMAX=50"sv,
         {{"NINZU", "3"}, {"P_NAME0", QString("a") + QChar(0) + "b"}, {QString(QChar(0)) + "SCORE", "9"}, {"BETMAX", "50"}}},
        {"entries before any section", "NINZU=3\r\n", {}},
        {"header on the last line", "[DiceGame]", {}},
        {"header and entry on one line", "[DiceGame]NINZU=3", {}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseProfileSection(bytesOf(c.bytes)), c.expected) << c.rule;
}

TEST(ProfileSection, BrokenCharactersStayInTheirOwnLine)
{
    const Entries entries = parseProfileSection("[DiceGame]\r\nP_NAME0=\x83\r\nP_NAME1=\xff\xfe\xfd\r\nNINZU=3\r\n");
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].key, "P_NAME0");
    EXPECT_EQ(entries[1].key, "P_NAME1");  // the lone lead byte above must not swallow the "P"
    EXPECT_EQ(entries[2], (ProfileEntry{"NINZU", "3"}));
}

TEST(ProfileSection, HostileBytesAroundTheEntriesStillLetThemBeRead)
{
    const QByteArray entries = "[DiceGame]\r\nNINZU=3\r\nSCORE=1000\r\n";
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const QByteArray noise = junk(64 * 1024, seed, seed % 2 == 0);
        const SettingsRecord settings = applied(parseProfileSection(noise + "\r\n" + entries + noise));
        EXPECT_EQ(settings.NINZU, 3) << seed;
        EXPECT_EQ(settings.SCORE, 1000) << seed;
        parseProfileSection(noise);  // must merely finish
        parseProfileSection("[DiceGame]\r\n" + noise);
    }
}

TEST(ProfileSection, OnlyWhatFitsTheOldReadBufferIsRead)
{
    QByteArray bytes = "[DiceGame]\r\nNINZU=3\r\n";
    for (int i = 0; i < 4000; ++i)
        bytes += "FILL=123456789\r\n";
    bytes += "SCORE=9\r\n";
    const Entries entries = parseProfileSection(bytes);
    qsizetype used = 0;
    for (const ProfileEntry& entry : entries)
        used += entry.key.size() + entry.value.size() + 2;  // "=" and the NUL after each entry
    EXPECT_EQ(entries.first(), (ProfileEntry{"NINZU", "3"}));
    EXPECT_EQ(entries.last().key, "FILL");
    EXPECT_LE(used, 32765);
    EXPECT_GT(used, 32765 - 15);
}

TEST_F(ProfileFileTest, ReadGivesNothingWithoutEntries)
{
    put(path("other.ini"), "[Other]\r\nNINZU=3\r\n");
    put(path("empty-section.ini"), "[DiceGame]\r\nabc\r\n\r\n[Other]\r\nNINZU=3\r\n");
    put(path("empty.ini"), "");
    for (const char* name : {"missing.ini", "other.ini", "empty-section.ini", "empty.ini"})
        EXPECT_EQ(readProfileSection(path(name)), std::nullopt) << name;
    EXPECT_EQ(readProfileSection(dir.path()), std::nullopt);
    EXPECT_EQ(readProfileSection(QString()), std::nullopt);
}

TEST_F(ProfileFileTest, TenMegabytesOfJunkWithoutLineEndsAreReadPast)
{
    const QByteArray noise = junk(5 * 1024 * 1024, 7, false);
    put(path(), "[Junk]\r\n" + noise + "\r\n[DiceGame]\r\nNINZU=4\r\nSCORE=500\r\n" + noise);
    const auto entries = readProfileSection(path());
    ASSERT_TRUE(entries);
    const SettingsRecord settings = applied(*entries);
    EXPECT_EQ(settings.NINZU, 4);
    EXPECT_EQ(settings.SCORE, 500);
}

TEST_F(ProfileFileTest, LaterEntriesWinAndKeysMatchWithTheirLetterCase)
{
    put(path(), "[DiceGame]\r\nP_NAME1=\x83\x5e\r\nninzu=5\r\nNINZU=3\r\nSCORE=1000\r\nNINZU=4\r\nNinzu=6\r\nP_NAME2=\r\n");
    SettingsRecord before;
    before.P_NAME2 = "old";
    before.OYA = 7;
    SettingsRecord expected = before;
    expected.NINZU = 4;
    expected.SCORE = 1000;
    expected.P_NAME1 = "タ";
    expected.P_NAME2 = "";
    EXPECT_EQ(applied(readProfileSection(path()).value(), before), expected);
}

TEST_F(ProfileFileTest, NumbersReadWithoutRangeChecksAndBadOnesKeepTheField)
{
    const struct {
        const char* value;
        qint16 expected;
    } cases[] = {{"0", 0},   {"-3", -3},   {"9", 9},     {"32767", 32767}, {"2.5", 2}, {"3.5", 4},
                 {" 3 ", 3}, {"40000", 5}, {"", 5},      {"abc", 5},       {"1e30", 5}, {"0x10", 5}};
    for (const auto& c : cases) {
        put(path(), "[DiceGame]\r\nNINZU=" + QByteArray(c.value) + "\r\nSCORE=77\r\n");
        SettingsRecord before;
        before.NINZU = 5;
        const SettingsRecord settings = applied(readProfileSection(path()).value(), before);
        EXPECT_EQ(settings.NINZU, c.expected) << c.value;
        EXPECT_EQ(settings.SCORE, 77) << c.value;
    }
}

}  // namespace
