#include "NetworkTableFixture.h"

#include "ui/widgets/ControlNames.h"

namespace {

using nettest::NetworkTable;
using nettest::waitUntil;

TEST_F(NetworkTable, ASeatJoinedFromThePhonePageShowsAPhoneMarkOnEveryTable)
{
    Window& host = enter(server->port());
    host.client->create(nettest::hostCreate(nettest::fourSeatRules(5)));
    ASSERT_TRUE(waitUntil([&] { return host.room() != nullptr; }));
    Window& guest = enter(server->port());
    guest.client->join({host.client->code(), QStringLiteral("ハナ")});
    ASSERT_TRUE(waitUntil([&] { return guest.room() != nullptr; }));
    nettest::LoopbackPeer phone(server->port());
    net::JoinMessage join{host.client->code(), QStringLiteral("スマホ")};
    join.web = true;
    phone.send(join);
    const std::optional<net::WelcomeMessage> welcome = phone.first<net::WelcomeMessage>();
    ASSERT_TRUE(welcome);
    const QString phoneMark = RoomTable::tr("● スマホ");
    for (const auto& w : windows) {
        const auto* mark = w->table->findChild<QLabel*>(elementName("net_Lab", welcome->seat));
        ASSERT_NE(mark, nullptr);
        EXPECT_TRUE(waitUntil([&] { return mark->text().startsWith(phoneMark); })) << mark->text().toStdString();
        const auto* window = w->table->findChild<QLabel*>(elementName("net_Lab", guest.client->seat()));
        EXPECT_TRUE(window->text().startsWith(RoomTable::tr("● ネット"))) << window->text().toStdString();
    }
    // Gone from the phone, the seat is kept and the computer's for now, without the mark.
    phone.socket->abort();
    const auto* mark = host.table->findChild<QLabel*>(elementName("net_Lab", welcome->seat));
    EXPECT_TRUE(waitUntil([&] { return mark->text().startsWith(RoomTable::tr("× コンピュータが代打ち中 あと%1秒").section(QLatin1Char('%'), 0, 0)); }))
        << mark->text().toStdString();
}

}  // namespace
