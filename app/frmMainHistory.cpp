#include "app/frmMain.h"

#include "game/GameHistory.h"
#include "ui/stats/frmHistory.h"
#include "ui/stats/frmResult.h"

#include <QAction>

namespace {

// Opens the window once and brings it to the front on every later call.
template <typename Window>
void showWindow(QPointer<Window>& window, frmMain* table)
{
    if (!window) {
        window = new Window(table, table->history);
        window->show();
    }
    window->raise();
    window->activateWindow();
}

}  // namespace

void frmMain::turnHistory_Click() { showWindow(historyWindow, this); }

void frmMain::gameResult_Click() { showWindow(resultWindow, this); }
