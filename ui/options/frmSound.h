#pragma once

#include "ui/options/OptionWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;

// "効果音": switches the sound effects on and off. Its check box works on SoundFlag directly and
// leaves the table's menu marks as they are; soundChanged tells the table to show the new state.
class frmSound : public OptionWindow {
    Q_OBJECT
public:
    explicit frmSound(QWidget* table);

    QLabel* sound_Image = nullptr;
    QCheckBox* P_sound = nullptr;
    QPushButton* Command = nullptr;

    void P_sound_Click();

signals:
    void soundChanged();

private:
    void Form_Load();
};
