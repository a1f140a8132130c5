#include "app/frmMain.h"

#include "state/Program.h"
#include "ui/options/AboutBox.h"
#include "ui/options/HelpText.h"
#include "ui/options/frmOdds.h"
#include "ui/options/frmSound.h"
#include "ui/options/frmSpeed.h"
#include "ui/widgets/ClickableImage.h"
#include "ui/widgets/Pictures.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

// The menu items "ON" and "OFF" are toggles of their own: Qt has already reversed the item's
// check mark when triggered fires, and the other item takes the opposite mark.
void frmMain::P_soundon_Click()
{
    if (soundWindow)
        soundWindow->close();
    program::SoundFlag = P_soundon->isChecked() ? 1 : 0;
    P_soundoff->setChecked(!P_soundon->isChecked());
    showSoundState();
}

void frmMain::P_soundoff_Click()
{
    if (soundWindow)
        soundWindow->close();
    program::SoundFlag = P_soundoff->isChecked() ? 0 : 1;
    P_soundon->setChecked(!P_soundoff->isChecked());
    showSoundState();
}

void frmMain::sound_Image_Click()
{
    if (soundWindow)
        soundWindow->close();
    soundWindow = new frmSound(this);
    connect(soundWindow, &frmSound::soundChanged, this, &frmMain::showSoundState);
    soundWindow->show();
    soundLab->setText(QStringLiteral("sound %1").arg(program::SoundFlag));
}

void frmMain::P_speedHi_Click()
{
    if (speedWindow)
        speedWindow->close();
    if (program::SpeedLevel > 2)
        program::SpeedLevel = static_cast<qint16>(program::SpeedLevel - 2);
    showSpeedState();
}

void frmMain::P_speedLo_Click()
{
    if (speedWindow)
        speedWindow->close();
    if (program::SpeedLevel < 16)
        program::SpeedLevel = static_cast<qint16>(program::SpeedLevel + 2);
    showSpeedState();
}

void frmMain::speed_Image_Click()
{
    if (speedWindow)
        speedWindow->close();
    speedWindow = new frmSpeed(this);
    connect(speedWindow, &frmSpeed::speedChanged, this, &frmMain::showSpeedState);
    speedWindow->show();
    speedLab->setText(QStringLiteral("speed %1").arg(program::SpeedLevel));
}

void frmMain::P_Help1_Click() { openHelpText(this, QStringLiteral("Help1.txt")); }

void frmMain::P_readme_Click() { openHelpText(this, QStringLiteral("Readme.txt")); }

// The odds of the rules in force; an open window is brought to the front with the rules of now.
void frmMain::P_odds_Click()
{
    if (!oddsWindow) {
        oddsWindow = new frmOdds(this, program::GameSettings);
        oddsWindow->show();
    } else {
        oddsWindow->showOdds(program::GameSettings);
    }
    oddsWindow->raise();
    oddsWindow->activateWindow();
}

void frmMain::GameVer_Click() { showAboutBox(this); }

// Ends the program at once, also from inside a pause of the throw sequence: closing the table
// ends every pause (closeEvent), then every other window goes and the event loops are left.
void frmMain::GameEnd_Click()
{
    close();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->close();
    }
    QCoreApplication::quit();
}

void frmMain::showSoundState()
{
    showPicture(sound_Image, soundPicture(program::SoundFlag));
    soundLab->setText(QStringLiteral("sound %1").arg(program::SoundFlag));
}

void frmMain::showSpeedState()
{
    showPicture(speed_Image, speedPicture(program::SpeedLevel));
    speedLab->setText(QStringLiteral("speed %1").arg(program::SpeedLevel));
}

void frmMain::closeOptionWindows()
{
    if (soundWindow)
        soundWindow->close();
    if (speedWindow)
        speedWindow->close();
}
