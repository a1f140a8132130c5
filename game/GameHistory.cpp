#include "game/GameHistory.h"

GameHistory::GameHistory(QObject* parent) : QObject(parent) {}

void GameHistory::start(const QStringList& names, qint64 startingScore)
{
    m_names = names;
    m_startingScore = startingScore;
    m_finished = false;
    m_turns.clear();
    m_proofs.clear();
    emit changed();
}

void GameHistory::openTurn(int banker, const std::array<qint16, 6>& bets)
{
    if (!started() || m_finished || banker < 0 || banker >= seats())
        return;
    // A turn opened again before its settlement (it cannot be, at the table) replaces itself.
    if (openRecord() != nullptr)
        m_turns.removeLast();
    TurnRecord turn;
    turn.number = int(m_turns.size()) + 1;
    turn.banker = banker;
    const QList<qint64> before = scores();
    for (int seat = 0; seat < seats(); ++seat) {
        SeatTurn seatTurn;
        seatTurn.bet = seat == banker ? qint16(0) : bets[seat];
        seatTurn.score = before[seat];
        turn.seats.append(seatTurn);
    }
    m_turns.append(turn);
    emit changed();
}

void GameHistory::setBets(const std::array<qint16, 6>& bets)
{
    TurnRecord* turn = openRecord();
    if (turn == nullptr)
        return;
    for (int seat = 0; seat < seats(); ++seat)
        turn->seats[seat].bet = seat == turn->banker ? qint16(0) : bets[seat];
    emit changed();
}

void GameHistory::setReasons(const std::array<QString, 6>& reasons)
{
    TurnRecord* turn = openRecord();
    if (turn == nullptr)
        return;
    for (int seat = 0; seat < seats(); ++seat)
        turn->seats[seat].reason = reasons[seat];
    emit changed();
}

void GameHistory::addThrow(int seat, const std::array<qint16, 3>& faces, qint16 handValue, const QString& handName)
{
    TurnRecord* turn = openRecord();
    if (turn == nullptr || seat < 0 || seat >= seats())
        return;
    SeatTurn& seatTurn = turn->seats[seat];
    seatTurn.throws.append(faces);
    seatTurn.handValue = handValue;
    seatTurn.handName = handName;
    emit changed();
}

void GameHistory::settle(const std::array<qint64, 6>& scores)
{
    TurnRecord* turn = openRecord();
    if (turn == nullptr)
        return;
    for (int seat = 0; seat < seats(); ++seat) {
        SeatTurn& seatTurn = turn->seats[seat];
        seatTurn.payment = scores[seat] - seatTurn.score;
        seatTurn.score = scores[seat];
    }
    turn->settled = true;
    emit changed();
}

void GameHistory::finish()
{
    if (!started() || m_finished)
        return;
    m_finished = true;
    emit changed();
}

QList<qint64> GameHistory::scores() const
{
    for (auto turn = m_turns.crbegin(); turn != m_turns.crend(); ++turn) {
        if (!turn->settled)
            continue;
        QList<qint64> after;
        for (const SeatTurn& seatTurn : turn->seats)
            after.append(seatTurn.score);
        return after;
    }
    return QList<qint64>(seats(), m_startingScore);
}

TurnRecord* GameHistory::openRecord()
{
    if (m_turns.isEmpty() || m_turns.last().settled)
        return nullptr;
    return &m_turns.last();
}

void GameHistory::setProof(int turn, const TurnProofRecord& proof)
{
    if (!started())
        return;
    m_proofs.insert(turn, proof);
    emit changed();
}

const TurnProofRecord* GameHistory::proof(int turn) const
{
    const auto found = m_proofs.constFind(turn);
    return found != m_proofs.cend() ? &*found : nullptr;
}
