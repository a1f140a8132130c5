#include "settings/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

FolderLayout& testLayout()
{
    static FolderLayout layout;
    return layout;
}

QString programFolder()
{
    // Without an application object there is no program path to ask for; the working folder stands in.
    const QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return folder.isEmpty() ? QDir::currentPath() : folder;
}

}  // namespace

FolderLayout currentFolderLayout()
{
    if (!testLayout().dataFolder.isEmpty())
        return testLayout();
    const QString program = programFolder();
    // The installed data folder lies at the same place relative to the program wherever the tree is put.
    const QString data = QDir::cleanPath(program + u'/' + QStringLiteral(QUBRIN_DATA_FROM_PROGRAM));
    return chooseFolderLayout(program, data, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                              probeFolders(program, data));
}

QString AppFolder()
{
    return currentFolderLayout().dataFolder;
}

QString SettingsFolder()
{
    return currentFolderLayout().settingsFolder;
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? withOneSeparator(documents) : SettingsFolder();
}

QString DefaultSettingsFile()
{
    return SettingsFolder() + QStringLiteral("dice.ini");
}

StartSettings startSettings()
{
    const FolderLayout layout = currentFolderLayout();
    const QString own = DefaultSettingsFile();
    const QString shipped = layout.dataFolder + QStringLiteral("dice.ini");
    if (copyShippedSettings(layout) || !layout.installed() || !QFileInfo(shipped).isFile())
        return {own, {}};
    return {shipped, QDir::toNativeSeparators(layout.settingsFolder)};
}

void setFolderLayoutForTests(const FolderLayout& layout)
{
    const auto folder = [](const QString& path) {
        return path.isEmpty() ? QString() : withOneSeparator(QDir::fromNativeSeparators(path));
    };
    testLayout() = {folder(layout.dataFolder),
                    folder(layout.settingsFolder.isEmpty() ? layout.dataFolder : layout.settingsFolder)};
}

void setAppFolderForTests(const QString& folder)
{
    setFolderLayoutForTests({folder, folder});
}
