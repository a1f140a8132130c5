#include "TcpRelay.h"

#include <QHostAddress>

namespace nettest {

TcpRelay::TcpRelay(quint16 target) : m_target(target)
{
    m_clock.start();
    m_listener.listen(QHostAddress::LocalHost, 0);
    connect(&m_listener, &QTcpServer::newConnection, this, &TcpRelay::accept);
    connect(&m_pump, &QTimer::timeout, this, &TcpRelay::pump);
    m_pump.start(1);
}

void TcpRelay::accept()
{
    while (QTcpSocket* client = m_listener.nextPendingConnection()) {
        client->setParent(this);
        auto* server = new QTcpSocket(this);
        auto pipe = std::make_unique<Pipe>();
        pipe->up = {client, server, {}};
        pipe->down = {server, client, {}};
        Pipe* p = pipe.get();
        connect(client, &QTcpSocket::readyRead, this, [this, p] { read(p->up); });
        connect(server, &QTcpSocket::readyRead, this, [this, p] { read(p->down); });
        // One side gone: the other goes too, once what was sent to it is through.
        connect(client, &QTcpSocket::disconnected, server, &QTcpSocket::disconnectFromHost);
        connect(server, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        if (!m_source.isNull())
            server->bind(m_source);
        server->connectToHost(QHostAddress::LocalHost, m_target);
        m_pipes.push_back(std::move(pipe));
    }
}

void TcpRelay::read(Direction& direction)
{
    const QByteArray bytes = direction.from->readAll();
    const qint64 due = m_clock.elapsed() + m_delayMs;
    for (qsizetype at = 0; at < bytes.size(); at += m_pieceBytes)
        direction.queue.emplace_back(due, bytes.mid(at, m_pieceBytes));
}

void TcpRelay::pump()
{
    if (m_stalled)
        return;
    const qint64 now = m_clock.elapsed();
    for (const std::unique_ptr<Pipe>& pipe : m_pipes) {
        for (Direction* direction : {&pipe->up, &pipe->down}) {
            // One piece a tick and direction, so that a message arrives in several reads.
            if (!direction->queue.empty() && direction->queue.front().first <= now &&
                direction->to->state() == QAbstractSocket::ConnectedState) {
                direction->to->write(direction->queue.front().second);
                direction->to->flush();
                direction->queue.pop_front();
            }
        }
    }
}

void TcpRelay::cut()
{
    for (const std::unique_ptr<Pipe>& pipe : m_pipes) {
        for (QTcpSocket* socket : {pipe->up.from, pipe->down.from}) {
            socket->abort();
            socket->deleteLater();
        }
    }
    m_pipes.clear();
}

}  // namespace nettest
