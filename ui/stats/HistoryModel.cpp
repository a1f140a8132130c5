#include "ui/stats/HistoryModel.h"

#include "game/GameHistory.h"
#include "game/HistoryTable.h"
#include "ui/widgets/TableColours.h"

#include <QBrush>

namespace {

// Turns alternate between two shades so that a turn's rows read as one block.
const QColor evenTurn(255, 255, 255);
const QColor oddTurn(244, 248, 238);

}  // namespace

HistoryModel::HistoryModel(const GameHistory* history, QObject* parent)
    : QAbstractTableModel(parent), m_history(history), m_rows(historyTable::rowCount(*history)),
      m_seats(history->seats())
{
    connect(history, &GameHistory::changed, this, &HistoryModel::follow);
}

int HistoryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : historyTable::ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const int turn = index.row() / qMax(1, m_seats);
    switch (role) {
    case Qt::DisplayRole:
        return historyTable::cell(*m_history, index.row(), index.column());
    case Qt::ToolTipRole:
        // The reason is the widest cell; the tip shows it whole when the column cuts it.
        if (index.column() == historyTable::ReasonColumn)
            return historyTable::cell(*m_history, index.row(), index.column());
        return {};
    case Qt::TextAlignmentRole: {
        const bool number = index.column() == historyTable::TurnColumn ||
                            (index.column() >= historyTable::BetColumn && index.column() <= historyTable::ScoreColumn);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole: {
        const bool banker = index.row() % qMax(1, m_seats) == m_history->turns()[turn].banker;
        return QBrush(banker ? tableColours::BankerPanel : (turn % 2 == 0 ? evenTurn : oddTurn));
    }
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return historyTable::header(section);
}

void HistoryModel::languageChanged()
{
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, historyTable::ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, historyTable::ColumnCount - 1);
}

void HistoryModel::follow()
{
    const int rows = historyTable::rowCount(*m_history);
    if (rows < m_rows || m_history->seats() != m_seats) {
        beginResetModel();
        m_rows = rows;
        m_seats = m_history->seats();
        endResetModel();
        return;
    }
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    // Only the last turn changes once its rows are there.
    if (rows > 0)
        emit dataChanged(index(rows - m_seats, 0), index(rows - 1, historyTable::ColumnCount - 1));
}
