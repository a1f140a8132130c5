#pragma once

#include "game/GameHistory.h"
#include "game/HistoryRecorder.h"
#include "net/RoomReplay.h"

// A bare table of a room's rules that follows the room's steps, with the history they make.
namespace nettest {

struct ReplayTable {
    explicit ReplayTable(const SettingsRecord& r) : rules(r) { flow.addListener(&recorder); }
    ~ReplayTable() { flow.removeListener(&recorder); }
    ReplayTable(const ReplayTable&) = delete;
    ReplayTable& operator=(const ReplayTable&) = delete;

    SettingsRecord rules;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow{rules, tally, sums};
    net::RoomReplay replay{flow};
    GameHistory history;
    HistoryRecorder recorder{history, rules};
};

}  // namespace nettest
