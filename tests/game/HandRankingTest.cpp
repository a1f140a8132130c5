#include "game/HandRanking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

using rules::bankerHandDecides;
using rules::HandColour;
using rules::handColour;
using rules::rankHand;

namespace {

struct Expected {
    const char* faces;  // sorted
    int value;
    const char* name;
    bool again;
};

// Every throw of three faces 1..6 by its sorted faces, under no option.
const Expected plainHands[] = {
    {"111", 11, "1のゾロ目", false}, {"222", 12, "2のゾロ目", false}, {"333", 13, "3のゾロ目", false},
    {"444", 14, "4のゾロ目", false}, {"555", 15, "5のゾロ目", false}, {"666", 16, "6のゾロ目", false},
    {"112", 38, "2の目", false}, {"113", 37, "3の目", false}, {"114", 36, "4の目", false},
    {"115", 35, "5の目", false}, {"116", 34, "6の目", false}, {"122", 39, "1の目", false},
    {"133", 39, "1の目", false}, {"144", 39, "1の目", false}, {"155", 39, "1の目", false},
    {"166", 39, "1の目", false}, {"223", 37, "3の目", false}, {"224", 36, "4の目", false},
    {"225", 35, "5の目", false}, {"226", 34, "6の目", false}, {"233", 38, "2の目", false},
    {"244", 38, "2の目", false}, {"255", 38, "2の目", false}, {"266", 38, "2の目", false},
    {"334", 36, "4の目", false}, {"335", 35, "5の目", false}, {"336", 34, "6の目", false},
    {"344", 37, "3の目", false}, {"355", 37, "3の目", false}, {"366", 37, "3の目", false},
    {"445", 35, "5の目", false}, {"446", 34, "6の目", false}, {"455", 36, "4の目", false},
    {"466", 36, "4の目", false}, {"556", 34, "6の目", false}, {"566", 35, "5の目", false},
    {"123", 60, "ヒフミ", false}, {"456", 20, "シゴロ", false},
    {"124", 50, "役なし", true}, {"125", 50, "役なし", true}, {"126", 50, "役なし", true},
    {"134", 50, "役なし", true}, {"135", 50, "役なし", true}, {"136", 50, "役なし", true},
    {"145", 50, "役なし", true}, {"146", 50, "役なし", true}, {"156", 50, "役なし", true},
    {"234", 50, "役なし", true}, {"235", 50, "役なし", true}, {"236", 50, "役なし", true},
    {"245", 50, "役なし", true}, {"246", 50, "役なし", true}, {"256", 50, "役なし", true},
    {"345", 50, "役なし", true}, {"346", 50, "役なし", true}, {"356", 50, "役なし", true},
};

SettingsRecord withOptions(bool check3, bool check4, bool check5, bool check12)
{
    SettingsRecord s;
    s.P_CHECK3 = check3;
    s.P_CHECK4 = check4;
    s.P_CHECK5 = check5;
    s.P_CHECK12 = check12;
    return s;
}

}  // namespace

TEST(HandRanking, EveryThrowUnderEveryOptionCombination)
{
    std::map<std::string, Expected> byFaces;
    for (const Expected& e : plainHands)
        byFaces[e.faces] = e;
    ASSERT_EQ(byFaces.size(), 56u);

    for (int mask = 0; mask < 16; ++mask) {
        const bool c3 = mask & 1, c4 = mask & 2, c5 = mask & 4, c12 = mask & 8;
        const SettingsRecord s = withOptions(c3, c4, c5, c12);
        for (int d1 = 1; d1 <= 9; ++d1)
            for (int d2 = 1; d2 <= 9; ++d2)
                for (int d3 = 1; d3 <= 9; ++d3) {
                    if (d1 == 7 || d1 == 8 || d2 == 7 || d2 == 8 || d3 == 7 || d3 == 8)
                        continue;
                    SCOPED_TRACE(testing::Message() << "mask " << mask << " dice " << d1 << d2 << d3);
                    const rules::Hand hand = rankHand(d1, d2, d3, s);
                    if (d1 == 9 || d2 == 9 || d3 == 9) {
                        EXPECT_EQ(hand.value, 51);
                        EXPECT_EQ(hand.name, QStringLiteral("場　外"));
                        EXPECT_EQ(hand.stillThrowing, c12);
                        EXPECT_TRUE(hand.outOfBowl);
                        continue;
                    }
                    std::string key{char('0' + d1), char('0' + d2), char('0' + d3)};
                    std::sort(key.begin(), key.end());
                    Expected e = byFaces.at(key);
                    if (key == "111")
                        e.value = c3 ? 1 : c4 ? 70 : 11;
                    if (key == "555" && c5)
                        e.value = 5;
                    EXPECT_EQ(hand.value, e.value);
                    EXPECT_EQ(hand.name, QString::fromUtf8(e.name));
                    EXPECT_EQ(hand.stillThrowing, e.again);
                    EXPECT_FALSE(hand.outOfBowl);
                }
    }
}

TEST(HandRanking, TripleOfOnesAndFivesFollowTheirOptions)
{
    struct Case { bool c3, c4, c5; int ones, fives; };
    const Case cases[] = {
        {false, false, false, 11, 15}, {true, false, false, 1, 15},  {false, true, false, 70, 15},
        {true, true, false, 1, 15},    {false, false, true, 11, 5},  {true, false, true, 1, 5},
        {false, true, true, 70, 5},    {true, true, true, 1, 5},
    };
    for (const Case& c : cases) {
        const SettingsRecord s = withOptions(c.c3, c.c4, c.c5, false);
        EXPECT_EQ(rankHand(1, 1, 1, s).value, c.ones) << c.c3 << c.c4 << c.c5;
        EXPECT_EQ(rankHand(5, 5, 5, s).value, c.fives) << c.c3 << c.c4 << c.c5;
        EXPECT_EQ(rankHand(1, 1, 1, s).name, QStringLiteral("1のゾロ目"));
    }
}

TEST(HandRanking, OptionCountsOnlyWhenExactlyOne)
{
    SettingsRecord s;
    s.P_CHECK3 = 2;
    s.P_CHECK4 = -1;
    s.P_CHECK5 = 2;
    s.P_CHECK12 = 2;
    EXPECT_EQ(rankHand(1, 1, 1, s).value, 11);
    EXPECT_EQ(rankHand(5, 5, 5, s).value, 15);
    EXPECT_FALSE(rankHand(9, 2, 2, s).stillThrowing);
}

TEST(HandRanking, AnyFaceOutsideOneToSixIsOutOfTheBowl)
{
    const SettingsRecord s;
    for (int bad : {0, 7, 8, -1, 9, 100, -32768}) {
        EXPECT_EQ(rankHand(bad, 2, 2, s).value, 51) << bad;
        EXPECT_EQ(rankHand(3, bad, 3, s).value, 51) << bad;
        EXPECT_EQ(rankHand(bad, bad, bad, s).value, 51) << bad;
    }
}

TEST(HandRanking, LabelColourByClass)
{
    const struct { int value; HandColour colour; } cases[] = {
        {1, HandColour::Blue},   {5, HandColour::Blue},   {11, HandColour::Blue},  {16, HandColour::Blue},
        {20, HandColour::Blue},  {29, HandColour::Blue},  {30, HandColour::Black}, {34, HandColour::Black},
        {39, HandColour::Black}, {49, HandColour::Black}, {50, HandColour::Red},   {51, HandColour::Red},
        {60, HandColour::Red},   {70, HandColour::Red},
    };
    for (const auto& c : cases)
        EXPECT_EQ(handColour(qint16(c.value)), c.colour) << c.value;
}

TEST(HandRanking, BankerHandDecidesOutsideTheBoundsSetByOptions1And2)
{
    // Columns: no option, P_CHECK1, P_CHECK2, both.
    const struct { int value; bool plain, six, one, both; } cases[] = {
        {1, true, true, true, true},       {5, true, true, true, true},     {11, true, true, true, true},
        {16, true, true, true, true},      {20, true, true, true, true},    {34, true, false, true, false},
        {35, false, false, false, false},  {38, false, false, false, false}, {39, true, true, false, false},
        {50, true, true, true, true},      {51, true, true, true, true},     {60, true, true, true, true},
        {70, true, true, true, true},
    };
    for (const auto& c : cases) {
        for (int mask = 0; mask < 4; ++mask) {
            SettingsRecord s;
            s.P_CHECK1 = mask & 1;
            s.P_CHECK2 = (mask >> 1) & 1;
            const bool expected[] = {c.plain, c.six, c.one, c.both};
            EXPECT_EQ(bankerHandDecides(qint16(c.value), s), expected[mask]) << c.value << " mask " << mask;
        }
    }
}
