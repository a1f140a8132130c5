#pragma once

#include "ui/options/OptionWindow.h"

class frmMain;
class QCheckBox;
class QLabel;
class QPushButton;

// "効果音": switches the sound effects on and off. Its check box works on SoundFlag directly and
// leaves the table's menu marks as they are; the table's picture follows at once.
class frmSound : public OptionWindow {
    Q_OBJECT
public:
    explicit frmSound(frmMain& table);

    QLabel* sound_Image = nullptr;
    QCheckBox* P_sound = nullptr;
    QPushButton* Command = nullptr;

    void P_sound_Click();

private:
    void Form_Load();

    frmMain& m_table;
};
