#pragma once

#include "settings/FolderLayout.h"

#include <QString>

// The data folder: every picture, sound and help text, and the shipped settings file, is looked up
// as AppFolder() + file name. It is the program's folder unless the program is installed.
QString AppFolder();

// The folder of the player's settings file, where the file dialogs start: the program's folder
// when it is portable, else the user's configuration folder for the game.
QString SettingsFolder();

// Where the files a player keeps (a CSV of the turns) are saved by default: the desktop's documents
// folder, or the settings folder when there is none.
QString DocumentsFolder();

// The player's own settings file, where a start looks first.
QString DefaultSettingsFile();

// The file a start reads when no other was named, and the folder that stood in its way.
struct StartSettings {
    QString file;
    QString unwritableFolder;  // empty unless the shipped file is read in place of the player's own
};

// DefaultSettingsFile(), copied from the shipped one on an installed program's first start. When the
// settings folder takes no copy, the shipped file is read in its place; it is only ever read, since a
// save goes where the player chooses in the file dialog.
StartSettings startSettings();

// Where the files live for this run, decided afresh from what lies on disk.
FolderLayout currentFolderLayout();

// Tests point the program at folders of their own; empty folders go back to the real ones.
void setFolderLayoutForTests(const FolderLayout& layout);
// The same, with one folder standing for a portable program's folder.
void setAppFolderForTests(const QString& folder);
