#pragma once

#include "ui/chart/ScoreChartPlugin.h"

#include <QObject>

// Draws the scores with Qt Charts: one coloured line per seat over the turns.
class ScoreChart : public QObject, public ScoreChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ScoreChartPlugin_iid)
    Q_INTERFACES(ScoreChartPlugin)
public:
    QWidget* createChart(QWidget* parent) override;
    void drawLines(QWidget* chart, const QStringList& names, const QList<QList<QPointF>>& lines) override;
};
