// Spark pools: slot search, ranges drawn from Random, motion and dashes.
#include <gtest/gtest.h>

#include <limits>

#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/SparkPool.h"
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

}  // namespace

TEST(SparkPool, CapacityOneOrLessNeverEmits) {
    for (int capacity : {1, 0, -3}) {
        StillPool pool(capacity);
        randomGenerator.Seed(5);
        pool.Emit(10, 1, 1);
        EXPECT_EQ(pool.LiveSparkCount(), 0) << capacity;
        EXPECT_EQ(randomGenerator.State(), 5u) << "no draws for dropped sparks";
    }
}

TEST(SparkPool, FillsTheSlotsAfterLastSlotInTurn) {
    StillPool pool(100);
    pool.Emit(40, 10, 20);
    std::vector<int> expected;
    for (int i = 1; i <= 40; ++i) expected.push_back(i);
    EXPECT_EQ(LiveSlots(pool), expected);
    EXPECT_EQ(pool.lastSlot, 40);

    pool.Emit(1, 10, 20);
    EXPECT_EQ(pool.lastSlot, 41);
    EXPECT_GT(pool.Sparks()[41].life, 0);
    EXPECT_EQ(pool.Sparks()[0].life, 0);
}

TEST(SparkPool, WrapsAroundAndDropsWhenFull) {
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
}

TEST(SparkPool, TheSearchNeverLooksAtLastSlot) {
    StillPool pool(5);
    pool.Emit(5, 0, 0);  // 1..4, then 0
    EXPECT_EQ(pool.lastSlot, 0);
    pool.Place(0, Spark{});
    pool.Emit(1, 0, 0);  // 1..4 are live and the free slot 0 is lastSlot
    EXPECT_EQ(pool.Sparks()[0].life, 0);
    EXPECT_EQ(pool.LiveSparkCount(), 4);
}

TEST(SparkPool, SkipsLiveSlotsAndReusesFreedOnes) {
    StillPool pool(6);
    pool.Emit(5, 0, 0);  // slots 1..5
    pool.Place(2, Spark{});
    pool.Place(4, Spark{});
    pool.lastSlot = 1;
    pool.Emit(3, 0, 0);  // 2 and 4 are free, then 0, since the search wraps
    EXPECT_EQ(LiveSlots(pool), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(pool.lastSlot, 0);
}

TEST(SparkPool, DrawsHeadingSpeedAndLifeInThatOrder) {
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
}

TEST(SparkPool, HugeLifeRangesDoNotOverflow) {
    SparkPool pool(3, nullptr, 1);
    pool.lifeMin = std::numeric_limits<int32_t>::min();
    pool.lifeMax = std::numeric_limits<int32_t>::max();
    randomGenerator.Seed(1);
    pool.Emit(2, 0, 0);
    // r = 334 of 1000 across the whole int range lies below zero: a free slot.
    EXPECT_LT(pool.Sparks()[1].life, 0);
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

namespace {

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

}  // namespace

TEST_F(SparkDrawTest, DrawsADashAndMarksItDirty) {
    SparkPool pool(4, &sparkPen, 4);
    pool.lifeMin = pool.lifeMax = 5;
    pool.Emit(1, 40, 50);
    Spark spark = pool.Sparks()[1];
    spark.x = 40.9f;  // truncated to 40
    pool.Place(1, spark);
    pool.Draw(dc);

    for (int x = 40; x < 44; ++x) EXPECT_EQ(surface.At(x, 50), 0x00FF8000u) << x;
    EXPECT_EQ(surface.At(39, 50), 0u);
    EXPECT_EQ(surface.At(44, 50), 0u);
    EXPECT_EQ(surface.At(40, 49), 0u);
    EXPECT_EQ(surface.At(40, 51), 0u);
    // (40, 50, 44, 51) lies in the tile at column 1, row 1.
    EXPECT_EQ(Tile(1, 1), (TileRect{8, 18, 12, 19}));
    EXPECT_EQ(Tile(0, 0), TileRect{});
    EXPECT_EQ(dc.SelectedPen(), &otherPen);
}

TEST_F(SparkDrawTest, FreeSlotsDrawNothing) {
    SparkPool pool(4, &sparkPen, 4);
    pool.Draw(dc);
    for (Pixel p : surface.Pixels()) ASSERT_EQ(p, 0u);
    for (const TileRect& tile : dirtyRects.tiles[size_t(dirtyRects.current)]) {
        ASSERT_EQ(tile, TileRect{});
    }
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
