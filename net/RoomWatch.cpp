#include "net/RoomWatch.h"

namespace net {

RoomWatch::RoomWatch(int idleMs, int emptyMs, QObject* parent) : QObject(parent)
{
    for (QTimer* timer : {&m_idle, &m_empty})
        timer->setSingleShot(true);
    m_idle.setInterval(idleMs);
    m_empty.setInterval(emptyMs);
    connect(&m_idle, &QTimer::timeout, this, &RoomWatch::idle);
    connect(&m_empty, &QTimer::timeout, this, &RoomWatch::empty);
    m_idle.start();
}

void RoomWatch::occupied(bool anybody)
{
    if (anybody)
        m_empty.stop();
    else if (!m_empty.isActive())
        m_empty.start();
}

}  // namespace net
