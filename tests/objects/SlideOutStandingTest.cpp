// The standing barrier and black hole at the edges whole runs do not reach: the barrier's
// five-pixel line, balls stopped or pulled, and the black hole's nearest distance.
#include <gtest/gtest.h>

#include <cmath>

#include "SlideOutFixture.h"
#include "objects/BigGem.h"
#include "objects/Gem.h"

namespace {

using SlideOutBarrier = SlideOutFixture;
using SlideOutBlackHole = SlideOutFixture;

int RedBurst() { return sparksRedBurst->LiveSparkCount(); }
int OrangeRing() { return sparksOrangeRing->LiveSparkCount(); }

}  // namespace

TEST_F(SlideOutBarrier, DestroysGemsAndBigGemsStrictlyWithinFivePixelsOfItsLine) {
    SlideOut* panel = AddActivePanel(1, 200.0f, SlideKind::Barrier);
    Gem* above = AddGem(50.0f, 195.5f);
    Gem* below = AddGem(90.0f, 204.9f);
    Gem* fiveAbove = AddGem(120.0f, 195.0f);
    Gem* fiveBelow = AddGem(160.0f, 205.0f);
    BigGem* big = AddBigGem(144.0f, 202.0f, 9);
    audio.ClearPlayed();

    panel->Update(1.0f);
    EXPECT_TRUE(above->dead);
    EXPECT_TRUE(below->dead);
    EXPECT_FALSE(fiveAbove->dead);
    EXPECT_FALSE(fiveBelow->dead);
    EXPECT_TRUE(big->dead) << "whatever its hit points";
    EXPECT_EQ(big->hitPoints, 23);
    EXPECT_EQ(RedBurst(), 120);
    EXPECT_EQ(OrangeRing(), 100);
    EXPECT_EQ(HitSounds(), 3) << "one hit sound per destroyed target";
    EXPECT_EQ(sparksRedBurst->Sparks()[1].x, 50.0f);   // at the gem
    EXPECT_EQ(sparksRedBurst->Sparks()[1].y, 195.0f);  // truncated
    EXPECT_EQ(above->x, 50.0f) << "the barrier does not move what it destroys";
}

TEST_F(SlideOutBarrier, StopsFlyingBallsButNotTheSlingshotBall) {
    SlideOut* panel = AddActivePanel(1, 400.0f, SlideKind::Barrier);
    Ball* crossing = AddFlyingBall(ShotKind::Normal, 144.0f, 403.0f, 0, -10);
    Ball* clear = AddFlyingBall(ShotKind::Normal, 144.0f, 395.0f, 0, -10);
    Ball* resting = AddRestingBall(144.0f, 400.0f);
    Ball* pulled = AddRestingBall(144.0f, 401.0f);
    pulled->released = 1;  // still held by the bands
    audio.ClearPlayed();

    panel->Update(1.0f);
    EXPECT_TRUE(crossing->dead);
    EXPECT_FALSE(clear->dead);
    EXPECT_FALSE(resting->dead);
    EXPECT_FALSE(pulled->dead);
    EXPECT_EQ(RedBurst(), 40);
    EXPECT_EQ(OrangeRing(), 0) << "a ball bursts in red only";
    ASSERT_EQ(audio.Played().size(), 1u);
    EXPECT_GE(audio.Played()[0], 173);
}

TEST_F(SlideOutBlackHole, SwallowsNearGemsAndOvershootsWithinOnePixel) {
    SlideOut* panel = AddActivePanel(-1, 300.0f, SlideKind::BlackHole);
    const float holeX = panel->x;
    Gem* near = AddGem(holeX + 5.0f, 300.0f);
    Gem* touching = AddGem(holeX, 300.5f);
    audio.ClearPlayed();
    panel->Update(1.0f);

    EXPECT_TRUE(near->dead);
    EXPECT_NEAR(near->x, holeX + 1.0f, 1e-4);  // 5 - 20 / 5
    EXPECT_TRUE(touching->dead);
    EXPECT_NEAR(touching->y, 280.5f, 1e-4) << "d clamped to 1: pulled by 20";
    EXPECT_EQ(RedBurst(), 80);
    EXPECT_EQ(OrangeRing(), 80);
    EXPECT_EQ(audio.Played().size(), 2u);
}

TEST_F(SlideOutBlackHole, AcceleratesFlyingBallsAndSwallowsNearOnes) {
    SlideOut* panel = AddActivePanel(1, 200.0f, SlideKind::BlackHole);
    const float holeX = panel->x;
    Ball* above = AddFlyingBall(ShotKind::Normal, holeX, 130.0f, 1.0f, -5.0f);
    Ball* beside = AddFlyingBall(ShotKind::Normal, holeX - 35.0f, 200.0f, 0.0f, 0.0f);
    Ball* close = AddFlyingBall(ShotKind::Normal, holeX, 203.0f, 0.0f, -2.0f);
    Ball* resting = AddRestingBall(holeX, 230.0f);
    panel->Update(1.0f);

    EXPECT_NEAR(above->vx, 1.0f, 1e-4);
    EXPECT_NEAR(above->vy, -4.0f, 1e-4);  // 70 / 70 downwards
    EXPECT_EQ(above->y, 130.0f) << "balls are accelerated, not moved";
    EXPECT_NEAR(beside->vx, 2.0f, 1e-4);
    EXPECT_FALSE(above->dead);
    EXPECT_TRUE(close->dead);
    EXPECT_NEAR(close->vy, -2.0f - 70.0f / 3.0f, 1e-3);
    EXPECT_FALSE(resting->dead);
    EXPECT_EQ(resting->vy, 0.0f);
    EXPECT_EQ(RedBurst(), 40);
    EXPECT_EQ(OrangeRing(), 0);
}
