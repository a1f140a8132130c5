#include "app/frmMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "ui/options/frmSound.h"
#include "ui/options/TextViewer.h"
#include "ui/options/frmSpeed.h"
#include "ui/settings/frmSet.h"
#include "ui/stats/frmTotal.h"
#include "ui/widgets/ClickableImage.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Each window opened from the table, with a control of it that can hold the focus.
struct OpenedWindow {
    const char* name;
    std::function<QWidget*(frmMain&)> open;
    std::function<QWidget*(QWidget*)> control;
};

template <typename Control>
std::function<QWidget*(QWidget*)> first()
{
    return [](QWidget* window) -> QWidget* { return window->findChild<Control*>(); };
}

const OpenedWindow windows[] = {
    {"frmSet",
     [](frmMain& t) -> QWidget* {
         t.setting->trigger();
         return t.settingsWindow.data();
     },
     first<QLineEdit>()},
    {"frmTotal",
     [](frmMain& t) -> QWidget* {
         t.total->trigger();
         return t.tallyWindow.data();
     },
     first<QPushButton>()},
    {"frmSound",
     [](frmMain& t) -> QWidget* {
         QTest::mouseClick(t.sound_Image, Qt::LeftButton);
         return t.soundWindow.data();
     },
     first<QCheckBox>()},
    {"frmSpeed",
     [](frmMain& t) -> QWidget* {
         QTest::mouseClick(t.speed_Image, Qt::LeftButton);
         return t.speedWindow.data();
     },
     first<QPushButton>()},
    {"TextViewer", [](frmMain& t) -> QWidget* { return TextViewer::showFor(&t, QStringLiteral("Help1.txt")); },
     first<QPlainTextEdit>()},
};

class EscapeKey : public ::testing::Test {
protected:
    EscapeKey() : table(std::make_unique<frmMain>()) {}
    ~EscapeKey() override
    {
        table.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScriptedPlatform platform;
    TableFolder folder;
    std::unique_ptr<frmMain> table;
};

}  // namespace

TEST_F(EscapeKey, ClosesEachWindowWhileOneOfItsControlsHasTheFocus)
{
    for (const OpenedWindow& w : windows) {
        SCOPED_TRACE(w.name);
        QPointer<QWidget> window = w.open(*table);
        ASSERT_FALSE(window.isNull());
        QWidget* control = w.control(window);
        ASSERT_NE(control, nullptr);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(EscapeKey, WithAModifierLeavesEachWindowOpen)
{
    for (const OpenedWindow& w : windows) {
        SCOPED_TRACE(w.name);
        QPointer<QWidget> window = w.open(*table);
        ASSERT_FALSE(window.isNull());
        for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            QTest::keyClick(window, Qt::Key_Escape, modifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(window->isVisible());
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
