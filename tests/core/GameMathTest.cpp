// Truncation, headings and colours as the playfield rules need them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "core/GameMath.h"

namespace {

constexpr double kHalfTurn = std::numbers::pi;
const float kInfinity = std::numeric_limits<float>::infinity();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(TruncateToInt, TowardZeroSaturatingWithNaNAsZero) {
    const std::pair<double, int32_t> cases[] = {{2.7, 2},
                                                {-2.7, -2},
                                                {-0.5, 0},
                                                {2147483520.0, 2147483520},
                                                {-2147483648.9, kMin},
                                                {2147483648.0, kMax},
                                                {1e30, kMax},
                                                {-1e30, kMin},
                                                {kInfinity, kMax},
                                                {-kInfinity, kMin},
                                                {std::nan(""), 0}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(TruncateToInt(value), expected) << value;
        EXPECT_EQ(TruncateToInt(float(value)), expected) << value << " as float";
    }
}

TEST(AngleTo, HeadingsFromStraightUpClockwiseNearTheReferenceAndLimited) {
    const struct {
        float x, y, reference, maxTurn;
        double angle;
    } cases[] = {
        {0, -1, 0, 0, 0.0},
        {1, 0, 0, 0, kHalfTurn / 2},
        {0, 1, 0, 0, kHalfTurn},
        {-1, -1, 0, 0, -kHalfTurn / 4},  // within half a turn of the reference
        {-1, 0, 0, 0, -kHalfTurn / 2},
        {1, 0, 10, 0, kHalfTurn / 2 + double(kTwoPi)},  // whole turns of the float 2 pi
        {1, 0, -0.5f, 0, kHalfTurn / 2},
        {-1, 0, -20, 0, -kHalfTurn / 2 - 3 * double(kTwoPi)},
        {0, 1, 0, 0.1f, 0.1f},
        {-0.001f, 1, 0, 0.1f, -0.1f},
        {1, -1, float(kHalfTurn / 4 - 0.05), 0.1f, 0.05},
        {1, -1, float(kHalfTurn / 4 + 0.05), 0.1f, -0.05},
        {kInfinity, 0, 0, 0, kHalfTurn / 2},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(AngleTo(5, 5, 5 + c.x, 5 + c.y, c.reference, c.maxTurn), c.angle, 1e-6)
            << c.x << "," << c.y << " ref " << c.reference << " max " << c.maxTurn;
    }
    for (float reference : {std::nanf(""), kInfinity, -kInfinity, 1e30f}) {
        EXPECT_TRUE(std::isnan(AngleTo(0, 0, 1, 0, reference, 0.1f))) << reference;
    }
    EXPECT_TRUE(std::isnan(AngleTo(std::nanf(""), 0, 1, 0, 0, 0)));
}

TEST(HsvToRgb, GreysRainbowPensAndHuesOffTheWheel) {
    // The play mode's ten pen hues, red scaled by 128 and the others by 255; then greys.
    const struct {
        float hue, saturation, value;
        int red, green, blue;
    } cases[] = {
        {0, 1, 1, 128, 0, 0},       {80, 1, 1, 85, 255, 0},    {161, 1, 1, 0, 255, 174},
        {242, 1, 1, 4, 0, 255},     {323, 1, 1, 128, 0, 157},  {43, 1, 1, 128, 182, 0},
        {124, 1, 1, 0, 255, 17},    {205, 1, 1, 0, 148, 255},  {286, 1, 1, 98, 0, 255},
        {6, 1, 1, 128, 25, 0},      {240, 1, 0.5f, 0, 0, 127}, {200, 0, 0.5f, 64, 127, 127},
        {-1, 1, 0.5f, 64, 127, 127}};
    for (const auto& c : cases) {
        double red = -7, green = -7, blue = -7;
        HsvToRgb(c.hue, c.saturation, c.value, red, green, blue);
        EXPECT_EQ(TruncateToInt(red * 128), c.red) << c.hue;
        EXPECT_EQ(TruncateToInt(green * 255), c.green) << c.hue;
        EXPECT_EQ(TruncateToInt(blue * 255), c.blue) << c.hue;
    }
    for (float hue : {360.0f, 500.0f, -30.0f, std::nanf(""), kInfinity}) {
        double red = -7, green = -7, blue = -7;
        HsvToRgb(hue, 1, 1, red, green, blue);
        EXPECT_TRUE(red == -7 && green == -7 && blue == -7) << hue;
    }
}

}  // namespace
