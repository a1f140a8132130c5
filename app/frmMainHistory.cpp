#include "app/frmMain.h"

#include "game/GameHistory.h"
#include "ui/stats/frmHistory.h"
#include "ui/stats/frmResult.h"
#include "ui/widgets/ScreenCentre.h"

#include <QAction>

namespace {

// Opens the window once, placed by `place` against the table, and brings it to the front on
// every later call.
template <typename Window>
void showWindow(QPointer<Window>& window, frmMain* table, void (*place)(QWidget*, const QWidget*))
{
    if (!window) {
        window = new Window(table, table->history);
        place(window, table);
        window->show();
    }
    window->raise();
    window->activateWindow();
}

}  // namespace

// The history follows the game beside the table; the result stands over it.
void frmMain::turnHistory_Click() { showWindow(historyWindow, this, placeBeside); }

void frmMain::gameResult_Click() { showWindow(resultWindow, this, centreOver); }
