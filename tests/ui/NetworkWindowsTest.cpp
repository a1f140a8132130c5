#include "SoundSpeedHelpFixture.h"

#include "app/GameLanguage.h"
#include "app/NetworkMenu.h"
#include "net/RoomCode.h"
#include "ui/net/CharacterBox.h"
#include "ui/net/HostRoomWindow.h"
#include "ui/net/JoinRoomWindow.h"
#include "ui/net/PlayerName.h"
#include "ui/net/QrCodeView.h"
#include "ui/net/RoomAddress.h"
#include "ui/net/RoomTexts.h"
#include "support/TextFit.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

bool waitUntil(const std::function<bool()>& condition, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QTest::qWait(5);
    return condition();
}

// Four seats: two persons, a computer, a person.
SettingsRecord fourSeats()
{
    SettingsRecord s;
    s.NINZU = 4;
    s.SCORE = 1000;
    s.BETMIN = 10;
    s.BETMAX = 100;
    s.OYA = 2;
    s.LAST = 10;
    s.NAGEKAI = 3;
    for (int seat = 0; seat < 4; ++seat)
        s.name(seat) = seatNames[seat];
    s.P_FLG2 = 1;
    return s;
}

QString status(const QWidget* window) { return window->findChild<QLabel*>(QStringLiteral("roomStatus"))->text(); }

// A host window with a room on a free loopback port.
std::unique_ptr<HostRoomWindow> hostedRoom()
{
    auto host = std::make_unique<HostRoomWindow>(nullptr, fourSeats());
    host->hostPort->setValue(0);
    QTest::mouseClick(host->hostCreate, Qt::LeftButton);
    waitUntil([&] { return host->hostStart->isEnabled(); });
    return host;
}

std::unique_ptr<JoinRoomWindow> joinWindow() { return std::make_unique<JoinRoomWindow>(nullptr, fourSeats()); }

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

TEST(NetworkWindows, AHostedRoomShowsItsCodeAndInvitationAndAGuestJoinsByIt)
{
    ScriptedPlatform scripted;
    const std::unique_ptr<HostRoomWindow> host = hostedRoom();
    ASSERT_TRUE(host->hostStart->isEnabled()) << status(host.get()).toStdString();
    EXPECT_TRUE(net::isRoomCode(host->hostCode->text()));
    const std::optional<net::Invitation> invitation = net::Invitation::fromString(host->hostInvitation->text());
    ASSERT_TRUE(invitation);
    EXPECT_EQ(invitation->host, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(invitation->code, host->hostCode->text());
    EXPECT_NE(invitation->port, 0);
    EXPECT_EQ(host->hostPort->value(), invitation->port) << "the port taken, not 空き番号";
    EXPECT_FALSE(host->hostCreate->isEnabled());
    QTest::mouseClick(host->hostCopy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), host->hostInvitation->text());
    ASSERT_EQ(host->hostPlayers->count(), 4);
    EXPECT_EQ(host->hostPlayers->item(0)->text(), QStringLiteral("1: あなた（ホスト）"));
    EXPECT_EQ(host->hostPlayers->item(2)->text(), QStringLiteral("3: ハナコ（コンピュータ）"));

    // The whole line pasted into the address fills both fields.
    const std::unique_ptr<JoinRoomWindow> guest = joinWindow();
    guest->joinAddress->clear();
    QTest::keyClicks(guest->joinAddress, host->hostInvitation->text());
    EXPECT_EQ(guest->joinAddress->text(), QStringLiteral("127.0.0.1:%1").arg(invitation->port));
    EXPECT_EQ(guest->joinCode->text(), invitation->code);
    guest->joinName->setText(QStringLiteral("ゲスト"));
    std::optional<net::WelcomeMessage> welcomed;
    QObject::connect(guest.get(), &RoomWindow::play, [&](net::Client&, const net::WelcomeMessage& w) { welcomed = w; });
    QTest::mouseClick(guest->joinEnter, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return welcomed.has_value(); })) << status(guest.get()).toStdString();
    EXPECT_EQ(welcomed->seat, 1);
    EXPECT_NE(guest->playingClient(), nullptr);
    EXPECT_TRUE(waitUntil([&] { return host->hostPlayers->item(1)->text() == QStringLiteral("2: ゲスト（リモート）"); }))
        << host->hostPlayers->item(1)->text().toStdString();

    // 開始 hands the host's client to the table; the window only hides and the room stays.
    std::optional<int> hostSeat;
    QObject::connect(host.get(), &RoomWindow::play, [&](net::Client&, const net::WelcomeMessage& w) { hostSeat = w.seat; });
    host->show();
    QTest::mouseClick(host->hostStart, Qt::LeftButton);
    EXPECT_EQ(hostSeat, 0);
    host->close();
    EXPECT_FALSE(host->isVisible());
    EXPECT_NE(host->playingClient(), nullptr);
}

TEST(NetworkWindows, RefusalsAndFailuresShowInTheWindowAndLetThePlayerTryAgain)
{
    ScriptedPlatform scripted;
    const std::unique_ptr<HostRoomWindow> host = hostedRoom();
    ASSERT_TRUE(host->hostStart->isEnabled());
    const std::optional<net::Invitation> invitation = net::Invitation::fromString(host->hostInvitation->text());
    ASSERT_TRUE(invitation);
    QTcpServer closedPort;  // a port that is free now and refuses connections once closed
    ASSERT_TRUE(closedPort.listen(QHostAddress::LocalHost, 0));
    const quint16 refusingPort = closedPort.serverPort();
    closedPort.close();

    const struct {
        const char* what;
        QString address;
        QString code;
        QString shown;
    } cases[] = {
        {"wrong code", addressText(*invitation), QStringLiteral("ACDEFG"), RoomTexts::refusal(net::ErrorCode::NoSuchRoom)},
        {"no server", QStringLiteral("127.0.0.1:%1").arg(refusingPort), invitation->code,
         RoomTexts::closing(net::CloseReason::ConnectionLost)},
        {"not a code", addressText(*invitation), QStringLiteral("12345"),
         JoinRoomWindow::tr("アドレス（ホスト:ポート）と6文字の部屋コードを入れてください。")},
        {"not an address", QStringLiteral("127.0.0.1:99999"), invitation->code,
         JoinRoomWindow::tr("アドレス（ホスト:ポート）と6文字の部屋コードを入れてください。")},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<JoinRoomWindow> guest = joinWindow();
        guest->joinAddress->setText(c.address);
        guest->joinCode->setText(c.code);
        QTest::mouseClick(guest->joinEnter, Qt::LeftButton);
        EXPECT_TRUE(waitUntil([&] { return status(guest.get()) == c.shown; })) << c.what << ": "
                                                                              << status(guest.get()).toStdString();
        EXPECT_TRUE(guest->joinEnter->isEnabled()) << c.what;
        EXPECT_EQ(guest->playingClient(), nullptr) << c.what;
    }

    // A second host on the first one's port cannot listen, says so and may choose again.
    HostRoomWindow second(nullptr, fourSeats());
    second.hostPort->setValue(invitation->port);
    QTest::mouseClick(second.hostCreate, Qt::LeftButton);
    EXPECT_TRUE(status(&second).startsWith(HostRoomWindow::tr("ポート %1 で待ち受けられません（%2）。")
                                               .arg(invitation->port)
                                               .section(QStringLiteral("（"), 0, 0)))
        << status(&second).toStdString();
    EXPECT_TRUE(second.hostCreate->isEnabled());
    EXPECT_FALSE(second.hostStart->isEnabled());
    second.hostAddress->setText(QStringLiteral("0.0.0.0"));
    QTest::mouseClick(second.hostCreate, Qt::LeftButton);
    EXPECT_EQ(status(&second), HostRoomWindow::tr("待ち受けアドレスには、このコンピュータのアドレスを一つ入れてください。"));

    // Cancelling while the join is on its way is safe.
    auto guest = joinWindow();
    guest->fill(*invitation);
    guest->enter();
    guest.reset();
    QTest::qWait(20);
}

TEST(NetworkWindows, TheRoomsRulesOpenTheCheckedSeatsAndGiveTheOthersToTheComputer)
{
    HostRoomWindow host(nullptr, fourSeats());
    ASSERT_EQ(host.hostOpen.size(), 4);
    EXPECT_EQ(host.hostSeat->currentIndex(), 0);
    EXPECT_FALSE(host.hostOpen[0]->isEnabled());
    EXPECT_EQ(host.hostPort->value(), net::DefaultPort);
    EXPECT_EQ(host.hostBetSeconds->value(), net::DefaultBetSeconds);
    EXPECT_EQ(host.hostBetSeconds->minimum(), net::MinBetSeconds);
    EXPECT_EQ(host.hostBetSeconds->maximum(), net::MaxBetSeconds);
    const struct {
        int hostSeat;
        std::array<bool, 4> open;
        std::array<bool, 4> computer;
    } cases[] = {
        {0, {false, true, false, true}, {false, false, true, false}},  // as the settings say
        {0, {false, false, true, true}, {false, true, false, false}},  // a computer seat opened, a person's closed
        {2, {true, false, false, false}, {false, true, false, true}},  // the host sits at the computer's seat
    };
    for (const auto& c : cases) {
        host.hostSeat->setCurrentIndex(c.hostSeat);
        for (int seat = 0; seat < 4; ++seat) {
            if (seat != c.hostSeat)
                host.hostOpen[seat]->setChecked(c.open[size_t(seat)]);
        }
        const SettingsRecord rules = host.roomSettings();
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(rules.isComputer(seat), c.computer[size_t(seat)]) << c.hostSeat << " seat " << seat;
        EXPECT_FALSE(host.hostOpen[c.hostSeat]->isEnabled());
    }
    CharacterBox box(nullptr);
    for (int c = 0; c < rules::CharacterCount; ++c)
        EXPECT_EQ(box.itemText(c), rules::characterName(rules::Character(c)));
}

TEST(NetworkWindows, AnAddressAndCodeMakeARoomOnlyWhenBothAreWellFormed)
{
    const struct {
        const char* address;
        const char* code;
        std::optional<net::Invitation> room;
    } cases[] = {
        {"127.0.0.1:5000", "acdefg", net::Invitation{"127.0.0.1", 5000, "ACDEFG"}},
        {" localhost ", "ACDEFG", net::Invitation{"localhost", net::DefaultPort, "ACDEFG"}},
        {"[::1]:47018", "ACDEFG", net::Invitation{"::1", 47018, "ACDEFG"}},
        {"127.0.0.1:0", "ACDEFG", std::nullopt},
        {"127.0.0.1:70000", "ACDEFG", std::nullopt},
        {"", "ACDEFG", std::nullopt},
        {"host/path", "ACDEFG", std::nullopt},
        {"user@host", "ACDEFG", std::nullopt},
        {"127.0.0.1", "ACDEF0", std::nullopt},
        {"127.0.0.1", "ACDEFGH", std::nullopt},
        {"wss://127.0.0.1:5000", "ACDEFG", net::Invitation{"127.0.0.1", 5000, "ACDEFG", true}},
        {" WSS://[::1]", "ACDEFG", net::Invitation{"::1", net::DefaultPort, "ACDEFG", true}},
        {"wss://", "ACDEFG", std::nullopt},
        {"wss://h/x", "ACDEFG", std::nullopt},
        {"ws://h:1", "ACDEFG", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<net::Invitation> room =
            roomAddress(QString::fromUtf8(c.address), QString::fromUtf8(c.code));
        ASSERT_EQ(room.has_value(), c.room.has_value()) << c.address << " " << c.code;
        if (room) {
            EXPECT_EQ(room->host, c.room->host) << c.address;
            EXPECT_EQ(room->port, c.room->port) << c.address;
            EXPECT_EQ(room->code, c.room->code) << c.address;
            EXPECT_EQ(room->secure, c.room->secure) << c.address;
            EXPECT_EQ(roomAddress(addressText(*room), room->code)->host, room->host) << c.address;
            EXPECT_EQ(roomAddress(addressText(*room), room->code)->secure, room->secure) << c.address;
        }
    }
}

// Controls side by side in a room window keep the grid's gap between them, so that two buttons
// never read as one.
TEST(NetworkWindows, ControlsSideBySideKeepAGapBetweenThem)
{
    HostRoomWindow host(nullptr, fourSeats());
    JoinRoomWindow join(nullptr, fourSeats());
    const struct {
        QWidget* window;
        QWidget* left;
        QWidget* right;
    } pairs[] = {
        {&host, host.hostInvitation, host.hostCopy},
        {&host, host.hostStart, host.hostClose},
        {&join, join.joinEnter, join.joinCancel},
    };
    for (const auto& p : pairs) {
        p.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(p.window));
        const int gap = p.right->geometry().left() - p.left->geometry().right() - 1;
        EXPECT_GE(gap, 4) << p.left->objectName().toStdString() << " | " << p.right->objectName().toStdString();
    }
}

using NetworkMenuTest = SoundSpeedHelpTest;

TEST_F(NetworkMenuTest, TheMenuStandsBeforeHelpAndOffersToLeaveOnlyInARoom)
{
    QStringList titles;
    for (QAction* action : table->menuBar()->actions())
        titles << action->menu()->objectName();
    EXPECT_EQ(titles.indexOf(QStringLiteral("netMenu")), titles.indexOf(QStringLiteral("language")) + 1);
    EXPECT_EQ(titles.indexOf(QStringLiteral("heip")), titles.indexOf(QStringLiteral("netMenu")) + 1);
    NetworkMenu& menu = *table->networkMenu;
    EXPECT_FALSE(menu.netLeave->isEnabled());

    menu.joinBy(net::Invitation{QStringLiteral("127.0.0.1"), 47018, QStringLiteral("ACDEFG")});
    ASSERT_NE(menu.joinWindow(), nullptr);
    EXPECT_EQ(menu.joinWindow()->joinAddress->text(), QStringLiteral("127.0.0.1:47018"));
    EXPECT_EQ(menu.joinWindow()->joinCode->text(), QStringLiteral("ACDEFG"));
    EXPECT_EQ(menu.joinWindow()->joinName->text(), playerName(program::GameSettings));
    menu.netHost->trigger();
    settle();
    EXPECT_EQ(menu.joinWindow(), nullptr);
    ASSERT_NE(menu.hostWindow(), nullptr);
    menu.hostWindow()->hostPort->setValue(0);
    QTest::mouseClick(menu.hostWindow()->hostCreate, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return menu.hostWindow()->hostStart->isEnabled(); }));
    QTest::mouseClick(menu.hostWindow()->hostStart, Qt::LeftButton);
    EXPECT_TRUE(menu.netLeave->isEnabled());
    EXPECT_FALSE(menu.netJoin->isEnabled());
    menu.netLeave->trigger();
    settle();
    EXPECT_EQ(menu.hostWindow(), nullptr);
    EXPECT_FALSE(menu.netLeave->isEnabled());
    EXPECT_TRUE(menu.netJoin->isEnabled());
}

TEST(NetworkWindows, AnOpenHostWindowsSeatListFollowsASwitchOfLanguage)
{
    ScriptedPlatform scripted;
    TableFolder folder;
    folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
    const std::unique_ptr<HostRoomWindow> host = hostedRoom();
    ASSERT_EQ(host->hostPlayers->count(), 4);
    const auto lines = [&] {
        QStringList shown;
        for (int row = 0; row < host->hostPlayers->count(); ++row)
            shown << host->hostPlayers->item(row)->text();
        return shown;
    };
    const QStringList japanese = lines();
    ASSERT_TRUE(useLanguage(Language::English));
    QCoreApplication::processEvents();
    const QStringList english = lines();
    useLanguage(Language::Japanese);
    QCoreApplication::processEvents();
    // The stored names stay as they are; what holds each seat speaks English.
    EXPECT_EQ(english, (QStringList{"1: あなた (host)", "2: タロウ (empty)", "3: ハナコ (computer)", "4: ゲン (empty)"}));
    EXPECT_EQ(lines(), japanese);
}

TEST(NetworkWindows, TheChosenAddressIsListenedOnAndOfferedAsTheQrCodeOfThePage)
{
    ScriptedPlatform scripted;
    TableFolder folder;
    folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
    HostRoomWindow host(nullptr, fourSeats());
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
