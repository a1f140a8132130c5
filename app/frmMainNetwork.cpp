#include "app/frmMain.h"

#include "net/Client.h"

// Placeholder until the table follows rooms.
void frmMain::playInRoom(net::Client& client, const net::WelcomeMessage& welcome)
{
    Q_UNUSED(client);
    Q_UNUSED(welcome);
}
