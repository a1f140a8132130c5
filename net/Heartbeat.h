#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWebSocket>

namespace net {

// Finds a connection that went silent without closing (a cable pulled, a laptop asleep): pings
// the peer every interval and aborts the socket once nothing, not even a pong, has come for
// SilentBeats intervals. WebSocket peers answer pings by themselves.
class Heartbeat : public QObject {
    Q_OBJECT

public:
    static constexpr int SilentBeats = 3;

    Heartbeat(QWebSocket* socket, int intervalMs, QObject* parent);

    // Nothing, not even a pong, for an interval and a half: a ping went unanswered, the line is
    // most likely dead.
    bool missedBeat() const { return m_sinceLife.elapsed() > qint64(m_intervalMs) * 3 / 2; }

private:
    void alive() { m_sinceLife.start(); }
    void beat();

    QWebSocket* m_socket;
    int m_intervalMs;
    QTimer m_timer;
    QElapsedTimer m_sinceLife;
};

}  // namespace net
