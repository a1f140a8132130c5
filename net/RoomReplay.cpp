#include "net/RoomReplay.h"

#include "net/Overloaded.h"
#include "net/StateDigest.h"

namespace net {

RoomReplay::RoomReplay(TableFlow& flow, QObject* parent) : QObject(parent), m_flow(flow) {}

void RoomReplay::apply(const RoomStep& step)
{
    std::visit(Overloaded{
                   [&](const GameStartedMessage& m) {
                       m_flow.newGame(m.seconds);
                       m_phase = Phase::TurnOpen;
                       check(m.digest);
                   },
                   [&](const BetsOpenedMessage& m) {
                       qsizetype next = 0;
                       m_flow.openBets([&] {
                           return unitOfDraw(next < m.draws.size() ? m.draws.at(next++) : 0);
                       });
                       m_phase = Phase::BetsOpen;
                       check(next == m.draws.size() && m.bets.size() == m_flow.seats());
                   },
                   [&](const BetMessage& m) { m_flow.setBet(m.seat, m.bet); },
                   [&](const ReadyMessage&) {},
                   [&](const BetsClosedMessage& m) {
                       for (int seat = 0; seat < m.bets.size() && seat < m_flow.seats(); ++seat)
                           m_flow.setBet(seat, static_cast<int>(m.bets.at(seat)));
                       m_phase = Phase::BetsClosed;
                   },
                   [&](const ThrownMessage& m) {
                       qsizetype next = 0;
                       // Faces beyond the room's list land out of the bowl; the scores then disagree.
                       m_flow.playThrows([&] {
                           return next < m.faces.size() ? m.faces.at(next++) : std::array<qint16, 3>{9, 9, 9};
                       });
                       m_phase = Phase::TurnSettled;
                       bool agrees = next == m.faces.size() && m.scores.size() == m_flow.seats();
                       for (int seat = 0; agrees && seat < m_flow.seats(); ++seat)
                           agrees = m_flow.state().P_score[seat].value_or(0) == m.scores.at(seat);
                       check(agrees);
                   },
                   [&](const TurnEndedMessage& m) {
                       m_phase = m_flow.endTurn().gameOver ? Phase::GameOver : Phase::TurnOpen;
                       check(m.digest);
                   },
                   [&](const PassedMessage& m) {
                       m_flow.pass();
                       check(m.digest);
                   },
                   [&](const InterruptedMessage&) {
                       m_flow.interrupt();
                       m_phase = Phase::NoGame;
                   },
                   [&](const StateMessage& m) { resume(m); },
               },
               step);
}

void RoomReplay::apply(const CatchUpMessage& catchUp)
{
    for (const RoomStep& step : catchUp.steps)
        apply(step);
}

void RoomReplay::check(const QString& digest) { check(digest == stateDigest(m_flow)); }

void RoomReplay::check(bool agrees)
{
    if (agrees || m_waitingForState)
        return;
    ++m_mismatches;
    m_waitingForState = true;
    emit resyncNeeded();
}

TableState RoomReplay::tableState(const StateMessage& m)
{
    TableState state;
    state.OyaSeat = static_cast<qint16>(m.oyaSeat);
    state.OyaTurn = static_cast<qint16>(m.oyaTurn);
    state.PassCount = static_cast<qint16>(m.passCount);
    state.OyaMustPass = static_cast<qint16>(m.oyaMustPass);
    state.TurnsLeft = static_cast<qint32>(m.turnsLeft);
    for (int seat = 0; seat < 6; ++seat) {
        state.P_score[seat] = m.scores.value(seat);
        state.P_bet[seat] = static_cast<qint16>(m.bets.value(seat));
        state.P_lastBet[seat] = static_cast<qint16>(m.lastBets.value(seat));
        state.P_lastPayment[seat] = m.lastPayments.value(seat);
    }
    return state;
}

void RoomReplay::resume(const StateMessage& m)
{
    m_flow.resume(m.turn, tableState(m));
    m_phase = m.phase;
    m_waitingForState = false;
    emit resynced();
}

}  // namespace net
