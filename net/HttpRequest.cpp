#include "net/HttpRequest.h"

#include <QList>

namespace net {
namespace {

constexpr int MaxFields = 64;

bool isToken(const QByteArray& text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letter && !QByteArrayView("!#$%&'*+-.^_`|~").contains(c))
            return false;
    }
    return true;
}

bool isVisible(const QByteArray& text)
{
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f)
            return false;
    }
    return true;
}

}  // namespace

qsizetype HttpRequest::headLength(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    return end < 0 ? 0 : end + 4;
}

std::variant<HttpRequest, int> HttpRequest::parse(const QByteArray& head)
{
    const qsizetype lineEnd = head.indexOf("\r\n");
    if (lineEnd < 0 ? head.size() > MaxLineBytes : lineEnd > MaxLineBytes)
        return 414;
    const qsizetype length = headLength(head);
    if (length == 0 || length > MaxHeadBytes)
        return length == 0 && head.size() <= MaxHeadBytes ? 400 : 431;
    QList<QByteArray> lines;
    for (qsizetype from = 0; from < length - 2;) {
        const qsizetype to = head.indexOf("\r\n", from);
        lines.append(head.mid(from, to - from));
        from = to + 2;
    }
    const QList<QByteArray> words = lines.first().split(' ');
    HttpRequest request;
    if (words.size() != 3 || !isToken(words[0]) || !words[1].startsWith('/') || !isVisible(words[1]))
        return 400;
    if (words[2] != "HTTP/1.1" && words[2] != "HTTP/1.0")
        return words[2].startsWith("HTTP/") ? 505 : 400;
    request.method = words[0];
    request.target = words[1];
    if (lines.size() - 1 > MaxFields)
        return 431;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.left(colon)) || !isVisible(line.mid(colon + 1)))
            return 400;
        request.fields.insert(line.left(colon).toLower(), line.mid(colon + 1).trimmed());
    }
    return request;
}

bool HttpRequest::isUpgrade() const
{
    return method == "GET" && fields.value("upgrade").toLower().contains("websocket");
}

}  // namespace net
