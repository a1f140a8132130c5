#include "app/frmMain.h"

#include "app/GameLanguage.h"
#include "app/RoomTable.h"
#include "game/Betting.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/options/PlayEffect.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/TableColours.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

const SettingsRecord& settings() { return program::GameSettings; }

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
    if (m_room)
        return m_room->send(net::Command::NewGame);
    startGame(platform().secondsOfTime());
}

void frmMain::startGame(int seconds)
{
    // The settings are played as they stand: a seat count outside 2..6 plays six seats and the bet
    // limits are taken within 0..9999 where they are used; nothing is written back.
    flow.newGame(seconds);
    showGameTable();
    PlayEffect(QStringLiteral("beep1.wav"));
    OpenTurn();
    ShowPassCommand();
    bent_Label->setFocus();
}

void frmMain::showGameTable()
{
    program::GameFlag = 1;
    gameLab->setText(QStringLiteral("game 1"));
    changeLab->setText(QStringLiteral("change %1").arg(state.OyaTurn));
    Gamein->setEnabled(false);
    Gameout->setEnabled(true);
    iniread->setEnabled(false);
    gameResult->setEnabled(true);
    for (CommandLabel* command : {turn_Label, turn2_Label, suru_Label})
        command->setEnabled(false);
    LabLAST->setText(QString::number(state.TurnsLeft));
    oya->setText(QStringLiteral("oya %1").arg(state.OyaSeat));

    const rules::BetLimits limits = betLimits();
    for (int seat = 0; seat < 6; ++seat) {
        const bool inPlay = seat < flow.seats();
        showSeat(seat, inPlay);
        if (!inPlay)
            continue;
        P_scoLab[seat]->setText(QString::number(state.P_score[seat].value_or(0)));
        P_nameLab[seat]->setText(settings().name(seat));
        showPortrait(seat);
        const QSignalBlocker quiet(HScr[seat]);
        HScr[seat]->setRange(limits.min, limits.max);
    }
    sizeForSeats();
}

void frmMain::OpenTurn()
{
    for (CommandLabel* command : {turn_Label, turn2_Label, suru_Label})
        command->setEnabled(false);
    for (int seat = 0; seat < flow.seats(); ++seat) {
        const bool computer = settings().isComputer(seat);
        HScr[seat]->setVisible(!computer);
        auto_Image[seat]->setVisible(computer);
        P_reason[seat]->setVisible(computer);
    }
    // The banker's round: full-width digits in Japanese ("親３戦"), plain ones in English.
    liveText(this, oya_Lab[state.OyaSeat], [round = state.OyaTurn] {
        return tr("親%1戦").arg(currentLanguage() == Language::Japanese ? fullWidthNumber(round) : QString::number(round));
    });
    P_Shape2[state.OyaSeat]->setFillColor(tableColours::BankerPanel);
    bent_Label->setEnabled(true);
}

void frmMain::ShowPassCommand()
{
    const bool mayPass = flow.mayPass();
    suru_Label->setVisible(mayPass);
    suru_Label->setEnabled(mayPass);
}

void frmMain::bent_Label_Click()
{
    if (m_room)
        return m_room->send(net::Command::OpenBets);
    // A computer banker offered ｽﾙｰ decides first; its pass takes the place of the bets, and its
    // reason stays on its seat.
    if (const std::optional<rules::PassDecision> choice = flow.computerBankerPass(); choice && choice->pass) {
        const int banker = state.OyaSeat;
        passBank();
        showReason(banker, choice->reason);
        return;
    }
    openTableBets([] { return platform().random(); });
}

void frmMain::openTableBets(const std::function<float()>& draw)
{
    liveText(this, Turn, [] { return tr("ベントして下さい"); });
    bent_Label->setEnabled(false);
    suru_Label->setEnabled(false);
    const flow::BetsOpened bets = flow.openBets(draw);
    for (int seat = 0; seat < flow.seats(); ++seat) {
        const flow::SeatBet& placed = bets.seat[seat];
        showReason(seat, bets.reason[seat]);
        if (placed.kind == flow::BetKind::Banker) {
            HScr[seat]->hide();
            P_betLab[seat]->clear();
            continue;
        }
        if (placed.kind != flow::BetKind::PersonAgain) {
            // The bar shows the bet; the bet itself is the engine's, whatever the bar's range.
            const QSignalBlocker quiet(HScr[seat]);
            HScr[seat]->setValue(placed.bet);
        }
        if (placed.kind != flow::BetKind::Computer)
            HScr[seat]->setEnabled(true);
        P_betLab[seat]->setText(QString::number(placed.bet));
    }
    PlayEffect(QStringLiteral("beep4.wav"));
    turn_Label->setEnabled(true);
    closeOptionWindows();
    turn_Label->setFocus();
}

void frmMain::showReason(int seat, const rules::Reason& reason)
{
    // What it saw above what it did.
    liveText(this, P_reason[seat], [reason] {
        return rules::reasonText(reason).replace(QStringLiteral(" → "), QStringLiteral("\n→ "));
    });
    liveToolTip(this, P_reason[seat], [reason] { return rules::reasonText(reason); });
    // おまかせ is the table as it always was: a random bet, shown without a word.
    P_reason[seat]->setVisible(reason.character != rules::Character::Omakase);
}

void frmMain::HScr_Change(int seat)
{
    const int value = HScr[seat]->value();
    P_betLab[seat]->setText(QString::number(value));
    if (m_room)
        m_room->betChanged(seat, value);
    else
        flow.setBet(seat, value);
}

void frmMain::clearTable()
{
    for (int seat = 0; seat < flow.seats(); ++seat) {
        P_betLab[seat]->setText(QStringLiteral("0"));
        P_kail[seat]->clear();
        P_yaku[seat]->clear();
        P_Label[seat]->setText(QStringLiteral("0"));
        oya_Lab[seat]->clear();
        P_reason[seat]->clear();
        showDice(seat, {});
        P_Shape2[seat]->setFillColor(tableColours::PlayerPanel);
    }
}

void frmMain::turn2_Label_Click()
{
    if (m_room)
        return m_room->send(net::Command::NextTurn);
    endTableTurn();
}

void frmMain::endTableTurn()
{
    turn2_Label->setEnabled(false);
    liveText(this, Turn, [] { return tr("ベントを押して下さい"); });
    const flow::TurnEnded ended = flow.endTurn();
    clearTable();
    LabLAST->setText(QString::number(ended.turnsLeft));
    changeLab->setText(QStringLiteral("change %1").arg(ended.oyaTurn));
    oya->setText(QStringLiteral("oya %1").arg(ended.oyaSeat));
    bent_Label->setEnabled(true);
    if (!ended.gameOver) {
        OpenTurn();
        ShowPassCommand();
        bent_Label->setFocus();
        return;
    }
    program::GameFlag = 0;
    gameLab->setText(QStringLiteral("game 0"));
    liveText(this, Turn, [] { return tr("ゲームの中断"); });
    bent_Label->setEnabled(false);
    suru_Label->setEnabled(false);
    gameResult_Click();
}

void frmMain::suru_Label_Click()
{
    if (m_room)
        return m_room->send(net::Command::Pass);
    passBank();
}

void frmMain::passBank()
{
    const flow::BankPassed passed = flow.pass();
    if (!passed.moved) {
        suru_Label->hide();
    } else {
        clearTable();
        bent_Label->setEnabled(true);
        oya->setText(QStringLiteral("oya %1").arg(passed.oyaSeat));
        changeLab->setText(QStringLiteral("change %1").arg(state.OyaTurn));
    }
    OpenTurn();
    ShowPassCommand();
    PlayEffect(QStringLiteral("beep6.wav"));
    bent_Label->setFocus();
}

void frmMain::Gameout_Click()
{
    if (!platform().ask(this, tr("ゲームを中断します"), tr("確認"))) {
        liveText(this, Turn, [] { return tr("中断はクリアされました"); });
        return;
    }
    if (m_room)
        return m_room->send(net::Command::Interrupt);
    interruptGame();
}

void frmMain::interruptGame()
{
    Turn->clear();
    Gamein->setEnabled(true);
    Gameout->setEnabled(false);
    iniread->setEnabled(true);
    program::GameFlag = 0;
    gameLab->setText(QStringLiteral("game 0"));
    PlayEffect(QStringLiteral("beep5.wav"));
    P_False();
    const flow::GameInterrupted interrupted = flow.interrupt();
    for (int seat = 0; seat < 6; ++seat) {
        const std::optional<qint64>& score = interrupted.finalScore[seat];
        P_scoLab[seat]->setText(score ? QString::number(*score) : QString());
        for (QLabel* label : {P_betLab[seat], P_kail[seat], P_yaku[seat], P_Label[seat], oya_Lab[seat],
                              P_reason[seat]})
            label->clear();
        showDice(seat, {});
        P_Shape2[seat]->setFillColor(tableColours::PlayerPanel);
    }
}
