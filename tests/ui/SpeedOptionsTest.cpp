#include "SoundSpeedHelpFixture.h"

#include "ui/options/PlayEffect.h"
#include "ui/options/ThrowSound.h"
#include "ui/options/frmSpeed.h"
#include "ui/widgets/ClickableImage.h"

#include <QAction>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <vector>

namespace {

using SpeedOptions = SoundSpeedHelpTest;

enum class Act { MenuUp, MenuDown, Open, WindowUp, WindowDown };

const char* actName(Act act)
{
    switch (act) {
    case Act::MenuUp: return "menu ▲Up";
    case Act::MenuDown: return "menu ▼Down";
    case Act::Open: return "click on the speed picture";
    case Act::WindowUp: return "window ▲Up";
    case Act::WindowDown: return "window ▼Down";
    }
    return "";
}

enum class Window { Closed, BothButtons, UpHidden, DownHidden };

struct Step {
    Act act;
    qint16 level;
    Window window;
};

struct Sequence {
    const char* name;
    std::vector<Step> steps;
};

// Every sequence starts at the start-up level 7.
const Sequence sequences[] = {
    {"menu ▲Up stops at 1",
     {{Act::MenuUp, 5, Window::Closed},
      {Act::MenuUp, 3, Window::Closed},
      {Act::MenuUp, 1, Window::Closed},
      {Act::MenuUp, 1, Window::Closed}}},
    {"menu ▼Down stops at 17",
     {{Act::MenuDown, 9, Window::Closed},
      {Act::MenuDown, 11, Window::Closed},
      {Act::MenuDown, 13, Window::Closed},
      {Act::MenuDown, 15, Window::Closed},
      {Act::MenuDown, 17, Window::Closed},
      {Act::MenuDown, 17, Window::Closed}}},
    {"the window goes on to 19 and hides ▼Down there; the menu comes back from 19",
     {{Act::MenuDown, 9, Window::Closed},
      {Act::MenuDown, 11, Window::Closed},
      {Act::MenuDown, 13, Window::Closed},
      {Act::MenuDown, 15, Window::Closed},
      {Act::MenuDown, 17, Window::Closed},
      {Act::Open, 17, Window::BothButtons},
      {Act::WindowDown, 19, Window::BothButtons},
      {Act::WindowDown, 19, Window::DownHidden},
      {Act::WindowUp, 17, Window::BothButtons},
      {Act::WindowDown, 19, Window::BothButtons},
      {Act::MenuDown, 19, Window::Closed},
      {Act::MenuUp, 17, Window::Closed}}},
    {"at 1 the window's ▲Up hides itself and ▼Down brings it back",
     {{Act::MenuUp, 5, Window::Closed},
      {Act::MenuUp, 3, Window::Closed},
      {Act::MenuUp, 1, Window::Closed},
      {Act::Open, 1, Window::BothButtons},
      {Act::WindowUp, 1, Window::UpHidden},
      {Act::WindowDown, 3, Window::BothButtons},
      {Act::WindowUp, 1, Window::BothButtons},
      {Act::WindowUp, 1, Window::UpHidden},
      {Act::Open, 1, Window::BothButtons}}},
    {"reopening shows both buttons again",
     {{Act::Open, 7, Window::BothButtons},
      {Act::WindowUp, 5, Window::BothButtons},
      {Act::WindowUp, 3, Window::BothButtons},
      {Act::WindowUp, 1, Window::BothButtons},
      {Act::WindowUp, 1, Window::UpHidden},
      {Act::Open, 1, Window::BothButtons},
      {Act::WindowDown, 3, Window::BothButtons},
      {Act::MenuUp, 1, Window::Closed}}},
};

}  // namespace

TEST_F(SpeedOptions, StartsAtSevenWithItsPicture)
{
    EXPECT_EQ(program::SpeedLevel, 7);
    EXPECT_EQ(shownPicture(table->speed_Image), QStringLiteral("speed_7.gif"));
    EXPECT_EQ(table->speedLab->text(), QStringLiteral("speed 7"));
}

TEST_F(SpeedOptions, MenuAndWindowStepWithinTheirLimits)
{
    for (const Sequence& sequence : sequences) {
        SCOPED_TRACE(sequence.name);
        program::SpeedLevel = 7;
        table->showSpeedState();
        for (const Step& step : sequence.steps) {
            SCOPED_TRACE(actName(step.act));
            switch (step.act) {
            case Act::MenuUp: table->P_speedHi->trigger(); break;
            case Act::MenuDown: table->P_speedLo->trigger(); break;
            case Act::Open: QTest::mouseClick(table->speed_Image, Qt::LeftButton); break;
            case Act::WindowUp:
                ASSERT_FALSE(table->speedWindow->speed_up->isHidden());
                QTest::mouseClick(table->speedWindow->speed_up, Qt::LeftButton);
                break;
            case Act::WindowDown:
                ASSERT_FALSE(table->speedWindow->speed_down->isHidden());
                QTest::mouseClick(table->speedWindow->speed_down, Qt::LeftButton);
                break;
            }
            settle();

            const QString picture = QStringLiteral("speed_%1.gif").arg(step.level);
            EXPECT_EQ(program::SpeedLevel, step.level);
            EXPECT_EQ(shownPicture(table->speed_Image), picture);
            EXPECT_EQ(table->speedLab->text(), QStringLiteral("speed %1").arg(step.level));
            const frmSpeed* window = table->speedWindow;
            ASSERT_EQ(window != nullptr, step.window != Window::Closed);
            if (window) {
                EXPECT_TRUE(window->isVisible());
                EXPECT_EQ(shownPicture(window->speed_Image), picture);
                EXPECT_EQ(window->speed_up->isHidden(), step.window == Window::UpHidden);
                EXPECT_EQ(window->speed_down->isHidden(), step.window == Window::DownHidden);
            }
        }
        if (table->speedWindow)
            table->speedWindow->close();
        settle();
    }
}

TEST_F(SpeedOptions, WindowHasItsCaptionsNamesAndPlace)
{
    QTest::mouseClick(table->speed_Image, Qt::LeftButton);
    const frmSpeed* window = table->speedWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("スピード"));
    EXPECT_EQ(window->parentWidget(), table.get());
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));

    const struct {
        const char* name;
        const QPushButton* button;
        QString caption;
    } buttons[] = {
        {"speed_up", window->speed_up, QStringLiteral("▲Up   ")},
        {"speed_down", window->speed_down, QStringLiteral("▼Down")},
        {"Command", window->Command, QStringLiteral("閉じる")},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(window->findChild<QPushButton*>(QLatin1String(b.name)), b.button) << b.name;
        EXPECT_EQ(b.button->text(), b.caption) << b.name;
    }
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("speed_Image")), window->speed_Image);

    EXPECT_TRUE(centredOnScreen(window));
}

TEST_F(SpeedOptions, HidingAButtonKeepsTheWindowsSize)
{
    program::SpeedLevel = 1;
    QTest::mouseClick(table->speed_Image, Qt::LeftButton);
    frmSpeed* window = table->speedWindow;
    ASSERT_NE(window, nullptr);
    const QSize before = window->size();
    const QPoint downAt = window->speed_down->pos();
    QTest::mouseClick(window->speed_up, Qt::LeftButton);
    ASSERT_TRUE(window->speed_up->isHidden());
    EXPECT_EQ(window->size(), before);
    EXPECT_EQ(window->speed_down->pos(), downAt);
}

TEST_F(SpeedOptions, CloseButtonClosesTheWindowAndKeepsTheLevel)
{
    QTest::mouseClick(table->speed_Image, Qt::LeftButton);
    ASSERT_FALSE(table->speedWindow.isNull());
    QTest::mouseClick(table->speedWindow->speed_down, Qt::LeftButton);
    QTest::mouseClick(table->speedWindow->Command, Qt::LeftButton);
    settle();
    EXPECT_TRUE(table->speedWindow.isNull());
    EXPECT_EQ(program::SpeedLevel, 9);
}

TEST_F(SpeedOptions, ChangeDuringAPauseTakesEffectAtTheNextThrowSound)
{
    int pauses = 0;
    scripted.duringWait = [&] {
        if (++pauses == 1)
            table->P_speedHi->trigger();  // 7 -> 5: the short rattle from now on
    };
    for (int thrown = 0; thrown < 2; ++thrown) {
        PlayEffect(throwSound(program::SpeedLevel));
        platform().wait(program::SpeedLevel * 40);
    }
    EXPECT_EQ(scripted.sounds, (QStringList{QStringLiteral("beep7.wav"), QStringLiteral("beep3.wav")}));
}
