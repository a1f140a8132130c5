#include "app/RoomTable.h"

#include "app/frmMain.h"
#include "net/Client.h"
#include "net/Overloaded.h"
#include "net/RoomReplay.h"
#include "net/StateDigest.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/net/RoomTexts.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/Shape.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

// The bar's last position is sent once it has rested this long, so a drag is one message.
constexpr int BetRestMs = 150;

}  // namespace

RoomTable::RoomTable(frmMain& table, net::Client& client, const net::WelcomeMessage& welcome)
    : QObject(&table), m_table(table), m_client(&client), m_code(welcome.code), m_seat(welcome.seat),
      m_host(welcome.host)
{
    m_clock.setInterval(200);
    connect(&m_clock, &QTimer::timeout, this, &RoomTable::showClock);
    m_betRest.setSingleShot(true);
    connect(&m_betRest, &QTimer::timeout, this, &RoomTable::sendBet);
    connect(&client, &net::Client::stepArrived, this, &RoomTable::arrive);
    connect(&client, &net::Client::seatsChanged, this, &RoomTable::seatsChanged);
    connect(&client, &net::Client::refused, this, [this](net::ErrorCode code) { refused(code); });
    connect(&client, &net::Client::roomClosed, this, &RoomTable::closed);
    // A client that goes away takes the room with it, without a word.
    connect(&client, &QObject::destroyed, this, [this] {
        m_closing = true;
        if (!m_playing)
            finish();
    });
    buildControls();
    seatsChanged(welcome.seats);
}

RoomTable::~RoomTable()
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_roomLab, m_timeLab, m_ready_Label})
        delete control;
    for (const QPointer<QLabel>& label : m_netLab)
        delete label.data();
}

void RoomTable::buildControls()
{
    QWidget* felt = m_table.centralWidget();
    const QPalette palette = m_table.Turn->palette();
    const auto label = [&](const QString& name, const QRect& place) {
        auto* l = named(new QLabel(felt), name);
        l->setGeometry(place);
        l->setPalette(palette);
        l->show();
        return l;
    };
    m_roomLab = label(QStringLiteral("roomLab"), QRect(8, 68, 230, 16));
    m_timeLab = label(QStringLiteral("betTimeLab"), QRect(240, 68, 140, 16));
    m_ready_Label = named(new CommandLabel(QString(), felt), QStringLiteral("ready_Label"));
    m_ready_Label->setGeometry(392, 66, 76, 18);
    liveText(&m_table, m_ready_Label, [] { return RoomTable::tr("準備完了"); });
    liveToolTip(&m_table, m_ready_Label, [] { return RoomTable::tr("このベントで決めます"); });
    m_ready_Label->show();
    connect(m_ready_Label, &QPushButton::clicked, this, &RoomTable::sayReady);
    for (int seat = 0; seat < 6; ++seat) {
        const QRect panel = m_table.P_Shape[seat]->geometry();
        m_netLab[seat] = label(elementName("net_Lab", seat), QRect(panel.x() + 3, panel.bottom() + 1, panel.width(), 13));
    }
}

void RoomTable::send(net::Command command)
{
    if (m_client)
        m_client->command(command);
}

void RoomTable::betChanged(int seat, int bet)
{
    if (seat != m_seat)
        return;
    m_pendingBet = bet;
    m_betRest.start(BetRestMs);
}

void RoomTable::sendBet()
{
    m_betRest.stop();
    if (m_client && m_pendingBet >= 0)
        m_client->bet(m_seat, m_pendingBet);
    m_pendingBet = -1;
}

void RoomTable::sayReady()
{
    sendBet();
    if (m_client)
        m_client->ready(m_seat);
}

std::array<qint16, 3> RoomTable::nextFaces()
{
    // Faces beyond the room's list land out of the bowl; the scores then disagree and the table
    // takes the room's state.
    if (m_faces.empty())
        return {9, 9, 9};
    const std::array<qint16, 3> faces = m_faces.front();
    m_faces.pop_front();
    return faces;
}

void RoomTable::arrive(const net::RoomStep& step)
{
    if (const auto* opened = std::get_if<net::BetsOpenedMessage>(&step))
        m_betDeadline = QDeadlineTimer(opened->deadlineMs);
    if (const auto* state = std::get_if<net::StateMessage>(&step); state && state->phase == net::Phase::BetsOpen)
        m_betDeadline = QDeadlineTimer(state->deadlineMs);
    m_steps.enqueue(step);
    if (!m_playing)
        playQueued();
}

void RoomTable::playQueued()
{
    const QPointer<RoomTable> alive(this);
    m_playing = true;
    while (!m_steps.isEmpty() && !m_closing) {
        play(m_steps.dequeue());
        // The window closed during the animation: nothing more is played.
        if (!alive || platform().ending())
            return;
        showPermissions();
    }
    m_playing = false;
    if (m_closing)
        finish();
}

void RoomTable::play(const net::RoomStep& step)
{
    TableFlow& flow = m_table.flow;
    std::visit(net::Overloaded{
                   [&](const net::GameStartedMessage& m) {
                       m_table.startGame(m.seconds);
                       m_phase = net::Phase::TurnOpen;
                       check(m.digest == net::stateDigest(flow));
                   },
                   [&](const net::BetsOpenedMessage& m) {
                       qsizetype next = 0;
                       m_table.openTableBets([&] { return net::unitOfDraw(m.draws.value(next++)); });
                       m_ready.fill(false);
                       m_phase = net::Phase::BetsOpen;
                       check(next == m.draws.size());
                   },
                   [&](const net::BetMessage& m) {
                       if (m.seat < 0 || m.seat >= flow.seats())
                           return;
                       flow.setBet(m.seat, m.bet);
                       showBets({});
                       if (m.reason)
                           m_table.showReason(m.seat, *m.reason);
                   },
                   [&](const net::ReadyMessage& m) {
                       if (m.seat >= 0 && m.seat < 6)
                           m_ready[m.seat] = true;
                   },
                   [&](const net::BetsClosedMessage& m) {
                       showBets(m.bets);
                       m_phase = net::Phase::BetsClosed;
                   },
                   [&](const net::ThrownMessage& m) {
                       m_faces.assign(m.faces.cbegin(), m.faces.cend());
                       m_table.throwTurn();
                       if (platform().ending())
                           return;
                       m_phase = net::Phase::TurnSettled;
                       bool agrees = m_faces.empty() && m.scores.size() == flow.seats();
                       for (int seat = 0; agrees && seat < flow.seats(); ++seat)
                           agrees = flow.state().P_score[seat].value_or(0) == m.scores.at(seat);
                       m_faces.clear();
                       check(agrees);
                   },
                   [&](const net::TurnEndedMessage& m) {
                       m_phase = m.gameOver ? net::Phase::GameOver : net::Phase::TurnOpen;
                       m_table.endTableTurn();
                       check(m.digest == net::stateDigest(flow));
                   },
                   [&](const net::PassedMessage& m) {
                       m_table.passBank();
                       check(m.digest == net::stateDigest(flow));
                   },
                   [&](const net::InterruptedMessage&) {
                       m_table.interruptGame();
                       m_phase = net::Phase::NoGame;
                   },
                   [&](const net::StateMessage& m) { takeState(m); },
               },
               step);
}

void RoomTable::takeState(const net::StateMessage& m)
{
    TableFlow& flow = m_table.flow;
    flow.resume(m.turn, net::RoomReplay::tableState(m));
    m_phase = m.phase;
    for (int seat = 0; seat < 6; ++seat)
        m_ready[seat] = m.ready.value(seat) != 0;
    if (m_phase != net::Phase::NoGame) {
        m_table.showGameTable();
        m_table.clearTable();
        m_table.OpenTurn();
        m_table.ShowPassCommand();
        showBets({});
    }
    if (std::exchange(m_waitingForState, false))
        liveText(&m_table, m_table.Turn, [] { return RoomTable::tr("部屋の状態に合わせ直しました"); });
}

// The bets as the room gave them (or as the table holds them), on the bars and labels.
void RoomTable::showBets(const QVector<qint64>& bets)
{
    TableFlow& flow = m_table.flow;
    for (int seat = 0; seat < flow.seats(); ++seat) {
        if (seat < bets.size())
            flow.setBet(seat, static_cast<int>(bets.at(seat)));
        if (seat == flow.state().OyaSeat)
            continue;
        const int bet = flow.state().P_bet[seat];
        const QSignalBlocker quiet(m_table.HScr[seat]);
        m_table.HScr[seat]->setValue(bet);
        m_table.P_betLab[seat]->setText(QString::number(bet));
    }
}

void RoomTable::check(bool agrees)
{
    if (agrees || m_waitingForState)
        return;
    ++m_mismatches;
    m_waitingForState = true;
    if (m_client)
        m_client->requestState();
}

void RoomTable::seatsChanged(const QVector<net::SeatInfo>& seats)
{
    m_seats = seats;
    for (int seat = 0; seat < seats.size() && seat < 6; ++seat) {
        const net::Holder holder = seats[seat].holder;
        m_everHeld[seat] = m_everHeld[seat] || holder == net::Holder::Host || holder == net::Holder::Remote;
        // The names of who sits at the table, for the seats and the history of the next game.
        if (holder != net::Holder::Computer && !seats[seat].name.isEmpty()) {
            program::GameSettings.name(seat) = seats[seat].name;
            m_table.P_nameLab[seat]->setText(seats[seat].name);
        }
    }
    showPermissions();
}

void RoomTable::showSeatMarks()
{
    for (int seat = 0; seat < 6; ++seat) {
        QLabel* mark = m_netLab[seat];
        const bool inPlay = seat < m_table.flow.seats() && seat < m_seats.size();
        mark->setVisible(inPlay);
        if (!inPlay)
            continue;
        QString text;
        switch (m_seats[seat].holder) {
        case net::Holder::Host: text = tr("● ホスト"); break;
        case net::Holder::Remote: text = tr("● ネット"); break;
        case net::Holder::Computer: text = tr("コンピュータ"); break;
        case net::Holder::Absent: text = m_everHeld[seat] ? tr("× 切断・コンピュータが代行") : tr("空席"); break;
        }
        if (seat == m_seat)
            text += tr("（自分）");
        if (m_phase == net::Phase::BetsOpen && m_ready[seat])
            text += tr("・準備完了");
        mark->setText(text);
    }
}

bool RoomTable::commands() const
{
    const int banker = m_table.state.OyaSeat;
    const bool held = banker < m_seats.size() &&
                      (m_seats[banker].holder == net::Holder::Host || m_seats[banker].holder == net::Holder::Remote);
    return held ? banker == m_seat : m_host;
}

void RoomTable::showPermissions()
{
    using net::Phase;
    frmMain& t = m_table;
    const bool mine = commands();
    const bool betsOpen = m_phase == Phase::BetsOpen;
    t.bent_Label->setEnabled(mine && m_phase == Phase::TurnOpen);
    t.turn_Label->setEnabled(mine && (betsOpen || m_phase == Phase::BetsClosed));
    t.turn2_Label->setEnabled(mine && m_phase == Phase::TurnSettled);
    t.suru_Label->setEnabled(mine && m_phase == Phase::TurnOpen && t.flow.mayPass());
    t.Gamein->setEnabled(m_host && m_phase == Phase::NoGame);
    t.Gameout->setEnabled(m_host && m_phase != Phase::NoGame);
    t.setting->setEnabled(false);
    t.iniread->setEnabled(false);
    const bool betting = betsOpen && m_seat != t.state.OyaSeat && !m_ready[m_seat];
    for (int seat = 0; seat < 6; ++seat)
        t.HScr[seat]->setEnabled(betting && seat == m_seat);
    m_ready_Label->setEnabled(betting);
    showSeatMarks();
    const QString banker = m_seats.value(t.state.OyaSeat).name;
    liveText(&m_table, m_roomLab, [this, betsOpen, name = commands() ? tr("あなた") : banker] {
        return betsOpen ? tr("部屋 %1　ベントの受付中").arg(m_code) : tr("部屋 %1　%2 の番").arg(m_code, name);
    });
    if (betsOpen)
        m_clock.start();
    else
        m_clock.stop();
    showClock();
}

void RoomTable::showClock()
{
    const bool betsOpen = m_phase == net::Phase::BetsOpen;
    m_timeLab->setVisible(betsOpen);
    if (betsOpen)
        m_timeLab->setText(tr("締切まで %1 秒").arg((m_betDeadline.remainingTime() + 999) / 1000));
}

void RoomTable::refused(net::ErrorCode code)
{
    liveText(&m_table, m_table.Turn, [code] { return RoomTexts::refusal(code); });
}

void RoomTable::closed(net::CloseReason reason)
{
    if (m_closing)
        return;
    m_closing = true;
    platform().warn(&m_table, RoomTexts::closing(reason));
    if (!m_playing)
        finish();
}

void RoomTable::leave()
{
    if (m_host && m_client && !m_closing)
        m_client->endRoom();
    m_closing = true;
}

void RoomTable::finish()
{
    m_table.leaveRoom();
}
