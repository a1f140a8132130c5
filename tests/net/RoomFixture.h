#pragma once

#include "net/Room.h"
#include "net/StateDigest.h"

#include <QMap>

#include <vector>

// A room on four seats (seat 1 the computer's, the host at seat 0) with scripted draws, and what
// it sent to each participant.
namespace nettest {

inline SettingsRecord fourSeatRules(int last = 30)
{
    SettingsRecord s;
    s.NINZU = 4;
    s.SCORE = 1000;
    s.BETMIN = 10;
    s.BETMAX = 100;
    s.OYA = 2;
    s.LAST = last;
    s.NAGEKAI = 3;
    s.P_FLG1 = 1;
    s.P_CHECK6 = 1;
    return s;
}

// The given draws first, then a fixed sequence, so a game is the same at every run.
inline net::Room::Draw scriptedDraw(std::vector<quint32> first, quint32 seed = 12345)
{
    return [first = std::move(first), next = std::size_t(0), state = seed]() mutable {
        if (next < first.size())
            return first[next++];
        state = state * 1664525u + 1013904223u;
        return state;
    };
}

inline net::CreateMessage hostCreate(const SettingsRecord& settings)
{
    return {QStringLiteral("host"), 0, net::RoomRules::fromSettings(settings), net::DefaultBetSeconds};
}

class RoomProbe {
public:
    // Draw 1 first: the first banker is seat 2.
    explicit RoomProbe(net::Room::Times times = {}, int last = 30)
        : room(QStringLiteral("ACDEFG"), hostCreate(fourSeatRules(last)), scriptedDraw({1}), times)
    {
        QObject::connect(&room, &net::Room::sendTo, [this](int p, const net::RoomMessage& m) { inbox[p].append(m); });
        QObject::connect(&room, &net::Room::sendToAll, [this](const net::RoomMessage& m) {
            for (const int p : room.participants())
                inbox[p].append(m);
        });
    }

    template <typename M>
    QVector<M> received(int participant) const
    {
        QVector<M> found;
        for (const net::RoomMessage& m : inbox.value(participant)) {
            if (const M* message = std::get_if<M>(&m))
                found.append(*message);
        }
        return found;
    }

    net::Room room;
    QMap<int, QVector<net::RoomMessage>> inbox;
};

}  // namespace nettest

namespace nettest {

// The digest of the game the engine alone plays with the same draws, `bettingSeat` betting `bet`
// whenever it does not hold the bank and every other seat keeping what the opening gave it.
inline QString engineDigest(const SettingsRecord& settings, net::Room::Draw draw, int bettingSeat, int bet)
{
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow engine(settings, tally, sums);
    const auto unit = [&] { return net::unitOfDraw(draw() >> 8); };
    engine.newGame(static_cast<int>(draw() % 60));
    for (bool over = false; !over;) {
        engine.openBets(unit);
        if (engine.state().OyaSeat != bettingSeat)
            engine.setBet(bettingSeat, bet);
        engine.playThrows([&] {
            return std::array<qint16, 3>{rules::throwFace(unit()), rules::throwFace(unit()), rules::throwFace(unit())};
        });
        over = engine.endTurn().gameOver;
    }
    return net::stateDigest(engine);
}

}  // namespace nettest
