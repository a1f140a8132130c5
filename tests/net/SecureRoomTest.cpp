#include "LoopbackPeer.h"
#include "RoomFixture.h"
#include "TestCertificate.h"

#include "net/CertificateTrust.h"
#include "net/Client.h"
#include "net/Server.h"

#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Rooms over TLS with a self-signed certificate: the player trusts it once by its fingerprint, a
// changed one is refused, and a connection that never finishes its handshake costs nothing lasting.
namespace {

using nettest::waitUntil;

class SecureRoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!certificate.configuration || !other.configuration)
            GTEST_SKIP() << "openssl could not make a test certificate";
        trustFile = folder.filePath(QStringLiteral("trusted.ini"));
    }

    std::unique_ptr<net::Server> secureServer(const nettest::TestCertificate& served, int handshakeMs = 3000,
                                              int maxPerAddress = 64)
    {
        net::Server::Options options;
        options.maxPerAddress = maxPerAddress;
        options.draw = nettest::scriptedDraw({1});
        options.tls = served.configuration;
        options.handshakeMs = handshakeMs;
        auto server = std::make_unique<net::Server>(options);
        EXPECT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        return server;
    }

    // A client that creates a room on the server and records what it is asked and told.
    struct Player {
        Player(net::CertificateTrust& trust, quint16 port)
        {
            client.setCertificateTrust(&trust);
            QObject::connect(&client, &net::Client::certificateUnknown,
                             [this](const QString&, const QString& fingerprint) { asked.append(fingerprint); });
            QObject::connect(&client, &net::Client::certificateChanged,
                             [this](const QString&, const QString& fingerprint) { changed.append(fingerprint); });
            QObject::connect(&client, &net::Client::welcomed, [this] { welcomed = true; });
            QObject::connect(&client, &net::Client::roomClosed, [this](net::CloseReason reason) { closed.append(reason); });
            client.open(QUrl(QStringLiteral("wss://127.0.0.1:%1/").arg(port)));
            client.create(nettest::hostCreate(nettest::fourSeatRules()));
        }
        net::Client client;
        QStringList asked;
        QStringList changed;
        QVector<net::CloseReason> closed;
        bool welcomed = false;
    };

    nettest::TestCertificate certificate;
    nettest::TestCertificate other;
    QTemporaryDir folder;
    QString trustFile;
};

TEST_F(SecureRoomTest, AnUnknownCertificateIsTrustedOnceByItsFingerprintAndThenWithoutAQuestion)
{
    const auto server = secureServer(certificate);
    ASSERT_TRUE(server->isSecure());
    net::CertificateTrust trust(trustFile);
    const QString fingerprint = net::CertificateTrust::fingerprintOf(certificate.configuration->localCertificate());
    ASSERT_EQ(fingerprint.size(), 32 * 3 - 1);

    Player first(trust, server->port());
    ASSERT_TRUE(waitUntil([&] { return !first.asked.isEmpty(); }));
    EXPECT_EQ(first.asked, QStringList{fingerprint});
    EXPECT_FALSE(first.welcomed);
    EXPECT_TRUE(first.closed.isEmpty()) << "a question is not the end of the connection";
    EXPECT_TRUE(first.client.isEncrypted());
    first.client.answerCertificate(true);
    ASSERT_TRUE(waitUntil([&] { return first.welcomed; }));
    EXPECT_EQ(server->roomCount(), 1);

    // Another client of the same player, with the fingerprint kept in its file.
    net::CertificateTrust again(trustFile);
    EXPECT_EQ(again.fingerprint(QStringLiteral("127.0.0.1:%1").arg(server->port())), fingerprint);
    Player second(again, server->port());
    ASSERT_TRUE(waitUntil([&] { return second.welcomed; }));
    EXPECT_TRUE(second.asked.isEmpty());
    EXPECT_EQ(server->roomCount(), 2);
}

TEST_F(SecureRoomTest, ARefusedOrChangedCertificateReachesNoRoomAndKeepsWhatWasTrusted)
{
    const auto server = secureServer(other);
    const QString serverName = QStringLiteral("127.0.0.1:%1").arg(server->port());
    const QString before = net::CertificateTrust::fingerprintOf(certificate.configuration->localCertificate());
    const QString now = net::CertificateTrust::fingerprintOf(other.configuration->localCertificate());
    ASSERT_NE(before, now);
    {
        net::CertificateTrust trust(folder.filePath(QStringLiteral("declined.ini")));
        Player declining(trust, server->port());
        ASSERT_TRUE(waitUntil([&] { return !declining.asked.isEmpty(); }));
        declining.client.answerCertificate(false);
        ASSERT_TRUE(waitUntil([&] { return !declining.closed.isEmpty(); }));
        EXPECT_EQ(declining.closed, QVector<net::CloseReason>{net::CloseReason::Refused});
        EXPECT_TRUE(trust.fingerprint(serverName).isEmpty());
    }
    net::CertificateTrust trust(trustFile);
    trust.trust(serverName, before);
    Player player(trust, server->port());
    ASSERT_TRUE(waitUntil([&] { return !player.closed.isEmpty(); }));
    EXPECT_EQ(player.changed, QStringList{now});
    EXPECT_TRUE(player.asked.isEmpty());
    EXPECT_EQ(player.closed, QVector<net::CloseReason>{net::CloseReason::Refused});
    QTest::qWait(200);
    EXPECT_FALSE(player.welcomed);
    EXPECT_EQ(trust.fingerprint(serverName), before);
    EXPECT_EQ(server->roomCount(), 0);
}

TEST_F(SecureRoomTest, AHandshakeThatFailsOrNeverEndsIsDroppedAtItsDeadlineAndAPlayerStillGetsIn)
{
    const auto server = secureServer(certificate, 400);
    // Plain WebSocket to a TLS port, a TCP connection that says nothing, and one that says nonsense.
    nettest::LoopbackPeer plain(server->port());
    QTcpSocket silent;
    QTcpSocket garbage;
    for (QTcpSocket* socket : {&silent, &garbage})
        socket->connectToHost(QHostAddress::LocalHost, server->port());
    ASSERT_TRUE(waitUntil([&] { return silent.state() == QAbstractSocket::ConnectedState && garbage.state() == QAbstractSocket::ConnectedState; }));
    garbage.write(QByteArray(600, 'x'));
    ASSERT_TRUE(waitUntil([&] {
        return plain.closed && silent.state() == QAbstractSocket::UnconnectedState &&
               garbage.state() == QAbstractSocket::UnconnectedState;
    }, 3000));
    EXPECT_TRUE(plain.received.isEmpty());
    EXPECT_EQ(server->connectionCount(), 0);

    net::CertificateTrust trust(trustFile);
    trust.trust(QStringLiteral("127.0.0.1:%1").arg(server->port()),
                net::CertificateTrust::fingerprintOf(certificate.configuration->localCertificate()));
    Player player(trust, server->port());
    ASSERT_TRUE(waitUntil([&] { return player.welcomed; }));
    EXPECT_EQ(server->connectionCount(), 1);
}

TEST_F(SecureRoomTest, HandshakesStillUnderWayCountTowardTheirAddressesLimit)
{
    const auto server = secureServer(certificate, 20000, 2);
    QStringList noted;
    QObject::connect(server.get(), &net::Server::noted, [&](const QString& line) { noted.append(line); });
    std::array<QTcpSocket, 3> silent;
    bool thirdConnected = false;
    QObject::connect(&silent[2], &QTcpSocket::connected, [&] { thirdConnected = true; });
    for (QTcpSocket& socket : silent)
        socket.connectToHost(QHostAddress::LocalHost, server->port());
    // The third is dropped at once, long before the handshake's deadline; the first two wait.
    ASSERT_TRUE(waitUntil([&] { return thirdConnected && silent[2].state() == QAbstractSocket::UnconnectedState; }, 3000));
    EXPECT_EQ(silent[0].state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(silent[1].state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(server->refusedConnections(), 1);

    EXPECT_EQ(noted.filter(QStringLiteral("still arriving")).size(), 1);
    // Once the server has seen the two go, their address may connect again.
    for (int i = 0; i < 2; ++i)
        silent[i].abort();
    ASSERT_TRUE(waitUntil([&] { return noted.filter(QStringLiteral("handshake failed")).size() == 2; }));
    net::CertificateTrust trust(trustFile);
    trust.trust(QStringLiteral("127.0.0.1:%1").arg(server->port()),
                net::CertificateTrust::fingerprintOf(certificate.configuration->localCertificate()));
    Player player(trust, server->port());
    ASSERT_TRUE(waitUntil([&] { return player.welcomed; }));
}

TEST(ServerCertificateTest, FilesThatHoldNoCertificateOrNoKeyAreRefusedInWords)
{
    nettest::TestCertificate made;
    if (!made.configuration)
        GTEST_SKIP() << "openssl could not make a test certificate";
    QTemporaryDir folder;
    const QString garbage = folder.filePath(QStringLiteral("garbage.pem"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("-----BEGIN CERTIFICATE-----\nnot base64\n-----END CERTIFICATE-----\n");
    file.close();
    const QString missing = folder.filePath(QStringLiteral("missing.pem"));
    struct Case {
        QString certificate, key, says;
    };
    const Case cases[] = {
        {missing, made.keyFile(), QStringLiteral("no PEM certificate")},
        {garbage, made.keyFile(), QStringLiteral("no PEM certificate")},
        {made.keyFile(), made.keyFile(), QStringLiteral("no PEM certificate")},
        {made.certificateFile(), missing, QStringLiteral("cannot read")},
        {made.certificateFile(), made.certificateFile(), QStringLiteral("no unencrypted RSA or EC private key")},
        {made.certificateFile(), garbage, QStringLiteral("no unencrypted RSA or EC private key")},
    };
    for (const Case& c : cases) {
        const auto loaded = net::ServerCertificate::load(c.certificate, c.key);
        const QString* error = std::get_if<QString>(&loaded);
        ASSERT_NE(error, nullptr) << qPrintable(c.certificate + QLatin1Char(' ') + c.key);
        EXPECT_TRUE(error->startsWith(c.says)) << qPrintable(*error);
    }
    EXPECT_TRUE(std::holds_alternative<QSslConfiguration>(net::ServerCertificate::load(made.certificateFile(), made.keyFile())));
}

}  // namespace
