#include "net/WebFront.h"

#include "net/HttpRequest.h"
#include "net/WebPage.h"

#include <QTcpSocket>
#include <QTimer>

namespace net {
namespace {

// How long an answered socket may take to send its answer before it is dropped.
constexpr int AnswerMilliseconds = 5000;

}  // namespace

WebFront::WebFront(std::function<bool()> roomOpen, int headMs, QObject* parent)
    : QObject(parent), m_roomOpen(std::move(roomOpen)), m_headMs(headMs)
{
}

void WebFront::take(QTcpSocket* socket)
{
    if (m_waiting >= MaxWaiting) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++m_waiting;
    auto* deadline = new QTimer(socket);
    deadline->setObjectName(QStringLiteral("headDeadline"));
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { look(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        --m_waiting;
        disconnect(socket, nullptr, this, nullptr);
        socket->deleteLater();
    });
    deadline->start(m_headMs);
    if (socket->bytesAvailable() > 0)
        look(socket);
}

void WebFront::look(QTcpSocket* socket)
{
    const QByteArray bytes = socket->peek(HttpRequest::MaxHeadBytes + 1);
    const qsizetype length = HttpRequest::headLength(bytes);
    const bool tooLong = bytes.size() > HttpRequest::MaxHeadBytes ||
                         (!bytes.contains("\r\n") && bytes.size() > HttpRequest::MaxLineBytes);
    if (length == 0 && !tooLong)
        return;
    const std::variant<HttpRequest, int> parsed = HttpRequest::parse(length > 0 ? bytes.left(length) : bytes);
    if (const int* status = std::get_if<int>(&parsed)) {
        answer(socket, WebPage::refusal(*status));
        return;
    }
    const HttpRequest& request = std::get<HttpRequest>(parsed);
    if (!request.isUpgrade()) {
        socket->read(length);
        answer(socket, WebPage::answer(request, m_roomOpen()));
        return;
    }
    --m_waiting;
    disconnect(socket, nullptr, this, nullptr);
    delete socket->findChild<QTimer*>(QStringLiteral("headDeadline"), Qt::FindDirectChildrenOnly);
    emit upgrade(socket);
}

void WebFront::answer(QTcpSocket* socket, const QByteArray& bytes)
{
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    socket->write(bytes);
    socket->disconnectFromHost();
    if (QTimer* deadline = socket->findChild<QTimer*>(QStringLiteral("headDeadline"), Qt::FindDirectChildrenOnly))
        deadline->start(AnswerMilliseconds);
}

}  // namespace net
