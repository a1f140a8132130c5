#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

namespace net {

// The draws of one turn, committed before the bets and revealed with the throws: each draw is the
// first four bytes (big-endian) of HMAC-SHA-256 keyed by the turn's secret seed over an ASCII
// text naming the stream, the turn and the draw's index (net/PROTOCOL.md, Fairness). The bet
// stream serves the computer's bets; the throw stream, which also names every seat's
// contribution, serves the faces once the bets have closed.
class FairDice {
public:
    static constexpr int SeedBytes = 32;

    FairDice() = default;
    FairDice(QByteArray seed, int turn) : m_seed(std::move(seed)), m_turn(turn) {}

    // A fresh seed of eight 32-bit draws, each big-endian.
    static QByteArray newSeed(const std::function<quint32()>& draw);
    // Lower-case hex SHA-256 of the seed.
    static QString commitment(const QByteArray& seed);
    static QString betText(int turn, int index);
    static QString throwText(int turn, int index, const QStringList& contributions);
    static quint32 drawOf(const QByteArray& seed, const QString& text);

    const QByteArray& seed() const { return m_seed; }
    int turn() const { return m_turn; }
    // Each seat in play's contribution (empty for none), fixed when the bets close.
    void setContributions(QStringList contributions) { m_contributions = std::move(contributions); }
    const QStringList& contributions() const { return m_contributions; }

    // The next draw of each stream, from index 0.
    quint32 nextBetDraw() { return drawOf(m_seed, betText(m_turn, m_betIndex++)); }
    quint32 nextThrowDraw() { return drawOf(m_seed, throwText(m_turn, m_throwIndex++, m_contributions)); }

private:
    QByteArray m_seed;
    int m_turn = 0;
    QStringList m_contributions;
    int m_betIndex = 0;
    int m_throwIndex = 0;
};

}  // namespace net
