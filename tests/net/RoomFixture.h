#pragma once

#include "net/FairDice.h"
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

// The draws a room makes from the same source, for the engine alone: the first banker, then each
// turn's seed and its two streams.
class RoomDraws {
public:
    explicit RoomDraws(net::Room::Draw draw) : m_draw(std::move(draw)) {}
    int seconds() { return static_cast<int>(m_draw() % 60); }
    void openTurn(int turn) { m_dice = net::FairDice(net::FairDice::newSeed(m_draw), turn); }
    float bet() { return net::unitOfDraw(m_dice.nextBetDraw() >> 8); }
    void closeBets(const QStringList& contributions) { m_dice.setContributions(contributions); }
    std::array<qint16, 3> faces()
    {
        std::array<qint16, 3> faces{};
        for (qint16& face : faces)
            face = rules::throwFace(net::unitOfDraw(m_dice.nextThrowDraw() >> 8));
        return faces;
    }

private:
    net::Room::Draw m_draw;
    net::FairDice m_dice;
};

// The digest of the game the engine alone plays with the same draws, `bettingSeat` betting `bet`
// whenever it does not hold the bank and every other seat keeping what the opening gave it; each
// turn's throws over the contributions its bets closed with.
inline QString engineDigest(const SettingsRecord& settings, net::Room::Draw draw, int bettingSeat, int bet,
                            const QVector<QStringList>& contributions)
{
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow engine(settings, tally, sums);
    RoomDraws draws(std::move(draw));
    engine.newGame(draws.seconds());
    for (bool over = false; !over;) {
        draws.openTurn(engine.turn());
        engine.openBets([&] { return draws.bet(); });
        if (engine.state().OyaSeat != bettingSeat)
            engine.setBet(bettingSeat, bet);
        draws.closeBets(contributions.value(engine.turn() - 1));
        engine.playThrows([&] { return draws.faces(); });
        over = engine.endTurn().gameOver;
    }
    return net::stateDigest(engine);
}

}  // namespace nettest
