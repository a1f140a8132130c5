#include "settings/FolderLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString SettingsName = QStringLiteral("dice.ini");

}  // namespace

QString withOneSeparator(QString folder)
{
    while (folder.endsWith(u'/'))
        folder.chop(1);
    return folder + u'/';
}

FolderFacts probeFolders(const QString& programFolder, const QString& installedDataFolder)
{
    const QFileInfo settings(withOneSeparator(programFolder) + SettingsName);
    // A save writes beside the file and renames, so the folder must take new files too.
    return {settings.isFile(), settings.isFile() && settings.isWritable() && QFileInfo(programFolder).isWritable(),
            QFileInfo(installedDataFolder).isDir()};
}

FolderLayout chooseFolderLayout(const QString& programFolder, const QString& installedDataFolder,
                                const QString& configHome, const FolderFacts& facts)
{
    const QString program = withOneSeparator(programFolder);
    if (facts.settingsBesideProgramSavable || (!facts.settingsBesideProgram && !facts.dataFolderInstalled))
        return {program, program};
    return {facts.dataFolderInstalled ? withOneSeparator(installedDataFolder) : program,
            withOneSeparator(configHome) + QStringLiteral("qubrin/")};
}

bool copyShippedSettings(const FolderLayout& layout)
{
    const QString target = layout.settingsFolder + SettingsName;
    if (QFileInfo::exists(target))
        return true;
    const QString shipped = layout.dataFolder + SettingsName;
    if (!layout.installed() || !QFileInfo(shipped).isFile())
        return false;
    if (!QDir().mkpath(layout.settingsFolder) || !QFile::copy(shipped, target))
        return false;
    // The shipped file is read-only once installed; the player's copy must take a save.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}
