#pragma once

#include "game/TableFlow.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class CommandLabel;
class ClickableImage;
class Shape;
class LanguageMenu;
class NetworkMenu;
class TableZoom;
class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class GameHistory;
class HistoryRecorder;
class frmHistory;
class frmResult;
class frmSet;
class frmSound;
class frmSpeed;
class frmOdds;
class frmTotal;
class RoomTable;
namespace net {
class Client;
struct WelcomeMessage;
}  // namespace net

// The table: six seats around it, the command labels that drive a game, the menus.
// Every control is a member named as the control and carries that name as its objectName;
// per-seat controls are arrays indexed by seat and named name_i.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The game engine decides every step of a game; the window paces and shows them. `state` is
    // the engine's TableState, read by the display code and by tests.
    TableFlow flow;
    TableState& state;
    // Every turn of the present or last game, recorded from the engine's events.
    GameHistory* history = nullptr;

    // Per seat.
    std::array<QLabel*, 6> P_Picture{};
    std::array<QLabel*, 6> P_nameLab{};
    std::array<QLabel*, 6> P_scoLab{};
    std::array<QLabel*, 6> P_betLab{};
    std::array<QScrollBar*, 6> HScr{};
    std::array<QLabel*, 6> bent_Image{};
    std::array<QLabel*, 6> auto_Image{};
    // A computer seat's reason for its last decision, in two lines over its dice tray until it throws.
    std::array<QLabel*, 6> P_reason{};
    std::array<Shape*, 6> P_Shape{};
    std::array<Shape*, 6> Shape3{};
    std::array<Shape*, 6> P_Shape2{};
    std::array<QLabel*, 6> oya_Lab{};
    std::array<QLabel*, 6> P_kail{};
    std::array<QLabel*, 6> P_yaku{};
    std::array<QLabel*, 6> P_Label{};
    std::array<QLabel*, 6> Image1{};
    std::array<QLabel*, 6> Image2{};
    std::array<QLabel*, 6> Image3{};
    std::array<QLabel*, 2> Image4{};

    QLabel* Turn = nullptr;
    QLabel* LabLAST = nullptr;
    QLabel* LabOYA = nullptr;
    QLabel* LabNAGEKAI = nullptr;
    QLabel* LabBETMIN = nullptr;
    QLabel* LabBETMAX = nullptr;
    QLabel* L_LabLAST = nullptr;
    QLabel* L_LabOYA = nullptr;
    QLabel* L_LabNAGEKAI = nullptr;
    QLabel* L_LabBETMIN = nullptr;
    QLabel* L_LabBETMAX = nullptr;
    CommandLabel* bent_Label = nullptr;
    CommandLabel* turn_Label = nullptr;
    CommandLabel* turn2_Label = nullptr;
    CommandLabel* suru_Label = nullptr;
    ClickableImage* speed_Image = nullptr;
    ClickableImage* sound_Image = nullptr;
    QLabel* gameLab = nullptr;
    QLabel* changeLab = nullptr;
    QLabel* oya = nullptr;
    QLabel* dsp = nullptr;
    QLabel* speedLab = nullptr;
    QLabel* soundLab = nullptr;

    QMenu* Game = nullptr;
    QMenu* set = nullptr;
    QMenu* speed = nullptr;
    QMenu* sound = nullptr;
    QMenu* view = nullptr;
    QMenu* heip = nullptr;
    LanguageMenu* languageMenu = nullptr;
    NetworkMenu* networkMenu = nullptr;
    QAction* setting = nullptr;
    QAction* Gamein = nullptr;
    QAction* Gameout = nullptr;
    QAction* iniread = nullptr;
    QAction* line = nullptr;
    QAction* GameEnd = nullptr;
    QAction* total = nullptr;
    QAction* turnHistory = nullptr;
    QAction* gameResult = nullptr;
    QAction* P_speedHi = nullptr;
    QAction* P_speedLo = nullptr;
    QAction* P_soundon = nullptr;
    QAction* P_soundoff = nullptr;
    QAction* P_Help1 = nullptr;
    QAction* P_readme = nullptr;
    QAction* P_odds = nullptr;
    QAction* GameVer = nullptr;

    // The size of the table and its windows, chosen in the menu view.
    TableZoom* tableZoom = nullptr;

    // The windows opened from the table; each exists only while it is open.
    QPointer<frmSet> settingsWindow;
    QPointer<frmTotal> tallyWindow;
    QPointer<frmSound> soundWindow;
    QPointer<frmSpeed> speedWindow;
    QPointer<frmOdds> oddsWindow;
    QPointer<frmHistory> historyWindow;
    QPointer<frmResult> resultWindow;

    // Disables the four command labels.
    void P_False();
    // Reads the settings file at SettingsPath into GameSettings and the five setting labels.
    void ReadSettingsFile();

    // What the settings dialog's OK changes: outside a game the five setting labels, the seats in
    // play with their scores and the window's size; always the names and portraits of the seats.
    void showSettingLabels();

    // Menu and command handlers.
    void setting_Click();
    void Total_Click();
    void turnHistory_Click();
    void gameResult_Click();
    void iniread_Click();
    void Gamein_Click();
    void Gameout_Click();
    void bent_Label_Click();
    void HScr_Change(int seat);
    void turn_Label_Click();
    void turn2_Label_Click();
    void suru_Label_Click();
    void P_soundon_Click();
    void P_soundoff_Click();
    void sound_Image_Click();
    void P_speedHi_Click();
    void P_speedLo_Click();
    void speed_Image_Click();
    void P_Help1_Click();
    void P_readme_Click();
    void P_odds_Click();
    void GameVer_Click();
    void GameEnd_Click();

    // The sound and speed pictures and labels of the table, from SoundFlag and SpeedLevel.
    void showSoundState();
    void showSpeedState();
    // Closes the sound and speed windows if they are open.
    void closeOptionWindows();

    // The table follows a room: `client` has been welcomed (the welcome is given) and stays alive
    // while the table plays in it; the room's steps, not this window's keyboard, drive the game.
    void playInRoom(net::Client& client, const net::WelcomeMessage& welcome);
    // The room the table plays in, null at a single screen.
    RoomTable* room() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The room's steps are played through the same steps as the single screen's commands.
    friend class RoomTable;
    void startGame(int seconds);
    void showGameTable();
    void openTableBets(const std::function<float()>& draw);
    void throwTurn();
    void endTableTurn();
    void passBank();
    void interruptGame();
    // Back to the single screen: the settings file read again, the table empty.
    void leaveRoom();

    void buildMenus();
    void buildTable();
    void buildSeat(int seat);
    void connectControls();
    void Form_Load();
    void layOutEmptyTable();
    void showSeat(int seat, bool inPlay);
    void sizeForSeats();
    void showPortrait(int seat);

    void OpenTurn();
    void showReason(int seat, const rules::Reason& reason);
    void ShowPassCommand();
    void clearTable();
    void RollDice();
    void AnimateDice();
    void JudgeHand();
    void ShowHand();
    void SettleTurn();
    bool Wait(int ms);
    void showDice(int seat, const std::array<qint16, 3>& faces);

    std::array<qint16, 3> RollFaces{};  // faces of the present animation frame

    std::unique_ptr<HistoryRecorder> m_recorder;
    QPointer<RoomTable> m_room;
};
