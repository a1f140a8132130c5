#include "ui/stats/frmHistory.h"

#include "game/GameHistory.h"
#include "game/HistoryTable.h"
#include "platform/Platform.h"
#include "settings/AppFolder.h"
#include "ui/chart/ScoreChartPlugin.h"
#include "ui/stats/ColumnFit.h"
#include "ui/stats/HistoryModel.h"
#include "ui/widgets/CaptionButton.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Zoom.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPluginLoader>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Spreadsheet programs take a UTF-8 CSV file for what it is only with the byte order mark.
QByteArray csvFileBytes(const GameHistory& history)
{
    return QByteArray("\xEF\xBB\xBF") + historyTable::csv(history).toUtf8();
}

// The chart plugin, loaded once from beside the program (a build) or from the installed library
// folder; null when it is missing or unusable.
ScoreChartPlugin* chartPlugin()
{
    static ScoreChartPlugin* const plugin = [] {
        const QString program = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        for (const QString& folder : {program, program + QStringLiteral(QUBRIN_CHART_FROM_PROGRAM "/")}) {
            auto* loader = new QPluginLoader(folder + QStringLiteral("qubrin_chart"), QCoreApplication::instance());
            if (auto* found = qobject_cast<ScoreChartPlugin*>(loader->instance()))
                return found;
            delete loader;
        }
        return static_cast<ScoreChartPlugin*>(nullptr);
    }();
    return plugin;
}

qsizetype settledTurns(const GameHistory& history)
{
    return std::count_if(history.turns().cbegin(), history.turns().cend(),
                         [](const TurnRecord& turn) { return turn.settled; });
}

}  // namespace

frmHistory::frmHistory(QWidget* table, const GameHistory* history) : QWidget(table, Qt::Window), m_history(history)
{
    setObjectName(QStringLiteral("frmHistory"));
    setAttribute(Qt::WA_DeleteOnClose);
    liveWindowTitle(this, [] { return tr("ターン履歴"); });

    m_model = new HistoryModel(history, this);
    HistoryGrid = named(new QTableView(this), "HistoryGrid");
    HistoryGrid->setModel(m_model);
    HistoryGrid->verticalHeader()->hide();
    HistoryGrid->verticalHeader()->setDefaultSectionSize(HistoryGrid->fontMetrics().height() + 6);
    HistoryGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    HistoryGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryGrid->setWordWrap(false);
    HistoryGrid->horizontalHeader()->setStretchLastSection(true);
    // The reason is the longest cell and shows itself whole in its tip: it gives up its width first.
    new ColumnFit(HistoryGrid, historyTable::ReasonColumn);

    auto* split = named(new QSplitter(Qt::Vertical, this), "split");
    split->addWidget(HistoryGrid);
    if (ScoreChartPlugin* plugin = chartPlugin()) {
        scoreChart = plugin->createChart(split);
        // Tall enough for the axis labels and a legend of six names at the zoom in force.
        scoreChart->setMinimumHeight(zoom::scaled(300));
        split->addWidget(scoreChart);
    }
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    copyCommand = named(new CaptionButton(this), "copyCommand");
    saveCommand = named(new CaptionButton(this), "saveCommand");
    closeCommand = named(new CaptionButton(this), "closeCommand");
    liveText(this, copyCommand, [] { return tr("コピー(&C)"); });
    liveText(this, saveCommand, [] { return tr("CSV保存(&S)"); });
    liveText(this, closeCommand, [] { return tr("閉じる"); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {copyCommand, saveCommand, closeCommand})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
    layout->addLayout(buttons);
    // At the zoom in force, but never larger than the screen.
    QSize size(zoom::scaled(1000), zoom::scaled(800));
    if (const QScreen* screen = table->screen())
        size = size.boundedTo(screen->availableGeometry().size() - windowFrameAllowance);
    resize(size);

    connect(copyCommand, &QPushButton::clicked, this, &frmHistory::copyCommand_Click);
    connect(saveCommand, &QPushButton::clicked, this, &frmHistory::saveCommand_Click);
    connect(closeCommand, &QPushButton::clicked, this, &QWidget::close);
    connect(m_model, &HistoryModel::rowsInserted, this, &frmHistory::showLastTurn);
    connect(history, &GameHistory::changed, this, &frmHistory::drawChart);
    drawChart();
    new EscapeCloses(this);
    HistoryGrid->scrollToBottom();
}

void frmHistory::copyCommand_Click() { QGuiApplication::clipboard()->setText(historyTable::csv(*m_history)); }

void frmHistory::saveCommand_Click()
{
    const std::optional<QString> file = platform().saveFileName(this, DocumentsFolder() + QStringLiteral("history.csv"),
                                                                QStringLiteral("CSV(*.csv)|*.csv"));
    if (!file)
        return;
    QSaveFile out(*file);
    if (!out.open(QIODevice::WriteOnly) || out.write(csvFileBytes(*m_history)) < 0 || !out.commit())
        platform().warn(this, tr("保存に失敗しました。(ToT)"));
}

void frmHistory::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_model->languageChanged();
    QWidget::changeEvent(event);
}

// A player reading the last turns keeps seeing them as new turns come; one who scrolled back
// to an earlier turn stays there.
void frmHistory::showLastTurn()
{
    QScrollBar* bar = HistoryGrid->verticalScrollBar();
    if (bar->value() >= bar->maximum() - HistoryGrid->verticalHeader()->defaultSectionSize() * m_history->seats())
        HistoryGrid->scrollToBottom();
}

// Throws move no line: a turn paid adds its scores to the lines; a new game, or a window opened
// in the middle of one, draws them whole.
void frmHistory::drawChart()
{
    const qsizetype settled = settledTurns(*m_history);
    if (scoreChart == nullptr || (settled == m_chartedTurns && settled > 0))
        return;
    if (m_chartedTurns >= 0 && settled == m_chartedTurns + 1)
        chartPlugin()->addPoints(scoreChart, historyTable::lastScorePoints(*m_history));
    else
        chartPlugin()->drawLines(scoreChart, m_history->names(), historyTable::scoreLines(*m_history));
    m_chartedTurns = settled;
}
