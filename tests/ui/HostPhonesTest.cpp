#include "app/GameLanguage.h"
#include "net/RoomCode.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "support/TextFit.h"
#include "ui/net/HostRoomWindow.h"
#include "ui/net/QrCodeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool waitUntil(const std::function<bool()>& condition, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QTest::qWait(5);
    return condition();
}

SettingsRecord threeSeats()
{
    SettingsRecord s;
    s.NINZU = 3;
    s.SCORE = 1000;
    s.BETMIN = 10;
    s.BETMAX = 100;
    s.OYA = 2;
    s.LAST = 10;
    s.NAGEKAI = 3;
    for (int seat = 0; seat < 3; ++seat)
        s.name(seat) = seatNames[seat];
    return s;
}

// The status line of a plain GET of the address's path at 127.0.0.1.
QByteArray statusOf(const QUrl& page)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(page.port()));
    if (!socket.waitForConnected(2000))
        return {};
    socket.write("GET " + page.path().toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray bytes;
    waitUntil([&] {
        bytes += socket.readAll();
        return bytes.contains("\r\n");
    });
    return bytes.left(bytes.indexOf("\r\n"));
}

// A QR code's three finder patterns: a dark ring of 7×7 modules round a light ring and a dark 3×3.
bool hasFinder(const QrCodeView& qr, int left, int top)
{
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const int ring = std::max(std::abs(x - 3), std::abs(y - 3));
            if (qr.modules()[(top + y) * qr.moduleWidth() + left + x] != (ring != 2))
                return false;
        }
    }
    return true;
}

}  // namespace

TEST(HostPhones, TheChosenAddressIsListenedOnAndOfferedAsTheQrCodeOfThePage)
{
    ScriptedPlatform scripted;
    TableFolder folder;
    folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
    HostRoomWindow host(nullptr, threeSeats());
    // Without phones the window listens where it always did; the chooser waits.
    EXPECT_EQ(host.hostAddress->text(), QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(host.hostAddress->isEnabled());
    EXPECT_FALSE(host.hostPhones->isChecked());
    EXPECT_FALSE(host.hostPhoneAddress->isEnabled());
    const int count = host.hostPhoneAddress->count();
    ASSERT_GE(count, 1);
    EXPECT_EQ(host.hostPhoneAddress->itemText(count - 1), QStringLiteral("127.0.0.1"));
    for (int i = 0; i < count - 1; ++i) {
        const QHostAddress offered(host.hostPhoneAddress->itemText(i));
        EXPECT_FALSE(offered.isLoopback() || offered.isLinkLocal() || offered.isNull()) << i;
    }

    // Phones: the room listens on the chosen address, and what was typed comes back without them.
    host.hostAddress->setText(QStringLiteral(" 127.0.0.1 "));
    host.hostPhones->setChecked(true);
    EXPECT_FALSE(host.hostAddress->isEnabled());
    EXPECT_TRUE(host.hostPhoneAddress->isEnabled());
    EXPECT_EQ(host.hostAddress->text(), host.hostPhoneAddress->itemText(0));
    host.hostPhones->setChecked(false);
    EXPECT_EQ(host.hostAddress->text(), QStringLiteral(" 127.0.0.1 "));
    host.hostPhones->setChecked(true);
    host.hostPhoneAddress->setCurrentIndex(count - 1);  // tests listen on the loopback address only
    EXPECT_EQ(host.hostAddress->text(), QStringLiteral("127.0.0.1"));

    host.hostPort->setValue(0);
    QTest::mouseClick(host.hostCreate, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return host.hostStart->isEnabled(); }));
    EXPECT_FALSE(host.hostPhones->isEnabled());
    EXPECT_FALSE(host.hostPhoneAddress->isEnabled());
    const QString code = host.hostCode->text();
    ASSERT_TRUE(net::isRoomCode(code));
    const QUrl page(host.hostQr->text());
    EXPECT_EQ(page.scheme(), QStringLiteral("http"));
    EXPECT_EQ(page.host(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(page.path(), QLatin1Char('/') + code);
    EXPECT_TRUE(host.hostPageAddress->text().startsWith(page.toString() + QLatin1Char('\n')));
    EXPECT_TRUE(host.hostPageAddress->text().contains(code));
    // A real QR code: its size is one of the versions' and its three corners hold the finders.
    const int width = host.hostQr->moduleWidth();
    ASSERT_GE(width, 21);
    EXPECT_EQ((width - 17) % 4, 0);
    EXPECT_TRUE(hasFinder(*host.hostQr, 0, 0));
    EXPECT_TRUE(hasFinder(*host.hostQr, width - 7, 0));
    EXPECT_TRUE(hasFinder(*host.hostQr, 0, width - 7));
    EXPECT_FALSE(hasFinder(*host.hostQr, width - 7, width - 7));
    // The address in it answers with the page.
    EXPECT_EQ(statusOf(page), QByteArray("HTTP/1.1 200 OK"));

    host.show();
    for (const Language language : {Language::Japanese, Language::English}) {
        ASSERT_TRUE(useLanguage(language));
        QCoreApplication::processEvents();
        host.adjustSize();
        EXPECT_EQ(textsThatDoNotFit(&host).join(QLatin1Char('|')).toStdString(), "") << int(language);
    }
    EXPECT_TRUE(host.hostPageAddress->text().contains(QStringLiteral("Room code ") + code));
    useLanguage(Language::Japanese);
}
