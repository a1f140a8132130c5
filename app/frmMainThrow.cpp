#include "app/frmMain.h"

#include "game/DiceFaces.h"
#include "game/HandRanking.h"
#include "game/Settlement.h"
#include "game/Tally.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/options/PlayEffect.h"
#include "ui/options/ThrowSound.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/TableColours.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>

namespace {

const SettingsRecord& settings() { return program::GameSettings; }

// Pauses of the throw sequence grow with the speed level (larger is slower).
int paced(int perLevel) { return program::SpeedLevel * perLevel; }

}  // namespace

bool frmMain::Wait(int ms) { return platform().wait(ms); }

void frmMain::turn_Label_Click()
{
    // While the dice roll nothing but the options, the tally, the settings and help can be used;
    // every pause returns false once the program is ending, and the sequence then stops at once.
    turn_Label->setEnabled(false);
    Gameout->setEnabled(false);
    for (int seat = 0; seat < settings().seatsInPlay(); ++seat) {
        if (state.P_bet[seat] != 0)
            state.P_lastBet[seat] = state.P_bet[seat];
        HScr[seat]->setEnabled(false);
    }
    state.ThrowSeat = state.OyaSeat;
    dsp->setText(QStringLiteral("dsp %1").arg(state.ThrowSeat));

    for (int thrower = 0; thrower < settings().seatsInPlay(); ++thrower) {
        state.StillThrowing = 1;
        state.YakuWord[0].clear();
        state.CurYakuValue = 0;
        Turn->setText(QStringLiteral("プレイ中です"));
        if (!Wait(paced(80)))
            return;
        state.ThrowNo = 0;
        do {
            ++state.ThrowNo;
            if (!Wait(paced(80)))
                return;
            const int seat = state.ThrowSeat;
            P_kail[seat]->clear();
            P_yaku[seat]->clear();
            showDice(seat, {});
            P_kail[seat]->setText(QString::number(state.ThrowNo) + QStringLiteral("投目"));
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
        } while (state.ThrowNo < settings().NAGEKAI && state.StillThrowing == 1);
        Turn->setText(QStringLiteral("ターン終了"));
        if (state.ThrowSeat == state.OyaSeat && rules::bankerHandDecides(state.CurYakuValue, settings())) {
            state.OyaThrown = 1;
            break;
        }
        state.ThrowSeat = static_cast<qint16>((state.ThrowSeat + 1) % qMax(1, settings().seatsInPlay()));
        dsp->setText(QStringLiteral("dsp %1").arg(state.ThrowSeat));
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
    for (qint16& die : state.Dice) {
        platform().reseed();
        die = rules::throwFace(platform().random());
    }
}

void frmMain::AnimateDice()
{
    for (int frame = 0; frame < 5; ++frame) {
        for (qint16& face : state.RollFaces) {
            platform().reseed();
            face = rules::animationFace(platform().random());
        }
        if (!Wait(30))
            return;
        showDice(state.ThrowSeat, state.RollFaces);
        if (!Wait(30))
            return;
    }
    // After a die has left the bowl, all three show the out-of-bowl picture.
    if (state.OutOfBowl == 1) {
        state.Dice.fill(rules::OutOfBowlFace);
        state.OutOfBowl = 0;
    }
    showDice(state.ThrowSeat, state.Dice);
}

void frmMain::JudgeHand()
{
    const rules::Hand hand = rules::rankHand(state.Dice[0], state.Dice[1], state.Dice[2], settings());
    state.CurYakuValue = hand.value;
    state.YakuWord[0] = hand.name;
    state.StillThrowing = hand.stillThrowing ? 1 : 0;
    if (hand.outOfBowl)
        state.OutOfBowl = 1;
}

void frmMain::ShowHand()
{
    const int seat = state.ThrowSeat;
    state.P_yakuName[seat] = state.YakuWord[0];
    state.P_yakuValue[seat] = state.CurYakuValue;
    QColor colour = tableColours::HandBlack;
    switch (rules::handColour(state.CurYakuValue)) {
    case rules::HandColour::Blue:
        colour = tableColours::HandBlue;
        break;
    case rules::HandColour::Red:
        colour = tableColours::HandRed;
        break;
    case rules::HandColour::Black:
        break;
    }
    QPalette palette = P_yaku[seat]->palette();
    palette.setColor(QPalette::WindowText, colour);
    P_yaku[seat]->setPalette(palette);
    P_yaku[seat]->setText(state.P_yakuName[seat]);
    P_Label[seat]->setText(QString::number(state.P_yakuValue[seat]));
}

void frmMain::SettleTurn()
{
    rules::TurnHands turn;
    turn.oyaSeat = state.OyaSeat;
    turn.ninzu = settings().seatsInPlay();
    turn.oyaThrown = state.OyaThrown == 1;
    turn.yakuValue = state.P_yakuValue;
    turn.bet = state.P_bet;
    std::array<qint64, 6> scores{};
    for (int seat = 0; seat < 6; ++seat)
        scores[seat] = state.P_score[seat].value_or(0);
    const rules::Settlement settled = rules::settleTurn(turn, scores, settings());
    for (int seat = 0; seat < settings().seatsInPlay(); ++seat) {
        state.P_score[seat] = settled.score[seat];
        P_scoLab[seat]->setText(QString::number(settled.score[seat]));
        rules::countHand(program::RollTally, seat, state.P_yakuValue[seat]);
    }
    if (settled.oyaMustPass)
        state.OyaMustPass = 1;
}

void frmMain::showDice(int seat, const std::array<qint16, 3>& faces)
{
    const std::array<QLabel*, 3> dice{Image1[seat], Image2[seat], Image3[seat]};
    for (int die = 0; die < 3; ++die)
        showPicture(dice[die], faces[die] == 0 ? QString() : QStringLiteral("%1_.gif").arg(faces[die]));
}
