#pragma once

#include <QWidget>

class GameHistory;
class QLabel;
class QTableWidget;

// 公平性の検証: every turn of the history that a room gave a proof for, with its commitment, seed,
// contributions and verdict. The verdicts are worked out again from the history's own faces when
// it changes and whenever the player asks (もう一度検証).
class FairnessWindow : public QWidget {
    Q_OBJECT
public:
    FairnessWindow(QWidget* table, const GameHistory& history);

    // Checks every turn again; the number of turns that failed.
    int recheck();

protected:
    void changeEvent(QEvent* event) override;

private:
    const GameHistory& m_history;
    QTableWidget* m_table = nullptr;
    QLabel* m_summary = nullptr;
};
