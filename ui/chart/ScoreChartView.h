#pragma once

#include "ui/chart/ThinnedLine.h"

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QStringList>

class QLineSeries;
class QValueAxis;

// The chart of the scores: one coloured line per seat over the turns, on axes that fit every line.
// A turn added to the end draws the same picture as all the lines drawn afresh, at a cost that
// does not grow with the game: a long line is thinned to a bounded number of points (the axes
// span every point and move only when a point leaves them).
class ScoreChartView : public QChartView {
    Q_OBJECT
public:
    explicit ScoreChartView(QWidget* parent);

    void drawLines(const QStringList& names, const QList<QList<QPointF>>& lines);
    void addPoints(const QList<QPointF>& points);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The titles in the language in force.
    void showTitles();
    void take(const QPointF& point);
    void fitTurns();
    void fitScores();

    QValueAxis* m_turns;
    QValueAxis* m_scores;
    QList<QLineSeries*> m_lines;
    QList<ThinnedLine> m_thinned;  // what each line shows
    // The extent of every point drawn (scores from the first point on, turns from 0).
    bool m_empty = true;
    double m_low = 0;
    double m_high = 0;
    double m_lastTurn = 0;
};
