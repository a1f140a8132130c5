#include "LoopbackPeer.h"
#include "RoomFixture.h"

#include "net/Server.h"

#include <QTcpSocket>

#include <gtest/gtest.h>

namespace {

using nettest::LoopbackPeer;

// What a raw HTTP exchange on the loopback address gave back.
struct Answer {
    int status = 0;  // 0: closed without an answer
    QByteArray head;
    QByteArray body;
    bool closed = false;
    QByteArray field(const char* name) const
    {
        for (const QByteArray& line : head.split('\n')) {
            if (line.toLower().startsWith(QByteArray(name).toLower() + ':'))
                return line.mid(line.indexOf(':') + 1).trimmed();
        }
        return {};
    }
};

// Sends the pieces one after the other and reads until the server closes (at most `ms`).
Answer exchange(quint16 port, const QList<QByteArray>& pieces, int ms = 3000)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(2000));
    for (const QByteArray& piece : pieces) {
        socket.write(piece);
        socket.flush();
        QTest::qWait(10);
    }
    QByteArray bytes;
    Answer answer;
    answer.closed = nettest::waitUntil(
        [&] {
            bytes += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        ms);
    bytes += socket.readAll();
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    answer.head = bytes.left(end);
    answer.body = end < 0 ? QByteArray() : bytes.mid(end + 4);
    const QList<QByteArray> words = answer.head.split(' ');
    answer.status = words.size() > 1 && words[0].startsWith("HTTP/1.1") ? words[1].toInt() : 0;
    return answer;
}

QByteArray get(const QByteArray& target, const QByteArray& method = "GET")
{
    return method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: test\r\n\r\n";
}

class WebPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        net::Server::Options options;
        options.draw = nettest::scriptedDraw({1});
        options.handshakeMs = 300;
        server = std::make_unique<net::Server>(options);
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
    }

    // A room for the page to be served for; returns its code.
    QString openRoom()
    {
        hostPeer = std::make_unique<LoopbackPeer>(server->port());
        hostPeer->send(nettest::hostCreate(nettest::fourSeatRules()));
        const std::optional<net::WelcomeMessage> welcome = hostPeer->first<net::WelcomeMessage>();
        EXPECT_TRUE(welcome);
        return welcome ? welcome->code : QString();
    }

    std::unique_ptr<net::Server> server;
    std::unique_ptr<LoopbackPeer> hostPeer;
};

TEST_F(WebPageTest, ThePageAndItsFilesAreServedWithTheirTypeAndAPolicyOfOurOwnOriginOnly)
{
    const QByteArray code = openRoom().toLatin1();
    struct Case {
        QByteArray target;
        const char* type;
        const char* contains;
    };
    const Case cases[] = {
        {"/", "text/html", "/qubrin.js"},
        {"/" + code, "text/html", "/qubrin.js"},
        {"/" + code.toLower(), "text/html", "/qubrin.js"},
        {"/?room=" + code, "text/html", "/qubrin.js"},
        {"/qubrin.js", "text/javascript", "'join'"},
        {"/qubrin.css", "text/css", "font-size"},
    };
    for (const Case& c : cases) {
        const Answer answer = exchange(server->port(), {get(c.target)});
        EXPECT_EQ(answer.status, 200) << c.target.constData();
        EXPECT_TRUE(answer.closed) << c.target.constData();
        EXPECT_TRUE(answer.field("Content-Type").startsWith(c.type)) << c.target.constData();
        EXPECT_EQ(answer.field("Content-Length").toLongLong(), answer.body.size()) << c.target.constData();
        EXPECT_TRUE(answer.body.contains(c.contains)) << c.target.constData();
        const QByteArray policy = answer.field("Content-Security-Policy");
        EXPECT_TRUE(policy.startsWith("default-src 'none'; script-src 'self'; style-src 'self'")) << policy.constData();
        EXPECT_TRUE(policy.contains("connect-src ws://127.0.0.1 wss://127.0.0.1;")) << policy.constData();
        EXPECT_EQ(answer.field("X-Content-Type-Options"), "nosniff");
    }
    // HEAD: the same head, no body.
    const Answer head = exchange(server->port(), {get("/", "HEAD")});
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.body.isEmpty());
    EXPECT_GT(head.field("Content-Length").toInt(), 100);
    // A head in pieces, with the port in the host, is still one request.
    const Answer pieces = exchange(server->port(), {"GET /qubrin.css HT", "TP/1.1\r\nHost: 127.0.0.1:", "8\r\n\r\n"});
    EXPECT_EQ(pieces.status, 200);
    EXPECT_TRUE(pieces.field("Content-Security-Policy").contains("connect-src ws://127.0.0.1:8 wss://127.0.0.1:8;"));
}

TEST_F(WebPageTest, UnknownOutsideHugeOrMalformedRequestsAreRefusedAndTheRoomPlaysOn)
{
    openRoom();
    const QByteArray manyFields = "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n" + QByteArray("X-Pad: ").append(QByteArray(200, 'p')).append("\r\n").repeated(50) + "\r\n";
    struct Case {
        QByteArray request;
        int status;
    };
    const Case cases[] = {
        {get("/index.htm"), 404},
        {get("/favicon.ico"), 404},
        {get("/ACDEF"), 404},  // not a room code
        {get("/qubrin.js.map"), 400},
        {get("/../etc/passwd"), 400},
        {get("/%2e%2e/etc/passwd"), 400},
        {get("/web/../qubrin.js"), 400},
        {get("//qubrin.js"), 400},
        {get("/qubrin.js%00"), 400},
        {get("/qubrin.js?x=../../a"), 400},
        {get("/?room=" + QByteArray(100, 'A')), 400},
        {get("/", "POST"), 405},
        {get("/", "DELETE"), 405},
        {"GET / HTTP/1.1\r\n\r\n", 400},  // no host
        {"GET / HTTP/1.1\r\nHost: evil.example/x\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\nHost: a\r\nno colon here\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\nHost: a\r\nX: a\rb\r\n\r\n", 400},
        {"GET http://127.0.0.1/ HTTP/1.1\r\nHost: a\r\n\r\n", 400},
        {"GET /  HTTP/1.1\r\nHost: a\r\n\r\n", 400},
        {"HELLO\r\n\r\n", 400},
        {"\r\n\r\n", 400},
        {"GET / HTTP/2.0\r\nHost: a\r\n\r\n", 505},
        {"GET / SMTP/1.0\r\nHost: a\r\n\r\n", 400},
        {get("/" + QByteArray(3000, 'a')), 414},
        {QByteArray(5000, 'x'), 414},  // no line end at all
        {manyFields, 431},
    };
    for (const Case& c : cases) {
        const Answer answer = exchange(server->port(), {c.request});
        EXPECT_EQ(answer.status, c.status) << c.request.left(80).constData();
        EXPECT_TRUE(answer.closed) << c.request.left(80).constData();
        EXPECT_FALSE(answer.body.contains("<html")) << c.request.left(80).constData();
    }
    // A head that never ends is dropped after the time to speak, without an answer.
    const Answer silent = exchange(server->port(), {"GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n"});
    EXPECT_TRUE(silent.closed);
    EXPECT_EQ(silent.status, 0);
    // None of it reached the room or held a connection.
    EXPECT_EQ(server->connectionCount(), 1);
    hostPeer->send(net::CommandMessage{net::Command::NewGame});
    EXPECT_TRUE(hostPeer->first<net::GameStartedMessage>());
}

TEST_F(WebPageTest, NothingIsServedWhileNoRoomIsOpen)
{
    for (const QByteArray& target : {QByteArray("/"), QByteArray("/qubrin.js"), QByteArray("/ACDEFG")})
        EXPECT_EQ(exchange(server->port(), {get(target)}).status, 503) << target.constData();
    EXPECT_EQ(exchange(server->port(), {get("/nothing")}).status, 404);
    const QString code = openRoom();
    EXPECT_EQ(exchange(server->port(), {get("/")}).status, 200);
    hostPeer->send(net::EndRoomMessage{});
    ASSERT_TRUE(nettest::waitUntil([&] { return server->roomCount() == 0; }));
    EXPECT_EQ(exchange(server->port(), {get("/" + code.toLatin1())}).status, 503);
}

TEST_F(WebPageTest, APlayerFromThePhonePageIsMarkedInTheSeatsEveryoneSees)
{
    const QString code = openRoom();
    LoopbackPeer phone(server->port());
    net::JoinMessage join{code, QStringLiteral("スマホ")};
    join.web = true;
    phone.send(join);
    const std::optional<net::WelcomeMessage> welcome = phone.first<net::WelcomeMessage>();
    ASSERT_TRUE(welcome);
    LoopbackPeer desk(server->port());
    desk.sendText(QStringLiteral(R"({"v":1,"type":"join","code":"%1","name":"机","client":"qubrin"})").arg(code));
    ASSERT_TRUE(desk.first<net::WelcomeMessage>());
    ASSERT_TRUE(nettest::waitUntil([&] { return hostPeer->all<net::SeatsMessage>().size() >= 3; }));
    const QVector<net::SeatInfo> seats = hostPeer->all<net::SeatsMessage>().last().seats;
    for (int seat = 0; seat < seats.size(); ++seat)
        EXPECT_EQ(seats[seat].web, seat == welcome->seat) << seat;
    // The mark goes with the player: the seat taken back from a window is no phone's any more.
    phone.socket->abort();
    LoopbackPeer back(server->port());
    back.send(net::JoinMessage{code, QStringLiteral("スマホ"), -1, {}, welcome->token});
    ASSERT_TRUE(back.first<net::WelcomeMessage>());
    ASSERT_TRUE(nettest::waitUntil([&] { return !hostPeer->all<net::SeatsMessage>().last().seats[welcome->seat].web; }));
}

}  // namespace
