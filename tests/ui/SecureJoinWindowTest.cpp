#include "../net/LoopbackPeer.h"
#include "../net/TestCertificate.h"

#include "net/CertificateTrust.h"
#include "net/Server.h"
#include "support/ScriptedPlatform.h"
#include "ui/net/JoinRoomWindow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

// 部屋に入る over wss:// to a server with a self-signed certificate: one question with the
// fingerprint, then the player is in; a changed certificate is a warning and no room.
namespace {

using nettest::waitUntil;

QString line(const QWidget* window, const char* name) { return window->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

net::CreateMessage createRoom()
{
    SettingsRecord s;
    s.NINZU = 2;
    s.SCORE = 1000;
    s.BETMIN = 10;
    s.BETMAX = 100;
    s.OYA = 1;
    s.LAST = 10;
    s.NAGEKAI = 3;
    s.name(0) = QStringLiteral("ホスト");
    s.name(1) = QStringLiteral("ゲスト");
    return net::CreateMessage{QStringLiteral("ホスト"), 0, net::RoomRules::fromSettings(s)};
}

TEST(SecureJoinWindow, AnUnknownCertificateIsAskedOnceWithItsFingerprintAndAChangedOneIsWarnedOf)
{
    nettest::TestCertificate certificate;
    if (!certificate.configuration)
        GTEST_SKIP() << "openssl could not make a test certificate";
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(net::CertificateTrust::defaultFile());
    ScriptedPlatform scripted;
    net::Server::Options options;
    options.tls = certificate.configuration;
    net::Server server(options);
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    // The host's own client accepts the certificate for this run only.
    net::Client host;
    QObject::connect(&host, &net::Client::certificateUnknown, [&host] { host.answerCertificate(true); });
    host.open(QUrl(QStringLiteral("wss://127.0.0.1:%1/").arg(server.port())));
    host.create(createRoom());
    ASSERT_TRUE(waitUntil([&] { return !host.code().isEmpty(); }));
    const QString fingerprint = net::CertificateTrust::fingerprintOf(certificate.configuration->localCertificate());

    JoinRoomWindow join(nullptr, SettingsRecord{});
    join.joinAddress->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    EXPECT_TRUE(line(&join, "roomEncryption").contains(QStringLiteral("暗号化されません")));
    join.joinAddress->setText(QStringLiteral("wss://127.0.0.1:%1").arg(server.port()));
    EXPECT_TRUE(line(&join, "roomEncryption").contains(QStringLiteral("暗号化された接続")));
    join.joinCode->setText(host.code().toLower());
    join.joinName->setText(QStringLiteral("ゲスト"));
    bool playing = false;
    QObject::connect(&join, &RoomWindow::play, [&] { playing = true; });
    scripted.answers.enqueue(true);
    QTest::mouseClick(join.joinEnter, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return playing; })) << qPrintable(line(&join, "roomStatus"));
    ASSERT_EQ(scripted.questions.size(), 1);
    // The fingerprint stands in the question whole, over two lines.
    EXPECT_TRUE(scripted.questions[0].contains(fingerprint.left(47) + QLatin1Char('\n') + fingerprint.mid(48)))
        << qPrintable(scripted.questions[0]);
    EXPECT_EQ(net::CertificateTrust().fingerprint(QStringLiteral("127.0.0.1:%1").arg(server.port())), fingerprint);

    // The same server, another certificate than the trusted one.
    net::CertificateTrust().trust(QStringLiteral("127.0.0.1:%1").arg(server.port()), QString(fingerprint).replace(0, 2, QStringLiteral("00")));
    JoinRoomWindow again(nullptr, SettingsRecord{});
    again.joinAddress->setText(QStringLiteral("wss://127.0.0.1:%1").arg(server.port()));
    again.joinCode->setText(host.code());
    again.joinName->setText(QStringLiteral("三人目"));
    QTest::mouseClick(again.joinEnter, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return again.joinEnter->isEnabled(); }));
    EXPECT_EQ(scripted.questions.size(), 1);
    ASSERT_EQ(scripted.warnings.size(), 1);
    EXPECT_TRUE(scripted.warnings[0].contains(QStringLiteral("変わっています"))) << qPrintable(scripted.warnings[0]);
    EXPECT_TRUE(scripted.warnings[0].contains(fingerprint)) << qPrintable(scripted.warnings[0]);
    EXPECT_FALSE(line(&again, "roomStatus").isEmpty());
    QFile::remove(net::CertificateTrust::defaultFile());
}

}  // namespace
