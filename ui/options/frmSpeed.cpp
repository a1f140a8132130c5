#include "ui/options/frmSpeed.h"

#include "state/Program.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/Twips.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* stepButton(QWidget* window, const char* name, TextInForce caption, TextInForce tip)
{
    auto* button = new QPushButton(window);
    button->setObjectName(QString::fromLatin1(name));
    liveText(window, button, std::move(caption));
    liveToolTip(window, button, std::move(tip));
    button->setMinimumWidth(twips(1200));
    // A button hidden at its limit keeps its place, so the window does not jump.
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}

}  // namespace

frmSpeed::frmSpeed(QWidget* table) : OptionWindow(table, QStringLiteral("frmSpeed"), [] { return tr("スピード"); })
{
    speed_up = stepButton(this, "speed_up", [] { return tr("▲Up   "); }, [] { return tr("速くします"); });
    speed_down = stepButton(this, "speed_down", [] { return tr("▼Down"); }, [] { return tr("遅くします"); });

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(twips(90));
    buttons->addStretch();
    buttons->addWidget(speed_up);
    buttons->addWidget(speed_down);
    buttons->addStretch();

    auto* row = new QHBoxLayout;
    row->setSpacing(twips(180));
    row->addWidget(picturePanel(speed_Image, QStringLiteral("speed_Image")));
    row->addLayout(buttons);
    content()->addLayout(row);

    Command = addCloseButton();

    connect(speed_up, &QPushButton::clicked, this, &frmSpeed::speed_up_Click);
    connect(speed_down, &QPushButton::clicked, this, &frmSpeed::speed_down_Click);
    Form_Load();
}

void frmSpeed::Form_Load()
{
    centreOnScreen();
    showIndicator(speed_Image, speedPicture(program::SpeedLevel));
    speed_up->show();
    speed_down->show();
}

void frmSpeed::speed_up_Click()
{
    if (program::SpeedLevel <= 1) {
        speed_up->hide();
    } else {
        speed_down->show();
        program::SpeedLevel = static_cast<qint16>(program::SpeedLevel - 2);
    }
    showSpeed();
}

void frmSpeed::speed_down_Click()
{
    if (program::SpeedLevel >= 19) {
        speed_down->hide();
    } else {
        speed_up->show();
        program::SpeedLevel = static_cast<qint16>(program::SpeedLevel + 2);
    }
    showSpeed();
}

void frmSpeed::showSpeed()
{
    showIndicator(speed_Image, speedPicture(program::SpeedLevel));
    emit speedChanged();
}
