// What a flying ball does to the gems, big gems, capsules and slide-outs it touches, by shot
// kind, and how the collision walk goes on or stops.
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "BallFixture.h"
#include "objects/DeathRing.h"
#include "objects/PowerUp.h"
#include "objects/SlideOut.h"

namespace {

constexpr float kBallX = 100.0f;
constexpr float kBallY = 200.0f;

// The ring of the shot list, or null.
DeathRing* FindRing() {
    for (NamedObject* item = shotList.First(); item != nullptr; item = shotList.Next()) {
        if (static_cast<GameObject*>(item)->category == ObjectCategory::Effect) {
            return static_cast<DeathRing*>(item);
        }
    }
    return nullptr;
}

// Distinct positions of the live sparks of a pool.
std::set<std::pair<float, float>> SparkPoints(const SparkPool& pool) {
    std::set<std::pair<float, float>> points;
    for (const Spark& spark : pool.Sparks()) {
        if (spark.life > 0) points.insert({spark.x, spark.y});
    }
    return points;
}

}  // namespace

class BallHitsTest : public BallFixture {
protected:
    // A ball of `kind` flying upwards through (kBallX, kBallY).
    static Ball* Shoot(ShotKind kind) { return AddFlyingBall(kind, kBallX, kBallY, 0, -3); }
};

// Gems

TEST_F(BallHitsTest, SingleHitKindsBreakTheGemAndAreSpent) {
    for (ShotKind kind : {ShotKind::Normal, ShotKind::Echo, ShotKind::XShot, ShotKind::XFrag}) {
        hitCount = 0;
        audio.ClearPlayed();
        LetSoundsEnd();
        Gem* gem = AddGem(kBallX + 10.5f, kBallY - 7.5f);
        Ball* ball = Shoot(kind);
        ball->Update(1.0f);
        EXPECT_TRUE(gem->dead) << int(kind);
        EXPECT_TRUE(ball->dead) << int(kind);
        EXPECT_EQ(hitCount, 1) << int(kind);
        EXPECT_EQ(HitSounds(), 1) << int(kind);
        targetList.Remove(gem);
        delete gem;
    }
    const auto sparkPoint = std::set<std::pair<float, float>>{{110.0f, 192.0f}};
    EXPECT_EQ(SparkPoints(*sparksRedBurst), sparkPoint);
    EXPECT_EQ(SparkPoints(*sparksOrangeRing), sparkPoint);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 160);
}

TEST_F(BallHitsTest, HeavyBallBreaksEveryGemOnItsPath) {
    Gem* first = AddGem(kBallX, kBallY);
    Gem* second = AddGem(kBallX, kBallY + 10);
    Ball* ball = Shoot(ShotKind::Heavy);
    ball->Update(1.0f);
    EXPECT_TRUE(first->dead);
    EXPECT_TRUE(second->dead);
    EXPECT_FALSE(ball->dead);
    EXPECT_EQ(hitCount, 2);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 80);
}

TEST_F(BallHitsTest, FreezeStopsFallingGemsAndCountsTwice) {
    Gem* gems[3] = {AddGem(kBallX, kBallY, 3), AddGem(kBallX + 5, kBallY),
                    AddGem(kBallX, kBallY - 5)};
    Ball* ball = AddFlyingBall(ShotKind::Freeze, kBallX, kBallY, 0, 0);
    ball->Update(1.0f);
    for (Gem* gem : gems) {
        EXPECT_EQ(gem->speed, 0.0f);
        EXPECT_FALSE(gem->dead);
    }
    EXPECT_FALSE(ball->dead);
    EXPECT_EQ(hitCount, 6);
    EXPECT_TRUE(Played(166));
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 120);

    // Through the frozen gems: nothing counts and nothing sparkles.
    audio.ClearPlayed();
    LetSoundsEnd();
    ball->Update(1.0f);
    EXPECT_EQ(hitCount, 6);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 120);
    EXPECT_TRUE(audio.Played().empty());
    EXPECT_FALSE(ball->dead);
}

TEST_F(BallHitsTest, BlastLeavesTheGemToALargeRing) {
    Gem* gem = AddGem(kBallX, kBallY);
    Ball* ball = Shoot(ShotKind::Blast);
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_FALSE(gem->dead);
    EXPECT_EQ(hitCount, 1);
    EXPECT_TRUE(Played(159));
    DeathRing* ring = FindRing();
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->maxRadius, 500);
    EXPECT_EQ(ring->radius, 0);
    EXPECT_EQ(ring->x, kBallX);  // where the ball was when it hit
    EXPECT_EQ(ring->y, kBallY);
    EXPECT_EQ(Shots().back(), ring);
}

TEST_F(BallHitsTest, BoomLeavesTheGemToASmallRingSilently) {
    Gem* gem = AddGem(kBallX, kBallY);
    Ball* ball = Shoot(ShotKind::Boom);
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_FALSE(gem->dead);
    EXPECT_EQ(hitCount, 1);
    EXPECT_TRUE(audio.Played().empty());
    DeathRing* ring = FindRing();
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->maxRadius, 100);
}

TEST_F(BallHitsTest, BreakUpSplitsIntoEightFragmentsThatBreakTheGem) {
    Gem* gem = AddGem(kBallX, kBallY);
    Ball* ball = Shoot(ShotKind::BreakUp);
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_FALSE(gem->dead);
    EXPECT_EQ(hitCount, 1);
    EXPECT_EQ(HitSounds(), 1);

    const std::vector<Ball*> balls = Balls();
    ASSERT_EQ(balls.size(), 9u);
    EXPECT_EQ(balls.back(), ball);
    for (int i = 0; i < 8; ++i) {
        const Ball& fragment = *balls[size_t(i)];
        const double heading = i * 3.1415927 / 4;
        EXPECT_EQ(fragment.GetShotKind(), ShotKind::XFrag);
        EXPECT_EQ(fragment.loaded, 0);
        EXPECT_EQ(fragment.released, 1);
        EXPECT_EQ(fragment.x, kBallX);
        EXPECT_EQ(fragment.y, kBallY);
        EXPECT_NEAR(fragment.vx, 4 * std::sin(heading), 1e-5) << i;
        EXPECT_NEAR(fragment.vy, -4 * std::cos(heading), 1e-5) << i;
    }

    // The next frame the first fragment breaks the gem; the others find it dead.
    RunShotWalk();
    EXPECT_TRUE(gem->dead);
    EXPECT_EQ(hitCount, 2);
    EXPECT_EQ(Balls().size(), 7u);
}

// Big gems

TEST_F(BallHitsTest, NormalBallTakesOneHitPointFromABigGem) {
    BigGem* bigGem = AddBigGem(kBallX, kBallY + 20, 0);
    Ball* ball = Shoot(ShotKind::Normal);
    ball->Update(1.0f);
    EXPECT_EQ(bigGem->hitPoints, 4);
    EXPECT_FALSE(bigGem->dead);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(hitCount, 1);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 0);
    EXPECT_EQ(sparksGreenBurst->LiveSparkCount(), 0);
    EXPECT_EQ(HitSounds(), 1);
}

TEST_F(BallHitsTest, BigGemsTakeTheirHitPointsInBallHits) {
    for (int variant : {0, 9}) {
        BigGem* bigGem = AddBigGem(kBallX, kBallY, variant);
        int hits = 0;
        while (!bigGem->dead && hits < 100) {
            Shoot(ShotKind::Echo)->Update(1.0f);
            ++hits;
        }
        EXPECT_EQ(hits, variant * 2 + 5);
        EXPECT_TRUE(Played(164));
        targetList.Remove(bigGem);
        delete bigGem;
    }
}

TEST_F(BallHitsTest, DestroyedBigGemBurstsGreenAtThreePoints) {
    BigGem* bigGem = AddBigGem(kBallX + 0.5f, kBallY, 0);
    bigGem->hitPoints = 1;
    Shoot(ShotKind::XShot)->Update(1.0f);
    EXPECT_TRUE(bigGem->dead);
    EXPECT_TRUE(Played(164));
    // 120 sparks for a pool of 100: the third burst is cut short but still starts.
    EXPECT_EQ(sparksGreenBurst->LiveSparkCount(), 100);
    const auto expected =
        std::set<std::pair<float, float>>{{130.0f, 180.0f}, {80.0f, 225.0f}, {90.0f, 190.0f}};
    EXPECT_EQ(SparkPoints(*sparksGreenBurst), expected);
}

TEST_F(BallHitsTest, HeavyAndFreezeBallsAreSpentOnABigGem) {
    for (ShotKind kind : {ShotKind::Heavy, ShotKind::Freeze}) {
        hitCount = 0;
        BigGem* bigGem = AddBigGem(kBallX, kBallY, 1);
        Gem* behind = AddGem(kBallX, kBallY);
        Ball* ball = Shoot(kind);
        ball->Update(1.0f);
        EXPECT_TRUE(ball->dead) << int(kind);
        EXPECT_EQ(bigGem->hitPoints, 6) << int(kind);
        EXPECT_EQ(bigGem->speed, 0.2f) << "big gems do not freeze";
        EXPECT_EQ(hitCount, 1) << "the walk stops at the big gem";
        EXPECT_FALSE(behind->dead);
        EXPECT_EQ(behind->speed, 0.2f);
        targetList.Remove(bigGem);
        targetList.Remove(behind);
        delete bigGem;
        delete behind;
    }
}

TEST_F(BallHitsTest, BreakUpSplitsOnABigGemWithoutDamage) {
    BigGem* bigGem = AddBigGem(kBallX, kBallY, 0);
    Ball* ball = Shoot(ShotKind::BreakUp);
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(bigGem->hitPoints, 5);
    EXPECT_EQ(hitCount, 1);
    EXPECT_EQ(Balls().size(), 9u);
}

TEST_F(BallHitsTest, ExplodingBallsDamageBigGemsAndLeaveRings) {
    struct Case {
        ShotKind kind;
        int maxRadius;
        int destructionSound;
    };
    for (const Case& c : {Case{ShotKind::Blast, 500, 159}, Case{ShotKind::Boom, 100, 164}}) {
        audio.ClearPlayed();
        LetSoundsEnd();
        BigGem* bigGem = AddBigGem(kBallX, kBallY, 0);
        bigGem->hitPoints = 2;
        Ball* ball = Shoot(c.kind);
        ball->Update(1.0f);
        EXPECT_TRUE(ball->dead);
        EXPECT_EQ(bigGem->hitPoints, 1);
        EXPECT_FALSE(Played(c.destructionSound)) << "no destruction, no sound";
        DeathRing* ring = FindRing();
        ASSERT_NE(ring, nullptr);
        EXPECT_EQ(ring->maxRadius, c.maxRadius);

        Shoot(c.kind)->Update(1.0f);
        EXPECT_TRUE(bigGem->dead);
        EXPECT_TRUE(Played(c.destructionSound)) << int(c.kind);
        targetList.Remove(bigGem);
        delete bigGem;
        while (DeathRing* spent = FindRing()) {
            shotList.Remove(spent);
            delete spent;
        }
    }
}

// Capsules and slide-outs

TEST_F(BallHitsTest, CollectingACapsuleGrantsItsShots) {
    pendingShotKind = 3;
    pendingShotCount = 2;
    auto* capsule = new PowerUp(kBallX + 20.7f, kBallY, 4);
    targetList.Add(capsule);
    Ball* ball = Shoot(ShotKind::Normal);
    ball->Update(1.0f);
    EXPECT_TRUE(capsule->dead);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(pendingShotKind, 4);
    EXPECT_EQ(pendingShotCount, 5);
    EXPECT_EQ(hitCount, 0);
    EXPECT_EQ(audio.Played(), std::vector<int>{160});
    const auto sparkPoint = std::set<std::pair<float, float>>{{120.0f, 200.0f}};
    EXPECT_EQ(SparkPoints(*sparksRedBurst), sparkPoint);
    EXPECT_EQ(SparkPoints(*sparksOrangeRing), sparkPoint);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 40);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 40);
}

TEST_F(BallHitsTest, BlastCapsuleGrantsOneShotAndAnyBallCollects) {
    auto* capsule = new PowerUp(kBallX, kBallY, 2);
    targetList.Add(capsule);
    Ball* fragment = Shoot(ShotKind::XFrag);
    fragment->Update(1.0f);
    EXPECT_TRUE(capsule->dead);
    EXPECT_TRUE(fragment->dead);
    EXPECT_EQ(pendingShotKind, 2);
    EXPECT_EQ(pendingShotCount, 1);
}

TEST_F(BallHitsTest, OnlyTheFirstOfTwoCapsulesIsCollected) {
    auto* first = new PowerUp(kBallX, kBallY, 6);
    auto* second = new PowerUp(kBallX, kBallY, 1);
    targetList.Add(first);
    targetList.Add(second);
    Shoot(ShotKind::Heavy)->Update(1.0f);
    EXPECT_TRUE(first->dead);
    EXPECT_FALSE(second->dead);
    EXPECT_EQ(pendingShotKind, 6);
}

TEST_F(BallHitsTest, ActiveSlideOutLetsTheBallThroughWithSparks) {
    auto* panel = new SlideOut(1, kBallY, 1);
    panel->x = kBallX;
    panel->slideKind = 10;  // an active barrier
    targetList.Add(panel);
    Ball* ball = AddFlyingBall(ShotKind::Normal, kBallX, kBallY, 0, -1);
    ball->Update(1.0f);
    ball->Update(1.0f);
    EXPECT_FALSE(ball->dead);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 80);
    EXPECT_EQ(SparkPoints(*sparksOrangeRing), (std::set<std::pair<float, float>>{{100, 200}}));
}

TEST_F(BallHitsTest, SlideOutDecidesWhetherTheBallIsSpent) {
    auto* timeStop = new SlideOut(-1, kBallY, 2);
    timeStop->x = kBallX;
    targetList.Add(timeStop);
    Ball* spent = Shoot(ShotKind::Normal);
    spent->Update(1.0f);
    EXPECT_TRUE(spent->dead);
    EXPECT_EQ(timeStop->slideKind, 11);
    EXPECT_EQ(timeStopCount, 1);
    targetList.Remove(timeStop);
    delete timeStop;

    auto* bend = new SlideOut(1, kBallY, 4);
    bend->x = kBallX;
    targetList.Add(bend);
    Ball* bent = AddFlyingBall(ShotKind::Normal, kBallX, kBallY, -3, -4);
    bent->Update(1.0f);
    EXPECT_FALSE(bent->dead);
    EXPECT_EQ(bent->vx, 5.0f);
    EXPECT_EQ(bent->vy, 0.0f);
    EXPECT_EQ(bent->x, kBallX + 5);  // the new course applies to this frame's move
}

// The walk

TEST_F(BallHitsTest, WalkSkipsDeadTargetsAndObjectsThatAreNotTargets) {
    Gem* broken = AddGem(kBallX, kBallY);
    broken->dead = true;
    auto* ring = new DeathRing(kBallX, kBallY, 100);
    targetList.Add(ring);
    auto* stray = new Ball(ShotKind::Normal);
    stray->x = kBallX;
    stray->y = kBallY;
    targetList.Add(stray);
    Ball* ball = Shoot(ShotKind::Normal);
    ball->Update(1.0f);
    EXPECT_FALSE(ball->dead);
    EXPECT_FALSE(stray->dead);
    EXPECT_EQ(hitCount, 0);
}

TEST_F(BallHitsTest, BallsDoNotCollideWithEachOther) {
    Ball* a = Shoot(ShotKind::Normal);
    Ball* b = Shoot(ShotKind::XShot);
    RunShotWalk();
    EXPECT_FALSE(a->dead);
    EXPECT_FALSE(b->dead);
    EXPECT_EQ(Balls().size(), 2u);
}

TEST_F(BallHitsTest, TouchingBoxEdgesCountAsAHit) {
    // Gem box right edge at 118 (100 + 18) meets the ball box's left edge (123 - 5).
    Gem* gem = AddGem(100, kBallY);
    Ball* ball = AddFlyingBall(ShotKind::Normal, 123, kBallY, 0, -1);
    ball->Update(1.0f);
    EXPECT_TRUE(gem->dead);

    Gem* apart = AddGem(100, kBallY);
    Ball* missing = AddFlyingBall(ShotKind::Normal, 124, kBallY, 0, -1);
    missing->Update(1.0f);
    EXPECT_FALSE(apart->dead);
    EXPECT_FALSE(missing->dead);
}

TEST_F(BallHitsTest, SlingshotBallDoesNotHitWhatItIsPulledThrough) {
    Gem* gem = AddGem(144, 520);
    Ball* ball = AddReleasedBall(ShotKind::Normal, 144, 520);
    ball->Update(1.0f);
    EXPECT_FALSE(gem->dead);
    EXPECT_FALSE(ball->dead);
    EXPECT_EQ(hitCount, 0);
}

TEST_F(BallHitsTest, BallSpentInTheCollisionPhaseStillFinishesItsFrame) {
    Gem* gem = AddGem(276, kBallY);
    Ball* ball = AddFlyingBall(ShotKind::Boom, 276, kBallY, 3, -1);
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_FALSE(gem->dead);
    EXPECT_EQ(ball->x, 279.0f);  // moved once more
    EXPECT_EQ(ball->vx, -3.0f);  // and bounced
    EXPECT_EQ(missCount, 1);
    EXPECT_EQ(audio.Played(), std::vector<int>{156});

    // A ball that breaks a gem right at the top also counts its exit.
    missCount = 0;
    Gem* high = AddGem(50, -18);
    Ball* last = AddFlyingBall(ShotKind::Normal, 50, -18, 0, -3);
    last->Update(1.0f);
    EXPECT_TRUE(high->dead);
    EXPECT_TRUE(last->dead);
    EXPECT_EQ(hitCount, 2);
    EXPECT_EQ(missCount, 1);
}
