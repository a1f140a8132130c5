#include "game/DiceFaces.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using rules::animationFace;
using rules::throwFace;

TEST(DiceFaces, ScriptedUniformDrawsGiveEachFaceOneIn6001Thousandths)
{
    // r = (k + 0.5) / N over N = 6,001,000 draws: exactly 1,000,000 per face and 1,000 out of
    // the bowl in exact arithmetic; rounding r to float may move a draw across a border.
    constexpr int N = 6001000;
    constexpr int Tolerance = 10;
    std::array<int, 10> count{};
    for (int k = 0; k < N; ++k) {
        const float r = float((k + 0.5) / N);
        const qint16 face = throwFace(r);
        ASSERT_TRUE((face >= 1 && face <= 6) || face == 9) << r;
        ++count[face];
        const qint16 frame = animationFace(r);
        ASSERT_TRUE(frame >= 1 && frame <= 6) << r;
    }
    for (int face = 1; face <= 6; ++face)
        EXPECT_NEAR(count[face], 1000000, Tolerance) << "face " << face;
    EXPECT_NEAR(count[9], 1000, Tolerance);
    EXPECT_EQ(count[0] + count[7] + count[8], 0);
}

TEST(DiceFaces, EdgeDrawsNearOne)
{
    const float belowOne = std::nextafter(1.0f, 0.0f);
    const struct { float r; int face, frame; } cases[] = {
        {0.0f, 1, 1},           {0.9999f, 9, 6}, {0.99983f, 6, 6}, {0.99984f, 9, 6},
        {1.0f / 6.0f, 2, 2},    {0.5f, 4, 4},    {belowOne, 9, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(throwFace(c.r), c.face) << c.r;
        EXPECT_EQ(animationFace(c.r), c.frame) << c.r;
    }
}

TEST(DiceFaces, FloatsBesideEachBorderFallOnTheRightSide)
{
    // The product is exact enough only in double: single precision rounds the float just below
    // 6/6.001 (0x1.ffea28p-1) up to 7.
    EXPECT_EQ(throwFace(0x1.ffea28p-1f), 6);
    EXPECT_EQ(throwFace(0x1.ffea2ap-1f), 9);
    for (int face = 1; face <= 6; ++face) {
        const long double border = face / 6.001L;
        float below = float(border);
        if (below >= border)
            below = std::nextafter(below, 0.0f);
        const float above = std::nextafter(below, 1.0f);
        EXPECT_EQ(throwFace(below), face) << below;
        EXPECT_EQ(throwFace(above), face == 6 ? 9 : face + 1) << above;
    }
}

TEST(DiceFaces, DrawsOutsideTheUnitIntervalNeverGiveABadFace)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float r : {-0.5f, -1e30f, 1.0f, 2.0f, 1e30f, nan, inf, -inf}) {
        EXPECT_EQ(throwFace(r), 9) << r;
        const qint16 frame = animationFace(r);
        EXPECT_TRUE(frame >= 1 && frame <= 6) << r;
    }
}
