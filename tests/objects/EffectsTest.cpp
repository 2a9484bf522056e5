// Death rings, mines, smoke and the fail zap at the edges whole runs do not pin: the radius
// border, strikes on targets already dead, the mines' wall line, the frame each ends on,
// and smoke without its picture.
#include <gtest/gtest.h>

#include "FrameChecks.h"
#include "Placement.h"
#include "objects/DeathRing.h"
#include "objects/FailZap.h"
#include "objects/Mine.h"
#include "objects/PowerUp.h"
#include "objects/Smoke.h"
#include "support/PlayfieldFixture.h"

namespace {

class EffectsTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.ResetClip();
        dirtyRects.BeginFrame();
    }
    static const Spark& LastRedBurst() {
        return sparksRedBurst->Sparks()[size_t(sparksRedBurst->lastSlot)];
    }
};

TEST_F(EffectsTest, RingBreaksGemsWithinItsRadiusBorderIncluded) {
    Gem* atCentre = AddGem(100, 200);
    Gem* near = AddGem(100.5f, 200);
    Gem* onRim = AddGem(130, 240);  // 30, 40: distance 50
    Gem* outside = AddGem(130, 240.1f);
    DeathRing ring(100, 200, 500);
    ring.Update(1.0f);  // acts with radius 0, then grows
    EXPECT_TRUE(atCentre->dead);
    EXPECT_FALSE(near->dead);
    ring.radius = 50;
    ring.Update(1.0f);
    EXPECT_TRUE(onRim->dead);
    EXPECT_FALSE(outside->dead);
    EXPECT_EQ(LastRedBurst().x, 130.0f);  // at the gem's truncated place
    EXPECT_EQ(LastRedBurst().y, 240.0f);
}

TEST_F(EffectsTest, RingsStrikeTargetsAlreadyMarkedDeadAgain) {
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

TEST_F(EffectsTest, MineTurnsBackOnlyWhenMovingTowardTheWallItHasPassed) {
    // Beyond a wall but moving away, or exactly on the line (266 + 19 = 285): no turn.
    const struct {
        float x, vx, vxAfter;
    } cases[] = {
        {284.5f, 2, -1.9f}, {3.5f, -2, 1.9f}, {290, -1, -0.95f}, {1, 1, 0.95f}, {266, 20, 19}};
    for (const auto& c : cases) {
        Mine mine(c.x, 100, c.vx, 0);
        mine.Update(1.0f);
        EXPECT_EQ(mine.vx, c.vxAfter) << c.x;
    }
}

TEST_F(EffectsTest, MineStrikesOneGemWithinItsRadiusAndIsSpentEvenOnADeadOne) {
    targetList.Add(new PowerUp(100.7f, 100.3f, 0));  // another category: passed over
    Gem* gem = AddGem(112.7f, 100.3f);               // 12 from the mine: the gem's radius
    Gem* second = AddGem(112.7f, 100.3f);
    AddGem(88.5f, 100.3f);
    Mine mine(100.7f, 100.3f, 0, 0);
    mine.Update(1.0f);
    EXPECT_TRUE(gem->dead);
    EXPECT_FALSE(second->dead) << "at most one target a frame";
    EXPECT_TRUE(mine.dead);
    EXPECT_EQ(LastRedBurst().x, 112.0f);
    EXPECT_EQ(LastRedBurst().y, 100.0f);
    EXPECT_EQ(HitSounds(), 1);

    Mine spent(112.7f, 100.3f, 0, 0);
    spent.Update(1.0f);  // the first gem, already dead
    EXPECT_TRUE(spent.dead);
    EXPECT_FALSE(second->dead);

    Mine idle(76.0f, 100.3f, 0, 0);  // 12.5 from the last gem: outside its radius
    idle.Update(1.0f);
    EXPECT_FALSE(idle.dead);
}

TEST_F(EffectsTest, ZapEndsOnTheNinetyFirstUpdateAndSmokeAboveMinusForty) {
    FailZap zap(100, 100);
    for (int update = 1; update <= 90; ++update) zap.Update(1.0f);
    EXPECT_EQ(zap.size, 180);
    EXPECT_FALSE(zap.dead);
    zap.Update(1.0f);
    EXPECT_TRUE(zap.dead);

    Smoke puff(100, -39, 0, -0.95f);
    puff.Update(1.0f);
    ASSERT_EQ(puff.y, -40.0f);
    EXPECT_FALSE(puff.dead);
    puff.Update(1.0f);
    EXPECT_TRUE(puff.dead);
}

// The art cache keeps "smoke.bmp" once loaded, for the rest of the process: this program
// never writes it.
TEST_F(EffectsTest, WithoutItsPictureAPuffDrawsAndMarksNothing) {
    ASSERT_EQ(dirtyRects.GetArt("smoke.bmp"), nullptr) << "smoke.bmp found beside the tests";
    Smoke puff(100, 100, 0, 0);
    puff.Draw(dc);
    EXPECT_EQ(CountLitPixels(frame), 0);
    EXPECT_TRUE(NothingMarked());
}

}  // namespace
