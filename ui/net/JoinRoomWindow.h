#pragma once

#include "net/RoomCode.h"
#include "settings/GameSettings.h"
#include "ui/net/RoomWindow.h"

class CharacterBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

// 部屋に入る: the server's address, the room code, the player's name and who plays the seat while
// the connection is away, or 観戦 to watch without a seat; 入る joins and the table plays once the
// room welcomes the player. An invitation line pasted into the address fills the address and the
// code. A seat this player was given in that room before (SeatTokens) is taken back by its token.
class JoinRoomWindow : public RoomWindow {
    Q_OBJECT
public:
    JoinRoomWindow(QWidget* table, const SettingsRecord& settings);

    // Fills the address and the code from an invitation.
    void fill(const net::Invitation& invitation);
    // 入る, as its button.
    void enter();

    QLineEdit* joinAddress = nullptr;
    QLineEdit* joinCode = nullptr;
    QLineEdit* joinName = nullptr;
    CharacterBox* joinFallback = nullptr;
    QCheckBox* joinWatch = nullptr;
    QPushButton* joinEnter = nullptr;
    QPushButton* joinCancel = nullptr;

private:
    void addressEdited(const QString& text);
    // What becomes of the kept token when the room welcomes, refuses or closes.
    void followToken(net::Client& client, const net::Invitation& room);
    void failed() override;
};
