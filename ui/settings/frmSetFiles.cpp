// Saving the dialog to a settings file and loading one into it.
#include "ui/settings/frmSet.h"

#include "game/CharacterSection.h"
#include "platform/Platform.h"
#include "settings/AppFolder.h"
#include "settings/GameSettings.h"
#include "settings/NumberText.h"
#include "settings/ProfileSection.h"
#include "state/Program.h"
#include "ui/settings/ChoiceBox.h"
#include "ui/settings/SettingsTexts.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

#include <optional>

namespace {

using namespace settingsTexts;

// A check box shows 0 clear, 1 ticked and 2 greyed, as a settings file writes them; any other
// value shows clear. Only a greyed box is tristate, so the player never makes one greyed.
void setBoxValue(QCheckBox* box, qint16 value)
{
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

int boxValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

}  // namespace

QString frmSet::fieldText(int key) const
{
    const std::array<QString, 7> numberTexts{Comninzu->text(), Txtscore->text(), txtBETMAX->text(),
                                             txtBETMIN->text(), Comoya->text(),  txtLAST->text(),
                                             Comnagekai->text()};
    if (key <= KeyNAGEKAI)
        return numberTexts[static_cast<size_t>(key)];
    if (key < FirstFlagKey)
        return P_nameTex[key - FirstNameKey]->text();
    if (key < FirstImageKey)
        return QString::number(boxValue(P_flgCheck[key - FirstFlagKey]));
    if (key < FirstCheckKey)
        return Comimag[key - FirstImageKey]->text();
    return QString::number(boxValue(checks()[static_cast<size_t>(key - FirstCheckKey)]));
}

void frmSet::putField(int key, const QString& value)
{
    switch (key) {
    case KeyNINZU:
        Comninzu->setText(value);
        // The seat count is stored at once, but never under a running game.
        if (const auto count = toInt16(Comninzu->text()); count && program::GameFlag == 0)
            program::GameSettings.NINZU = *count;
        return;
    case KeySCORE:
        return putText(Txtscore, value);
    case KeyBETMAX:
        return putText(txtBETMAX, value);
    case KeyBETMIN:
        return putText(txtBETMIN, value);
    case KeyOYA:
        return Comoya->setText(value);
    case KeyLAST:
        return putText(txtLAST, value);
    case KeyNAGEKAI:
        return Comnagekai->setText(value);
    default:
        break;
    }
    if (key < FirstFlagKey) {
        P_nameTex[key - FirstNameKey]->setText(value);
    } else if (key < FirstImageKey) {
        if (const auto flag = toInt16(value))
            setBoxValue(P_flgCheck[key - FirstFlagKey], *flag);
    } else if (key < FirstCheckKey) {
        Comimag[key - FirstImageKey]->setText(value);
    } else if (const auto option = toInt16(value)) {
        setBoxValue(checks()[static_cast<size_t>(key - FirstCheckKey)], *option);
    }
}

QString frmSet::presetPath() { return SettingsFolder() + presetFile; }

void frmSet::cmdWPPS_Click()
{
    const std::optional<QString> file = platform().saveFileName(this, presetPath(), shown(fileFilter));
    if (!file)
        return;
    txtPath->setText(*file);
    program::SettingsPath = txtPath->text();

    // A save that could not be read back whole is refused rather than written.
    QList<ProfileEntry> entries;
    qsizetype size = 1;
    for (int key = 0; key < SettingsKeyCount; ++key) {
        entries.append({QString::fromLatin1(settingsKeys()[static_cast<size_t>(key)].key), fieldText(key)});
        size += entries.back().key.size() + 1 + entries.back().value.toUtf8().size() + 1;
    }
    if (size > SectionBudget || !writeProfileSection(program::SettingsPath, entries) ||
        !rules::writeCharacters(program::SettingsPath, chosenCharacters()))
        platform().warn(this, tr("保存に失敗しました。(ToT)"));
}

void frmSet::cmdGPPS_Click()
{
    const std::optional<QString> file = platform().openFileName(this, presetPath(), shown(fileFilter));
    if (!file)
        return;
    txtPath->setText(*file);
    ReadSettingsIntoDialog();
}

void frmSet::ReadSettingsIntoDialog()
{
    program::SettingsPath = txtPath->text();
    if (!QFileInfo(program::SettingsPath).isFile()) {
        platform().warn(this, tr("設定ﾌｧｲﾙが見つかりません。(ToT)"));
        return;
    }
    const std::optional<QList<ProfileEntry>> entries = readProfileSection(program::SettingsPath);
    if (!entries) {
        platform().warn(this, tr("読み込みに失敗しました。(ToT)"));
        return;
    }
    for (const ProfileEntry& entry : *entries) {
        if (const SettingsKey* key = findSettingsKey(entry.key))
            putField(static_cast<int>(key - settingsKeys().data()), entry.value);
    }
    showCharacters(rules::readCharacters(program::SettingsPath));
}
