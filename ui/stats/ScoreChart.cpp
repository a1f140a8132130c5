#include "ui/stats/ScoreChart.h"

#include "game/GameHistory.h"
#include "ui/widgets/TableFont.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

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

}  // namespace

ScoreChart::ScoreChart(const GameHistory* history, QWidget* parent)
    : QChartView(new QChart(), parent), m_history(history)
{
    setObjectName(QStringLiteral("ScoreChart"));
    setRenderHint(QPainter::Antialiasing);
    chart()->setTitle(QStringLiteral("持ち点の推移"));
    chart()->setTitleFont(tableFont());
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->legend()->setFont(tableFont());
    chart()->setMargins(QMargins(4, 4, 4, 4));
    connect(history, &GameHistory::changed, this, &ScoreChart::follow);
    follow();
}

QList<QPointF> ScoreChart::points(int seat) const
{
    const QList<QAbstractSeries*> series = chart()->series();
    if (seat < 0 || seat >= series.size())
        return {};
    return static_cast<QLineSeries*>(series[seat])->points();
}

void ScoreChart::follow()
{
    // Throws change nothing here: only a new game and the payment of a turn move the lines.
    const auto settled = std::count_if(m_history->turns().cbegin(), m_history->turns().cend(),
                                       [](const TurnRecord& turn) { return turn.settled; });
    if (settled == m_settledTurns && settled > 0 && chart()->series().size() == m_history->seats())
        return;
    m_settledTurns = settled;
    QChart* c = chart();
    if (c->series().size() != m_history->seats()) {
        c->removeAllSeries();
        for (int seat = 0; seat < m_history->seats(); ++seat) {
            auto* line = new QLineSeries(c);
            line->setName(m_history->names()[seat]);
            line->setPen(QPen(seatColours[seat % seatColours.size()], 2));
            c->addSeries(line);
        }
    }
    const QList<QAbstractSeries*> series = c->series();
    qint64 low = m_history->startingScore();
    qint64 high = low;
    int lastTurn = 0;
    for (int seat = 0; seat < series.size(); ++seat) {
        auto* line = static_cast<QLineSeries*>(series[seat]);
        line->setName(m_history->names()[seat]);
        QList<QPointF> points{QPointF(0, double(m_history->startingScore()))};
        for (const TurnRecord& turn : m_history->turns()) {
            if (!turn.settled)
                continue;
            const qint64 score = turn.seats[seat].score;
            points.append(QPointF(turn.number, double(score)));
            low = std::min(low, score);
            high = std::max(high, score);
            lastTurn = turn.number;
        }
        line->replace(points);
    }
    // The axes fit every line with a little room above and below.
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis);
    auto* turns = new QValueAxis(c);
    turns->setTitleText(QStringLiteral("ターン"));
    turns->setLabelFormat(QStringLiteral("%d"));
    turns->setRange(0, std::max(1, lastTurn));
    turns->setTickType(QValueAxis::TicksDynamic);
    turns->setTickAnchor(0);
    turns->setTickInterval(turnStep(lastTurn));
    auto* scores = new QValueAxis(c);
    const double room = std::max<double>(10, double(high - low) * 0.08);
    scores->setRange(double(low) - room, double(high) + room);
    scores->setLabelFormat(QStringLiteral("%d"));
    scores->applyNiceNumbers();
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(turns), static_cast<QAbstractAxis*>(scores)}) {
        axis->setLabelsFont(tableFont());
        axis->setTitleFont(tableFont());
    }
    c->addAxis(turns, Qt::AlignBottom);
    c->addAxis(scores, Qt::AlignLeft);
    for (QAbstractSeries* line : series) {
        line->attachAxis(turns);
        line->attachAxis(scores);
    }
}
