#pragma once

#include "ui/chart/ScoreChartPlugin.h"

#include <QObject>

// The score chart on Qt Charts (ScoreChartView) behind the plugin's interface.
class ScoreChart : public QObject, public ScoreChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ScoreChartPlugin_iid)
    Q_INTERFACES(ScoreChartPlugin)
public:
    QWidget* createChart(QWidget* parent) override;
    void drawLines(QWidget* chart, const QStringList& names, const QList<QList<QPointF>>& lines) override;
    void addPoints(QWidget* chart, const QList<QPointF>& points) override;
};
