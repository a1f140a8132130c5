#include "../net/LoopbackPeer.h"
#include "../net/RoomFixture.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>

// Two qubrin-server processes with their own tags behind Debian's haproxy on the loopback
// address: rooms created through the balancer land on both, and each is joined by its code.
namespace {

using nettest::LoopbackPeer;
using nettest::waitUntil;

// A child that dies with the test, however the test ends.
class Child : public QProcess {
public:
    Child()
    {
        setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        setProcessChannelMode(QProcess::MergedChannels);
    }
    ~Child() override
    {
        kill();
        waitForFinished(3000);
    }
};

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// qubrin-server with a tag; its port, or 0.
quint16 startServer(Child& child, QChar tag)
{
    child.start(QStringLiteral(QUBRIN_SERVER), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--tag"), QString(tag)});
    QByteArray out;
    waitUntil([&] {
        out += child.readAll();
        return out.contains('\n') || child.state() == QProcess::NotRunning;
    });
    const QList<QByteArray> words = out.trimmed().split(':');
    return words.size() > 1 ? static_cast<quint16>(words.constLast().toUInt()) : 0;
}

// Joins through the balancer with the code as the path (in lower case: the routing reads it
// case-insensitively) and the code in the join.
bool joins(quint16 port, const QString& code)
{
    LoopbackPeer guest(port, QLatin1Char('/') + code.toLower());
    guest.send(net::JoinMessage{code, QStringLiteral("g"), -1, {}, {}});
    return waitUntil([&] { return !guest.all<net::WelcomeMessage>().isEmpty() || !guest.all<net::ErrorMessage>().isEmpty(); }) &&
           !guest.all<net::WelcomeMessage>().isEmpty() && guest.all<net::WelcomeMessage>()[0].code == code;
}

TEST(BalancerTest, RoomsCreatedThroughHaproxySpreadOverTwoTaggedServersAndAreJoinedByTheirCodes)
{
    const QString haproxy = QStandardPaths::findExecutable(QStringLiteral("haproxy"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (haproxy.isEmpty())
        GTEST_SKIP() << "haproxy is not installed (tools/install-deps.sh --test)";
    Child first, second, balancer;
    const quint16 firstPort = startServer(first, QLatin1Char('A'));
    const quint16 secondPort = startServer(second, QLatin1Char('C'));
    ASSERT_NE(firstPort, 0) << first.readAll().constData();
    ASSERT_NE(secondPort, 0) << second.readAll().constData();

    // The configuration of the README, on free loopback ports.
    QTemporaryDir folder;
    QFile configuration(folder.filePath(QStringLiteral("haproxy.cfg")));
    ASSERT_TRUE(configuration.open(QIODevice::WriteOnly));
    const quint16 port = freePort();
    configuration.write(QStringLiteral(R"(global
    maxconn 200
defaults
    mode http
    timeout connect 5s
    timeout client 60s
    timeout server 60s
    timeout tunnel 1h
frontend rooms
    bind 127.0.0.1:%1
    use_backend tag_a if { path_beg -i /A }
    use_backend tag_c if { path_beg -i /C }
    default_backend create
backend tag_a
    server a 127.0.0.1:%2
backend tag_c
    server c 127.0.0.1:%3
backend create
    balance roundrobin
    server a 127.0.0.1:%2
    server c 127.0.0.1:%3
)")
                            .arg(port)
                            .arg(firstPort)
                            .arg(secondPort)
                            .toUtf8());
    configuration.close();
    balancer.start(haproxy, {QStringLiteral("-db"), QStringLiteral("-f"), configuration.fileName()});
    ASSERT_TRUE(waitUntil([&] {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return probe.waitForConnected(200) || balancer.state() == QProcess::NotRunning;
    }));
    ASSERT_EQ(balancer.state(), QProcess::Running) << balancer.readAll().constData();

    // Six hosts create through "/", each connection a new choice of the balancer.
    std::vector<std::unique_ptr<LoopbackPeer>> hosts;
    QStringList codes;
    for (int i = 0; i < 6; ++i) {
        hosts.push_back(std::make_unique<LoopbackPeer>(port, QStringLiteral("/")));
        hosts.back()->send(nettest::hostCreate(nettest::fourSeatRules()));
        const std::optional<net::WelcomeMessage> welcome = hosts.back()->first<net::WelcomeMessage>();
        ASSERT_TRUE(welcome) << i;
        codes.append(welcome->code);
    }
    const auto onServer = [&](QChar tag) { return std::count_if(codes.begin(), codes.end(), [&](const QString& c) { return c.front() == tag; }); };
    EXPECT_GE(onServer(QLatin1Char('A')), 2) << qPrintable(codes.join(QLatin1Char(' ')));
    EXPECT_GE(onServer(QLatin1Char('C')), 2) << qPrintable(codes.join(QLatin1Char(' ')));
    EXPECT_EQ(onServer(QLatin1Char('A')) + onServer(QLatin1Char('C')), 6);
    for (const QString& code : codes)
        EXPECT_TRUE(joins(port, code)) << qPrintable(code);
}

}  // namespace
