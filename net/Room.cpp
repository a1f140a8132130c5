#include "net/Room.h"

#include "net/Overloaded.h"
#include "net/StateDigest.h"

namespace net {

Room::Room(const QString& code, const CreateMessage& create, Draw draw, Times times, QObject* parent)
    : QObject(parent),
      m_code(code),
      m_rules(create.rules),
      m_draw(std::move(draw)),
      m_times(times),
      m_betSeconds(create.betSeconds),
      m_flow(m_rules.settings, m_tally, m_tallySums),
      m_seats(m_rules, create.seat),
      m_spectatorsAllowed(create.spectators)
{
    // Every step sent to everybody is kept for who joins late; connected first, so a step is
    // kept before anybody has it.
    connect(this, &Room::sendToAll, this, [this](const RoomMessage& message) {
        if (const std::optional<RoomStep> step = roomStep(message))
            m_log.record(*step);
    });
    m_betTimer.setSingleShot(true);
    m_hostGone.setSingleShot(true);
    connect(&m_betTimer, &QTimer::timeout, this, [this] { closeBets(true); });
    connect(&m_hostGone, &QTimer::timeout, this, [this] { close(CloseReason::HostLeft); });
}

void Room::admitHost(int participant, const QString& name, rules::Character fallback)
{
    welcome(participant, m_seats.hostSeat(), m_seats.take(m_seats.hostSeat(), participant, name, fallback));
}

bool Room::admit(int participant, const JoinMessage& join)
{
    if (join.spectate)
        return watch(participant, join);
    // Whoever joins plays the rules it expects, or none.
    const std::variant<int, ErrorCode> found =
        expectsOtherRules(join) ? std::variant<int, ErrorCode>(ErrorCode::RulesMismatch) : m_seats.seatFor(join);
    if (const ErrorCode* refusal = std::get_if<ErrorCode>(&found)) {
        emit sendTo(participant, ErrorMessage{*refusal, QString::fromLatin1(JoinMessage::Type)});
        return false;
    }
    const int seat = std::get<int>(found);
    if (seat == m_seats.hostSeat())
        m_hostGone.stop();
    welcome(participant, seat, m_seats.take(seat, participant, join.name, join.fallback, join.web));
    catchUp(participant, join.seen);
    return true;
}

bool Room::expectsOtherRules(const JoinMessage& join) const
{
    return !join.rulesHash.isEmpty() && join.rulesHash != m_rules.hash();
}

bool Room::watch(int participant, const JoinMessage& join)
{
    if (!m_spectatorsAllowed || expectsOtherRules(join)) {
        const ErrorCode refusal = m_spectatorsAllowed ? ErrorCode::RulesMismatch : ErrorCode::NoSpectators;
        emit sendTo(participant, ErrorMessage{refusal, QString::fromLatin1(JoinMessage::Type)});
        return false;
    }
    m_spectators.append(participant);
    welcome(participant, -1, QString());
    catchUp(participant, join.seen);
    return true;
}

void Room::welcome(int participant, int seat, const QString& token)
{
    WelcomeMessage welcome{m_code, seat, seat == m_seats.hostSeat(), seat < 0, m_rules, m_rules.hash(),
                           m_betSeconds, m_seats.infos(), token, m_times.rejoinMs / 1000};
    emit sendTo(participant, welcome);
    emit sendToAll(seatsMessage());
}

void Room::catchUp(int participant, qint64 seen)
{
    for (const CatchUpMessage& message : m_log.catchUp(seen))
        emit sendTo(participant, message);
    if (m_phase != Phase::NoGame)
        emit sendTo(participant, stateMessage());
}

SeatsMessage Room::seatsMessage() const { return {m_seats.infos(), spectators()}; }

void Room::drop(int participant)
{
    if (m_spectators.removeOne(participant)) {
        if (m_open)
            emit sendToAll(seatsMessage());
        return;
    }
    const int seat = m_seats.release(participant, m_times.rejoinMs);
    if (seat < 0 || !m_open)
        return;
    emit sendToAll(seatsMessage());
    if (seat == m_seats.hostSeat())
        m_hostGone.start(m_times.rejoinMs);
    // A bet its player has confirmed stands; an open one is the fallback's to make.
    if (m_phase == Phase::BetsOpen && !m_ready[seat] && seat != m_flow.state().OyaSeat)
        playDropped(seat);
    closeBetsIfReady();
}

void Room::close(CloseReason reason)
{
    if (!m_open)
        return;
    m_open = false;
    m_betTimer.stop();
    m_hostGone.stop();
    emit sendToAll(RoomClosedMessage{reason});
    emit closed(reason);
}

void Room::receive(int participant, const ClientMessage& message)
{
    if (!m_open)
        return;
    const auto refuse = [&](std::optional<ErrorCode> error, const char* type) {
        if (error)
            emit sendTo(participant, ErrorMessage{*error, QString::fromLatin1(type)});
    };
    if (m_spectators.contains(participant)) {
        if (std::holds_alternative<ResyncMessage>(message))
            emit sendTo(participant, stateMessage());
        else
            refuse(spectatorRefusal(message), std::visit([](const auto& m) { return m.Type; }, message));
        return;
    }
    if (m_seats.seatOf(participant) < 0)
        return;
    std::visit(Overloaded{
                   [&](const BetMessage& m) { refuse(bet(participant, m), BetMessage::Type); },
                   [&](const ReadyMessage& m) { refuse(ready(participant, m), ReadyMessage::Type); },
                   [&](const CommandMessage& m) { refuse(command(participant, m.command), CommandMessage::Type); },
                   [&](const ResyncMessage&) { emit sendTo(participant, stateMessage()); },
                   [&](const EndRoomMessage&) {
                       if (participant == m_seats.host())
                           close(CloseReason::HostEnded);
                       else
                           refuse(ErrorCode::NotYourCommand, EndRoomMessage::Type);
                   },
                   [&](const CreateMessage&) { refuse(ErrorCode::AlreadyJoined, CreateMessage::Type); },
                   [&](const JoinMessage&) { refuse(ErrorCode::AlreadyJoined, JoinMessage::Type); },
               },
               message);
}

std::optional<ErrorCode> Room::spectatorRefusal(const ClientMessage& message)
{
    if (std::holds_alternative<CreateMessage>(message) || std::holds_alternative<JoinMessage>(message))
        return ErrorCode::AlreadyJoined;
    const bool forSeat = std::holds_alternative<BetMessage>(message) || std::holds_alternative<ReadyMessage>(message);
    return forSeat ? ErrorCode::NotYourSeat : ErrorCode::NotYourCommand;
}

std::optional<ErrorCode> Room::bet(int participant, const BetMessage& message)
{
    if (message.seat != m_seats.seatOf(participant))
        return ErrorCode::NotYourSeat;
    if (m_phase != Phase::BetsOpen || message.seat == m_flow.state().OyaSeat || m_ready[message.seat])
        return ErrorCode::WrongPhase;
    const rules::BetLimits limits = rules::betLimits(m_rules.settings.BETMIN, m_rules.settings.BETMAX);
    if (message.bet < limits.min || message.bet > limits.max)
        return ErrorCode::BetOutOfLimits;
    m_flow.setBet(message.seat, message.bet);
    keepContribution(message.seat, message.contribution);
    emit sendToAll(BetMessage{message.seat, message.bet, std::nullopt});
    return std::nullopt;
}

std::optional<ErrorCode> Room::ready(int participant, const ReadyMessage& message)
{
    if (message.seat != m_seats.seatOf(participant))
        return ErrorCode::NotYourSeat;
    if (m_phase != Phase::BetsOpen)
        return ErrorCode::WrongPhase;
    keepContribution(message.seat, message.contribution);
    if (!m_ready[message.seat]) {
        m_ready[message.seat] = true;
        emit sendToAll(ReadyMessage{message.seat});
        closeBetsIfReady();
    }
    return std::nullopt;
}

std::optional<ErrorCode> Room::command(int participant, Command command)
{
    if (const std::optional<ErrorCode> refusal = permitted(participant, command))
        return refusal;
    if (const std::optional<ErrorCode> refusal = inPhase(command))
        return refusal;
    if (command == Command::Throw && m_phase == Phase::BetsOpen) {
        // The thrower's own seat is ready by the throw; every other held seat must be.
        const int own = m_seats.seatOf(participant);
        for (int seat = 0; seat < m_flow.seats(); ++seat) {
            if (seat != own && waitsFor(seat))
                return ErrorCode::NotReady;
        }
        closeBets(false);
    }
    play(command);
    return std::nullopt;
}

std::optional<ErrorCode> Room::permitted(int participant, Command command) const
{
    const bool hostOnly = command == Command::NewGame || command == Command::Interrupt;
    if (participant != (hostOnly ? m_seats.host() : commander()))
        return ErrorCode::NotYourCommand;
    return std::nullopt;
}

std::optional<ErrorCode> Room::inPhase(Command command) const
{
    bool fits = false;
    switch (command) {
    case Command::NewGame: fits = m_phase == Phase::NoGame; break;
    case Command::OpenBets: fits = m_phase == Phase::TurnOpen; break;
    case Command::Throw: fits = m_phase == Phase::BetsOpen || m_phase == Phase::BetsClosed; break;
    case Command::NextTurn: fits = m_phase == Phase::TurnSettled; break;
    case Command::Pass: fits = m_phase == Phase::TurnOpen && m_flow.mayPass(); break;
    case Command::Interrupt: fits = m_phase != Phase::NoGame; break;
    }
    return fits ? std::nullopt : std::optional(ErrorCode::WrongPhase);
}

void Room::play(Command command)
{
    switch (command) {
    case Command::NewGame: {
        // The first banker comes from a draw, not the room's clock, so that nobody can time it.
        const int seconds = static_cast<int>(m_draw() % 60);
        m_flow.newGame(seconds);
        m_phase = Phase::TurnOpen;
        emit sendToAll(GameStartedMessage{seconds, stateDigest(m_flow)});
        break;
    }
    case Command::OpenBets: openBets(); break;
    case Command::Throw: throwDice(); break;
    case Command::NextTurn: {
        const flow::TurnEnded ended = m_flow.endTurn();
        m_phase = ended.gameOver ? Phase::GameOver : Phase::TurnOpen;
        emit sendToAll(TurnEndedMessage{ended.turn, ended.gameOver, stateDigest(m_flow)});
        break;
    }
    case Command::Pass: pass(std::nullopt); break;
    case Command::Interrupt:
        m_betTimer.stop();
        m_flow.interrupt();
        m_phase = Phase::NoGame;
        emit sendToAll(InterruptedMessage{});
        break;
    }
}

void Room::openBets()
{
    // A dropped banker's fallback decides on ｽﾙｰ first, as a computer banker does at ベント; its pass
    // takes the place of the bets.
    const int banker = m_flow.state().OyaSeat;
    if (m_seats.isDropped(banker)) {
        if (const std::optional<rules::PassDecision> choice = m_flow.bankerPass(m_seats.fallback(banker));
            choice && choice->pass)
            return pass(choice->reason);
    }
    // The seed is fixed, and its hash out, before anybody bets or contributes.
    m_dice = FairDice(FairDice::newSeed(m_draw), m_flow.turn());
    m_contributions.fill(QString());
    QVector<qint64> draws;
    m_flow.openBets([&] {
        draws.append(m_dice.nextBetDraw() >> 8);
        return unitOfDraw(draws.last());
    });
    m_ready.fill(false);
    m_phase = Phase::BetsOpen;
    emit sendToAll(BetsOpenedMessage{m_flow.turn(), draws, seatBets(), m_times.betMs, FairDice::commitment(m_dice.seed())});
    for (int seat = 0; seat < m_flow.seats(); ++seat) {
        if (seat != m_flow.state().OyaSeat && m_seats.isDropped(seat))
            playDropped(seat);
    }
    m_betTimer.start(m_times.betMs);
    closeBetsIfReady();
}

void Room::pass(std::optional<rules::Reason> reason)
{
    const flow::BankPassed passed = m_flow.pass();
    emit sendToAll(PassedMessage{passed.oyaSeat, passed.moved, stateDigest(m_flow), std::move(reason)});
}

void Room::throwDice()
{
    ThrownMessage thrown{m_flow.turn(), {}, {}, QString::fromLatin1(m_dice.seed().toHex())};
    m_flow.playThrows([&] {
        std::array<qint16, 3> faces{};
        for (qint16& face : faces)
            face = rules::throwFace(unitOfDraw(m_dice.nextThrowDraw() >> 8));
        thrown.faces.append(faces);
        return faces;
    });
    for (int seat = 0; seat < m_flow.seats(); ++seat)
        thrown.scores.append(m_flow.state().P_score[seat].value_or(0));
    m_phase = Phase::TurnSettled;
    emit sendToAll(thrown);
}

void Room::playDropped(int seat)
{
    // The bet stream's next draw after the opening's, as TableFlow draws for a computer seat; the
    // windows take the bet from the message, and check its draw against the stream once the seed is out.
    const qint64 draw = m_dice.nextBetDraw() >> 8;
    const rules::BetDecision decision = m_flow.characterBet(seat, m_seats.fallback(seat), unitOfDraw(draw));
    m_flow.setBet(seat, decision.bet);
    m_ready[seat] = true;
    BetMessage bet{seat, decision.bet, decision.reason};
    bet.draw = draw;
    emit sendToAll(bet);
    emit sendToAll(ReadyMessage{seat});
}

void Room::keepContribution(int seat, const QString& contribution)
{
    if (!contribution.isEmpty())
        m_contributions[seat] = contribution;
}

bool Room::waitsFor(int seat) const
{
    return seat != m_flow.state().OyaSeat && m_seats.isHeld(seat) && !m_ready[seat];
}

void Room::closeBetsIfReady()
{
    if (m_phase != Phase::BetsOpen)
        return;
    for (int seat = 0; seat < m_flow.seats(); ++seat) {
        if (waitsFor(seat))
            return;
    }
    closeBets(false);
}

void Room::closeBets(bool timedOut)
{
    m_betTimer.stop();
    m_phase = Phase::BetsClosed;
    const QStringList contributions(m_contributions.cbegin(), m_contributions.cbegin() + m_flow.seats());
    m_dice.setContributions(contributions);
    emit sendToAll(BetsClosedMessage{seatBets(), timedOut, contributions});
}

int Room::commander() const
{
    const int banker = m_seats.participantAt(m_flow.state().OyaSeat);
    return banker >= 0 ? banker : m_seats.host();
}

QVector<qint64> Room::seatBets() const
{
    QVector<qint64> bets;
    for (int seat = 0; seat < m_flow.seats(); ++seat)
        bets.append(m_flow.state().P_bet[seat]);
    return bets;
}

StateMessage Room::stateMessage() const
{
    const TableState& s = m_flow.state();
    const bool betsOpen = m_phase == Phase::BetsOpen;
    // A coarse timer may run a little past its interval; the clock shown never does.
    const int left = betsOpen ? qBound(0, m_betTimer.remainingTime(), m_times.betMs) : 0;
    StateMessage state{m_phase, m_flow.turn(), s.OyaSeat, s.OyaTurn, s.PassCount, s.OyaMustPass, s.TurnsLeft,
                       {}, {}, {}, {}, {}, left, stateDigest(m_flow)};
    for (int seat = 0; seat < 6; ++seat) {
        state.scores.append(s.P_score[seat]);
        state.bets.append(s.P_bet[seat]);
        state.lastBets.append(s.P_lastBet[seat]);
        state.lastPayments.append(s.P_lastPayment[seat]);
        state.ready.append(betsOpen && m_ready[seat] ? 1 : 0);
    }
    return state;
}

}  // namespace net
