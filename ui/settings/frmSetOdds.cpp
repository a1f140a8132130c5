#include "ui/settings/frmSet.h"

#include "game/HandOdds.h"
#include "settings/SettingsLimits.h"
#include "settings/NumberText.h"
#include "state/Program.h"
#include "ui/options/OddsText.h"
#include "ui/settings/ChoiceBox.h"

#include <QCheckBox>
#include <QLabel>

// The rules as OK would store them: the ticked boxes and the number of throws, put in range.
void frmSet::showRuleOdds()
{
    SettingsRecord chosen = program::GameSettings;
    const auto boxes = checks();
    for (int n = 1; n <= int(boxes.size()); ++n)
        chosen.check(n) = ticked(boxes[size_t(n - 1)]) ? 1 : 0;
    chosen.NAGEKAI = toInt32(Comnagekai->text()).value_or(0);
    normaliseSettings(chosen);
    L_odds->setText(oddsText::expectation(rules::turnOdds(chosen)));
}
