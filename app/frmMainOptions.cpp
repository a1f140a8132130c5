#include "app/frmMain.h"

#include "app/ClickableImage.h"
#include "platform/Pictures.h"
#include "settings/Program.h"
#include "ui/options/frmSound.h"
#include "ui/options/frmSpeed.h"

#include <QApplication>
#include <QLabel>

void frmMain::P_soundon_Click() {}
void frmMain::P_soundoff_Click() {}
void frmMain::sound_Image_Click() {}
void frmMain::P_speedHi_Click() {}
void frmMain::P_speedLo_Click() {}
void frmMain::speed_Image_Click() {}
void frmMain::P_Help1_Click() {}
void frmMain::P_readme_Click() {}
void frmMain::GameVer_Click() {}

void frmMain::GameEnd_Click() { close(); }

void frmMain::showSoundState()
{
    showPicture(sound_Image, QStringLiteral("sound_%1.gif").arg(program::SoundFlag));
    soundLab->setText(QStringLiteral("sound %1").arg(program::SoundFlag));
}

void frmMain::showSpeedState()
{
    showPicture(speed_Image, QStringLiteral("speed_%1.gif").arg(program::SpeedLevel));
    speedLab->setText(QStringLiteral("speed %1").arg(program::SpeedLevel));
}

void frmMain::closeOptionWindows()
{
    if (soundWindow)
        soundWindow->close();
    if (speedWindow)
        speedWindow->close();
}
