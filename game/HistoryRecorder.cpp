#include "game/HistoryRecorder.h"

#include "game/GameHistory.h"
#include "game/HandRanking.h"

#include <QStringList>

HistoryRecorder::HistoryRecorder(GameHistory& history, const SettingsRecord& settings)
    : m_history(history), m_settings(settings)
{
}

void HistoryRecorder::gameStarted(const flow::GameStarted& started)
{
    QStringList names;
    for (int seat = 0; seat < started.seats; ++seat)
        names.append(m_settings.name(seat));
    m_history.start(names, started.score[0]);
}

void HistoryRecorder::betsOpened(const flow::BetsOpened& bets)
{
    std::array<qint16, 6> bet{};
    for (int seat = 0; seat < 6; ++seat)
        bet[seat] = bets.seat[seat].bet;
    m_history.openTurn(bets.oyaSeat, bet);
    std::array<QString, 6> reasons;
    for (int seat = 0; seat < 6; ++seat)
        reasons[seat] = rules::reasonText(bets.reason[seat]);
    m_history.setReasons(reasons);
}

void HistoryRecorder::diceThrown(const flow::DiceThrown& thrown)
{
    const QString name = rules::rankHand(thrown.faces[0], thrown.faces[1], thrown.faces[2], m_settings).name;
    m_history.addThrow(thrown.seat, thrown.faces, thrown.value, name);
}

void HistoryRecorder::turnSettled(const flow::TurnSettled& settled)
{
    // A person may have moved the bet between the opening of the bets and the throws.
    std::array<qint16, 6> bet{};
    std::array<qint64, 6> score{};
    for (int seat = 0; seat < 6; ++seat) {
        bet[seat] = settled.seat[seat].bet;
        score[seat] = settled.seat[seat].score;
    }
    m_history.setBets(bet);
    m_history.settle(score);
}

void HistoryRecorder::gameOver(const flow::GameOver&) { m_history.finish(); }
