#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QtPlugin>

class QWidget;

// The score chart lives in a plugin beside the program, loaded when a window first shows it,
// so that Qt Charts costs the start of the program nothing.
class ScoreChartPlugin {
public:
    virtual ~ScoreChartPlugin() = default;

    // A chart without lines, owned by parent.
    virtual QWidget* createChart(QWidget* parent) = 0;
    // One line per seat, named as the seat: the points are (turn, score after it).
    virtual void drawLines(QWidget* chart, const QStringList& names, const QList<QList<QPointF>>& lines) = 0;
    // A point added to the end of each line, seat by seat: the picture is that of every line drawn
    // afresh with it, at the cost of the new points.
    virtual void addPoints(QWidget* chart, const QList<QPointF>& points) = 0;
};

#define ScoreChartPlugin_iid "org.qubrin.ScoreChartPlugin/2"
Q_DECLARE_INTERFACE(ScoreChartPlugin, ScoreChartPlugin_iid)
