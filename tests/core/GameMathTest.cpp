// Truncation, distance, headings and colours as the playfield rules need them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "core/GameMath.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

}  // namespace

TEST(TruncateToInt, TruncatesTowardZero) {
    EXPECT_EQ(TruncateToInt(2.7f), 2);
    EXPECT_EQ(TruncateToInt(-2.7f), -2);
    EXPECT_EQ(TruncateToInt(-0.5), 0);
    EXPECT_EQ(TruncateToInt(2147483520.0f), 2147483520);
    EXPECT_EQ(TruncateToInt(-2147483648.0f), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(TruncateToInt(-2147483648.9), std::numeric_limits<int32_t>::min());
}

TEST(TruncateToInt, SaturatesOutOfRangeAndNaN) {
    EXPECT_EQ(TruncateToInt(2147483648.0f), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(TruncateToInt(1e30f), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(TruncateToInt(kInfinity), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(TruncateToInt(-1e30f), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(TruncateToInt(-kInfinity), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(TruncateToInt(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(TruncateToInt(kNaN), 0);
}

TEST(Distance, IsEuclidean) {
    EXPECT_DOUBLE_EQ(Distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(Distance(3, 4, 0, 0), 5.0);
    EXPECT_DOUBLE_EQ(Distance(-1, 2, -1, 2), 0.0);
}

TEST(AngleTo, HeadingsFromStraightUpClockwise) {
    EXPECT_NEAR(AngleTo(0, 0, 0, -1, 0, 0), 0.0, 1e-12);
    EXPECT_NEAR(AngleTo(0, 0, 1, 0, 0, 0), std::numbers::pi / 2, 1e-12);
    EXPECT_NEAR(AngleTo(0, 0, 0, 1, 0, 0), std::numbers::pi, 1e-12);
    // Up and to the left comes out negative: within half a turn of the reference 0.
    EXPECT_NEAR(AngleTo(0, 0, -1, -1, 0, 0), -std::numbers::pi / 4, 1e-12);
    EXPECT_NEAR(AngleTo(5, 5, 4, 5, 0, 0), -std::numbers::pi / 2, 1e-12);
}

TEST(AngleTo, BringsTheHeadingNearTheReference) {
    // Right is pi/2; a reference of 10 lifts it by a whole turn of the single-precision 2 pi.
    EXPECT_NEAR(AngleTo(0, 0, 1, 0, 10, 0), std::numbers::pi / 2 + double(kTwoPi), 1e-9);
    EXPECT_NEAR(AngleTo(0, 0, 1, 0, -0.5f, 0), std::numbers::pi / 2, 1e-9);
    EXPECT_NEAR(AngleTo(0, 0, -1, 0, -20, 0), -std::numbers::pi / 2 - 3 * double(kTwoPi), 1e-9);
}

TEST(AngleTo, LimitsTheTurnToMaxTurn) {
    EXPECT_NEAR(AngleTo(0, 0, 0, 1, 0, 0.1f), 0.1f, 1e-9);
    EXPECT_NEAR(AngleTo(0, 0, -0.001f, 1, 0, 0.1f), -0.1f, 1e-9);
    EXPECT_NEAR(AngleTo(0, 0, 1, 0, 0, 0.1f), 0.1f, 1e-9);
    // A small turn is returned as it is, signed.
    EXPECT_NEAR(AngleTo(0, 0, 1, -1, std::numbers::pi / 4 - 0.05, 0.1f), 0.05, 1e-6);
    EXPECT_NEAR(AngleTo(0, 0, 1, -1, std::numbers::pi / 4 + 0.05, 0.1f), -0.05, 1e-6);
}

TEST(AngleTo, NonFiniteOrHugeInputsReturnAtOnce) {
    EXPECT_TRUE(std::isnan(AngleTo(std::nanf(""), 0, 1, 0, 0, 0)));
    EXPECT_TRUE(std::isnan(AngleTo(0, 0, 1, 0, std::nanf(""), 0)));
    EXPECT_TRUE(std::isnan(AngleTo(0, 0, 1, 0, kInfinity, 0)));
    EXPECT_TRUE(std::isnan(AngleTo(0, 0, 1, 0, -kInfinity, 0.1f)));
    EXPECT_TRUE(std::isnan(AngleTo(0, 0, 1, 0, 1e30f, 0)));
    // An infinite point still has a direction.
    EXPECT_NEAR(AngleTo(0, 0, kInfinity, 0, 0, 0), std::numbers::pi / 2, 1e-12);
}

namespace {

struct Colour {
    double red, green, blue;
};

Colour Hsv(float h, float s, float v) {
    Colour c{-7, -7, -7};
    HsvToRgb(h, s, v, c.red, c.green, c.blue);
    return c;
}

}  // namespace

TEST(HsvToRgb, PrimaryHues) {
    const Colour red = Hsv(0, 1, 1);
    EXPECT_EQ(red.red, 1.0);
    EXPECT_EQ(red.green, 0.0);
    EXPECT_EQ(red.blue, 0.0);

    const Colour green = Hsv(120, 1, 1);
    EXPECT_EQ(green.red, 0.0);
    EXPECT_EQ(green.green, 1.0);
    EXPECT_NEAR(green.blue, 0.0, 1e-6);

    const Colour blue = Hsv(240, 1, 0.5f);
    EXPECT_NEAR(blue.red, 0.0, 1e-6);
    EXPECT_EQ(blue.green, 0.0);
    EXPECT_EQ(blue.blue, 0.5);
}

TEST(HsvToRgb, GreyForNoSaturationOrTheGreyMarker) {
    const Colour noSaturation = Hsv(200, 0, 0.25f);
    EXPECT_EQ(noSaturation.red, 0.25);
    EXPECT_EQ(noSaturation.green, 0.25);
    EXPECT_EQ(noSaturation.blue, 0.25);
    const Colour marker = Hsv(-1, 1, 0.75f);
    EXPECT_EQ(marker.red, 0.75);
    EXPECT_EQ(marker.blue, 0.75);
}

TEST(HsvToRgb, HuesOffTheWheelLeaveTheOutputs) {
    for (float hue : {360.0f, 500.0f, -30.0f, std::nanf(""), kInfinity}) {
        const Colour c = Hsv(hue, 1, 1);
        EXPECT_EQ(c.red, -7) << hue;
        EXPECT_EQ(c.green, -7) << hue;
        EXPECT_EQ(c.blue, -7) << hue;
    }
}

TEST(HsvToRgb, RainbowPenColours) {
    // The play mode's ten pen hues; red is scaled by 128, green and blue by 255.
    struct Case {
        float hue;
        int red, green, blue;
    };
    const Case cases[] = {{0, 128, 0, 0},    {80, 85, 255, 0},   {161, 0, 255, 174},
                          {242, 4, 0, 255},  {323, 128, 0, 157}, {43, 128, 182, 0},
                          {124, 0, 255, 17}, {205, 0, 148, 255}, {286, 98, 0, 255},
                          {6, 128, 25, 0}};
    for (const Case& c : cases) {
        const Colour colour = Hsv(c.hue, 1, 1);
        EXPECT_EQ(TruncateToInt(colour.red * 128), c.red) << c.hue;
        EXPECT_EQ(TruncateToInt(colour.green * 255), c.green) << c.hue;
        EXPECT_EQ(TruncateToInt(colour.blue * 255), c.blue) << c.hue;
    }
}
