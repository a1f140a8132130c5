#pragma once

#include "settings/GameSettings.h"
#include "ui/options/OptionWindow.h"

class QLabel;
class QPushButton;
class QTableWidget;

// "確率と期待値": every hand the rules can make, with its chance in one throw, its chance as a
// seat's final hand within NAGEKAI throws and what it pays, and the player's expectation.
class frmOdds : public OptionWindow {
    Q_OBJECT
public:
    frmOdds(QWidget* table, const SettingsRecord& settings);

    QLabel* L_rules = nullptr;
    QTableWidget* OddsTable = nullptr;
    QLabel* L_expect = nullptr;
    QPushButton* Command = nullptr;

    // Fills the window from the rules in settings.
    void showOdds(const SettingsRecord& settings);

protected:
    // A new language shows the same rules again in it.
    void changeEvent(QEvent* event) override;

private:
    SettingsRecord m_settings;
};
