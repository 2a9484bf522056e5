// Floats as text and back: only the whole of a plain decimal number reads, exponents too.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "core/FloatText.h"

namespace {

struct ReadCase {
    std::string text;
    std::optional<float> value;  // none: refused
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class FloatTextRead : public testing::TestWithParam<ReadCase> {};

TEST_P(FloatTextRead, ReadsPlainDecimalsAndRefusesTheRest) {
    const ReadCase& c = GetParam();
    float value = -123.0f;
    EXPECT_EQ(ParseFloatText(c.text, value), c.value.has_value());
    if (c.value) {
        EXPECT_EQ(value, *c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FloatTextRead,
    testing::Values(ReadCase{"0", 0.0f}, ReadCase{"-2.5", -2.5f}, ReadCase{".5", 0.5f},
                    ReadCase{"7.", 7.0f}, ReadCase{"1e3", 1000.0f}, ReadCase{"2.5E-2", 0.025f},
                    ReadCase{"4e+1", 40.0f}, ReadCase{"-3E0", -3.0f}, ReadCase{"", {}},
                    ReadCase{"-", {}}, ReadCase{".", {}}, ReadCase{"e3", {}}, ReadCase{"1e", {}},
                    ReadCase{"1e+", {}}, ReadCase{"1e-", {}}, ReadCase{"1ex", {}},
                    ReadCase{"1e3.5", {}}, ReadCase{"1e--3", {}}, ReadCase{"1.2.3", {}},
                    ReadCase{"+1", {}}, ReadCase{" 1", {}}, ReadCase{"1 ", {}},
                    ReadCase{"0x10", {}}, ReadCase{"1e39", {}}, ReadCase{"-1e39", {}}));

TEST(FloatText, ShortestTextReadsBackTheSameFloat) {
    for (float value : {0.0f, 1.0f, -0.1f, 3.4028235e38f, 1e-45f, 100000.0f, 0.33333334f}) {
        const std::string text = ShortestFloatText(value);
        float back = 0;
        ASSERT_TRUE(ParseFloatText(text, back)) << text;
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(ShortestFloatText(0.1f), "0.1");
    EXPECT_EQ(ShortestFloatText(-2.5f), "-2.5");
}

}  // namespace
