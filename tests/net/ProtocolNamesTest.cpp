#include "net/Protocol.h"
#include "net/RoomMessages.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// A reason added to the enumeration without its wire name, or two reasons sharing one, would
// close a connection with a word no client reads back as it was meant.
TEST(ProtocolNamesTest, EveryCloseReasonAndErrorHasItsOwnNameAndTravelsBackAsItself)
{
    QSet<QString> closeNames;
    for (int i = 0; i <= static_cast<int>(net::CloseReason::Idle); ++i) {
        const auto reason = static_cast<net::CloseReason>(i);
        const QString name = net::codeName(reason);
        EXPECT_FALSE(name.isEmpty()) << i;
        closeNames.insert(name);
        EXPECT_EQ(net::closeReasonFromName(name), reason) << qPrintable(name);
        const auto parsed = net::parseRoomMessage(net::encodeRoomMessage(net::RoomClosedMessage{reason}));
        const net::RoomMessage* message = std::get_if<net::RoomMessage>(&parsed);
        ASSERT_NE(message, nullptr) << qPrintable(name);
        const auto* closed = std::get_if<net::RoomClosedMessage>(message);
        ASSERT_NE(closed, nullptr) << qPrintable(name);
        EXPECT_EQ(closed->reason, reason) << qPrintable(name);
    }
    EXPECT_EQ(closeNames.size(), static_cast<int>(net::CloseReason::Idle) + 1);
    EXPECT_EQ(net::codeName(net::CloseReason::ServerFull), QStringLiteral("server_full"));
    EXPECT_FALSE(net::closeReasonFromName(QStringLiteral("server-full")));

    QSet<QString> errorNames;
    for (int i = 0; i <= static_cast<int>(net::ErrorCode::NoSpectators); ++i) {
        const QString name = net::codeName(static_cast<net::ErrorCode>(i));
        errorNames.insert(name);
        EXPECT_EQ(net::errorCodeFromName(name), static_cast<net::ErrorCode>(i)) << qPrintable(name);
    }
    EXPECT_EQ(errorNames.size(), static_cast<int>(net::ErrorCode::NoSpectators) + 1);
}

}  // namespace
