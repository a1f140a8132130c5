#include "settings/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString& testFolder()
{
    static QString folder;
    return folder;
}

QString withOneSeparator(QString folder)
{
    while (folder.endsWith(u'/'))
        folder.chop(1);
    return folder + u'/';  // the root "/" comes back as "/"
}

}  // namespace

QString AppFolder()
{
    if (!testFolder().isEmpty())
        return withOneSeparator(testFolder());
    // Without an application object there is no program path to ask for; the working folder stands in.
    const QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return withOneSeparator(folder.isEmpty() ? QDir::currentPath() : folder);
}

void setAppFolderForTests(const QString& folder)
{
    testFolder() = QDir::fromNativeSeparators(folder);
}
