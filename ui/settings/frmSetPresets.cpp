// House rules by name on the rule tab.
#include "ui/settings/frmSet.h"

#include "game/HousePresets.h"
#include "settings/NumberText.h"
#include "state/Program.h"
#include "ui/settings/ChoiceBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

void frmSet::Comrule_Click(int index)
{
    const auto presets = rules::housePresets();
    if (index < 1 || index > int(presets.size()))
        return;
    const rules::HousePreset& preset = presets[size_t(index - 1)];
    // Clearing first lets the interlocks of the payouts and passes free every box the house ticks.
    const auto boxes = checks();
    for (size_t n = 0; n < boxes.size(); ++n) {
        if (preset.checks[n] != 1)
            boxes[n]->setChecked(false);
    }
    for (size_t n = 0; n < boxes.size(); ++n) {
        if (preset.checks[n] == 1)
            boxes[n]->setChecked(true);
    }
    Comnagekai->setText(QString::number(preset.nagekai));
    Comoya->setText(QString::number(preset.oya));
}

void frmSet::showPresetName()
{
    SettingsRecord chosen;
    const auto boxes = checks();
    for (int n = 1; n <= int(boxes.size()); ++n)
        chosen.check(n) = ticked(boxes[size_t(n - 1)]) ? 1 : 0;
    // A text that is no whole number matches no house.
    chosen.NAGEKAI = toInt32(Comnagekai->text()).value_or(-1);
    chosen.OYA = toInt32(Comoya->text()).value_or(-1);
    const rules::HousePreset* preset = rules::matchingPreset(chosen);
    const auto presets = rules::housePresets();
    const QSignalBlocker quiet(Comrule);
    Comrule->setCurrentIndex(preset ? int(preset - presets.data()) + 1 : 0);
    L_preset->setText(preset ? rules::presetDescription(*preset) : QString());
}
