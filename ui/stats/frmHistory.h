#pragma once

#include <QWidget>

class GameHistory;
class HistoryModel;
class QPushButton;
class QTableView;

// Every turn of the game as it is played, one row per seat and turn, above a chart of the scores.
// The rows can be copied to the clipboard or saved as a CSV file (UTF-8).
class frmHistory : public QWidget {
    Q_OBJECT
public:
    frmHistory(QWidget* table, const GameHistory* history);

    QTableView* HistoryGrid = nullptr;
    // The chart of the scores; null when its plugin cannot be loaded.
    QWidget* scoreChart = nullptr;
    QPushButton* copyCommand = nullptr;
    QPushButton* saveCommand = nullptr;
    QPushButton* closeCommand = nullptr;

    void copyCommand_Click();
    void saveCommand_Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showLastTurn();
    void drawChart();

    const GameHistory* m_history;
    HistoryModel* m_model = nullptr;
    qsizetype m_chartedTurns = -1;
};
