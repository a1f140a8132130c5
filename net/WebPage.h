#pragma once

#include "net/HttpRequest.h"

#include <QByteArray>
#include <QHostAddress>
#include <QUrl>

namespace net {

// The phone page's few files, built in as resources, and the answer to a plain HTTP request for
// one of them: the page at `/`, `/?room=CODE` or `/CODE`, its script and style by their names.
// Every answer closes the connection and forbids anything from another origin.
class WebPage {
public:
    // The whole answer: status line, header fields and body. `roomOpen`: whether the server
    // holds a room now; without one nothing is served.
    static QByteArray answer(const HttpRequest& request, bool roomOpen);
    // The answer refusing a request before it could be read (400, 414, 431, 505, ...).
    static QByteArray refusal(int status);
    // The page's address for a room on a server listening at `host` and `port`.
    static QUrl address(const QHostAddress& host, quint16 port, const QString& code);
};

}  // namespace net
