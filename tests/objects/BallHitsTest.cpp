// What a flying ball does where whole runs do not reach: special shots on big gems, the
// balls an active panel lets through, and how the collision walk goes on or stops.
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
