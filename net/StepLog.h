#pragma once

#include "net/RoomMessages.h"

#include <QVector>

namespace net {

// The steps a room has sent to everybody, counted from the room's start, and those of its present
// (or last) game kept from its gameStarted on, so that who joins late or comes back after a drop
// plays what it missed. At most MaxKeptSteps are kept; past them the game is no longer kept and a
// catch-up carries nothing (the participant then has the room's state alone).
class StepLog {
public:
    // A gameStarted begins the kept game anew.
    void record(const RoomStep& step);
    // The steps sent since the room began.
    qint64 position() const { return m_position; }
    // What a participant that has played `seen` steps (-1: none) misses: the kept steps after
    // `seen` when it played part of the kept game, else all of them; each message stays well
    // below the size limit of a frame, and there is always at least one.
    QVector<CatchUpMessage> catchUp(qint64 seen) const;

private:
    QVector<RoomStep> m_steps;
    qint64 m_first = 0;  // the position before m_steps' first step
    qint64 m_position = 0;
    bool m_kept = true;
};

}  // namespace net
