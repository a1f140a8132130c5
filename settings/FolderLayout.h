#pragma once

#include <QString>

// Where the program finds its pictures, sounds and help texts (the data folder) and where the
// player's settings file lives (the settings folder). Both end in exactly one "/".
struct FolderLayout {
    QString dataFolder;
    QString settingsFolder;

    // Installed: the settings live apart from the data, and the shipped dice.ini is only a default.
    bool installed() const { return dataFolder != settingsFolder; }
};

// What lies on disk that decides the layout.
struct FolderFacts {
    bool settingsBesideProgram = false;  // the program's folder holds a dice.ini ...
    bool settingsBesideProgramSavable = false;  // ... which a save can replace
    bool dataFolderInstalled = false;  // the installed data folder exists
};

FolderFacts probeFolders(const QString& programFolder, const QString& installedDataFolder);

// Portable: the program's folder holds a dice.ini the player can save to, and everything lives
// there. Otherwise, when the program is installed (its data folder exists) or its folder holds a
// dice.ini it cannot save to, the data come from the data folder (the program's folder when there
// is none) and the settings from configHome/qubrin. A program folder with neither stays portable.
FolderLayout chooseFolderLayout(const QString& programFolder, const QString& installedDataFolder,
                                const QString& configHome, const FolderFacts& facts);

// On the first start of an installed program, copies the shipped dice.ini into the settings folder,
// writable by the player. An existing settings file is never touched. False when the settings file
// is still missing afterwards.
bool copyShippedSettings(const FolderLayout& layout);

// A folder path with exactly one "/" at its end; the root "/" stays "/".
QString withOneSeparator(QString folder);
