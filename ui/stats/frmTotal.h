#pragma once

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class RowLabel;

// The tally of hands: one column of counts per seat, one row per hand, the row sums, and the count
// each row is expected to have among the hands counted, with a test of the dice on those counts.
// It shows the counts as they were when it opened; reopening it recomputes them.
class frmTotal : public QWidget {
    Q_OBJECT
public:
    explicit frmTotal(QWidget* table);

    RowLabel* Label7 = nullptr;
    std::array<RowLabel*, 6> Label1{};
    std::array<RowLabel*, 6> Label{};
    QLabel* Total = nullptr;
    RowLabel* Total_Label = nullptr;
    QLabel* Expect = nullptr;
    RowLabel* Expect_Label = nullptr;
    QLabel* L_fair = nullptr;  // "サイコロの公平性" and its p-value
    std::array<QFrame*, 9> Line1{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

    void Command2_Click();
    void Command1_Click();

private:
    void buildControls();
    void Form_Load();
    void showCounts(int seats);
    void showExpected();
};
