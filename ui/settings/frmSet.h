#pragma once

#include "game/ComputerCharacter.h"

#include <QWidget>

#include <array>

class ChoiceBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The settings dialog: seats, numbers and rule options on three tabs, with load, save, OK,
// Cancel and Help. Its controls are the working copy of GameSettings, filled at each opening;
// five number fields store into GameSettings as they change, the rest only on OK.
// Every control is a member named as the control and carries that name as its objectName;
// per-seat controls are arrays indexed by seat and named name_i.
class frmSet : public QWidget {
    Q_OBJECT
public:
    explicit frmSet(QWidget* table);

    QTabWidget* SSTab1 = nullptr;

    // Tab "参加者".
    QGroupBox* Frame2 = nullptr;
    QLabel* L_Comninzu = nullptr;
    ChoiceBox* Comninzu = nullptr;
    std::array<QLabel*, 6> L_seat{};  // the row's number, seat + 1
    std::array<QLineEdit*, 6> P_nameTex{};
    std::array<QCheckBox*, 6> P_flgCheck{};
    std::array<QComboBox*, 6> Comchar{};  // the seat's character when the computer plays it
    std::array<ChoiceBox*, 6> Comimag{};
    std::array<QLabel*, 6> P_Imag{};
    QGroupBox* Frame8 = nullptr;
    std::array<QLabel*, 9> L_Image2{};  // "--1--" .. "--9--" over the pictures
    std::array<QLabel*, 9> Image2{};

    // Tab "数値設定".
    QGroupBox* Frame10 = nullptr;
    QLabel* L_Txtscore = nullptr;
    QLineEdit* Txtscore = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* L_txtBETMAX = nullptr;
    QLineEdit* txtBETMAX = nullptr;
    QLabel* L_txtBETMIN = nullptr;
    QLineEdit* txtBETMIN = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* L_txtLAST = nullptr;
    QLineEdit* txtLAST = nullptr;
    QLabel* L_Comoya = nullptr;
    ChoiceBox* Comoya = nullptr;
    QLabel* L_Comnagekai = nullptr;
    ChoiceBox* Comnagekai = nullptr;

    // Tab "特別ﾙｰﾙ".
    QGroupBox* Frame4 = nullptr;  // "特別配当"
    QGroupBox* Frame5 = nullptr;  // "親の出目で子は？"
    QGroupBox* Frame6 = nullptr;  // "親のスルー"
    QGroupBox* Frame7 = nullptr;  // "親の出目でスルーする"
    QGroupBox* Frame9 = nullptr;  // "その他"
    QCheckBox* P_Check1 = nullptr;
    QCheckBox* P_Check2 = nullptr;
    QCheckBox* P_Check3 = nullptr;
    QCheckBox* P_Check4 = nullptr;
    QCheckBox* P_Check5 = nullptr;
    QCheckBox* P_Check6 = nullptr;
    QCheckBox* P_Check7 = nullptr;
    QCheckBox* P_Check8 = nullptr;
    QCheckBox* P_Check9 = nullptr;
    QCheckBox* P_Check10 = nullptr;
    QCheckBox* P_Check11 = nullptr;
    QCheckBox* P_Check12 = nullptr;
    // The player's expectation and the banker's edge under the ticked options and the throws chosen.
    QLabel* L_odds = nullptr;
    // House rules by name: choosing one ticks its options and sets its throws and banker turns; it
    // shows the name only while the options, throws and turns match one, with its two-line description.
    QLabel* L_Comrule = nullptr;
    QComboBox* Comrule = nullptr;
    QLabel* L_preset = nullptr;

    QPushButton* cmdWPPS = nullptr;
    QPushButton* cmdGPPS = nullptr;
    QPushButton* OKCom = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* helpcom = nullptr;
    // The settings file in use; never shown.
    QLineEdit* txtPath = nullptr;

    // Handlers.
    void Comninzu_Click();
    void Comimag_Click(int index);
    void Txtscore_Change();
    void txtBETMAX_Change();
    void txtBETMIN_Change();
    void txtLAST_Change();
    void Comoya_Change();
    void Comnagekai_Change();
    void P_Check3_Click();
    void P_Check4_Click();
    void P_Check5_Click();
    void P_Check6_Click();
    void P_Check7_Click();
    void Comrule_Click(int index);
    void OKCom_Click();
    void cmdQuit_Click();
    void helpcom_Click();
    void cmdWPPS_Click();
    void cmdGPPS_Click();
    // Fills the dialog from the DiceGame section of the file named in txtPath.
    void ReadSettingsIntoDialog();

signals:
    // OK stored the dialog into GameSettings: the table shows what changed.
    void settingsApplied();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* buildSeatsTab();
    QWidget* buildNumbersTab();
    QWidget* buildRulesTab();
    QWidget* buildSeatRow(int seat, QWidget* parent);
    void connectControls();
    // The least size that shows every text of the language in force.
    void fitToTexts();
    void Form_Load();
    void LockSettings();
    void UnlockSettings();
    void applyStoredInterlocks();
    void showRuleOdds();
    void showPresetName();
    void excludeOtherPayouts(bool onesPayFive);
    // The controls a running game locks, but for the seats' "自動にする".
    std::array<QWidget*, 22> lockedInGame() const;
    void setSeatRowEnabled(int seat, bool enabled);

    // The dialog's own entries count as edits: the field's check runs even on an unchanged text.
    void putText(QLineEdit* field, const QString& text);
    // A settings-file key's control (by its place in settingsKeys()): its text, and putting one in.
    QString fieldText(int key) const;
    void putField(int key, const QString& value);

    // The preview of the seat's picture number, or none when the text is no number.
    void showPortrait(int seat);
    // The default settings file in the settings folder: where the file dialogs start, and txtPath's first value.
    static QString presetPath();

    std::array<QCheckBox*, 12> checks() const;
    // The characters the seats' boxes show, and showing them.
    rules::SeatCharacters chosenCharacters() const;
    void showCharacters(const rules::SeatCharacters& characters);
    // Only the ticked state counts as ticked; clear and greyed boxes count as clear.
    static bool ticked(const QCheckBox* box);
};
