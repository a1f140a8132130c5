#include "net/Heartbeat.h"

namespace net {

Heartbeat::Heartbeat(QWebSocket* socket, int intervalMs, QObject* parent)
    : QObject(parent), m_socket(socket), m_intervalMs(intervalMs)
{
    m_sinceLife.start();
    connect(m_socket, &QWebSocket::pong, this, &Heartbeat::alive);
    connect(m_socket, &QWebSocket::textMessageReceived, this, &Heartbeat::alive);
    connect(m_socket, &QWebSocket::connected, this, [this] {
        alive();
        m_timer.start(m_intervalMs);
    });
    connect(m_socket, &QWebSocket::disconnected, &m_timer, &QTimer::stop);
    connect(&m_timer, &QTimer::timeout, this, &Heartbeat::beat);
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        m_timer.start(m_intervalMs);
}

void Heartbeat::beat()
{
    if (m_sinceLife.elapsed() > qint64(SilentBeats) * m_intervalMs)
        m_socket->abort();
    else
        m_socket->ping();
}

}  // namespace net
