#include "SoundSpeedHelpFixture.h"

#include "ui/options/PlayEffect.h"
#include "ui/options/ThrowSound.h"
#include "ui/options/frmSound.h"
#include "ui/widgets/ClickableImage.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

using SoundOptions = SoundSpeedHelpTest;

struct SoundState {
    qint16 flag;
    bool onTicked;
    bool offTicked;
};

void expectSoundState(const frmMain& table, const SoundState& expected, const char* step)
{
    SCOPED_TRACE(step);
    EXPECT_EQ(program::SoundFlag, expected.flag);
    EXPECT_EQ(table.P_soundon->isChecked(), expected.onTicked);
    EXPECT_EQ(table.P_soundoff->isChecked(), expected.offTicked);
    EXPECT_EQ(shownPicture(table.sound_Image), QStringLiteral("sound_%1.gif").arg(expected.flag));
    EXPECT_EQ(table.soundLab->text(), QStringLiteral("sound %1").arg(expected.flag));
}

frmSound* openSoundWindow(frmMain& table)
{
    QTest::mouseClick(table.sound_Image, Qt::LeftButton);
    return table.soundWindow.data();
}

}  // namespace

TEST_F(SoundOptions, StartsWithSoundOnAndOnlyOnTicked)
{
    expectSoundState(*table, {1, true, false}, "start-up");
}

TEST_F(SoundOptions, EachMenuItemTogglesItsOwnMarkAndTheOtherFollows)
{
    struct Step {
        const char* item;
        SoundState after;
    };
    const Step steps[] = {
        {"ON", {0, false, true}},  {"ON", {1, true, false}},  {"OFF", {0, false, true}},
        {"OFF", {1, true, false}}, {"OFF", {0, false, true}}, {"ON", {1, true, false}},
    };
    for (const Step& step : steps) {
        QAction* item = qstrcmp(step.item, "ON") == 0 ? table->P_soundon : table->P_soundoff;
        item->trigger();  // reverses the mark first, as a click in the menu does
        expectSoundState(*table, step.after, step.item);
    }
}

TEST_F(SoundOptions, EitherMenuItemClosesTheSoundWindow)
{
    for (QAction* item : {table->P_soundon, table->P_soundoff}) {
        frmSound* window = openSoundWindow(*table);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        item->trigger();
        EXPECT_FALSE(window->isVisible());
        settle();
        EXPECT_TRUE(table->soundWindow.isNull());
    }
}

TEST_F(SoundOptions, WindowOpensCentredWithItsControlsAndTheBoxFollowingTheFlag)
{
    for (const qint16 flag : {qint16(1), qint16(0)}) {
        SCOPED_TRACE(flag);
        program::SoundFlag = flag;
        frmSound* window = openSoundWindow(*table);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("効果音"));
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->parentWidget(), table.get());
        EXPECT_EQ(window->P_sound->text(), QStringLiteral("効果音を出す"));
        EXPECT_EQ(window->Command->text(), QStringLiteral("閉じる"));
        EXPECT_EQ(window->findChild<QCheckBox*>(QStringLiteral("P_sound")), window->P_sound);
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("sound_Image")), window->sound_Image);
        EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("Command")), window->Command);
        EXPECT_EQ(window->P_sound->isChecked(), flag == 1);
        EXPECT_EQ(program::SoundFlag, flag);
        EXPECT_EQ(shownPicture(window->sound_Image), QStringLiteral("sound_%1.gif").arg(flag));
        EXPECT_EQ(table->soundLab->text(), QStringLiteral("sound %1").arg(flag));

        EXPECT_TRUE(centredOnScreen(window));
        window->close();
        settle();
    }
}

TEST_F(SoundOptions, ClearingTheBoxSilencesEveryEffectAndLeavesTheMenuMarks)
{
    frmSound* window = openSoundWindow(*table);
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->P_sound, Qt::LeftButton);

    EXPECT_FALSE(window->P_sound->isChecked());
    EXPECT_EQ(program::SoundFlag, 0);
    EXPECT_EQ(shownPicture(window->sound_Image), QStringLiteral("sound_0.gif"));
    EXPECT_EQ(shownPicture(table->sound_Image), QStringLiteral("sound_0.gif"));
    EXPECT_EQ(table->soundLab->text(), QStringLiteral("sound 0"));
    EXPECT_TRUE(table->P_soundon->isChecked());
    EXPECT_FALSE(table->P_soundoff->isChecked());

    for (int beep = 1; beep <= 8; ++beep)
        PlayEffect(QStringLiteral("beep%1.wav").arg(beep));
    EXPECT_TRUE(scripted.sounds.isEmpty());

    QTest::keyClick(window->P_sound, Qt::Key_Space);
    EXPECT_EQ(program::SoundFlag, 1);
    EXPECT_EQ(shownPicture(table->sound_Image), QStringLiteral("sound_1.gif"));
    PlayEffect(QStringLiteral("beep4.wav"));
    EXPECT_EQ(scripted.sounds, QStringList{QStringLiteral("beep4.wav")});
}

TEST_F(SoundOptions, ClickingThePictureAgainReopensTheWindow)
{
    QPointer<frmSound> first = openSoundWindow(*table);
    ASSERT_FALSE(first.isNull());
    QTest::mouseClick(first->P_sound, Qt::LeftButton);  // sound off, the box clear

    QPointer<frmSound> second = openSoundWindow(*table);
    settle();
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(table->soundWindow, second);
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(second->P_sound->isChecked());
    EXPECT_EQ(table->findChildren<frmSound*>().size(), 1);
}

TEST_F(SoundOptions, CloseButtonAndEscapeCloseTheWindow)
{
    const auto closeByButton = [](frmSound* w) { QTest::mouseClick(w->Command, Qt::LeftButton); };
    const auto closeByEscape = [](frmSound* w) { QTest::keyClick(w, Qt::Key_Escape); };
    for (const auto& closeIt : {+closeByButton, +closeByEscape}) {
        frmSound* window = openSoundWindow(*table);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        closeIt(window);
        settle();
        EXPECT_TRUE(table->soundWindow.isNull());
        EXPECT_EQ(program::SoundFlag, 1);
    }
}

TEST_F(SoundOptions, PlayEffectPlaysOnlyWhenTheFlagIsExactlyOne)
{
    const struct {
        qint16 flag;
        bool plays;
    } cases[] = {{1, true}, {0, false}, {2, false}, {-1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        scripted.sounds.clear();
        program::SoundFlag = c.flag;
        PlayEffect(QStringLiteral("beep6.wav"));
        EXPECT_EQ(scripted.sounds.size(), c.plays ? 1 : 0);
    }
}

TEST_F(SoundOptions, ThrowSoundFollowsTheSpeedLevel)
{
    const struct {
        qint16 level;
        const char* sound;
    } cases[] = {{-1, "beep3.wav"}, {1, "beep3.wav"},  {5, "beep3.wav"},  {6, "beep7.wav"},
                 {7, "beep7.wav"},  {13, "beep7.wav"}, {14, "beep7.wav"}, {15, "beep8.wav"},
                 {17, "beep8.wav"}, {19, "beep8.wav"}, {32767, "beep8.wav"}};
    for (const auto& c : cases)
        EXPECT_EQ(throwSound(c.level), QLatin1String(c.sound)) << "level " << c.level;
}

TEST_F(SoundOptions, SwitchingOffDuringAPauseSilencesTheNextSound)
{
    frmSound* window = openSoundWindow(*table);
    ASSERT_NE(window, nullptr);
    int pauses = 0;
    scripted.duringWait = [&] {
        if (++pauses == 1)
            QTest::mouseClick(window->P_sound, Qt::LeftButton);
    };
    // Throws as the throw sequence makes them: a sound, then a pause in which the player acts.
    for (int thrown = 0; thrown < 3; ++thrown) {
        PlayEffect(throwSound(program::SpeedLevel));
        platform().wait(program::SpeedLevel * 40);
    }
    EXPECT_EQ(scripted.sounds, QStringList{QStringLiteral("beep7.wav")});
}

TEST_F(SoundOptions, SwitchingOffInTheMiddleOfARealThrowSequenceSilencesTheRest)
{
    program::GameSettings.NINZU = 2;
    program::GameSettings.NAGEKAI = 3;
    table->state.OyaSeat = 0;
    QPointer<frmSound> window = openSoundWindow(*table);
    ASSERT_FALSE(window.isNull());
    scripted.duringWait = [&] {
        if (!scripted.sounds.isEmpty() && window && window->P_sound->isChecked())
            QTest::mouseClick(window->P_sound, Qt::LeftButton);
    };
    table->turn_Label_Click();

    // The first throw sounded; after the box was cleared neither a throw nor the end sounded.
    EXPECT_EQ(scripted.sounds, QStringList{QStringLiteral("beep7.wav")});
    EXPECT_EQ(program::SoundFlag, 0);
    settle();
    EXPECT_TRUE(table->soundWindow.isNull()) << "the end of the sequence closes the sound window";
}
