#include "ProfileTestSupport.h"

#include "settings/GameSettings.h"
#include "support/FullFileSystem.h"

#include <QFileInfo>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using namespace std::literals;

namespace {

const QList<ProfileEntry> Entries{{"NINZU", "3"}, {"P_NAME0", "タロウ"}};
#define BODY "NINZU=3\r\nP_NAME0=\x83\x5e\x83\x8d\x83\x45\r\n"
#define BODY_UTF8 "NINZU=3\r\nP_NAME0=タロウ\r\n"

TEST_F(ProfileFileTest, WriteReplacesTheSectionAndKeepsEveryOtherByte)
{
    const struct {
        const char* rule;
        std::optional<std::string_view> old;
        std::string_view expected;
    } cases[] = {
        {"new file", std::nullopt, "[DiceGame]\r\n" BODY},
        {"empty file", "", "[DiceGame]\r\n" BODY},
        {"other sections and bytes kept",
         "; settings\r\n[Other]\r\nA=\x83\x5e\r\n[DiceGame]\r\nNINZU=2\r\n;c\r\nOLD=x\r\n\r\n[Last]\r\nB=1\r\n",
         "; settings\r\n[Other]\r\nA=\x83\x5e\r\n[DiceGame]\r\n" BODY "\r\n[Last]\r\nB=1\r\n"},
        {"added after a last line without line end", "[A]\r\nx=1", "[A]\r\nx=1\r\n[DiceGame]\r\n" BODY},
        {"added after a lone CR", "[A]\r\nx=1\r", "[A]\r\nx=1\r\n[DiceGame]\r\n" BODY},
        {"LF file keeps its LF lines", "  [dicegame]  \nOLD=1\n[B]\ny=2", "  [dicegame]  \n" BODY "[B]\ny=2"},
        {"header on the last line", "[DiceGame]", "[DiceGame]\r\n" BODY},
        {"only the first DiceGame section", "[DiceGame]\r\nOLD=1\r\n[DiceGame]\r\nOLD=2\r\n",
         "[DiceGame]\r\n" BODY "[DiceGame]\r\nOLD=2\r\n"},
        {"invalid and NUL bytes elsewhere kept", "junk\xff\0\x83\r\n[DiceGame]\r\nOLD=1\r\n[Z]\r\n\xfe\xfd"sv,
         "junk\xff\0\x83\r\n[DiceGame]\r\n" BODY "[Z]\r\n\xfe\xfd"sv},
        {"UTF-8 file stays UTF-8", "\xEF\xBB\xBF[A]\r\nx=한\r\n", "\xEF\xBB\xBF[A]\r\nx=한\r\n[DiceGame]\r\n" BODY_UTF8},
        {"byte order mark alone", "\xEF\xBB\xBF", "\xEF\xBB\xBF[DiceGame]\r\n" BODY_UTF8},
    };
    for (const auto& c : cases) {
        QFile::remove(path());
        if (c.old)
            put(path(), bytesOf(*c.old));
        EXPECT_TRUE(writeProfileSection(path(), Entries)) << c.rule;
        EXPECT_EQ(contents(path()), bytesOf(c.expected)) << c.rule;
    }
}

TEST_F(ProfileFileTest, TextOutsideCp932TurnsTheSectionIntoUtf8AndKeepsEveryOtherByte)
{
    // Other sections in CP932, with bytes that are no CP932 character at all (a lone lead byte, 0x80,
    // 0xA0, 0xFD..0xFF) and a NUL: the game never reads them, so they stay exactly as they were.
    const QByteArray head = bytesOf("[Other]\r\nB=\x83\x5e\x81\r\nC=\x80\xa0\xfd\xfe\xff\0\x83\r\n[DiceGame]\r\n"sv);
    const QByteArray tail = bytesOf("\r\n[Tail]\r\nD=\x82\xa0\xff\x81"sv);
    put(path(), head + "NINZU=2\r\n" + tail);
    const QList<ProfileEntry> entries{{"NINZU", "3"}, {"P_NAME0", "😀한국"}};
    ASSERT_TRUE(writeProfileSection(path(), entries));
    EXPECT_EQ(contents(path()), "\xEF\xBB\xBF" + head + "NINZU=3\r\nP_NAME0=😀한국\r\n" + tail);
    EXPECT_EQ(readProfileSection(path()), entries);

    // A header that UTF-8 would no longer read as this section: the file is kept rather than lost.
    const QByteArray hiding = "[DiceGame]\x81]\r\nNINZU=2\r\n";
    put(path(), hiding);
    EXPECT_FALSE(writeProfileSection(path(), entries));
    EXPECT_EQ(contents(path()), hiding);
}

// What a Linux editor writes: UTF-8 without a byte order mark. It reads as UTF-8, and a save marks
// it so; plain ASCII and CP932 files read and save as before.
TEST_F(ProfileFileTest, Utf8WithoutAByteOrderMarkReadsAsUtf8AndIsSavedWithTheMark)
{
    const struct {
        const char* rule;
        QByteArray old;
        QList<ProfileEntry> read;
        QByteArray saved;  // after a save of Entries
    } cases[] = {
        {"UTF-8 names", "[Mine]\nX=ü\n[DiceGame]\nNINZU=4\nP_NAME0=ミノル\nP_NAME1=Zoë\n",
         {{"NINZU", "4"}, {"P_NAME0", "ミノル"}, {"P_NAME1", "Zoë"}}, "\xEF\xBB\xBF[Mine]\nX=ü\n[DiceGame]\n" BODY_UTF8},
        {"UTF-8 in another section only", "[Mine]\nX=ü\n[DiceGame]\nNINZU=4\n", {{"NINZU", "4"}},
         "\xEF\xBB\xBF[Mine]\nX=ü\n[DiceGame]\n" BODY_UTF8},
        {"plain ASCII", "[DiceGame]\r\nNINZU=4\r\nP_NAME0=Ken\r\n", {{"NINZU", "4"}, {"P_NAME0", "Ken"}},
         "[DiceGame]\r\n" BODY},
        {"CP932", "[DiceGame]\r\nP_NAME0=\x83\x5e\x83\x8d\x83\x45\r\n", {{"P_NAME0", "タロウ"}}, "[DiceGame]\r\n" BODY},
        {"broken UTF-8 stays CP932", "[DiceGame]\r\nP_NAME0=\xE3\x83\r\n", {{"P_NAME0", "繝"}},
         "[DiceGame]\r\n" BODY},
    };
    for (const auto& c : cases) {
        put(path(), c.old);
        EXPECT_EQ(readProfileSection(path()), c.read) << c.rule;
        ASSERT_TRUE(writeProfileSection(path(), Entries)) << c.rule;
        EXPECT_EQ(contents(path()), c.saved) << c.rule;
        EXPECT_EQ(readProfileSection(path()), Entries) << c.rule;
    }
}

TEST_F(ProfileFileTest, EveryTypedNameSurvivesASaveAndALoad)
{
    const struct {
        const char* name;
        bool utf8;
    } cases[] = {{"A=B", false}, {"  blanks around  ", false}, {"ソ表\\~", false}, {"～①ⅰ", false},
                 {"", false},    {"a\tb;[x]", false},          {"〜", true},        {"😀", true},
                 {"한국", true}, {"Ελληνικά", true}};
    for (const auto& c : cases) {
        QFile::remove(path());
        const QString name = QString::fromUtf8(c.name);
        ASSERT_TRUE(writeProfileSection(path(), {{"NINZU", "3"}, {"P_NAME0", name}, {"SCORE", "5"}}));
        EXPECT_EQ(contents(path()).startsWith("\xEF\xBB\xBF"), c.utf8) << c.name;
        SettingsRecord settings;
        for (const ProfileEntry& entry : readProfileSection(path()).value_or(QList<ProfileEntry>{}))
            setFromText(settings, entry.key, entry.value);
        EXPECT_EQ(settings.P_NAME0, name) << c.name;
        EXPECT_EQ(settings.SCORE, 5) << c.name;
    }
}

TEST_F(ProfileFileTest, TheWholeRecordSurvivesASaveAndALoadInKeyOrder)
{
    QList<ProfileEntry> entries;
    QByteArray expectedKeys;
    int n = 1;
    for (const SettingsKey& key : settingsKeys()) {
        entries.append({key.key, QString::number(n++ * 3 - 40)});
        expectedKeys += QByteArray(key.key) + '=';
    }
    for (int seat = 0; seat < 6; ++seat)
        entries[FirstNameKey + seat].value = QString("席%1 ｼﾞｮｰ").arg(seat);
    SettingsRecord saved;
    for (const ProfileEntry& entry : entries)
        setFromText(saved, entry.key, entry.value);
    ASSERT_TRUE(writeProfileSection(path(), entries));

    QByteArray writtenKeys;
    for (const QByteArray& line : contents(path()).split('\n'))
        if (line.contains('='))
            writtenKeys += line.left(line.indexOf('=') + 1);
    EXPECT_EQ(writtenKeys, expectedKeys);

    SettingsRecord loaded;
    const QList<ProfileEntry> read = readProfileSection(path()).value_or(QList<ProfileEntry>{});
    for (const ProfileEntry& entry : read)
        setFromText(loaded, entry.key, entry.value);
    EXPECT_EQ(loaded, saved);
}

TEST_F(ProfileFileTest, ALineEndInAValueCannotStartAnotherEntry)
{
    ASSERT_TRUE(writeProfileSection(path(), {{"P_NAME0", "a\r\nNINZU=9"}}));
    EXPECT_EQ(readProfileSection(path()), (QList<ProfileEntry>{{"P_NAME0", "a  NINZU=9"}}));
}

TEST_F(ProfileFileTest, AFailedWriteReportsFalseAndLeavesEverythingAsItWas)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    put(path("folder/inside.ini"), "[DiceGame]\r\nNINZU=3\r\n");
    EXPECT_FALSE(writeProfileSection(path("folder"), Entries));
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_EQ(contents(path("folder/inside.ini")), "[DiceGame]\r\nNINZU=3\r\n");

    EXPECT_FALSE(writeProfileSection(path("missing/dice.ini"), Entries));
    EXPECT_FALSE(QFileInfo::exists(path("missing")));

    // Too large to be a settings file: it is not rewritten, since it could not be kept whole.
    const QByteArray huge = "[Other]\r\n" + QByteArray(16 * 1024 * 1024, 'x') + "\r\n[DiceGame]\r\nNINZU=2\r\n";
    put(path(), huge);
    EXPECT_FALSE(writeProfileSection(path(), Entries));
    EXPECT_EQ(contents(path()), huge);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 2);  // no save left behind
}

TEST_F(ProfileFileTest, ASaveOntoAFullDiskReportsFalseAndKeepsTheOldFileByteForByte)
{
    FullFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no full disk to save onto: " << disk.reason().toStdString();
    const QByteArray old = "[Other]\r\nA=1\r\n[DiceGame]\r\nNINZU=2\r\nP_NAME0=\x83\x5e\r\n";
    put(disk.filePath("dice.ini"), old);
    ASSERT_TRUE(disk.fill());
    EXPECT_FALSE(writeProfileSection(disk.filePath("dice.ini"), Entries));
    EXPECT_EQ(contents(disk.filePath("dice.ini")), old);
    EXPECT_EQ(disk.files(), (QStringList{"dice.ini", "filler"}));  // no half-written save left behind
}

TEST_F(ProfileFileTest, ASaveBeyondTheFileSizeLimitReportsFalseAndKeepsTheOldFile)
{
    // The same failure without the superuser: the kernel refuses every byte past the limit.
    const QByteArray old = "[DiceGame]\r\nNINZU=2\r\n";
    put(path(), old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeProfileSection(path(), Entries);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dice.ini"});
}

TEST_F(ProfileFileTest, AFailedWriteInAReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into a read-only folder";
    put(path(), "[DiceGame]\r\nNINZU=2\r\n");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(writeProfileSection(path(), Entries));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(contents(path()), "[DiceGame]\r\nNINZU=2\r\n");
}

}  // namespace
