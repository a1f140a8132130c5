#include "ui/net/FairnessWindow.h"

#include "game/GameHistory.h"
#include "net/TurnProof.h"
#include "ui/net/ProofVerdict.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/LiveTexts.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { TurnColumn, VerdictColumn, CommitmentColumn, SeedColumn, ContributionsColumn, ColumnCount };

}  // namespace

FairnessWindow::FairnessWindow(QWidget* table, const GameHistory& history)
    : QWidget(table, Qt::Window), m_history(history)
{
    setObjectName(QStringLiteral("frmFairness"));
    liveWindowTitle(this, [] { return tr("公平性の検証"); });
    auto* layout = new QVBoxLayout(this);
    m_summary = named(new QLabel(this), QStringLiteral("fairnessSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_table = named(new QTableWidget(0, ColumnCount, this), QStringLiteral("fairnessTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);
    auto* recheckButton = named(new QPushButton(this), QStringLiteral("recheckButton"));
    liveText(this, recheckButton, [] { return tr("もう一度検証"); });
    layout->addWidget(recheckButton, 0, Qt::AlignRight);
    connect(recheckButton, &QPushButton::clicked, this, &FairnessWindow::recheck);
    connect(&history, &GameHistory::changed, this, &FairnessWindow::recheck);
    resize(900, 420);
    recheck();
}

int FairnessWindow::recheck()
{
    const QStringList headers{tr("ターン"), tr("検証"), tr("コミットメント"), tr("シード"), tr("寄与（席順）")};
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(0);
    const QFont hex = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    int failed = 0;
    int checked = 0;
    for (const TurnRecord& turn : m_history.turns()) {
        const TurnProofRecord* record = m_history.proof(turn.number);
        if (record == nullptr)
            continue;
        const net::TurnProof::Check check = net::TurnProof::fromHistory(turn, *record).check();
        const bool wrong = check.verdict != net::TurnProof::Verdict::Verified &&
                           check.verdict != net::TurnProof::Verdict::Incomplete;
        failed += wrong ? 1 : 0;
        ++checked;
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        const auto put = [&](int column, const QString& text, bool fixed) {
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(column == VerdictColumn ? ProofVerdict::sentence(check) : text);
            if (fixed)
                item->setFont(hex);
            if (wrong && column == VerdictColumn)
                item->setForeground(Qt::red);
            m_table->setItem(row, column, item);
        };
        QStringList contributions;
        for (const QString& contribution : record->contributions)
            contributions.append(contribution.isEmpty() ? QStringLiteral("-") : contribution);
        put(TurnColumn, QString::number(turn.number), false);
        put(VerdictColumn, ProofVerdict::word(check), false);
        put(CommitmentColumn, record->commitment, true);
        put(SeedColumn, record->seed, true);
        put(ContributionsColumn, contributions.join(QStringLiteral(" ")), true);
    }
    m_table->resizeColumnsToContents();
    // Room for the red warning sign's width and the frame of a selected cell.
    m_table->setColumnWidth(VerdictColumn, m_table->columnWidth(VerdictColumn) + 16);
    m_summary->setText(failed > 0 ? tr("%1 ターン中 %2 ターンのサイコロが検証に失敗しました。").arg(checked).arg(failed)
                       : checked > 0 ? tr("%1 ターンすべてのサイコロを検証しました。").arg(checked)
                                     : tr("検証できるネット対戦のターンはまだありません。"));
    return failed;
}

void FairnessWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        recheck();
    QWidget::changeEvent(event);
}
