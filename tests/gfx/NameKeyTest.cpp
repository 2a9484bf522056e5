// Name keys: the complement of the standard CRC-32 (reference values from an independent
// CRC-32 implementation).
#include <gtest/gtest.h>

#include "gfx/NameKey.h"

namespace {

TEST(NameKey, EmptyAndNullTextGiveTheStartingRegister) {
    EXPECT_EQ(NameKey(""), 0xFFFFFFFFu);
    EXPECT_EQ(NameKey(nullptr), 0xFFFFFFFFu);
}

TEST(NameKey, IsTheComplementOfTheStandardCrc) {
    EXPECT_EQ(NameKey("123456789"), ~0xCBF43926u);
    EXPECT_EQ(NameKey("a"), 0x174841BCu);
    EXPECT_EQ(NameKey("The quick brown fox jumps over the lazy dog"), 0xBEB05CC6u);
    EXPECT_EQ(NameKey("gemA0.bmp gemA1.bmp gemA2.bmp"), 0x1195C2B2u);
}

TEST(NameKey, BytesAbove127CountAsUnsigned) { EXPECT_EQ(NameKey("\xE9\xFF"), 0x1C984A28u); }

}  // namespace
