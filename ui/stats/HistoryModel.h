#pragma once

#include <QAbstractTableModel>

class GameHistory;

// The turns of a game for a table view, one row per seat and turn. It follows the history:
// rows are appended as turns open, the last turn's rows change as its dice fall and its bets
// are paid, and a new game starts the rows afresh.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    HistoryModel(const GameHistory* history, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Every text is shown again in the language in force.
    void languageChanged();

private:
    void follow();

    const GameHistory* m_history;
    int m_rows = 0;
    int m_seats = 0;
};
