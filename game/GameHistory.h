#pragma once

#include "game/TurnRecord.h"

#include <QMap>
#include <QObject>
#include <QStringList>

#include <array>

// Every turn of the present (or last) game, as the table plays it: who held the bank, each
// seat's throws, hand, bet, payment and score. It keeps the game after the game has ended or
// been interrupted, until the next new game. Calls out of order or for seats outside the game
// are ignored.
class GameHistory : public QObject {
    Q_OBJECT
public:
    explicit GameHistory(QObject* parent = nullptr);

    // A new game with these seats (their names, in seat order), each starting at startingScore.
    void start(const QStringList& names, qint64 startingScore);
    // The bets of a turn are open: its banker and the bets of every seat.
    void openTurn(int banker, const std::array<qint16, 6>& bets);
    // The bets of the open turn as they stand when the dice are thrown (the banker's stays 0).
    void setBets(const std::array<qint16, 6>& bets);
    // Why each seat of the open turn bet as it did (empty for a person).
    void setReasons(const std::array<QString, 6>& reasons);
    // A throw of a seat in the open turn; the seat's hand becomes this throw's hand.
    void addThrow(int seat, const std::array<qint16, 3>& faces, qint16 handValue, const QString& handName);
    // The bets of the open turn are paid: the scores of every seat after the turn.
    void settle(const std::array<qint64, 6>& scores);
    // The last turn of the game has ended.
    void finish();
    // The proof of the turn numbered `turn` (it may come before the turn is recorded).
    void setProof(int turn, const TurnProofRecord& proof);

    bool started() const { return !m_names.isEmpty(); }
    bool finished() const { return m_finished; }
    int seats() const { return int(m_names.size()); }
    const QStringList& names() const { return m_names; }
    qint64 startingScore() const { return m_startingScore; }
    const QList<TurnRecord>& turns() const { return m_turns; }
    // The proof of a turn, or nullptr when the game has none for it.
    const TurnProofRecord* proof(int turn) const;
    bool hasProofs() const { return !m_proofs.isEmpty(); }
    // Each seat's score after the last settled turn (the starting score before the first).
    QList<qint64> scores() const;

signals:
    // Anything was recorded: a new game, a throw, a settlement, the end.
    void changed();

private:
    TurnRecord* openRecord();

    QStringList m_names;
    qint64 m_startingScore = 0;
    bool m_finished = false;
    QList<TurnRecord> m_turns;
    QMap<int, TurnProofRecord> m_proofs;
};
