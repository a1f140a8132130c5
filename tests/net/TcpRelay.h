#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <memory>
#include <vector>

// A relay on the loopback address between clients and a server, standing in for a bad network:
// every write is held back by a delay and split into small pieces sent one by one, a stall holds
// everything until it is released, and a cut drops every relayed connection at once.
namespace nettest {

class TcpRelay : public QObject {
public:
    explicit TcpRelay(quint16 target);

    quint16 port() const { return m_listener.serverPort(); }
    void setDelay(int ms) { m_delayMs = ms; }
    void setPieceBytes(int bytes) { m_pieceBytes = bytes; }
    void stall(bool held) { m_stalled = held; }
    // The server then sees the relayed connections come from this loopback address (127.0.0.2, say).
    void setSourceAddress(const QHostAddress& source) { m_source = source; }
    void cut();
    int connections() const { return static_cast<int>(m_pipes.size()); }

private:
    struct Direction {
        QTcpSocket* from = nullptr;
        QTcpSocket* to = nullptr;
        std::deque<std::pair<qint64, QByteArray>> queue;  // due time, piece
    };
    struct Pipe {
        Direction up, down;
    };
    void accept();
    void read(Direction& direction);
    void pump();

    quint16 m_target;
    QHostAddress m_source;
    QTcpServer m_listener;
    QTimer m_pump;
    QElapsedTimer m_clock;
    std::vector<std::unique_ptr<Pipe>> m_pipes;
    int m_delayMs = 0;
    int m_pieceBytes = 1 << 16;
    bool m_stalled = false;
};

}  // namespace nettest
