#include "ui/options/frmOdds.h"

#include "game/HandName.h"
#include "game/HandOdds.h"
#include "game/HandRanking.h"
#include "settings/GameSettings.h"
#include "ui/options/OddsText.h"
#include "ui/widgets/TableColours.h"
#include "ui/widgets/Twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { HandColumn, PerThrowColumn, FinalColumn, PayColumn, Columns };

// The rule options that change hands or payments, by number, with a short name.
struct RuleName {
    int option;
    const char* name;
};
constexpr RuleName ruleNames[] = {
    {3, QT_TRANSLATE_NOOP("frmOdds", "1のゾロ目5倍勝ち")},   {4, QT_TRANSLATE_NOOP("frmOdds", "1のゾロ目3倍負け")},
    {5, QT_TRANSLATE_NOOP("frmOdds", "5のゾロ目5倍勝ち")},   {1, QT_TRANSLATE_NOOP("frmOdds", "親6の目で子も振る")},
    {2, QT_TRANSLATE_NOOP("frmOdds", "親1の目で子も振る")}, {12, QT_TRANSLATE_NOOP("frmOdds", "場外は振り直し")},
};

QString rulesText(const SettingsRecord& settings)
{
    QStringList on;
    for (const RuleName& rule : ruleNames)
        if (settings.option(rule.option))
            on << frmOdds::tr(rule.name);
    return frmOdds::tr("振る回数 %1回　特別ルール：%2")
        .arg(std::max<qint32>(settings.NAGEKAI, 1))
        .arg(on.isEmpty() ? frmOdds::tr("なし") : on.join(frmOdds::tr("、")));
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

frmOdds::frmOdds(QWidget* table, const SettingsRecord& settings)
    : OptionWindow(table, QStringLiteral("frmOdds"), [] { return tr("確率と期待値"); })
{
    L_rules = new QLabel(this);
    L_rules->setObjectName(QStringLiteral("L_rules"));
    content()->addWidget(L_rules);

    OddsTable = new QTableWidget(0, Columns, this);
    OddsTable->setObjectName(QStringLiteral("OddsTable"));
    OddsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OddsTable->setSelectionMode(QAbstractItemView::NoSelection);
    OddsTable->verticalHeader()->hide();
    OddsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OddsTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content()->addWidget(OddsTable);

    L_expect = new QLabel(this);
    L_expect->setObjectName(QStringLiteral("L_expect"));
    content()->addWidget(L_expect);

    Command = addCloseButton();
    showOdds(settings);
    centreOnScreen();
}

void frmOdds::showOdds(const SettingsRecord& settings)
{
    m_settings = settings;
    const rules::TurnOdds odds = rules::turnOdds(settings);
    L_rules->setText(rulesText(settings));
    OddsTable->setHorizontalHeaderLabels(
        {tr("役"), tr("1投の確率"), tr("最終の役（%1投まで）").arg(std::max<qint32>(settings.NAGEKAI, 1)), tr("配当")});
    OddsTable->setRowCount(int(odds.rows.size()));
    for (int row = 0; row < int(odds.rows.size()); ++row) {
        const rules::HandOddsRow& hand = odds.rows[size_t(row)];
        QTableWidgetItem* name = cell(rules::handName(hand.value), Qt::AlignLeft);
        name->setForeground(tableColours::ofHand(rules::handColour(hand.value)));
        OddsTable->setItem(row, HandColumn, name);
        OddsTable->setItem(row, PerThrowColumn, cell(oddsText::percent(hand.perThrow), Qt::AlignRight));
        OddsTable->setItem(row, FinalColumn, cell(oddsText::percent(hand.finalHand), Qt::AlignRight));
        OddsTable->setItem(row, PayColumn, cell(oddsText::payFactor(hand.payFactor), Qt::AlignRight));
    }
    OddsTable->resizeColumnsToContents();
    OddsTable->resizeRowsToContents();
    // The whole table at once, with no scroll bar: as large as its header, cells and frame.
    const int frame = 2 * OddsTable->frameWidth();
    int width = frame, height = frame + OddsTable->horizontalHeader()->sizeHint().height();
    for (int column = 0; column < Columns; ++column) {
        OddsTable->setColumnWidth(column, OddsTable->columnWidth(column) + twips(150));  // air around the text
        width += OddsTable->columnWidth(column);
    }
    for (int row = 0; row < OddsTable->rowCount(); ++row)
        height += OddsTable->rowHeight(row);
    OddsTable->setFixedSize(width, height);
    L_expect->setText(oddsText::expectation(odds));
}

void frmOdds::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showOdds(m_settings);
    OptionWindow::changeEvent(event);
}
