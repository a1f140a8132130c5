#pragma once

#include <QWidget>

#include <array>

class GameHistory;
class QLabel;
class QPushButton;

// The standings of the game, best first: rank, portrait, name, score, gain or loss against the
// starting score, turns held as banker and best hand of every seat in play. After the last turn
// it is the game's result; during a game, the standings so far, following the game.
// Row i of the arrays is the i-th place, not seat i.
class frmResult : public QWidget {
    Q_OBJECT
public:
    frmResult(QWidget* table, const GameHistory* history);

    QLabel* headLab = nullptr;
    std::array<QLabel*, 6> rankLab{};
    std::array<QLabel*, 6> R_Picture{};
    std::array<QLabel*, 6> nameLab{};
    std::array<QLabel*, 6> scoLab{};
    std::array<QLabel*, 6> gainLab{};
    std::array<QLabel*, 6> oyaLab{};
    std::array<QLabel*, 6> bestLab{};
    QPushButton* closeCommand = nullptr;

private:
    void buildControls();
    void showStandings();

    const GameHistory* m_history;
};
