#include "game/HandName.h"
#include "game/HandRanking.h"

#include <gtest/gtest.h>

namespace {

// Without a catalogue the name shown is the hand's own name, for every throw under every
// combination of the options that change hands.
TEST(HandName, InJapaneseEveryThrowIsShownByItsOwnName)
{
    for (int options = 0; options < 16; ++options) {
        SettingsRecord settings;
        settings.P_CHECK3 = options & 1;
        settings.P_CHECK4 = (options >> 1) & 1;
        settings.P_CHECK5 = (options >> 2) & 1;
        settings.P_CHECK12 = (options >> 3) & 1;
        for (int d1 = 1; d1 <= 9; d1 += d1 == 6 ? 3 : 1)
            for (int d2 = 1; d2 <= 6; ++d2)
                for (int d3 = 1; d3 <= 6; ++d3) {
                    const rules::Hand hand = rules::rankHand(d1, d2, d3, settings);
                    EXPECT_EQ(rules::handName(hand.value), hand.name) << d1 << d2 << d3 << " options " << options;
                }
    }
}

}  // namespace
