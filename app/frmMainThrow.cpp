#include "app/frmMain.h"

#include "app/RoomTable.h"
#include "game/DiceFaces.h"
#include "game/HandName.h"
#include "game/HandRanking.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/options/PlayEffect.h"
#include "ui/options/ThrowSound.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/NarrowToFit.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/TableColours.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>

namespace {

// Pauses of the throw sequence grow with the speed level (larger is slower).
int paced(int perLevel) { return program::SpeedLevel * perLevel; }

}  // namespace

bool frmMain::Wait(int ms) { return platform().wait(ms); }

void frmMain::turn_Label_Click()
{
    if (m_room)
        return m_room->send(net::Command::Throw);
    throwTurn();
}

void frmMain::throwTurn()
{
    // While the dice roll nothing but the options, the tally, the settings and help can be used;
    // every pause returns false once the program is ending, and the sequence then stops at once.
    turn_Label->setEnabled(false);
    Gameout->setEnabled(false);
    flow.startThrows();
    for (int seat = 0; seat < flow.seats(); ++seat)
        HScr[seat]->setEnabled(false);
    dsp->setText(QStringLiteral("dsp %1").arg(state.ThrowSeat));

    for (;;) {
        flow.startSeat();
        liveText(this, Turn, [] { return tr("プレイ中です"); });
        if (!Wait(paced(80)))
            return;
        do {
            flow.startThrow();
            if (!Wait(paced(80)))
                return;
            const int seat = state.ThrowSeat;
            P_kail[seat]->clear();
            P_yaku[seat]->clear();
            P_reason[seat]->clear();
            showDice(seat, {});
            liveText(this, P_kail[seat], [throwNo = state.ThrowNo] { return tr("%1投目").arg(throwNo); });
            RollDice();
            if (!Wait(paced(20)))
                return;
            JudgeHand();
            if (!Wait(10))
                return;
            PlayEffect(throwSound(program::SpeedLevel));
            AnimateDice();
            if (!Wait(paced(40)))
                return;
            ShowHand();
            if (!Wait(100))
                return;
        } while (flow.throwsAgain());
        liveText(this, Turn, [] { return tr("ターン終了"); });
        const TableFlow::SeatEnd end = flow.endSeat();
        if (end == TableFlow::SeatEnd::BankerDecided)
            break;
        dsp->setText(QStringLiteral("dsp %1").arg(state.ThrowSeat));
        if (end == TableFlow::SeatEnd::AllThrown)
            break;
    }
    if (!Wait(paced(50)))
        return;
    SettleTurn();
    turn2_Label->setEnabled(true);
    PlayEffect(QStringLiteral("beep2.wav"));
    Gameout->setEnabled(true);
    closeOptionWindows();
    turn2_Label->setFocus();
}

void frmMain::RollDice()
{
    if (m_room) {
        flow.rollDice(m_room->nextFaces());
        return;
    }
    std::array<qint16, 3> faces{};
    for (qint16& die : faces) {
        platform().reseed();
        die = rules::throwFace(platform().random());
    }
    flow.rollDice(faces);
}

void frmMain::AnimateDice()
{
    for (int frame = 0; frame < 5; ++frame) {
        for (qint16& face : RollFaces) {
            platform().reseed();
            face = rules::animationFace(platform().random());
        }
        if (!Wait(30))
            return;
        showDice(state.ThrowSeat, RollFaces);
        if (!Wait(30))
            return;
    }
    showDice(state.ThrowSeat, flow.landDice());
}

void frmMain::JudgeHand() { flow.judgeHand(); }

void frmMain::ShowHand()
{
    const flow::DiceThrown thrown = flow.recordHand();
    const int seat = thrown.seat;
    QPalette palette = P_yaku[seat]->palette();
    palette.setColor(QPalette::WindowText, tableColours::ofHand(rules::handColour(thrown.value)));
    P_yaku[seat]->setPalette(palette);
    QLabel* name = P_yaku[seat];
    LiveTexts::of(this).add({name, "text", [name] { return name->text(); },
                             [name](const QString& shown) { showNarrowedToFit(name, shown); }},
                            [value = thrown.value] { return rules::handName(value); });
    P_Label[seat]->setText(QString::number(state.P_yakuValue[seat]));
}

void frmMain::SettleTurn()
{
    const flow::TurnSettled settled = flow.settleTurn();
    for (int seat = 0; seat < settled.seats; ++seat)
        P_scoLab[seat]->setText(QString::number(settled.seat[seat].score));
}

void frmMain::showDice(int seat, const std::array<qint16, 3>& faces)
{
    const std::array<QLabel*, 3> dice{Image1[seat], Image2[seat], Image3[seat]};
    for (int die = 0; die < 3; ++die)
        showPicture(dice[die], faces[die] == 0 ? QString() : QStringLiteral("%1_.gif").arg(faces[die]));
}
