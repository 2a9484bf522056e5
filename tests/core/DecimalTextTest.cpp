// Whole numbers come out as printf writes them with and without zero padding.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "core/DecimalText.h"

namespace {

class DecimalTextTest : public ::testing::TestWithParam<int64_t> {};

TEST_P(DecimalTextTest, WritesWhatPrintfWrites) {
    const int64_t value = GetParam();
    for (int width : {0, 1, 6, 21}) {
        char expected[64], written[64];
        std::snprintf(expected, sizeof expected, "%0*lld", width, static_cast<long long>(value));
        EXPECT_EQ(std::string(written, WriteDecimal(written, value, width)), expected) << width;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, DecimalTextTest,
                         ::testing::Values(0, 7, -7, 35400, 123456, 1234567, -99999, -100000,
                                           std::numeric_limits<int64_t>::max(),
                                           std::numeric_limits<int64_t>::min()));

}  // namespace
