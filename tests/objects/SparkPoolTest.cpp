// Spark pools: slot search, ranges drawn from Random, motion and dashes, and the ten named
// pools.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>

#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/SparkPool.h"
#include "objects/SparkPools.h"
#include "platform/DrawContext.h"
#include "platform/FieldGeometry.h"

namespace {

std::vector<int> LiveSlots(const SparkPool& pool) {
    std::vector<int> slots;
    for (size_t i = 0; i < pool.Sparks().size(); ++i) {
        if (pool.Sparks()[i].life > 0) slots.push_back(int(i));
    }
    return slots;
}

// A pool whose sparks live 10 frames and do not move.
class StillPool : public SparkPool {
public:
    explicit StillPool(int capacity) : SparkPool(capacity, nullptr, 4) { lifeMin = lifeMax = 10; }
};

TEST(SparkPool, CapacityOneOrLessNeverEmits) {
    for (int capacity : {1, 0, -3}) {
        StillPool pool(capacity);
        randomGenerator.Seed(5);
        pool.Emit(10, 1, 1);
        EXPECT_EQ(pool.LiveSparkCount(), 0) << capacity;
        EXPECT_EQ(randomGenerator.State(), 5u) << "no draws for dropped sparks";
    }
}

TEST(SparkPool, FillsTheSlotsAfterLastSlotInTurnWrapsAndDropsWhenFull) {
    StillPool pool(5);
    pool.Emit(4, 0, 0);
    EXPECT_EQ(LiveSlots(pool), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(pool.lastSlot, 4);
    pool.Emit(1, 0, 0);  // wraps to slot 0
    EXPECT_EQ(pool.lastSlot, 0);
    EXPECT_EQ(pool.LiveSparkCount(), 5);
    const uint32_t state = randomGenerator.State();
    pool.Emit(3, 0, 0);
    EXPECT_EQ(pool.LiveSparkCount(), 5);
    EXPECT_EQ(pool.lastSlot, 0);
    EXPECT_EQ(randomGenerator.State(), state) << "no draws for dropped sparks";

    // The search never looks at lastSlot: 1..4 are live and the free slot 0 is lastSlot.
    pool.Place(0, Spark{});
    pool.Emit(1, 0, 0);
    EXPECT_EQ(pool.LiveSparkCount(), 4);
    // It skips live slots and reuses freed ones, wrapping.
    pool.Place(2, Spark{});
    pool.lastSlot = 1;
    pool.Emit(3, 0, 0);
    EXPECT_EQ(LiveSlots(pool), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(pool.lastSlot, 0);
}

TEST(SparkPool, DrawsHeadingSpeedAndLifeInThatOrderWithoutOverflow) {
    SparkPool pool(10, nullptr, 4);
    pool.angleMin = 1;
    pool.angleMax = 2;
    pool.speedMin = 2;
    pool.speedMax = 4;
    pool.lifeMin = 10;
    pool.lifeMax = 20;
    randomGenerator.Seed(1);  // 41, 18467, 6334: mod 1000 gives 41, 467, 334
    pool.Emit(1, 7, -9);
    const Spark& spark = pool.Sparks()[1];
    EXPECT_EQ(spark.x, 7.0f);
    EXPECT_EQ(spark.y, -9.0f);
    EXPECT_FLOAT_EQ(spark.heading, 41 * 1.0f * 0.001f + 1.0f);
    EXPECT_FLOAT_EQ(spark.speed, 467 * 2.0f * 0.001f + 2.0f);
    EXPECT_EQ(spark.life, 13);  // 10 + 3.34

    pool.lifeMin = std::numeric_limits<int32_t>::min();
    pool.lifeMax = std::numeric_limits<int32_t>::max();
    randomGenerator.Seed(1);
    pool.Emit(1, 0, 0);
    // r = 334 of 1000 across the whole int range lies below zero: a free slot.
    EXPECT_LT(pool.Sparks()[2].life, 0);
}

TEST(SparkPool, UpdateMovesAlongTheHeadingAndAges) {
    SparkPool pool(4, nullptr, 4);
    pool.lifeMin = pool.lifeMax = 2;
    pool.speedMin = pool.speedMax = 3;
    pool.angleMin = pool.angleMax = 3.1415927f / 2;  // to the right
    pool.Emit(1, 100, 50);
    pool.angleMin = pool.angleMax = 0;  // straight up
    pool.Emit(1, 100, 50);

    pool.Update();
    EXPECT_NEAR(pool.Sparks()[1].x, 103.0f, 1e-4);
    EXPECT_NEAR(pool.Sparks()[1].y, 50.0f, 1e-4);
    EXPECT_NEAR(pool.Sparks()[2].x, 100.0f, 1e-4);
    EXPECT_NEAR(pool.Sparks()[2].y, 47.0f, 1e-4);
    EXPECT_EQ(pool.Sparks()[1].life, 1);
    pool.Update();
    EXPECT_EQ(pool.LiveSparkCount(), 0);
    pool.Update();  // free slots stay where they stopped
    EXPECT_NEAR(pool.Sparks()[1].x, 106.0f, 1e-4);
    EXPECT_EQ(pool.Sparks()[1].life, 0);
}

class SparkDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        dirtyRects.BeginFrame();  // a clean map to mark into
        dc.SelectPen(&otherPen);
    }

    const TileRect& Tile(int column, int row) const {
        return dirtyRects.tiles[size_t(dirtyRects.current)][size_t(row * kTileColumns + column)];
    }

    Surface surface{kFieldWidth, kFieldHeight};
    DrawContext dc{surface};
    const Pen sparkPen{0x00FF8000};
    const Pen otherPen{0x000000FF};
};

TEST_F(SparkDrawTest, DrawsADashOfLiveSparksAndMarksItDirty) {
    SparkPool pool(4, &sparkPen, 4);
    pool.lifeMin = pool.lifeMax = 5;
    pool.Emit(1, 40, 50);
    Spark moved = pool.Sparks()[1];
    moved.x = 40.9f;  // truncated to 40
    pool.Place(1, moved);
    Spark free;
    free.x = 100;  // free slots draw nothing
    pool.Place(2, free);
    pool.Draw(dc);
    for (int x = 40; x < 44; ++x) EXPECT_EQ(surface.At(x, 50), 0x00FF8000u) << x;
    EXPECT_EQ(surface.At(39, 50), 0u);
    EXPECT_EQ(surface.At(44, 50), 0u);
    EXPECT_EQ(surface.At(40, 49), 0u);
    EXPECT_EQ(surface.At(40, 51), 0u);
    EXPECT_EQ(std::count(surface.Pixels().begin(), surface.Pixels().end(), 0x00FF8000u), 4);
    // (40, 50, 44, 51) lies in the tile at column 1, row 1.
    EXPECT_EQ(Tile(1, 1), (TileRect{8, 18, 12, 19}));
    EXPECT_EQ(Tile(0, 0), TileRect{});
    EXPECT_EQ(dc.SelectedPen(), &otherPen);
}

TEST_F(SparkDrawTest, SparksOffTheFieldAreClipped) {
    SparkPool pool(8, &sparkPen, 4);
    pool.lifeMin = pool.lifeMax = 5;
    pool.speedMin = pool.speedMax = 1e30f;
    pool.Emit(1, -2, 575);  // its dash reaches into the field
    pool.Emit(1, -100, -100);
    pool.Emit(1, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    pool.Emit(1, std::numeric_limits<int>::min(), std::numeric_limits<int>::min());
    pool.Draw(dc);
    EXPECT_EQ(surface.At(0, 575), 0x00FF8000u);
    EXPECT_EQ(surface.At(1, 575), 0x00FF8000u);
    EXPECT_EQ(surface.At(2, 575), 0u);
    EXPECT_EQ(Tile(0, kTileRows - 1), (TileRect{0, 31, 2, 32}));
    pool.Update();  // flung a long way off
    pool.Draw(dc);
    EXPECT_EQ(pool.LiveSparkCount(), 4);
}

class SparkPoolsTest : public ::testing::Test {
protected:
    void SetUp() override { CreateSparkPools(pens); }
    void TearDown() override { DeleteSparkPools(); }

    const Pen red{0xFF0000}, green{0x00FF00}, orange{0xFF8000}, white{0xFFFFFF}, blue{0x0000FF};
    const SparkPoolPens pens{
        .red = &red, .green = &green, .orange = &orange, .white = &white, .blue = &blue};
};

TEST_F(SparkPoolsTest, TenPoolsInCreationOrderWithTheirPensSizesAndRanges) {
    constexpr float kTwoPi = 6.2831855f;
    const struct {
        const char* name;
        const Pen* pen;
        int capacity, dash, lifeLow, lifeHigh;
        float speedLow, speedHigh, headingLow, headingHigh;
    } rows[] = {
        {"sparksRedBurst", &red, 300, 4, 10, 29, 4, 6, 0, kTwoPi},
        {"sparksRedPuff", &red, 400, 4, 8, 9, 1, 2, 0, kTwoPi},
        {"sparksGreenBurst", &green, 100, 4, 10, 29, 4, 6, 0, kTwoPi},
        {"sparksOrangeRing", &orange, 100, 4, 30, 30, 6, 6, 0, kTwoPi},
        {"sparksWhiteTrail", &white, 400, 2, 8, 19, 0.4f, 1, 1.013417f, 1.0471976f},
        {"sparksBlueTrail", &blue, 400, 2, 8, 19, 0.4f, 1, 1.013417f, 1.0471976f},
        {"sparksRedFlash", &red, 150, 3, 3, 9, 0, 0, 0, kTwoPi},
        {"sparksRedFirework", &red, 100, 4, 10, 29, 4, 6, 0, kTwoPi},
        {"sparksGreenFirework", &green, 100, 4, 10, 29, 4, 6, 0, kTwoPi},
        {"sparksBlueFirework", &blue, 100, 4, 10, 29, 4, 6, 0, kTwoPi},
    };
    const auto pools = AllSparkPools();
    ASSERT_EQ(pools.size(), std::size(rows));
    for (size_t i = 0; i < pools.size(); ++i) {
        SparkPool& pool = *pools[i].pool;
        EXPECT_EQ(std::string(pools[i].name), rows[i].name);
        EXPECT_EQ(pool.pen, rows[i].pen) << rows[i].name;
        EXPECT_EQ(pool.capacity, rows[i].capacity) << rows[i].name;
        EXPECT_EQ(pool.dashLength, rows[i].dash) << rows[i].name;
        // Every spark of a full pool lies within the pool's ranges.
        randomGenerator.Seed(12345);
        pool.Emit(pool.capacity, 100, 100);
        EXPECT_EQ(pool.LiveSparkCount(), pool.capacity) << rows[i].name;
        for (const Spark& spark : pool.Sparks()) {
            EXPECT_TRUE(spark.life >= rows[i].lifeLow && spark.life <= rows[i].lifeHigh &&
                        spark.speed >= rows[i].speedLow && spark.speed <= rows[i].speedHigh &&
                        spark.heading >= rows[i].headingLow && spark.heading <= rows[i].headingHigh)
                << rows[i].name << ": life " << spark.life << ", speed " << spark.speed
                << ", heading " << spark.heading;
        }
    }
    EXPECT_EQ(pools[0].pool, sparksRedBurst);
    EXPECT_EQ(pools[9].pool, sparksBlueFirework);
}

TEST_F(SparkPoolsTest, DeleteNullsEveryPoolAndCreateReplaces) {
    sparksRedBurst->Emit(5, 0, 0);
    CreateSparkPools(pens);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 0);
    DeleteSparkPools();
    for (const NamedSparkPool& entry : AllSparkPools()) EXPECT_EQ(entry.pool, nullptr);
}

}  // namespace
