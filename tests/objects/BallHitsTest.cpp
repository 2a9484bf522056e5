// What a flying ball does to the gems, big gems, capsules and slide-outs it touches, by shot
// kind, and how the collision walk goes on or stops.
#include <cmath>
#include <ostream>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "BallFixture.h"
#include "objects/DeathRing.h"
#include "objects/PowerUp.h"
#include "objects/SlideOut.h"

namespace {

constexpr float kBallX = 100.0f;
constexpr float kBallY = 200.0f;
using Points = std::set<std::pair<float, float>>;

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
Points SparkPoints(const SparkPool& pool) {
    Points points;
    for (const Spark& spark : pool.Sparks()) {
        if (spark.life > 0) points.insert({spark.x, spark.y});
    }
    return points;
}

class BallHitsTest : public BallFixture {
protected:
    // A ball of `kind` flying upwards through (kBallX, kBallY).
    static Ball* Shoot(ShotKind kind) { return AddFlyingBall(kind, kBallX, kBallY, 0, -3); }
};

// One ball of each kind on one gem.
struct GemHitCase {
    ShotKind kind;
    bool gemBreaks, ballSpent;
    int hits;
    int ringRadius;  // 0: no ring
    int hitSounds;
    int sound;  // another clip played, or 0
};

void PrintTo(const GemHitCase& c, std::ostream* out) { *out << "kind " << int(c.kind); }

class BallOnAGemTest : public BallHitsTest, public testing::WithParamInterface<GemHitCase> {};

TEST_P(BallOnAGemTest, BreaksItOrLeavesItToARing) {
    const GemHitCase& c = GetParam();
    Gem* gem = AddGem(kBallX + 10.5f, kBallY - 7.5f);
    Ball* ball = Shoot(c.kind);
    ball->Update(1.0f);
    EXPECT_EQ(gem->dead, c.gemBreaks);
    EXPECT_EQ(ball->dead, c.ballSpent);
    EXPECT_EQ(hitCount, c.hits);
    EXPECT_EQ(HitSounds(), c.hitSounds);
    EXPECT_EQ(audio.Played().size(), size_t(c.hitSounds + (c.sound != 0 ? 1 : 0)));
    if (c.sound != 0) {
        EXPECT_TRUE(Played(c.sound));
    }
    DeathRing* ring = FindRing();
    ASSERT_EQ(ring != nullptr, c.ringRadius != 0);
    if (ring != nullptr) {
        EXPECT_EQ(ring->maxRadius, c.ringRadius);
        EXPECT_EQ(ring->radius, 0);
        EXPECT_EQ(ring->x, kBallX);  // where the ball was when it hit
        EXPECT_EQ(ring->y, kBallY);
        EXPECT_EQ(Shots().back(), ring);
    }
    if (c.gemBreaks) {
        EXPECT_EQ(SparkPoints(*sparksRedBurst), (Points{{110.0f, 192.0f}}));
        EXPECT_EQ(SparkPoints(*sparksOrangeRing), (Points{{110.0f, 192.0f}}));
        EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 40);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BallOnAGemTest,
                         testing::Values(GemHitCase{ShotKind::Normal, true, true, 1, 0, 1, 0},
                                         GemHitCase{ShotKind::Echo, true, true, 1, 0, 1, 0},
                                         GemHitCase{ShotKind::XShot, true, true, 1, 0, 1, 0},
                                         GemHitCase{ShotKind::XFrag, true, true, 1, 0, 1, 0},
                                         GemHitCase{ShotKind::Heavy, true, false, 1, 0, 1, 0},
                                         GemHitCase{ShotKind::Blast, false, true, 1, 500, 0, 159},
                                         GemHitCase{ShotKind::Boom, false, true, 1, 100, 0, 0},
                                         GemHitCase{ShotKind::BreakUp, false, true, 1, 0, 1, 0}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(BallHitsTest, HeavyBallBreaksEveryGemOnItsPath) {
    Gem* first = AddGem(kBallX, kBallY);
    Gem* second = AddGem(kBallX, kBallY + 10);
    Ball* ball = Shoot(ShotKind::Heavy);
    ball->Update(1.0f);
    EXPECT_TRUE(first->dead && second->dead);
    EXPECT_FALSE(ball->dead);
    EXPECT_EQ(hitCount, 2);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 80);
}

TEST_F(BallHitsTest, FreezeStopsFallingGemsAndCountsTwiceOnce) {
    Gem* gems[3] = {AddGem(kBallX, kBallY, 3), AddGem(kBallX + 5, kBallY),
                    AddGem(kBallX, kBallY - 5)};
    Ball* ball = AddFlyingBall(ShotKind::Freeze, kBallX, kBallY, 0, 0);
    ball->Update(1.0f);
    for (Gem* gem : gems) {
        EXPECT_EQ(gem->speed, 0.0f);
        EXPECT_FALSE(gem->dead);
    }
    EXPECT_EQ(hitCount, 6);
    EXPECT_TRUE(Played(166));
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 120);

    // Through the frozen gems: nothing counts, sounds or sparkles.
    audio.ClearPlayed();
    LetSoundsEnd();
    ball->Update(1.0f);
    EXPECT_EQ(hitCount, 6);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 120);
    EXPECT_TRUE(audio.Played().empty());
    EXPECT_FALSE(ball->dead);
}

TEST_F(BallHitsTest, BreakUpSplitsIntoEightFragmentsThatBreakTheGem) {
    Gem* gem = AddGem(kBallX, kBallY);
    Ball* ball = Shoot(ShotKind::BreakUp);
    ball->Update(1.0f);
    const std::vector<Ball*> balls = Balls();
    ASSERT_EQ(balls.size(), 9u);
    EXPECT_EQ(balls.back(), ball);
    for (int i = 0; i < 8; ++i) {
        const Ball& fragment = *balls[size_t(i)];
        const double heading = i * 3.1415927 / 4;
        EXPECT_EQ(fragment.GetShotKind(), ShotKind::XFrag);
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

// Big gems: a ball of each kind on a big gem with two hit points.
struct BigGemHitCase {
    ShotKind kind;
    int hitPointsAfter;
    int ringRadius;
    int balls;  // left in the shot list
};

void PrintTo(const BigGemHitCase& c, std::ostream* out) { *out << "kind " << int(c.kind); }

class BallOnABigGemTest : public BallHitsTest, public testing::WithParamInterface<BigGemHitCase> {};

TEST_P(BallOnABigGemTest, TakesOneHitPointAndIsSpent) {
    const BigGemHitCase& c = GetParam();
    BigGem* bigGem = AddBigGem(kBallX, kBallY + 20, 1);
    bigGem->hitPoints = 2;
    Gem* behind = AddGem(kBallX, kBallY);
    Ball* ball = Shoot(c.kind);
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(bigGem->hitPoints, c.hitPointsAfter);
    EXPECT_FALSE(bigGem->dead);
    EXPECT_EQ(bigGem->speed, 0.2f) << "big gems do not freeze";
    EXPECT_EQ(hitCount, 1) << "the walk stops at the big gem";
    EXPECT_FALSE(behind->dead);
    EXPECT_EQ(behind->speed, 0.2f);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
    EXPECT_EQ(sparksGreenBurst->LiveSparkCount(), 0);
    EXPECT_FALSE(Played(164)) << "no destruction, no sound";
    DeathRing* ring = FindRing();
    EXPECT_EQ(ring != nullptr ? ring->maxRadius : 0, c.ringRadius);
    EXPECT_EQ(Balls().size(), size_t(c.balls));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BallOnABigGemTest,
                         testing::Values(BigGemHitCase{ShotKind::Normal, 1, 0, 1},
                                         BigGemHitCase{ShotKind::Heavy, 1, 0, 1},
                                         BigGemHitCase{ShotKind::Freeze, 1, 0, 1},
                                         BigGemHitCase{ShotKind::Blast, 1, 500, 1},
                                         BigGemHitCase{ShotKind::Boom, 1, 100, 1},
                                         BigGemHitCase{ShotKind::BreakUp, 2, 0, 9}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(BallHitsTest, BigGemsTakeTheirHitPointsInBallHitsAndBurstGreenAtThreePoints) {
    for (int variant : {0, 9}) {
        BigGem* bigGem = AddBigGem(kBallX + 0.5f, kBallY, variant);
        int hits = 0;
        while (!bigGem->dead && hits < 100) {
            Shoot(ShotKind::Echo)->Update(1.0f);
            ++hits;
        }
        EXPECT_EQ(hits, variant * 2 + 5);
        targetList.Remove(bigGem);
        delete bigGem;
    }
    EXPECT_EQ(Plays(164), 2);
    // 120 sparks for a pool of 100: the third burst is cut short but still starts.
    EXPECT_EQ(sparksGreenBurst->LiveSparkCount(), 100);
    EXPECT_EQ(SparkPoints(*sparksGreenBurst), (Points{{130, 180}, {80, 225}, {90, 190}}));
}

TEST_F(BallHitsTest, ExplodingBallsDestroyingABigGemPlayTheirSound) {
    for (auto [kind, sound, x] :
         {std::tuple{ShotKind::Blast, 159, 50.0f}, {ShotKind::Boom, 164, 200.0f}}) {
        LetSoundsEnd();
        BigGem* bigGem = AddBigGem(x, kBallY, 0);
        bigGem->hitPoints = 1;
        AddFlyingBall(kind, x, kBallY, 0, -3)->Update(1.0f);
        EXPECT_TRUE(bigGem->dead);
        EXPECT_TRUE(Played(sound)) << int(kind);
    }
}

// Capsules and slide-outs

TEST_F(BallHitsTest, CollectingACapsuleGrantsItsShots) {
    pendingShotKind = 3;
    pendingShotCount = 2;
    auto* capsule = new PowerUp(kBallX + 20.7f, kBallY, 4);
    targetList.Add(capsule);
    targetList.Add(new PowerUp(kBallX, kBallY, 1));  // only the first is collected
    Ball* ball = Shoot(ShotKind::Normal);
    ball->Update(1.0f);
    EXPECT_TRUE(capsule->dead);
    EXPECT_FALSE(static_cast<GameObject*>(targetList.Last())->dead);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(pendingShotKind, 4);
    EXPECT_EQ(pendingShotCount, 5);
    EXPECT_EQ(hitCount, 0);
    EXPECT_EQ(audio.Played(), std::vector<int>{160});
    EXPECT_EQ(SparkPoints(*sparksRedBurst), (Points{{120.0f, 200.0f}}));
    EXPECT_EQ(SparkPoints(*sparksOrangeRing), (Points{{120.0f, 200.0f}}));
    EXPECT_EQ(sparksRedBurst->LiveSparkCount() + sparksOrangeRing->LiveSparkCount(), 80);
}

TEST_F(BallHitsTest, BlastCapsuleGrantsOneShotAndAnyBallCollects) {
    targetList.Add(new PowerUp(kBallX, kBallY, 2));
    Shoot(ShotKind::XFrag)->Update(1.0f);
    EXPECT_EQ(pendingShotKind, 2);
    EXPECT_EQ(pendingShotCount, 1);
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
    EXPECT_EQ(SparkPoints(*sparksOrangeRing), (Points{{100, 200}}));
}

TEST_F(BallHitsTest, SlideOutDecidesWhetherTheBallIsSpent) {
    auto* timeStop = new SlideOut(-1, kBallY, 2);
    timeStop->x = kBallX;
    targetList.Add(timeStop);
    Ball* spent = Shoot(ShotKind::Normal);
    spent->Update(1.0f);
    EXPECT_TRUE(spent->dead);
    EXPECT_EQ(timeStopCount, 1);
    targetList.Remove(timeStop);
    delete timeStop;

    auto* bend = new SlideOut(1, kBallY, 4);
    bend->x = kBallX;
    targetList.Add(bend);
    Ball* bent = AddFlyingBall(ShotKind::Normal, kBallX, kBallY, -3, -4);
    bent->Update(1.0f);
    EXPECT_TRUE(bend->dead);
    EXPECT_FALSE(bent->dead) << "an L-bend sends the ball right at its speed";
    EXPECT_EQ(bent->vx, 5.0f);
    EXPECT_EQ(bent->vy, 0.0f);
    EXPECT_EQ(bent->x, kBallX + 5);  // the new course applies to this frame's move
}

// The walk

TEST_F(BallHitsTest, WalkSkipsDeadTargetsOtherBallsAndObjectsThatAreNotTargets) {
    AddGem(kBallX, kBallY)->dead = true;
    targetList.Add(new DeathRing(kBallX, kBallY, 100));
    auto* stray = new Ball(ShotKind::Normal);
    stray->x = kBallX;
    stray->y = kBallY;
    targetList.Add(stray);
    Ball* other = Shoot(ShotKind::XShot);
    Ball* ball = Shoot(ShotKind::Normal);
    RunShotWalk();
    EXPECT_FALSE(ball->dead || other->dead || stray->dead);
    EXPECT_EQ(hitCount, 0);
}

TEST_F(BallHitsTest, TouchingBoxEdgesCountAsAHit) {
    // Gem box right edge at 118 (100 + 18) meets the ball box's left edge (123 - 5).
    Gem* gem = AddGem(100, kBallY);
    AddFlyingBall(ShotKind::Normal, 123, kBallY, 0, -1)->Update(1.0f);
    EXPECT_TRUE(gem->dead);
    Gem* apart = AddGem(100, kBallY);
    AddFlyingBall(ShotKind::Normal, 124, kBallY, 0, -1)->Update(1.0f);
    EXPECT_FALSE(apart->dead);
}

TEST_F(BallHitsTest, SlingshotBallDoesNotHitWhatItIsPulledThrough) {
    Gem* gem = AddGem(144, 520);
    AddReleasedBall(ShotKind::Normal, 144, 520)->Update(1.0f);
    EXPECT_FALSE(gem->dead);
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
    Gem* high = AddGem(50, -18);
    Ball* last = AddFlyingBall(ShotKind::Normal, 50, -18, 0, -3);
    last->Update(1.0f);
    EXPECT_TRUE(high->dead && last->dead);
    EXPECT_EQ(hitCount, 2);
    EXPECT_EQ(missCount, 2);
}

}  // namespace
