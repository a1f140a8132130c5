#pragma once

#include <QObject>
#include <QTimer>

namespace net {

// The server's two clocks on one room: the time since any participant last sent it something,
// and the time nobody has been connected to it. Either running out means the room holds nothing
// worth keeping.
class RoomWatch : public QObject {
    Q_OBJECT

public:
    RoomWatch(int idleMs, int emptyMs, QObject* parent);

    // A participant sent the room a message.
    void heard() { m_idle.start(); }
    // How many connections the room holds now.
    void occupied(bool anybody);

signals:
    void idle();
    void empty();

private:
    QTimer m_idle;
    QTimer m_empty;
};

}  // namespace net
