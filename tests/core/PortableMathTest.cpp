// The portable sine, cosine and arctangent: correctly rounded known values and edge cases,
// and agreement with the C library within one unit in the last place over a sample.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>

#include "core/PortableMath.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 0x1.921fb54442d18p+1;

uint64_t Bits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Equal bits: tells -0 from 0 and is exact.
#define EXPECT_SAME_DOUBLE(actual, expected) EXPECT_EQ(Bits(actual), Bits(expected)) << (actual)

struct TrigCase {
    double x;
    double sine;
    double cosine;
};

// The correctly rounded values: around the quarter turns, the limit of the quick reduction
// (2^16), 1e22, 2^52 and the largest double, where a short reduction goes wrong.
const TrigCase kTrigCases[] = {
    {0.0, 0.0, 1.0},
    {-0.0, -0.0, 1.0},
    {0x1p-30, 0x1p-30, 1.0},
    {0x1.c463abeccb2bbp-3, 0x1.c0b826a7e4f63p-3, 0x1.f38f3ac64e589p-1},
    {0.5, 0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1},
    {1.0, 0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
    {kPi / 2, 1.0, 0x1.1a62633145c07p-54},
    {kPi, 0x1.1a62633145c07p-53, -1.0},
    {-0x1.2d97c7f3321d2p+1, -0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},
    {2 * kPi, -0x1.1a62633145c07p-52, 1.0},
    {100.0, -0x1.03425b78c4db8p-1, 0x1.b981dbf665fdfp-1},
    {0x1.fffffffffffffp+15, 0x1.62566735c3dddp-1, -0x1.7194531087760p-1},
    {0x1p+16, 0x1.62566735b8513p-1, -0x1.719453109288bp-1},
    {0x1p+52, 0x1.bf996908bb506p-1, -0x1.f1300d681503fp-2},
    {1e22, -0x1.b453ab76bf397p-1, 0x1.0be2cef01c8f4p-1},
    {std::numeric_limits<double>::max(), 0x1.452fc98b34e97p-8, -0x1.fffe62ecfab75p-1},
};

void PrintTo(const TrigCase& c, std::ostream* out) { *out << std::hexfloat << c.x; }

class PortableTrigTest : public ::testing::TestWithParam<TrigCase> {};

TEST_P(PortableTrigTest, GivesTheCorrectlyRoundedValue) {
    const TrigCase& c = GetParam();
    EXPECT_SAME_DOUBLE(Sin(c.x), c.sine);
    EXPECT_SAME_DOUBLE(Cos(c.x), c.cosine);
    const SineCosine both = SinCos(c.x);
    EXPECT_SAME_DOUBLE(both.sine, c.sine);
    EXPECT_SAME_DOUBLE(both.cosine, c.cosine);
    // Odd and even.
    if (c.x != 0) {
        EXPECT_SAME_DOUBLE(Sin(-c.x), -c.sine);
        EXPECT_SAME_DOUBLE(Cos(-c.x), c.cosine);
    }
}

INSTANTIATE_TEST_SUITE_P(KnownValues, PortableTrigTest, ::testing::ValuesIn(kTrigCases));

struct Atan2Case {
    double y;
    double x;
    double angle;
};

const Atan2Case kAtan2Cases[] = {
    {0.0, 0.0, 0.0},
    {-0.0, 0.0, -0.0},
    {0.0, -0.0, kPi},
    {-0.0, -0.0, -kPi},
    {0.0, -5.0, kPi},
    {2.0, 0.0, kPi / 2},
    {-2.0, -0.0, -kPi / 2},
    {1.0, 1.0, kPi / 4},
    {1.0, 2.0, 0x1.dac670561bb4fp-2},
    {-1.0, -1.0, -0x1.2d97c7f3321d2p+1},
    {3.0, -4.0, 0x1.3fc176b7a8560p+1},
    {288.0, -12.0, 0x1.9cc8cbcf9c4c6p+0},
    {-5.0, 0.5, -0x1.789bd2c160054p+0},
    {0x1p-1000, 0x1p+1000, 0.0},
    {std::numeric_limits<double>::max(), 0x1p-1074, kPi / 2},
    {0x1p-1074, -std::numeric_limits<double>::max(), kPi},
    {kInfinity, kInfinity, kPi / 4},
    {-kInfinity, -kInfinity, -0x1.2d97c7f3321d2p+1},
    {kInfinity, -3.0, kPi / 2},
    {1.0, -kInfinity, kPi},
    {-1.0, kInfinity, -0.0},
};

void PrintTo(const Atan2Case& c, std::ostream* out) { *out << std::hexfloat << c.y << ", " << c.x; }

class PortableAtan2Test : public ::testing::TestWithParam<Atan2Case> {};

TEST_P(PortableAtan2Test, GivesTheCorrectlyRoundedAngle) {
    const Atan2Case& c = GetParam();
    EXPECT_SAME_DOUBLE(Atan2(c.y, c.x), c.angle);
}

INSTANTIATE_TEST_SUITE_P(KnownValues, PortableAtan2Test, ::testing::ValuesIn(kAtan2Cases));

TEST(PortableMathTest, InfinitiesAndNaNGiveNaN) {
    for (double x : {kInfinity, -kInfinity, kNaN}) {
        EXPECT_TRUE(std::isnan(Sin(x)) && std::isnan(Cos(x))) << x;
        EXPECT_TRUE(std::isnan(SinCos(x).sine) && std::isnan(SinCos(x).cosine)) << x;
    }
    EXPECT_TRUE(std::isnan(Atan2(kNaN, 1.0)));
    EXPECT_TRUE(std::isnan(Atan2(1.0, kNaN)));
    EXPECT_TRUE(std::isnan(Atan2(kInfinity, kNaN)));
}

// How many representable doubles lie between a and b.
uint64_t UlpDistance(double a, double b) {
    const auto ordered = [](double v) {
        const int64_t bits = int64_t(Bits(v));
        return bits < 0 ? std::numeric_limits<int64_t>::min() - bits : bits;
    };
    const int64_t x = ordered(a), y = ordered(b);
    return x > y ? uint64_t(x) - uint64_t(y) : uint64_t(y) - uint64_t(x);
}

// glibc is accurate to within one unit everywhere, so a larger gap would be our fault;
// other C libraries (mingw's, for one) are not, which is why the game has its own.
TEST(PortableMathTest, StaysWithinOneUlpOfGlibc) {
#ifndef __GLIBC__
    GTEST_SKIP() << "only glibc's sin, cos and atan2 are known to be within one unit";
#endif
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<float> heading(-20.0f, 20.0f), coordinate(-600.0f, 600.0f);
    std::uniform_real_distribution<double> wide(-1e6, 1e6);
    std::uniform_int_distribution<uint64_t> anyBits(0, 0x7FEFFFFFFFFFFFFF);
    for (int i = 0; i < 100000; ++i) {
        const double angles[] = {heading(random), wide(random), FromBits(anyBits(random))};
        for (double x : angles) {
            ASSERT_LE(UlpDistance(Sin(x), std::sin(x)), 1u) << std::hexfloat << x;
            ASSERT_LE(UlpDistance(Cos(x), std::cos(x)), 1u) << std::hexfloat << x;
        }
        const double y = coordinate(random), x = coordinate(random);
        ASSERT_LE(UlpDistance(Atan2(y, x), std::atan2(y, x)), 1u) << std::hexfloat << y << " " << x;
    }
}

}  // namespace
