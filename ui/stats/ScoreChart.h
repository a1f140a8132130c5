#pragma once

#include <QChartView>

class GameHistory;

// Every seat's score over the settled turns of a game, one line per seat, from the starting
// score at turn 0. It follows the history as turns are paid.
class ScoreChart : public QChartView {
    Q_OBJECT
public:
    ScoreChart(const GameHistory* history, QWidget* parent);

    // The points of a seat's line, for tests: (turn, score after it).
    QList<QPointF> points(int seat) const;

private:
    void follow();

    const GameHistory* m_history;
    qsizetype m_settledTurns = -1;
};
