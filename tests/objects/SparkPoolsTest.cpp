// The ten named pools: order, pens, dashes and ranges, creation and deletion.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/Random.h"
#include "objects/SparkPools.h"
#include "platform/DrawContext.h"

namespace {

class SparkPoolsTest : public ::testing::Test {
protected:
    void SetUp() override { CreateSparkPools(pens); }
    void TearDown() override { DeleteSparkPools(); }

    const Pen red{0xFF0000}, green{0x00FF00}, orange{0xFF8000}, white{0xFFFFFF}, blue{0x0000FF};
    const SparkPoolPens pens{
        .red = &red, .green = &green, .orange = &orange, .white = &white, .blue = &blue};
};

// Lives and headings of many sparks from one pool.
struct Spread {
    int lifeLow, lifeHigh;
    float headingLow, headingHigh;
};

Spread EmitMany(SparkPool& pool) {
    randomGenerator.Seed(12345);
    pool.Emit(pool.capacity, 100, 100);
    Spread spread{1 << 30, -(1 << 30), 1e9f, -1e9f};
    for (const Spark& spark : pool.Sparks()) {
        if (spark.life <= 0) continue;
        spread.lifeLow = std::min(spread.lifeLow, spark.life);
        spread.lifeHigh = std::max(spread.lifeHigh, spark.life);
        spread.headingLow = std::min(spread.headingLow, spark.heading);
        spread.headingHigh = std::max(spread.headingHigh, spark.heading);
    }
    return spread;
}

}  // namespace

TEST_F(SparkPoolsTest, TenPoolsInCreationOrderWithTheirPensAndSizes) {
    struct Row {
        const char* name;
        const Pen* pen;
        int capacity, dash;
    };
    const Row rows[] = {
        {"sparksRedBurst", &red, 300, 4},        {"sparksRedPuff", &red, 400, 4},
        {"sparksGreenBurst", &green, 100, 4},    {"sparksOrangeRing", &orange, 100, 4},
        {"sparksWhiteTrail", &white, 400, 2},    {"sparksBlueTrail", &blue, 400, 2},
        {"sparksRedFlash", &red, 150, 3},        {"sparksRedFirework", &red, 100, 4},
        {"sparksGreenFirework", &green, 100, 4}, {"sparksBlueFirework", &blue, 100, 4},
    };
    const auto pools = AllSparkPools();
    for (size_t i = 0; i < pools.size(); ++i) {
        ASSERT_NE(pools[i].pool, nullptr);
        EXPECT_EQ(std::string(pools[i].name), rows[i].name);
        EXPECT_EQ(pools[i].pool->pen, rows[i].pen) << rows[i].name;
        EXPECT_EQ(pools[i].pool->capacity, rows[i].capacity) << rows[i].name;
        EXPECT_EQ(pools[i].pool->dashLength, rows[i].dash) << rows[i].name;
        EXPECT_EQ(pools[i].pool->LiveSparkCount(), 0);
    }
    EXPECT_EQ(pools[0].pool, sparksRedBurst);
    EXPECT_EQ(pools[3].pool, sparksOrangeRing);
    EXPECT_EQ(pools[9].pool, sparksBlueFirework);
}

TEST_F(SparkPoolsTest, RangesOfTheTable) {
    EXPECT_EQ(sparksRedBurst->angleMax, 6.2831855f);
    EXPECT_EQ(sparksRedBurst->speedMin, 4.0f);
    EXPECT_EQ(sparksRedBurst->speedMax, 6.0f);
    EXPECT_EQ(sparksRedPuff->speedMin, 1.0f);
    EXPECT_EQ(sparksRedPuff->lifeMin, 8);
    EXPECT_EQ(sparksRedPuff->lifeMax, 10);
    EXPECT_EQ(sparksWhiteTrail->angleMin, 3.1415927f / 3.1f);
    EXPECT_EQ(sparksBlueTrail->angleMax, 3.1415927f / 3.0f);
    EXPECT_FLOAT_EQ(sparksBlueTrail->angleMin, 1.013417f);
    EXPECT_FLOAT_EQ(sparksWhiteTrail->angleMax, 1.0471976f);
    EXPECT_EQ(sparksWhiteTrail->speedMin, 0.4f);
    EXPECT_EQ(sparksRedFlash->speedMax, 0.0f);
}

TEST_F(SparkPoolsTest, RedFlashLivesThreeToNineFrames) {
    const Spread spread = EmitMany(*sparksRedFlash);
    EXPECT_EQ(spread.lifeLow, 3);
    EXPECT_EQ(spread.lifeHigh, 9);
}

TEST_F(SparkPoolsTest, OrangeRingLivesExactlyThirtyFramesAtOneSpeed) {
    EmitMany(*sparksOrangeRing);
    for (const Spark& spark : sparksOrangeRing->Sparks()) {
        if (spark.life <= 0) continue;
        ASSERT_EQ(spark.life, 30);
        ASSERT_EQ(spark.speed, 6.0f);
    }
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 100);
}

TEST_F(SparkPoolsTest, TrailsDriftUpAndRight) {
    const Spread spread = EmitMany(*sparksWhiteTrail);
    EXPECT_GE(spread.headingLow, 1.013417f);
    EXPECT_LT(spread.headingHigh, 1.0471976f);
    EXPECT_GE(spread.lifeLow, 8);
    EXPECT_LE(spread.lifeHigh, 19);
}

TEST_F(SparkPoolsTest, DeleteNullsEveryPoolAndCreateReplaces) {
    sparksRedBurst->Emit(5, 0, 0);
    CreateSparkPools(pens);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 0);
    DeleteSparkPools();
    for (const NamedSparkPool& entry : AllSparkPools()) EXPECT_EQ(entry.pool, nullptr);
}
