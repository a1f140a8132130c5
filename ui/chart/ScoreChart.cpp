#include "ui/chart/ScoreChart.h"

#include "ui/chart/ScoreChartView.h"

QWidget* ScoreChart::createChart(QWidget* parent) { return new ScoreChartView(parent); }

void ScoreChart::drawLines(QWidget* chart, const QStringList& names, const QList<QList<QPointF>>& lines)
{
    if (auto* view = qobject_cast<ScoreChartView*>(chart))
        view->drawLines(names, lines);
}

void ScoreChart::addPoints(QWidget* chart, const QList<QPointF>& points)
{
    if (auto* view = qobject_cast<ScoreChartView*>(chart))
        view->addPoints(points);
}
