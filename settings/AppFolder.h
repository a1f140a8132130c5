#pragma once

#include <QString>

// The folder that holds the program, ending in exactly one separator. Every picture, sound,
// help text and the default settings file is looked up as AppFolder() + file name.
QString AppFolder();

// Tests point the program at a folder of their own; an empty text goes back to the real one.
void setAppFolderForTests(const QString& folder);
