#include "ui/widgets/ScreenCentre.h"

#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

// Windows opened from the table are placed against it, never off the screen.
TEST(WindowPlacement, BesideTheOwnerWhereThereIsRoomElseOverItAndAlwaysOnTheScreen)
{
    QWidget owner;
    const QRect area = owner.screen()->availableGeometry();
    const struct {
        QRect owner;
        QSize window;
        QPoint expected;  // relative to the area's top left; -1 for centred over the owner
    } cases[] = {
        {{10, 20, 300, 200}, {200, 150}, {318, 20}},                        // room on the right
        {{area.width() - 310, 20, 300, 200}, {200, 150}, {area.width() - 518, 20}},  // only on the left
        {{10, 20, 300, 200}, {area.width(), 150}, {0, -1}},                 // neither: over it, pulled in
        {{10, area.height() - 100, 300, 200}, {200, 300}, {318, area.height() - 300}},  // kept above the bottom
    };
    for (const auto& c : cases) {
        owner.setGeometry(c.owner.translated(area.topLeft()));
        QWidget window;
        window.resize(c.window);
        placeBeside(&window, &owner);
        const QPoint at = window.pos() - area.topLeft();
        EXPECT_EQ(at.x(), c.expected.x()) << c.owner.x();
        if (c.expected.y() >= 0)
            EXPECT_EQ(at.y(), c.expected.y()) << c.owner.x();
        else
            EXPECT_EQ(window.geometry().center().y(), owner.frameGeometry().center().y());
        EXPECT_TRUE(area.contains(window.geometry())) << c.owner.x();
    }
}

TEST(WindowPlacement, CentredOverTheOwnerUnlessThatLeavesTheScreen)
{
    QWidget owner;
    const QRect area = owner.screen()->availableGeometry();
    owner.setGeometry(area.left() + 100, area.top() + 100, 400, 300);
    QWidget window;
    window.resize(200, 100);
    centreOver(&window, &owner);
    EXPECT_EQ(window.geometry().center(), owner.frameGeometry().center());

    owner.move(area.topLeft());
    window.resize(600, 500);
    centreOver(&window, &owner);
    EXPECT_EQ(window.pos(), area.topLeft());
}
