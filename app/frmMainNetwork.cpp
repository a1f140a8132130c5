#include "app/frmMain.h"

#include "app/NetworkMenu.h"
#include "app/RoomTable.h"
#include "net/Client.h"
#include "state/Program.h"
#include "ui/settings/frmSet.h"

#include <QAction>
#include <QLabel>

// The room's rules stand in GameSettings while the table plays in the room; nothing writes them to
// a file, as the settings dialog and the reading of the file are closed meanwhile.
void frmMain::playInRoom(net::Client& client, const net::WelcomeMessage& welcome)
{
    if (m_room)
        return;
    if (settingsWindow)
        settingsWindow->close();
    if (program::GameFlag != 0)
        interruptGame();
    program::GameSettings = welcome.rules.settings;
    // The room plays every computer seat as おまかせ; so does its table.
    program::Characters.fill(rules::Character::Omakase);
    Turn->clear();
    P_False();
    layOutEmptyTable();
    showSettingLabels();
    m_room = new RoomTable(*this, client, welcome);
    sizeForSeats();
}

void frmMain::leaveRoom()
{
    RoomTable* room = std::exchange(m_room, nullptr);
    if (room)
        room->deleteLater();
    // The room's window goes too, once the client that may be signalling now has returned.
    QMetaObject::invokeMethod(networkMenu, &NetworkMenu::leave, Qt::QueuedConnection);
    if (program::GameFlag != 0)
        interruptGame();
    Turn->clear();
    P_False();
    // As at start-up: the settings are the file's alone.
    program::GameSettings = SettingsRecord{};
    ReadSettingsFile();
    layOutEmptyTable();
    setting->setEnabled(true);
    Gamein->setEnabled(true);
    Gameout->setEnabled(false);
    iniread->setEnabled(false);
}

RoomTable* frmMain::room() const { return m_room; }
