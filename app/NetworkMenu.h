#pragma once

#include <QObject>
#include <QPointer>

class FairnessWindow;
class HostRoomWindow;
class JoinRoomWindow;
class QAction;
class QMenu;
class RoomWindow;
class frmMain;
namespace net {
struct Invitation;
}  // namespace net

// The ネット対戦 / Network menu: 部屋を作る and 部屋に入る open their windows, whose welcomed client the
// table then plays with; 部屋を出る, enabled while the table plays in a room, leaves it (a host ends it);
// 公平性の検証 lists and checks again the dice of the game's network turns.
class NetworkMenu : public QObject {
    Q_OBJECT
public:
    NetworkMenu(QMenu& menu, frmMain& table);

    void host();
    void join();
    // The join window filled in from an invitation.
    void joinBy(const net::Invitation& invitation);
    void leave();
    // 公平性の検証: the proofs of the table's network game, while it plays or after.
    void fairness();

    QAction* netHost = nullptr;
    QAction* netJoin = nullptr;
    QAction* netLeave = nullptr;
    QAction* netFairness = nullptr;
    // The open or playing window, if any.
    HostRoomWindow* hostWindow() const;
    JoinRoomWindow* joinWindow() const;

private:
    void follow(RoomWindow* window);
    void showState();

    frmMain& m_table;
    QPointer<HostRoomWindow> m_host;
    QPointer<JoinRoomWindow> m_join;
    QPointer<FairnessWindow> m_fairness;
};
