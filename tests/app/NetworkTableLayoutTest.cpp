#include "NetworkTableFixture.h"

#include "app/TableZoom.h"
#include "support/TextFit.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/Shape.h"

namespace {

using nettest::NetworkTable;

// What a window in a room adds to the table: the room's line, the bet timer, 準備完了, the seats' marks.
QList<QWidget*> roomControls(const frmMain& t)
{
    QList<QWidget*> controls;
    for (const char* name : {"roomLab", "betTimeLab", "ready_Label"})
        controls << t.findChild<QWidget*>(QLatin1String(name));
    for (int seat = 0; seat < t.flow.seats(); ++seat)
        controls << t.findChild<QWidget*>(elementName("net_Lab", seat));
    return controls;
}

// Every control of the table a room control could cover: the seats' frames and the commands.
QList<QWidget*> tableControls(const frmMain& t)
{
    QList<QWidget*> controls;
    for (int seat = 0; seat < t.flow.seats(); ++seat)
        controls << t.P_Shape[seat];
    for (CommandLabel* command : t.findChildren<CommandLabel*>()) {
        if (command->objectName() != QLatin1String("ready_Label") && command->isVisibleTo(t.centralWidget()))
            controls << command;
    }
    return controls;
}

}  // namespace

// The room's controls stand inside the window, clear of the seats, the commands and each other,
// and their texts fit, at every zoom the room is played at.
TEST_F(NetworkTable, TheRoomsControlsStandClearOfTheTableAtEveryZoom)
{
    start(5);
    frmMain& guest = *windows[1]->table;
    for (const int percent : {100, 200, 125}) {
        guest.tableZoom->apply(percent);
        const QRect felt = guest.centralWidget()->rect();
        const QList<QWidget*> room = roomControls(guest);
        ASSERT_EQ(room.size(), 3 + guest.flow.seats());
        for (QWidget* control : room) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(felt.contains(control->geometry())) << name << " at " << percent;
            for (QWidget* other : tableControls(guest) + room) {
                if (other == control)
                    continue;
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << name << " covers " << other->objectName().toStdString() << " at " << percent;
            }
        }
        EXPECT_EQ(textsThatDoNotFit(&guest).join(QLatin1Char('\n')).toStdString(), "") << percent;
    }
    guest.tableZoom->apply(100);
}
