#pragma once

#include "game/TableFlow.h"
#include "net/Protocol.h"
#include "net/RoomMessages.h"

#include <QObject>

namespace net {

// Plays the room's steps on a window's own TableFlow, built on the rules of the welcome, so that
// the window's table goes through the same transitions as the room's. After every step that
// carries a digest (and after the settlement's scores) it compares its table with the room's;
// on a mismatch it asks for the room's state and takes it over when it comes.
class RoomReplay : public QObject {
    Q_OBJECT

public:
    explicit RoomReplay(TableFlow& flow, QObject* parent = nullptr);
    // Follows a table that already stands in `phase`.
    RoomReplay(TableFlow& flow, Phase phase) : m_flow(flow), m_phase(phase) {}

    void apply(const RoomStep& step);
    // The steps missed before a welcome, in order.
    void apply(const CatchUpMessage& catchUp);
    // Where the window's table stands, as the room's steps left it.
    Phase phase() const { return m_phase; }
    // Steps that disagreed with the room since the start.
    int mismatches() const { return m_mismatches; }
    // The table a state message describes, for TableFlow::resume.
    static TableState tableState(const StateMessage& state);

signals:
    // The table differs from the room's: the window sends resync and applies the state it gets.
    void resyncNeeded();
    // The room's state has been taken over.
    void resynced();

private:
    void check(bool agrees);
    void check(const QString& digest);
    void resume(const StateMessage& state);

    TableFlow& m_flow;
    Phase m_phase = Phase::NoGame;
    int m_mismatches = 0;
    bool m_waitingForState = false;
};

}  // namespace net
