#include "net/WebPage.h"

#include "net/RoomCode.h"

#include <QFile>
#include <QRegularExpression>

namespace net {
namespace {

struct PageFile {
    const char* path;
    const char* resource;
    const char* type;
};

constexpr PageFile Files[] = {
    {"/qubrin.js", ":/web/qubrin.js", "text/javascript; charset=utf-8"},
    {"/qubrin.css", ":/web/qubrin.css", "text/css; charset=utf-8"},
};
constexpr PageFile Index{"/", ":/web/index.html", "text/html; charset=utf-8"};

const char* reasonOf(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    case 505: return "HTTP Version Not Supported";
    }
    return "Error";
}

// The host the browser named, as the page's WebSocket will name it; empty when it is not a
// plain host name or address with an optional port.
QByteArray hostOf(const HttpRequest& request)
{
    static const QRegularExpression plain(QStringLiteral(R"(^(\[[0-9A-Fa-f:.]+\]|[A-Za-z0-9.-]{1,253})(:[0-9]{1,5})?$)"));
    const QByteArray host = request.fields.value("host");
    return plain.match(QString::fromLatin1(host)).hasMatch() ? host : QByteArray();
}

QByteArray response(int status, const char* type, const QByteArray& body, const QByteArray& host, bool withBody)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonOf(status) + "\r\n";
    head += "Content-Type: " + QByteArray(type) + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    // Only our own files, and the room's WebSocket on the host the page came from (wss:// when the
    // server speaks TLS, which is below this answer and unknown to it).
    head += "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
            "connect-src " +
            (host.isEmpty() ? QByteArray("'none'") : "ws://" + host + " wss://" + host) +
            "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n";
    head += "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\nCache-Control: no-store\r\n";
    if (status == 405)
        head += "Allow: GET, HEAD\r\n";
    head += "Connection: close\r\n\r\n";
    return withBody ? head + body : head;
}

QByteArray plainText(int status) { return QByteArray::number(status) + ' ' + reasonOf(status) + '\n'; }

// Room codes are read in either case, as in a join.
bool isPagePath(const QString& path)
{
    return path == QLatin1String("/") || isRoomCode(path.mid(1).toUpper());
}

}  // namespace

QUrl WebPage::address(const QHostAddress& host, quint16 port, const QString& code)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host.toString());
    url.setPort(port);
    url.setPath(QLatin1Char('/') + code);
    return url;
}

QByteArray WebPage::refusal(int status) { return response(status, "text/plain; charset=utf-8", plainText(status), {}, true); }

QByteArray WebPage::answer(const HttpRequest& request, bool roomOpen)
{
    const bool head = request.method == "HEAD";
    const auto refuse = [&](int status) { return response(status, "text/plain; charset=utf-8", plainText(status), {}, !head); };
    if (request.method != "GET" && !head)
        return refuse(405);
    // Nothing but plain letters, digits and a query of them: no escapes, no dots walking up.
    static const QRegularExpression target(QStringLiteral(R"(^/[A-Za-z0-9]*(\.[a-z]+)?(\?[A-Za-z0-9=&]{0,64})?$)"));
    const QString text = QString::fromLatin1(request.target);
    if (!target.match(text).hasMatch())
        return refuse(400);
    const QString path = text.section(QLatin1Char('?'), 0, 0);
    const QByteArray host = hostOf(request);
    if (host.isEmpty())
        return refuse(400);
    const PageFile* file = isPagePath(path) ? &Index : nullptr;
    for (const PageFile& candidate : Files) {
        if (path == QLatin1String(candidate.path))
            file = &candidate;
    }
    if (!file)
        return refuse(404);
    if (!roomOpen)
        return refuse(503);
    QFile resource(QString::fromLatin1(file->resource));
    if (!resource.open(QIODevice::ReadOnly))
        return refuse(404);
    return response(200, file->type, resource.readAll(), host, !head);
}

}  // namespace net
