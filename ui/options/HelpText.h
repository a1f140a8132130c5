#pragma once

#include <QString>

class QWidget;

// Opens AppFolder() + fileName ("Help1.txt", "Readme.txt"), in its edition of the language in force,
// with the desktop's program for text files and returns at once. Where the desktop has no such program or cannot open the file, the
// text is shown in a viewer of our own above the program's main window, so the player is never
// left without the help.
void openHelpText(QWidget* owner, const QString& fileName);
