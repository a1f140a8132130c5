#include "NetworkTableFixture.h"

#include "ui/net/RoomTexts.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace {

using nettest::NetworkTable;
using nettest::waitUntil;

TEST_F(NetworkTable, AHostAndTwoGuestWindowsPlayAWholeGameToTheSameTablesAndHistories)
{
    start(5);
    playWholeGame(5000);
}

TEST_F(NetworkTable, TheSameGameWithAHundredMillisecondsEachWayThroughTheRelay)
{
    start(3, 2);
    relay->setDelay(100);
    playWholeGame(10000);
}

TEST_F(NetworkTable, OnlyTheSeatsOwnControlsAreOpenAndAForcedCommandIsRefusedWithItsText)
{
    start(5);
    for (const auto& w : windows) {
        EXPECT_FALSE(w->table->setting->isEnabled());
        EXPECT_FALSE(w->table->iniread->isEnabled());
        EXPECT_EQ(w->table->Gamein->isEnabled(), w->room()->isHost());
    }
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    frmMain* holder = commander(&frmMain::bent_Label);
    for (const auto& w : windows) {
        frmMain& t = *w->table;
        EXPECT_FALSE(t.Gameout->isEnabled() && !w->room()->isHost());
        if (&t == holder)
            continue;
        // A click on a disabled command does nothing; a command sent anyway is the room's to refuse.
        QTest::mouseClick(t.bent_Label, Qt::LeftButton);
        QTest::qWait(50);
        EXPECT_TRUE(allIn(net::Phase::TurnOpen));
        t.bent_Label_Click();
        ASSERT_TRUE(waitUntil([&] { return t.Turn->text() == RoomTexts::refusal(net::ErrorCode::NotYourCommand); }));
    }
    EXPECT_TRUE(allIn(net::Phase::TurnOpen));
    // Bets: each window's bar is open only on its own seat.
    click(&frmMain::bent_Label, net::Phase::BetsOpen, 5000);
    for (const auto& w : windows) {
        for (int seat = 0; seat < 4; ++seat) {
            const bool own = seat == w->room()->seat() && seat != w->table->state.OyaSeat;
            EXPECT_EQ(w->table->HScr[seat]->isEnabled(), own) << "seat " << seat;
        }
        EXPECT_TRUE(w->table->findChild<QLabel*>(QStringLiteral("betTimeLab"))->text().contains(QLatin1String("30")));
    }
}

TEST_F(NetworkTable, ARoomThatClosesSaysWhyAndTheTablesReturnToTheirOwnSettingsFile)
{
    start(5);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    windows[0]->client->endRoom();
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(windows.begin(), windows.end(), [](const auto& w) { return w->room() == nullptr; });
    }));
    EXPECT_TRUE(platform.warnings.contains(RoomTexts::closing(net::CloseReason::HostEnded)));
    for (const auto& w : windows) {
        frmMain& t = *w->table;
        EXPECT_TRUE(t.setting->isEnabled());
        EXPECT_TRUE(t.Gamein->isEnabled());
        EXPECT_EQ(t.LabBETMAX->text(), "50");
        EXPECT_EQ(t.findChild<QLabel*>(QStringLiteral("roomLab")), nullptr);
        EXPECT_EQ(t.flow.seats(), 3);
    }
    // The single screen plays again from its own file.
    windows[1]->table->Gamein->trigger();
    EXPECT_EQ(windows[1]->table->P_scoLab[0]->text(), "500");
}

TEST_F(NetworkTable, AClientDestroyedOrAWindowClosedInTheMiddleOfAGameCrashesNothing)
{
    start(5);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    windows[2]->client.reset();
    EXPECT_TRUE(waitUntil([&] { return windows[2]->room() == nullptr; }));
    windows[1]->table->close();
    windows[1]->client.reset();
    windows[0]->table->close();
    QTest::qWait(50);
}

}  // namespace
