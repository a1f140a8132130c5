#pragma once

#include "ui/options/OptionWindow.h"

class QLabel;
class QPushButton;

// "スピード": steps SpeedLevel by 2 within 1..19 (the menu keeps to 1..17). A button clicked at
// its limit hides itself and comes back when the other button is clicked.
class frmSpeed : public OptionWindow {
    Q_OBJECT
public:
    explicit frmSpeed(QWidget* table);

    QLabel* speed_Image = nullptr;
    QPushButton* speed_up = nullptr;
    QPushButton* speed_down = nullptr;
    QPushButton* Command = nullptr;

    void speed_up_Click();
    void speed_down_Click();

signals:
    // SpeedLevel changed: the table shows the new level.
    void speedChanged();

private:
    void Form_Load();
    void showSpeed();
};
