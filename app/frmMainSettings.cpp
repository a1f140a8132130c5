#include "app/frmMain.h"

#include "game/CharacterSection.h"
#include "platform/Platform.h"
#include "settings/AppFolder.h"
#include "settings/NumberText.h"
#include "settings/ProfileSection.h"
#include "settings/SettingsGaps.h"
#include "state/Program.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

void frmMain::P_False()
{
    for (CommandLabel* command : {bent_Label, turn_Label, turn2_Label, suru_Label})
        command->setEnabled(false);
}

void frmMain::ReadSettingsFile()
{
    if (program::SettingsPath.isEmpty()) {
        const StartSettings start = startSettings();
        program::SettingsPath = start.file;
        if (!start.unwritableFolder.isEmpty())
            platform().warn(this, tr("設定ﾌｫﾙﾀﾞ %1 に書き込めないため、付属の設定ﾌｧｲﾙを読み込みました。(ToT)")
                                      .arg(start.unwritableFolder));
    }
    if (!QFileInfo(program::SettingsPath).isFile()) {
        platform().warn(this, tr("設定ﾌｧｲﾙが見つかりません。(ToT)"));
        return;
    }
    const auto entries = readProfileSection(program::SettingsPath);
    if (!entries) {
        platform().warn(this, tr("読み込みに失敗しました。(ToT)"));
        return;
    }
    // Five settings are shown on the table as their text stands in the file.
    const std::array<std::pair<const char*, QLabel*>, 5> shown{{{"BETMAX", LabBETMAX},
                                                                {"BETMIN", LabBETMIN},
                                                                {"OYA", LabOYA},
                                                                {"LAST", LabLAST},
                                                                {"NAGEKAI", LabNAGEKAI}}};
    for (const ProfileEntry& entry : *entries) {
        for (const auto& [key, valueLabel] : shown) {
            if (entry.key == QLatin1String(key))
                valueLabel->setText(entry.value);
        }
        setFromText(program::GameSettings, entry.key, entry.value);
    }
    if (const QString gaps = settingsGapsWarning(findSettingsGaps(*entries)); !gaps.isEmpty())
        platform().warn(this, gaps);
    program::Characters = rules::readCharacters(program::SettingsPath);
}

void frmMain::showSettingLabels()
{
    const SettingsRecord& settings = program::GameSettings;
    if (program::GameFlag == 0) {
        LabBETMAX->setText(QString::number(settings.BETMAX));
        LabBETMIN->setText(QString::number(settings.BETMIN));
        LabOYA->setText(QString::number(settings.OYA));
        LabLAST->setText(QString::number(settings.LAST));
        LabNAGEKAI->setText(QString::number(settings.NAGEKAI));
        for (int seat = 0; seat < 6; ++seat) {
            const bool inPlay = seat < settings.seatsInPlay();
            showSeat(seat, inPlay);
            if (inPlay)
                P_scoLab[seat]->setText(QString::number(settings.SCORE));
        }
        sizeForSeats();
    }
    for (int seat = 0; seat < settings.seatsInPlay(); ++seat) {
        P_nameLab[seat]->setText(settings.name(seat));
        showPortrait(seat);
    }
    show();
    raise();
    activateWindow();
}

void frmMain::iniread_Click()
{
    iniread->setEnabled(false);
    ReadSettingsFile();
    const SettingsRecord& settings = program::GameSettings;
    flow.giveStartingScores(settings.seatsListed());
    for (int seat = 0; seat < settings.seatsListed(); ++seat) {
        P_scoLab[seat]->setText(QString::number(settings.SCORE));
        P_nameLab[seat]->setText(settings.name(seat));
        showPortrait(seat);
    }
}
