// Spark pools at their edges: capacities too small, the slot search when full, ranges that
// overflow, dashes off the field, and the named pools made again and deleted.
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

// A life drawn across the whole int range does not overflow: r = 334 of 1000 lies below zero.
TEST(SparkPool, LifeRangesOfTheWholeIntDoNotOverflow) {
    SparkPool pool(10, nullptr, 4);
    pool.lifeMin = std::numeric_limits<int32_t>::min();
    pool.lifeMax = std::numeric_limits<int32_t>::max();
    randomGenerator.Seed(1);  // 41, 18467, 6334: mod 1000 gives 41, 467, 334
    pool.Emit(1, 0, 0);
    EXPECT_LT(pool.Sparks()[1].life, 0);
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

TEST_F(SparkPoolsTest, DeleteNullsEveryPoolAndCreateReplaces) {
    sparksRedBurst->Emit(5, 0, 0);
    CreateSparkPools(pens);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 0);
    DeleteSparkPools();
    for (const NamedSparkPool& entry : AllSparkPools()) EXPECT_EQ(entry.pool, nullptr);
}

}  // namespace
