#include "ui/options/HelpText.h"

#include "platform/Platform.h"
#include "settings/AppFolder.h"
#include "ui/options/HelpEdition.h"
#include "ui/options/TextViewer.h"

#include <QApplication>
#include <QWidget>

namespace {

// The viewer hangs on the program's main window rather than on a dialog that may close first.
QWidget* mainWindowOf(QWidget* owner)
{
    QWidget* window = owner ? owner->window() : QApplication::activeWindow();
    while (window && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

}  // namespace

void openHelpText(QWidget* owner, const QString& fileName)
{
    // The desktop's opener is trusted only when the desktop names a program for text: otherwise
    // it may start, find none and leave the player with nothing.
    if (platform().desktopOpensTextFiles() && platform().openWithShell(AppFolder() + helpEditionInForce(fileName)))
        return;
    if (QWidget* window = mainWindowOf(owner))
        TextViewer::showFor(window, fileName);
}
