#include "ui/options/HelpEdition.h"

#include "settings/AppFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The help files written in more than one language.
constexpr const char* editedFiles[] = {
    //: The name of the help file written in this language; the Japanese file is shown while it is missing.
    QT_TRANSLATE_NOOP("HelpEdition", "Help1.txt"),
};

}  // namespace

QString helpEditionInForce(const QString& fileName)
{
    for (const char* edited : editedFiles) {
        if (fileName != QLatin1String(edited))
            continue;
        const QString edition = QCoreApplication::translate("HelpEdition", edited);
        if (edition != fileName && !edition.contains(u'/') && QFileInfo(AppFolder() + edition).isFile())
            return edition;
    }
    return fileName;
}
