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
#include "ui/widgets/LiveTexts.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A rejoin refused because the seat is still held is tried again this often, for a little longer
// than a connection's heartbeat takes to find a dead line.
constexpr int HeldRetryMs = 1000;
constexpr int HeldRetries = 20;

}  // namespace

RoomTable::RoomTable(frmMain& table, net::Client& client, const net::WelcomeMessage& welcome)
    : QObject(&table), m_table(table), m_client(&client), m_code(welcome.code), m_seat(welcome.seat),
      m_host(welcome.host), m_spectator(welcome.spectator)
{
    m_keptClock.setInterval(1000);
    connect(&m_keptClock, &QTimer::timeout, this, &RoomTable::showSeatMarks);
    m_clock.setInterval(200);
    connect(&m_clock, &QTimer::timeout, this, &RoomTable::showClock);
    m_betRest.setSingleShot(true);
    connect(&m_betRest, &QTimer::timeout, this, &RoomTable::sendBet);
    connect(&client, &net::Client::stepArrived, this, &RoomTable::arrive);
    connect(&client, &net::Client::caughtUp, this, &RoomTable::catchUp);
    connect(&client, &net::Client::seatsChanged, this, &RoomTable::seatsChanged);
    connect(&client, &net::Client::refused, this, &RoomTable::refused);
    connect(&client, &net::Client::roomClosed, this, &RoomTable::closed);
    connect(&client, &net::Client::welcomed, this, &RoomTable::rejoined);
    connect(&client, &net::Client::turnChecked, this, &RoomTable::turnChecked);
    // A client that goes away takes the room with it, without a word.
    connect(&client, &QObject::destroyed, this, &RoomTable::end);
    buildControls();
    seatsChanged(welcome.seats);
}

RoomTable::~RoomTable()
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_roomLab, m_timeLab, m_cipherLab, m_fairLab, m_ready_Label})
        delete control;
    for (const QPointer<QLabel>& label : m_netLab)
        delete label.data();
}

void RoomTable::send(net::Command command)
{
    if (m_client && isConnected())
        m_client->command(command);
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
    m_steps.enqueue({step, false});
    if (!m_playing)
        playQueued();
}

void RoomTable::catchUp(const net::CatchUpMessage& catchUp)
{
    for (const net::RoomStep& step : catchUp.steps)
        m_steps.enqueue({step, true});
    if (!m_playing)
        playQueued();
}

void RoomTable::playQueued()
{
    const QPointer<RoomTable> alive(this);
    m_playing = true;
    while (!m_steps.isEmpty() && !m_closing) {
        const Queued next = m_steps.dequeue();
        if (next.atOnce)
            playAtOnce(next.step);
        else
            play(next.step);
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
                       showCheck();
                   },
                   [&](const net::TurnEndedMessage& m) {
                       m_phase = m.gameOver ? net::Phase::GameOver : net::Phase::TurnOpen;
                       m_table.endTableTurn();
                       check(m.digest == net::stateDigest(flow));
                   },
                   [&](const net::PassedMessage& m) {
                       // As at one table: the reason of a banker that passed stays on its seat.
                       const int banker = flow.state().OyaSeat;
                       m_table.passBank();
                       if (m.reason)
                           m_table.showReason(banker, *m.reason);
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

void RoomTable::playAtOnce(const net::RoomStep& step)
{
    // The table's engine alone: the history records the step, the state that follows shows it.
    net::RoomReplay replay(m_table.flow, m_phase);
    replay.apply(step);
    m_phase = replay.phase();
    if (std::holds_alternative<net::BetsOpenedMessage>(step))
        m_ready.fill(false);
    if (const auto* ready = std::get_if<net::ReadyMessage>(&step); ready && ready->seat >= 0 && ready->seat < 6)
        m_ready[ready->seat] = true;
    check(replay.mismatches() == 0);
    if (std::holds_alternative<net::ThrownMessage>(step))
        showCheck();
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
        m_everHeld[seat] = m_everHeld[seat] || holder == net::Holder::Host || holder == net::Holder::Remote ||
                           seats[seat].keptMs > 0;
        m_kept[seat] = QDeadlineTimer(seats[seat].keptMs);
        // The names of who sits at the table, for the seats and the history of the next game.
        if (holder != net::Holder::Computer && !seats[seat].name.isEmpty()) {
            program::GameSettings.name(seat) = seats[seat].name;
            m_table.P_nameLab[seat]->setText(seats[seat].name);
        }
    }
    const bool anyKept = std::any_of(m_kept.cbegin(), m_kept.cend(), [](const QDeadlineTimer& t) { return !t.hasExpired(); });
    if (anyKept)
        m_keptClock.start();
    else
        m_keptClock.stop();
    showPermissions();
}

void RoomTable::refused(net::ErrorCode code, const QString& type)
{
    // The room has not yet seen the old connection go (a half-open line is found out within its
    // heartbeat): the seat is asked for again a little later.
    if (m_link == Link::Rejoining && code == net::ErrorCode::SeatHeld && m_heldRetries++ < HeldRetries) {
        QTimer::singleShot(HeldRetryMs, this, [this] {
            if (m_client && m_link == Link::Rejoining)
                m_client->rejoin();
        });
        return;
    }
    if (m_link == Link::Rejoining && type == QLatin1String(net::JoinMessage::Type)) {
        // The seat is no longer kept (or the room is gone): this connection is of no use.
        fail(RoomTexts::refusal(code));
        if (m_client)
            m_client->disconnectFromRoom();
        return;
    }
    liveText(&m_table, m_table.Turn, [code] { return RoomTexts::refusal(code); });
}

void RoomTable::closed(net::CloseReason reason)
{
    if (m_closing)
        return;
    if (reason == net::CloseReason::ConnectionLost && m_link == Link::Open)
        return offerRejoin();
    fail(RoomTexts::closing(reason));
}

void RoomTable::offerRejoin()
{
    m_link = Link::Lost;
    m_betRest.stop();
    m_pendingBet = -1;
    showPermissions();
    const bool again = platform().ask(&m_table, tr("部屋との接続が切れました。もう一度つなぎますか？"), tr("接続"));
    if (m_closing)
        return;  // the window closed while it asked
    if (!again || !m_client)
        return end();
    m_link = Link::Rejoining;
    showPermissions();
    m_client->rejoin();
}

void RoomTable::rejoined(const net::WelcomeMessage& welcome)
{
    if (m_link != Link::Rejoining)
        return;
    m_link = Link::Open;
    m_heldRetries = 0;
    m_seat = welcome.seat;
    seatsChanged(welcome.seats);
    // The room's state follows when a game runs.
    liveText(&m_table, m_table.Turn, [] { return RoomTable::tr("部屋に戻りました"); });
}

void RoomTable::fail(const QString& why)
{
    platform().warn(&m_table, why);
    end();
}

void RoomTable::end()
{
    m_closing = true;
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
