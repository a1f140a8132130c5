#include "ui/chart/ScoreChartView.h"

#include <QApplication>
#include <QChart>
#include <QEvent>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>

namespace {

// One colour per seat, told apart also by players with a red-green weakness.
const std::array<QColor, 6> seatColours{QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 158, 115),
                                        QColor(204, 121, 167), QColor(230, 159, 0), QColor(86, 180, 233)};

// The score axis starts every fit from the tick count of a new axis, so that its nice numbers
// depend on the scores alone and not on the fits before.
constexpr int ScoreTicks = 5;

// A line shows at most twice this many buckets of two points each, about 256 points: a bucket to
// a few pixels of the chart, and few enough that Qt Charts lays out each line quickly. A constant,
// not the chart's width, so that every window shows the same points of the same game.
constexpr int LineBuckets = 64;

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

QValueAxis* axis(QChart* chart)
{
    auto* axis = new QValueAxis(chart);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setLabelsFont(QApplication::font());
    axis->setTitleFont(QApplication::font());
    return axis;
}

}  // namespace

ScoreChartView::ScoreChartView(QWidget* parent) : QChartView(new QChart(), parent)
{
    setObjectName(QStringLiteral("ScoreChart"));
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = this->chart();
    chart->setTitleFont(QApplication::font());
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(QApplication::font());
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_turns = axis(chart);
    m_turns->setTickType(QValueAxis::TicksDynamic);
    m_turns->setTickAnchor(0);
    m_scores = axis(chart);
    chart->addAxis(m_turns, Qt::AlignBottom);
    chart->addAxis(m_scores, Qt::AlignLeft);
    fitTurns();
    fitScores();
    showTitles();
}

void ScoreChartView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showTitles();
    QChartView::changeEvent(event);
}

void ScoreChartView::showTitles()
{
    chart()->setTitle(tr("持ち点の推移"));
    m_turns->setTitleText(tr("ターン"));
}

void ScoreChartView::drawLines(const QStringList& names, const QList<QList<QPointF>>& lines)
{
    QChart* chart = this->chart();
    chart->removeAllSeries();
    m_lines.clear();
    m_thinned.clear();
    m_empty = true;
    m_low = m_high = m_lastTurn = 0;
    for (int seat = 0; seat < lines.size(); ++seat) {
        auto* line = new QLineSeries(chart);
        line->setName(names.value(seat));
        line->setPen(QPen(seatColours[seat % seatColours.size()], 2));
        ThinnedLine thinned(LineBuckets);
        for (const QPointF& point : lines[seat]) {
            thinned.add(point);
            take(point);
        }
        line->replace(thinned.points());
        chart->addSeries(line);
        line->attachAxis(m_turns);
        line->attachAxis(m_scores);
        m_lines.append(line);
        m_thinned.append(thinned);
    }
    fitTurns();
    fitScores();
}

void ScoreChartView::addPoints(const QList<QPointF>& points)
{
    const double low = m_low;
    const double high = m_high;
    const double lastTurn = m_lastTurn;
    for (int seat = 0; seat < std::min(points.size(), m_lines.size()); ++seat) {
        m_thinned[seat].add(points[seat]);
        m_lines[seat]->replace(m_thinned[seat].points());
        take(points[seat]);
    }
    // Each change of an axis redraws every line at its new scale: only a change moves one.
    if (m_lastTurn != lastTurn)
        fitTurns();
    if (m_low != low || m_high != high)
        fitScores();
}

void ScoreChartView::take(const QPointF& point)
{
    m_low = m_empty ? point.y() : std::min(m_low, point.y());
    m_high = m_empty ? point.y() : std::max(m_high, point.y());
    m_lastTurn = std::max(m_lastTurn, point.x());
    m_empty = false;
}

void ScoreChartView::fitTurns()
{
    m_turns->setRange(0, std::max(1.0, m_lastTurn));
    m_turns->setTickInterval(turnStep(int(m_lastTurn)));
}

// The scores fit every line with a little room above and below.
void ScoreChartView::fitScores()
{
    const double room = std::max(10.0, (m_high - m_low) * 0.08);
    m_scores->setTickCount(ScoreTicks);
    m_scores->setRange(m_low - room, m_high + room);
    m_scores->applyNiceNumbers();
}
