#include "ui/options/frmSound.h"

#include "state/Program.h"
#include "ui/widgets/Pictures.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSound::frmSound(QWidget* table) : OptionWindow(table, QStringLiteral("frmSound"), [] { return tr("効果音"); })
{
    content()->addWidget(picturePanel(sound_Image, QStringLiteral("sound_Image")));

    P_sound = new QCheckBox(this);
    liveText(this, P_sound, [] { return tr("効果音を出す"); });
    P_sound->setObjectName(QStringLiteral("P_sound"));
    content()->addWidget(P_sound, 0, Qt::AlignHCenter);

    Command = addCloseButton();

    // toggled, not clicked: ticking the box from Form_Load runs the same handling as a click.
    connect(P_sound, &QCheckBox::toggled, this, &frmSound::P_sound_Click);
    Form_Load();
}

void frmSound::Form_Load()
{
    centreOnScreen();
    if (program::SoundFlag == 1)
        P_sound->setChecked(true);
    showIndicator(sound_Image, soundPicture(program::SoundFlag));
}

void frmSound::P_sound_Click()
{
    program::SoundFlag = P_sound->isChecked() ? 1 : 0;
    showIndicator(sound_Image, soundPicture(program::SoundFlag));
    emit soundChanged();
}
