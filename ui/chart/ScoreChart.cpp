#include "ui/chart/ScoreChart.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>

namespace {

// One colour per seat, told apart also by players with a red-green weakness.
const std::array<QColor, 6> seatColours{QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 158, 115),
                                        QColor(204, 121, 167), QColor(230, 159, 0), QColor(86, 180, 233)};

// Ticks of the turn axis at 1, 2 or 5 times a power of ten, about ten of them at most.
int turnStep(int lastTurn)
{
    for (int power = 1;; power *= 10) {
        for (int step : {power, 2 * power, 5 * power}) {
            if (lastTurn <= 10 * step)
                return step;
        }
    }
}

QValueAxis* axis(QChart* chart, const QString& title)
{
    auto* axis = new QValueAxis(chart);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setLabelsFont(QApplication::font());
    axis->setTitleFont(QApplication::font());
    return axis;
}

}  // namespace

QWidget* ScoreChart::createChart(QWidget* parent)
{
    auto* view = new QChartView(new QChart(), parent);
    view->setObjectName(QStringLiteral("ScoreChart"));
    view->setRenderHint(QPainter::Antialiasing);
    QChart* chart = view->chart();
    chart->setTitle(QStringLiteral("持ち点の推移"));
    chart->setTitleFont(QApplication::font());
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(QApplication::font());
    chart->setMargins(QMargins(4, 4, 4, 4));
    return view;
}

void ScoreChart::drawLines(QWidget* chartView, const QStringList& names, const QList<QList<QPointF>>& lines)
{
    auto* view = qobject_cast<QChartView*>(chartView);
    if (view == nullptr)
        return;
    QChart* chart = view->chart();
    chart->removeAllSeries();
    // Removing an axis hands it back to us; the chart deletes only the series it removes.
    for (QAbstractAxis* old : chart->axes()) {
        chart->removeAxis(old);
        delete old;
    }

    double low = 0;
    double high = 0;
    double lastTurn = 0;
    bool first = true;
    QList<QLineSeries*> series;
    for (int seat = 0; seat < lines.size(); ++seat) {
        auto* line = new QLineSeries(chart);
        line->setName(names.value(seat));
        line->setPen(QPen(seatColours[seat % seatColours.size()], 2));
        line->replace(lines[seat]);
        for (const QPointF& point : lines[seat]) {
            low = first ? point.y() : std::min(low, point.y());
            high = first ? point.y() : std::max(high, point.y());
            lastTurn = std::max(lastTurn, point.x());
            first = false;
        }
        chart->addSeries(line);
        series.append(line);
    }
    // The axes fit every line with a little room above and below.
    QValueAxis* turns = axis(chart, QStringLiteral("ターン"));
    turns->setRange(0, std::max(1.0, lastTurn));
    turns->setTickType(QValueAxis::TicksDynamic);
    turns->setTickAnchor(0);
    turns->setTickInterval(turnStep(int(lastTurn)));
    QValueAxis* scores = axis(chart, QString());
    const double room = std::max(10.0, (high - low) * 0.08);
    scores->setRange(low - room, high + room);
    scores->applyNiceNumbers();
    chart->addAxis(turns, Qt::AlignBottom);
    chart->addAxis(scores, Qt::AlignLeft);
    for (QLineSeries* line : series) {
        line->attachAxis(turns);
        line->attachAxis(scores);
    }
}
