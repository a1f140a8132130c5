#pragma once

#include <QObject>

#include <functional>

class QTcpSocket;

namespace net {

// The first look at every socket of a server's port: it waits, bounded in bytes and time, for
// the head of the first request without consuming it. A WebSocket handshake goes on to
// `upgrade`, whose receiver reads the very same bytes; a plain HTTP request gets the phone page
// (net/WebPage) and the socket is closed.
class WebFront : public QObject {
    Q_OBJECT

public:
    // Sockets waiting for their head at once; one more is dropped.
    static constexpr int MaxWaiting = 256;

    // `roomOpen`: whether the page may be served now; `headMs`: how long a socket may take to
    // send its first request's head.
    WebFront(std::function<bool()> roomOpen, int headMs, QObject* parent = nullptr);

    // Looks at the socket (it keeps its parent) until it is handed on by `upgrade` or closed.
    void take(QTcpSocket* socket);
    int waiting() const { return m_waiting; }

signals:
    void upgrade(QTcpSocket* socket);

private:
    void look(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& bytes);

    std::function<bool()> m_roomOpen;
    int m_headMs;
    int m_waiting = 0;
};

}  // namespace net
