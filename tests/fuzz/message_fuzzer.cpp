#include "../net/RoomFixture.h"

#include "net/ClientMessages.h"
#include "net/Envelope.h"
#include "net/Room.h"
#include "net/RoomMessages.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <cstdint>
#include <cstdlib>

// Any bytes as lines of messages from the participants of a room: the first byte of a line picks
// the participant (1..3 seated, 4 a stranger), the rest is the message; a line of one byte drops
// that participant's connection. Every line is also read as a message of the room. Sanitizers
// catch memory faults; the checks below catch a broken invariant of the game.
namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// What is read and written again reads back the same.
void checkRoundTrip(const QByteArray& line)
{
    const auto room = net::parseRoomMessage(line);
    if (const net::RoomMessage* message = std::get_if<net::RoomMessage>(&room)) {
        const QByteArray written = net::encodeRoomMessage(*message);
        const auto again = net::parseRoomMessage(written);
        check(std::holds_alternative<net::RoomMessage>(again) &&
              net::encodeRoomMessage(std::get<net::RoomMessage>(again)) == written);
    }
    const net::ParsedClientMessage client = net::parseClientMessage(line);
    if (client.message) {
        const QByteArray written = std::visit([](const auto& m) { return net::encode(m); }, *client.message);
        const net::ParsedClientMessage again = net::parseClientMessage(written);
        check(again.message.has_value() &&
              std::visit([](const auto& m) { return net::encode(m); }, *again.message) == written);
    }
}

// The scores of a game in play always add up to what the seats started with.
void checkScores(const net::Room& room)
{
    const TableState& state = room.flow().state();
    qint64 sum = 0;
    for (int seat = 0; seat < room.flow().seats(); ++seat) {
        if (!state.P_score[seat])
            return;
        sum += *state.P_score[seat];
    }
    check(sum == qint64(room.flow().seats()) * room.rules().settings.SCORE);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    net::Room room(QStringLiteral("ACDEFG"), nettest::hostCreate(nettest::fourSeatRules(5)),
                   nettest::scriptedDraw({}, static_cast<quint32>(size)), {});
    room.admitHost(1, QStringLiteral("host"));
    room.admit(2, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("a"), 2, {}, {}});
    room.admit(3, net::JoinMessage{QStringLiteral("ACDEFG"), QStringLiteral("b"), 3, {}, {}});

    int lines = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty() || ++lines > 64)
            continue;
        const int participant = 1 + static_cast<unsigned char>(line[0]) % 4;
        if (line.size() == 1) {
            room.drop(participant);
            continue;
        }
        const QByteArray text = line.mid(1);
        checkRoundTrip(text);
        const net::ParsedClientMessage parsed = net::parseClientMessage(text);
        if (!parsed.message)
            continue;
        if (const auto* join = std::get_if<net::JoinMessage>(&*parsed.message);
            join && room.seats().seatOf(participant) < 0) {
            room.admit(participant, *join);
            continue;
        }
        const std::array<qint16, 6> bets = room.flow().state().P_bet;
        room.receive(participant, *parsed.message);
        // A bet changes its sender's seat alone.
        if (std::holds_alternative<net::BetMessage>(*parsed.message)) {
            for (int seat = 0; seat < 6; ++seat)
                check(seat == room.seats().seatOf(participant) || room.flow().state().P_bet[seat] == bets[seat]);
        }
        checkScores(room);
    }
    return 0;
}
