// A ball at the edges whole runs do not pin: a release above the slingshot line, the walls'
// lines, the exits at the top and the bottom, and the speed clamp.
#include <cmath>
#include <vector>

#include "BallFixture.h"
#include "platform/FieldGeometry.h"

class BallFlightTest : public BallFixture {};

TEST_F(BallFlightTest, ReleaseAboveTheLineLaunchesDownwardsAtOnce) {
    Ball* ball = AddReleasedBall(ShotKind::Normal, kSlingshotRestX, 300.0f);
    ball->Update(1.0f);
    EXPECT_EQ(ball->loaded, 0);
    EXPECT_GT(ball->vy, 0.0f);
    EXPECT_EQ(shotsFired, 1);
}

TEST_F(BallFlightTest, MultiPelletsNeverGoDownwards) {
    Ball* ball = AddReleasedBall(ShotKind::Multi, kSlingshotRestX - 20.0f, 300.0f);
    ball->Update(1.0f);
    ASSERT_TRUE(ball->dead);
    ASSERT_GT(ball->vy, 0.0f);
    const std::vector<Ball*> balls = Balls();
    ASSERT_EQ(balls.size(), 8u);
    const float speed = std::hypot(ball->vx, ball->vy);
    for (size_t i = 1; i < balls.size(); ++i) {
        EXPECT_LT(balls[i]->vy, 0.0f);
        EXPECT_NEAR(std::hypot(balls[i]->vx, balls[i]->vy), speed, 1e-4f);
    }
}

TEST_F(BallFlightTest, WallsOnlyTurnBallsMovingTowardsThemFromBeyondTheLine) {
    // Moving away, exactly on 278 or 10, or straight up: no turn.
    const struct {
        float x, vx, vy;
    } passes[] = {{285, -1, 0}, {277, 1, 0}, {11, -1, 0}, {5, 0, -3}};
    for (const auto& c : passes) {
        Ball* ball = AddFlyingBall(ShotKind::Normal, c.x, 200, c.vx, c.vy);
        ball->Update(1.0f);
        EXPECT_EQ(ball->vx, c.vx) << c.x;
        EXPECT_EQ(ball->x, c.x + c.vx) << "flies in a straight line";
        EXPECT_EQ(ball->y, 200 + c.vy);
    }
    EXPECT_EQ(missCount, 0);
    EXPECT_TRUE(audio.Played().empty());

    // Beyond the wall it bounces every frame it heads out, e.g. pushed by a black hole.
    Ball* ball = AddFlyingBall(ShotKind::Normal, 277, 200, 3, 0);
    ball->Update(1.0f);
    ball->vx = 3;
    ball->Update(1.0f);
    EXPECT_EQ(missCount, 2);
}

TEST_F(BallFlightTest, LeavingTheTopBeyondMinusTwenty) {
    Ball* edge = AddFlyingBall(ShotKind::Normal, 144, -14, 0, -6);
    edge->Update(1.0f);  // exactly -20 stays
    EXPECT_FALSE(edge->dead);
    edge->Update(1.0f);
    EXPECT_TRUE(edge->dead);
    EXPECT_EQ(missCount, 1);
}

TEST_F(BallFlightTest, FallingBelowTheLineEndsInARedPuffButNotForTheSlingshotBall) {
    Ball* ball = AddFlyingBall(ShotKind::Normal, 100.7f, kSlingshotLineY + 50.0f, 0, 0);
    ball->Update(1.0f);  // on the exit line: not yet below it
    EXPECT_FALSE(ball->dead);
    ball->vy = 4.5f;
    ball->Update(1.0f);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(missCount, 0);
    ASSERT_EQ(sparksRedPuff->LiveSparkCount(), 40);
    // The slingshot's ball pulled as low does not leave.
    Ball* pulled = AddReleasedBall(ShotKind::Normal, 144, 560);
    pulled->Update(1.0f);
    EXPECT_FALSE(pulled->dead);
    EXPECT_EQ(sparksRedPuff->LiveSparkCount(), 40);
}

TEST_F(BallFlightTest, HorizontalSpeedIsClampedAfterTheMove) {
    Ball* right = AddFlyingBall(ShotKind::Normal, 100, 200, 150, 0);
    right->Update(1.0f);
    EXPECT_EQ(right->x, 250.0f);
    EXPECT_EQ(right->vx, 144.0f);
    Ball* left = AddFlyingBall(ShotKind::Normal, 200, 200, -1000, 0);
    left->Update(1.0f);
    EXPECT_EQ(left->vx, 144.0f);  // clamped to -144, then turned by the left wall
    EXPECT_EQ(missCount, 1);
}
