#pragma once

#include <QByteArray>
#include <QHash>

#include <variant>

namespace net {

// The head of one plain HTTP/1.x request as it came off a socket, before anything of it is
// trusted: its line and its header fields (names lower-cased).
struct HttpRequest {
    // The longest request line and the longest head a connection may send.
    static constexpr qsizetype MaxLineBytes = 2048;
    static constexpr qsizetype MaxHeadBytes = 8192;

    QByteArray method;
    QByteArray target;
    QHash<QByteArray, QByteArray> fields;

    // The length of the head at the start of `bytes` (its blank line included), 0 while it is
    // not complete yet.
    static qsizetype headLength(const QByteArray& bytes);
    // The head, or the status that refuses it (400 malformed, 414 line too long, 431 head too
    // large, 505 not HTTP/1.x). `head` may be incomplete only when it is already too long.
    static std::variant<HttpRequest, int> parse(const QByteArray& head);

    // A WebSocket opening handshake: the WebSocket server takes the socket.
    bool isUpgrade() const;
};

}  // namespace net
