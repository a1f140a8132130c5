#include "state/Program.h"

namespace program {

void reset()
{
    GameSettings = SettingsRecord{};
    Characters = {};
    SettingsPath.clear();
    GameFlag = 0;
    SpeedLevel = 0;
    SoundFlag = 0;
    RollTally = {};
    RollTallySum = {};
}

}  // namespace program
