// The shared generator's sequence, which the game's rules depend on.
#include <gtest/gtest.h>

#include "core/Random.h"

TEST(RandomGenerator, KnownSequenceWrappingStateAndFifteenBitResults) {
    randomGenerator.Seed(1);
    // state = 1 * 214013 + 2531011 = 2745024; 2745024 >> 16 = 41.
    EXPECT_EQ(Random(), 41);
    EXPECT_EQ(randomGenerator.State(), 2745024u);
    EXPECT_EQ(Random(), 18467);
    EXPECT_EQ(randomGenerator.Next(), 6334);
    EXPECT_EQ(Random(), 26500);

    RandomGenerator generator;
    generator.Seed(0xFFFFFFFFu);
    // (2^32 - 1) * 214013 + 2531011 mod 2^32 = 2531011 - 214013 = 2316998.
    EXPECT_EQ(generator.Next(), int(2316998u >> 16));
    EXPECT_EQ(generator.State(), 2316998u);
    generator.Seed(0x7FFF0000u);
    for (int i = 0; i < 1000; ++i) {
        const int value = generator.Next();
        ASSERT_TRUE(value >= 0 && value <= 32767) << value;
    }
}
