#include "app/frmMain.h"

#include "game/Betting.h"
#include "game/Tally.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/options/PlayEffect.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/TableColours.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

#include <limits>

namespace {

const SettingsRecord& settings() { return program::GameSettings; }

// The next seat clockwise.
qint16 nextSeat(int seat) { return static_cast<qint16>((seat + 1) % qMax(1, settings().seatsInPlay())); }

// The banker's marker writes the turn in full-width digits: 親１戦, 親１２戦.
QString fullWidthNumber(int number)
{
    QString text = QString::number(number);
    for (QChar& c : text) {
        if (c.isDigit())
            c = QChar(0xFF10 + c.digitValue());
    }
    return text;
}

rules::BetLimits betLimits() { return rules::betLimits(settings().BETMIN, settings().BETMAX); }

}  // namespace

void frmMain::Gamein_Click()
{
    // The settings are played as they stand: a seat count outside 2..6 plays six seats and the bet
    // limits are taken within 0..9999 where they are used; nothing is written back.
    program::GameFlag = 1;
    gameLab->setText(QStringLiteral("game 1"));
    state.OyaTurn = 1;
    changeLab->setText(QStringLiteral("change 1"));
    Gamein->setEnabled(false);
    Gameout->setEnabled(true);
    iniread->setEnabled(false);
    for (CommandLabel* command : {turn_Label, turn2_Label, suru_Label})
        command->setEnabled(false);
    state.TurnsLeft = settings().LAST;
    LabLAST->setText(QString::number(state.TurnsLeft));
    state.OyaSeat = static_cast<qint16>((platform().secondsOfTime() + 1) % settings().seatsInPlay());
    oya->setText(QStringLiteral("oya %1").arg(state.OyaSeat));

    const rules::BetLimits limits = betLimits();
    for (int seat = 0; seat < 6; ++seat) {
        const bool inPlay = seat < settings().seatsInPlay();
        showSeat(seat, inPlay);
        if (!inPlay)
            continue;
        state.P_score[seat] = settings().SCORE;
        P_scoLab[seat]->setText(QString::number(settings().SCORE));
        P_nameLab[seat]->setText(settings().name(seat));
        showPortrait(seat);
        const QSignalBlocker quiet(HScr[seat]);
        HScr[seat]->setRange(limits.min, limits.max);
        state.P_lastBet[seat] = 0;
    }
    rules::clearTally(program::RollTally, program::RollTallySum);
    sizeForSeats();
    PlayEffect(QStringLiteral("beep1.wav"));
    OpenTurn();
    ShowPassCommand();
    bent_Label->setFocus();
}

void frmMain::OpenTurn()
{
    for (CommandLabel* command : {turn_Label, turn2_Label, suru_Label})
        command->setEnabled(false);
    for (int seat = 0; seat < settings().seatsInPlay(); ++seat) {
        const bool computer = settings().isComputer(seat);
        HScr[seat]->setVisible(!computer);
        auto_Image[seat]->setVisible(computer);
    }
    state.OyaThrown = 0;
    oya_Lab[state.OyaSeat]->setText(QStringLiteral("親") + fullWidthNumber(state.OyaTurn) + QStringLiteral("戦"));
    P_Shape2[state.OyaSeat]->setFillColor(tableColours::BankerPanel);
    state.ThrowNo = 0;
    bent_Label->setEnabled(true);
}

void frmMain::ShowPassCommand()
{
    const bool mayPass = settings().option(6) || (settings().option(7) && state.OyaTurn > 1);
    suru_Label->setVisible(mayPass);
    suru_Label->setEnabled(mayPass);
}

void frmMain::bent_Label_Click()
{
    Turn->setText(QStringLiteral("ベントして下さい"));
    bent_Label->setEnabled(false);
    suru_Label->setEnabled(false);
    state.PassCount = 0;
    state.OyaMustPass = 0;
    const rules::BetLimits limits = betLimits();
    for (int seat = 0; seat < settings().seatsInPlay(); ++seat) {
        qint16 bet = 0;
        if (seat == state.OyaSeat) {
            HScr[seat]->hide();
        } else if (settings().isComputer(seat)) {
            bet = rules::computerBet(platform().random(), limits);
            HScr[seat]->setValue(bet);
        } else {
            bet = state.P_lastBet[seat];
            if (bet == 0) {
                bet = rules::firstOffer(limits);
                HScr[seat]->setValue(bet);
            }
            HScr[seat]->setEnabled(true);
        }
        P_betLab[seat]->setText(seat == state.OyaSeat ? QString() : QString::number(bet));
        state.P_bet[seat] = bet;
    }
    PlayEffect(QStringLiteral("beep4.wav"));
    turn_Label->setEnabled(true);
    closeOptionWindows();
    turn_Label->setFocus();
}

void frmMain::HScr_Change(int seat)
{
    const int value = HScr[seat]->value();
    P_betLab[seat]->setText(QString::number(value));
    state.P_bet[seat] = static_cast<qint16>(value);
}

void frmMain::clearTable()
{
    state.YakuWord[0].clear();
    state.CurYakuValue = 0;
    for (int seat = 0; seat < settings().seatsInPlay(); ++seat) {
        state.P_bet[seat] = 0;
        P_betLab[seat]->setText(QStringLiteral("0"));
        state.P_yakuName[seat].clear();
        state.P_yakuValue[seat] = 0;
        P_kail[seat]->clear();
        P_yaku[seat]->clear();
        P_Label[seat]->setText(QStringLiteral("0"));
        oya_Lab[seat]->clear();
        showDice(seat, {});
        P_Shape2[seat]->setFillColor(tableColours::PlayerPanel);
    }
}

void frmMain::turn2_Label_Click()
{
    turn2_Label->setEnabled(false);
    Turn->setText(QStringLiteral("ベントを押して下さい"));
    clearTable();
    if (state.TurnsLeft > std::numeric_limits<qint32>::min())
        --state.TurnsLeft;
    LabLAST->setText(QString::number(state.TurnsLeft));
    ++state.OyaTurn;
    changeLab->setText(QStringLiteral("change %1").arg(state.OyaTurn));
    bent_Label->setEnabled(true);
    if (state.OyaTurn > settings().OYA || state.OyaMustPass == 1) {
        state.OyaSeat = nextSeat(state.OyaSeat);
        state.OyaTurn = 1;
        changeLab->setText(QStringLiteral("change 1"));
    }
    oya->setText(QStringLiteral("oya %1").arg(state.OyaSeat));
    if (state.TurnsLeft > 0) {
        OpenTurn();
        ShowPassCommand();
        bent_Label->setFocus();
        return;
    }
    program::GameFlag = 0;
    gameLab->setText(QStringLiteral("game 0"));
    Turn->setText(QStringLiteral("ゲームの中断"));
    bent_Label->setEnabled(false);
    suru_Label->setEnabled(false);
}

void frmMain::suru_Label_Click()
{
    ++state.PassCount;
    if (state.PassCount > settings().seatsInPlay()) {
        // The bank goes round the table at most once between two openings of the bets.
        suru_Label->hide();
    } else {
        state.OyaSeat = nextSeat(state.OyaSeat);
        clearTable();
        state.OyaTurn = 1;
        bent_Label->setEnabled(true);
        if (state.OyaTurn > settings().OYA) {
            state.OyaSeat = nextSeat(state.OyaSeat);
            state.OyaTurn = 1;
        }
        oya->setText(QStringLiteral("oya %1").arg(state.OyaSeat));
        changeLab->setText(QStringLiteral("change %1").arg(state.OyaTurn));
    }
    OpenTurn();
    ShowPassCommand();
    PlayEffect(QStringLiteral("beep6.wav"));
    bent_Label->setFocus();
}

void frmMain::Gameout_Click()
{
    if (!platform().ask(this, QStringLiteral("ゲームを中断します"), QStringLiteral("確認"))) {
        Turn->setText(QStringLiteral("中断はクリアされました"));
        return;
    }
    Turn->clear();
    Gamein->setEnabled(true);
    Gameout->setEnabled(false);
    iniread->setEnabled(true);
    program::GameFlag = 0;
    gameLab->setText(QStringLiteral("game 0"));
    PlayEffect(QStringLiteral("beep5.wav"));
    P_False();
    state.YakuWord[0].clear();
    state.CurYakuValue = 0;
    for (int seat = 0; seat < 6; ++seat) {
        const std::optional<qint64> score = state.P_score[seat];
        P_scoLab[seat]->setText(score ? QString::number(*score) : QString());
        state.P_bet[seat] = 0;
        P_betLab[seat]->clear();
        state.P_yakuName[seat].clear();
        state.P_yakuValue[seat] = 0;
        for (QLabel* label : {P_kail[seat], P_yaku[seat], P_Label[seat], oya_Lab[seat]})
            label->clear();
        state.P_score[seat].reset();
        showDice(seat, {});
        P_Shape2[seat]->setFillColor(tableColours::PlayerPanel);
    }
}
