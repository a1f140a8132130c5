#pragma once

#include "net/RoomMessages.h"
#include "settings/GameSettings.h"
#include "ui/net/RoomWindow.h"

#include <QPointer>
#include <QVector>

class CharacterBox;
class QrCodeView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
namespace net {
class Server;
}  // namespace net

// 部屋を作る: the host's choices (address and port, whether phones may join and at which of this
// machine's addresses, the host's own seat, the seats open to remote players, the time for bets, how
// long a dropped seat is kept, who plays the host's seat while its connection is away, whether
// spectators may watch), then a room on a server of this process: its code, the invitation line, the
// phone page's address as a QR code, who has joined, how many watch, and 開始.
// The room's rules are a snapshot of `settings`: a closed seat is played by the computer.
class HostRoomWindow : public RoomWindow {
    Q_OBJECT
public:
    HostRoomWindow(QWidget* table, const SettingsRecord& settings);
    // Ends the room for everybody in it.
    ~HostRoomWindow() override;

    // The rules the room would be made with from the choices shown.
    SettingsRecord roomSettings() const;

    QLineEdit* hostAddress = nullptr;
    QCheckBox* hostPhones = nullptr;
    QComboBox* hostPhoneAddress = nullptr;
    QSpinBox* hostPort = nullptr;
    QComboBox* hostSeat = nullptr;
    QVector<QCheckBox*> hostOpen;  // hostOpen_i, one a seat in play
    QSpinBox* hostBetSeconds = nullptr;
    QSpinBox* hostRejoinSeconds = nullptr;
    CharacterBox* hostFallback = nullptr;
    QCheckBox* hostSpectators = nullptr;
    QPushButton* hostCreate = nullptr;
    QLabel* hostCode = nullptr;
    QLineEdit* hostInvitation = nullptr;
    QPushButton* hostCopy = nullptr;
    QrCodeView* hostQr = nullptr;
    QLabel* hostPageAddress = nullptr;
    QListWidget* hostPlayers = nullptr;
    QLabel* hostWatching = nullptr;  // how many watch, empty when nobody
    QPushButton* hostStart = nullptr;
    QPushButton* hostClose = nullptr;

private:
    void buildChoices();
    void buildPhones();
    void buildRoom();
    void buildPage();
    // Phones or not: the room listens on the chosen address of this machine, or on the one typed.
    void phonesChosen();
    void seatChosen();
    void createRoom();
    void welcomed(const net::WelcomeMessage& welcome);
    void showSeats(const QVector<net::SeatInfo>& seats);
    void showSpectators(int count);
    void failed() override;
    void stopServer();
    void enableChoices(bool enabled);

    SettingsRecord m_settings;
    QPointer<net::Server> m_server;
    std::optional<net::WelcomeMessage> m_welcome;
    QString m_typedAddress;
    int m_askedPort = net::DefaultPort;  // the port field's value before the room took its port
};
