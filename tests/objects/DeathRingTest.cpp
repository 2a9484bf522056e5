// Death rings: growth and end, gems broken and big gems worn down inside the radius, the
// glittering rim and the three circles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "FrameChecks.h"
#include "Placement.h"
#include "objects/BigGem.h"
#include "objects/DeathRing.h"
#include "objects/Gem.h"
#include "support/PlayfieldFixture.h"

namespace {

class DeathRingTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.BeginFrame();
    }
};

}  // namespace

TEST_F(DeathRingTest, GrowsByFiveAFrameUntilPastItsLargestRadius) {
    for (auto [maxRadius, updates] : {std::pair{100, 21}, {500, 101}}) {
        DeathRing ring(144, 300, maxRadius);
        int n = 0;
        while (!ring.dead && n < 1000) {
            ring.Update(1.0f);
            EXPECT_EQ(ring.radius, 5 * ++n);
        }
        EXPECT_EQ(n, updates);
    }
}

TEST_F(DeathRingTest, BreaksGemsWithinItsRadiusBorderIncluded) {
    Gem* atCentre = AddGem(100, 200);
    Gem* near = AddGem(100.5f, 200);
    Gem* onRim = AddGem(130, 240);  // 30, 40: distance 50
    Gem* outside = AddGem(130, 240.1f);
    DeathRing ring(100, 200, 500);
    ring.Update(1.0f);  // acts with radius 0, then grows
    EXPECT_TRUE(atCentre->dead);
    EXPECT_FALSE(near->dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 10);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 10);
    EXPECT_EQ(HitSounds(), 1);
    ring.radius = 50;
    ring.Update(1.0f);
    EXPECT_TRUE(onRim->dead);
    EXPECT_FALSE(outside->dead);
    // Sparks at the gem's truncated place.
    EXPECT_EQ(sparksRedBurst->Sparks()[size_t(sparksRedBurst->lastSlot)].x, 130.0f);
    EXPECT_EQ(sparksRedBurst->Sparks()[size_t(sparksRedBurst->lastSlot)].y, 240.0f);
}

TEST_F(DeathRingTest, ABigGemInsideLosesTenHitPointsAFrameAndGoesWithSound164) {
    BigGem* bigGem = AddBigGem(150, 150, 9);  // 23 hit points
    DeathRing ring(150, 160, 500);
    // Radius 0 and 5 do not reach 10 pixels; 10 and 15 do.
    for (int hitPoints : {23, 23, 13, 3}) {
        ring.Update(1.0f);
        EXPECT_EQ(bigGem->hitPoints, hitPoints);
        EXPECT_FALSE(bigGem->dead);
    }
    EXPECT_EQ(Plays(164), 0);
    ring.Update(1.0f);
    EXPECT_EQ(bigGem->hitPoints, -7);
    EXPECT_TRUE(bigGem->dead);
    EXPECT_EQ(Plays(164), 1);
    EXPECT_EQ(HitSounds(), 0);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
}

TEST_F(DeathRingTest, TargetsAlreadyMarkedDeadAreStruckAgain) {
    Gem* gem = AddGem(50, 50);
    DeathRing first(50, 50, 100);
    DeathRing second(52, 50, 100);
    second.radius = 5;
    first.Update(1.0f);
    second.Update(1.0f);
    EXPECT_TRUE(gem->dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 20);
    EXPECT_EQ(HitSounds(), 2);
}

TEST_F(DeathRingTest, LeavesOtherCategoriesAlone) {
    DeathRing ring(50, 50, 100);
    auto* other = new DeathRing(50, 50, 100);
    targetList.Add(other);
    ring.radius = 30;
    ring.Update(1.0f);
    EXPECT_FALSE(other->dead);
    EXPECT_EQ(other->radius, 0);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 0);
}

TEST_F(DeathRingTest, RimGlittersWithFortyStillSparksOnTheRadius) {
    DeathRing ring(144.5f, 300.5f, 500);
    ring.radius = 40;
    RandomGenerator expected;
    expected.Seed(777);
    randomGenerator.Seed(777);
    ring.Update(1.0f);
    ASSERT_EQ(sparksRedFlash->LiveSparkCount(), 40);
    for (int slot = 1; slot <= 40; ++slot) {
        const Spark& spark = sparksRedFlash->Sparks()[size_t(slot)];
        const float angle = float(expected.Next()) * 6.2831855f * (1.0f / 32767.0f);
        EXPECT_EQ(spark.x, float(std::trunc(144.5 + std::sin(double(angle)) * 40)));
        EXPECT_EQ(spark.y, float(std::trunc(300.5 + std::cos(double(angle)) * 40)));
        EXPECT_EQ(spark.speed, 0.0f);
        EXPECT_LT(std::abs(std::hypot(spark.x - 144.5f, spark.y - 300.5f) - 40), 1.5);
        for (int i = 0; i < 3; ++i) expected.Next();
    }
    EXPECT_EQ(randomGenerator.State(), expected.State());
}

TEST_F(DeathRingTest, DrawsAWhiteRimAndTwoRedCirclesInsideAndMarksThem) {
    DeathRing ring(100.7f, 200.7f, 500);
    ring.radius = 30;
    Pen previous{0x010101};
    dc.SelectPen(&previous);
    ring.Draw(dc);
    EXPECT_EQ(dc.SelectedPen(), &previous);
    // Each circle starts straight below the truncated centre (100, 200).
    EXPECT_EQ(frame.At(100, 230), penWhite->colour);
    EXPECT_EQ(frame.At(100, 227), penRed->colour);
    EXPECT_EQ(frame.At(100, 224), penRed->colour);
    EXPECT_EQ(frame.At(100, 200), 0u);
    EXPECT_EQ(frame.At(100, 232), 0u);
    int white = 0, red = 0;
    for (Pixel p : frame.Pixels()) {
        white += p == penWhite->colour ? 1 : 0;
        red += p == penRed->colour ? 1 : 0;
    }
    EXPECT_GT(white, 120);  // about 2π × 30 pixels
    EXPECT_LT(white, 220);
    EXPECT_GT(red, 250);
    EXPECT_EQ(white + red, CountLitPixels(frame));
    ExpectDrawnPixelsMarked(frame);
}

TEST_F(DeathRingTest, EachCircleClosesOnTheVertexItStartedFrom) {
    for (int radius : {30, 95, 500}) {
        frame.Fill(0);
        DeathRing ring(144.6f, 40.6f, 500);
        ring.radius = radius;
        ring.Draw(dc);
        // The last chord comes in from the left along the start's row, onto the start
        // straight below the truncated centre (144, 40).
        for (int r : {radius, radius - 3, radius - 6}) {
            EXPECT_NE(frame.At(143, 40 + r), 0u) << "circle of radius " << r;
        }
    }
}

TEST_F(DeathRingTest, ANegativeInnerRadiusDrawsTheMirroredCircle) {
    DeathRing ring(50, 50, 100);
    ring.radius = 9;  // inner circles of 6 and 3
    ring.Draw(dc);
    const Surface positive = frame;
    frame.Fill(0);
    DeathRing small(50, 50, 100);
    small.radius = 0;  // inner circles of -3 and -6
    small.Draw(dc);
    // Each negative circle is its positive twin turned half a turn about the centre, give or
    // take the one pixel that truncation toward zero moves each side.
    int matched = 0, red = 0;
    for (int y = 40; y <= 60; ++y) {
        for (int x = 40; x <= 60; ++x) {
            if (frame.At(x, y) != penRed->colour) continue;
            ++red;
            bool twin = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    twin = twin || positive.At(100 - x + dx, 100 - y + dy) != 0;
                }
            }
            matched += twin ? 1 : 0;
        }
    }
    EXPECT_GT(red, 40);
    EXPECT_EQ(matched, red);
    EXPECT_EQ(frame.At(50, 47), penRed->colour);  // -3 starts straight above the centre
    EXPECT_EQ(frame.At(50, 44), penRed->colour);
    // The rim of radius 0 draws nothing.
    for (Pixel p : frame.Pixels()) EXPECT_NE(p, penWhite->colour);
    ExpectDrawnPixelsMarked(frame);
}
