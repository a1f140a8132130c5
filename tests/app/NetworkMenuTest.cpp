#include "app/NetworkMenu.h"
#include "app/RoomTable.h"
#include "app/frmMain.h"
#include "net/LoopbackPeer.h"
#include "net/RoomCode.h"
#include "net/RoomFixture.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "ui/net/HostRoomWindow.h"
#include "ui/net/JoinRoomWindow.h"
#include "ui/net/RoomTexts.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using nettest::waitUntil;

// Through the ネット対戦 menu of two real tables: the host's room ends, and the guest's menu is
// back to joining or hosting, with nothing left to leave.
TEST(NetworkMenu, WhenTheHostEndsTheRoomTheGuestsMenuOffersToJoinAgain)
{
    ScriptedPlatform platform;
    TableFolder folder;
    program::GameSettings = nettest::fourSeatRules(5);
    frmMain hostTable;
    hostTable.networkMenu->netHost->trigger();
    HostRoomWindow* host = hostTable.networkMenu->hostWindow();
    ASSERT_NE(host, nullptr);
    host->hostPort->setValue(0);
    QTest::mouseClick(host->hostCreate, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return host->hostStart->isEnabled(); }));
    QTest::mouseClick(host->hostStart, Qt::LeftButton);
    ASSERT_NE(hostTable.room(), nullptr);

    frmMain guestTable;
    guestTable.networkMenu->netJoin->trigger();
    JoinRoomWindow* join = guestTable.networkMenu->joinWindow();
    ASSERT_NE(join, nullptr);
    join->fill(*net::Invitation::fromString(host->hostInvitation->text()));
    QTest::mouseClick(join->joinEnter, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return guestTable.room() != nullptr; }));
    EXPECT_TRUE(guestTable.networkMenu->netLeave->isEnabled());
    EXPECT_FALSE(guestTable.networkMenu->netJoin->isEnabled());

    hostTable.networkMenu->netLeave->trigger();
    ASSERT_TRUE(waitUntil([&] { return guestTable.room() == nullptr && !guestTable.networkMenu->joinWindow(); }));
    EXPECT_TRUE(platform.warnings.contains(RoomTexts::closing(net::CloseReason::HostEnded)));
    for (const frmMain* table : {&hostTable, &guestTable}) {
        EXPECT_FALSE(table->networkMenu->netLeave->isEnabled());
        EXPECT_TRUE(table->networkMenu->netJoin->isEnabled());
        EXPECT_TRUE(table->networkMenu->netHost->isEnabled());
    }
    program::GameSettings = SettingsRecord{};
}
