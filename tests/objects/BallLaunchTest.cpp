// The slingshot: the band pull, call-offs, the launch, and the followers and pellets that
// some kinds leave at launch.
#include <cmath>

#include "BallFixture.h"
#include "platform/FieldGeometry.h"

namespace {

// Updates a released slingshot ball until it is launched; the number of updates it took,
// or 0 when it was not launched within `limit`.
int UpdateUntilLaunched(Ball& ball, int limit = 100) {
    for (int n = 1; n <= limit; ++n) {
        ball.Update(1.0f);
        if (ball.loaded == 0) return n;
    }
    return 0;
}

}  // namespace

class BallLaunchTest : public BallFixture {};

TEST_F(BallLaunchTest, LaunchSpeedGrowsWithThePullAndFallsForHeavyBalls) {
    Ball* resting = AddReleasedBall(ShotKind::Normal, 150, 520);
    resting->released = 0;
    for (int n = 0; n < 5; ++n) resting->Update(1.0f);
    EXPECT_EQ(resting->y, 520.0f) << "a resting ball ignores updates";

    Ball* half = AddReleasedBall(ShotKind::Normal, kSlingshotRestX, kSlingshotLineY + 50.0f);
    EXPECT_EQ(UpdateUntilLaunched(*half), 11);
    EXPECT_NEAR(half->vy, -7.09f, 0.005f);
    // A kind converted while resting pulls with the new stiffness.
    Ball* heavy = AddReleasedBall(ShotKind::Normal, kSlingshotRestX, kSlingshotLineY + 100.0f);
    heavy->kind = uint32_t(ShotKind::Heavy);
    EXPECT_EQ(UpdateUntilLaunched(*heavy), 16);
    EXPECT_NEAR(heavy->vy, -10.01f, 0.005f);
    EXPECT_EQ(shotsFired, 2);
    // The bands stop acting once it is launched.
    for (int n = 0; n < 5; ++n) heavy->Update(1.0f);
    EXPECT_NEAR(heavy->vy, -10.01f, 0.005f);
    EXPECT_EQ(shotsFired, 2);
}

TEST_F(BallLaunchTest, ReleaseAboveTheLineLaunchesDownwardsAtOnce) {
    Ball* ball = AddReleasedBall(ShotKind::Normal, kSlingshotRestX, 300.0f);
    ball->Update(1.0f);
    EXPECT_EQ(ball->loaded, 0);
    EXPECT_GT(ball->vy, 0.0f);
    EXPECT_EQ(shotsFired, 1);
}

TEST_F(BallLaunchTest, EchoLeavesTwoNormalFollowersInFrontOfItself) {
    Ball* leader =
        AddReleasedBall(ShotKind::Echo, kSlingshotRestX - 40.0f, kSlingshotLineY + 100.0f);
    ASSERT_EQ(UpdateUntilLaunched(*leader), 11);
    EXPECT_EQ(shotsFired, 1);

    const std::vector<Ball*> balls = Balls();
    ASSERT_EQ(balls.size(), 3u);
    EXPECT_EQ(balls[2], leader);
    const float shares[2] = {0.6666667f, 0.33333334f};
    for (int i = 0; i < 2; ++i) {
        const Ball& follower = *balls[size_t(i)];
        EXPECT_EQ(follower.GetShotKind(), ShotKind::Normal);
        EXPECT_EQ(follower.x, leader->x);
        EXPECT_EQ(follower.y, leader->y);
        EXPECT_EQ(follower.vx, leader->vx * shares[i]);
        EXPECT_EQ(follower.vy, leader->vy * shares[i]);
    }

    // One line: after more flight the three still lie on the leader's path.
    for (int n = 0; n < 5; ++n) RunShotWalk();
    const std::vector<Ball*> flying = Balls();
    ASSERT_EQ(flying.size(), 3u);
    const float cross = (flying[0]->x - flying[2]->x) * flying[2]->vy -
                        (flying[0]->y - flying[2]->y) * flying[2]->vx;
    EXPECT_NEAR(cross, 0.0f, 1e-2f);
    EXPECT_EQ(shotsFired, 1);
}

TEST_F(BallLaunchTest, MultiFansOutSevenPelletsAndVanishes) {
    Ball* ball =
        AddReleasedBall(ShotKind::Multi, kSlingshotRestX - 40.0f, kSlingshotLineY + 100.0f);
    ASSERT_EQ(UpdateUntilLaunched(*ball), 11);
    EXPECT_TRUE(ball->dead);
    EXPECT_EQ(shotsFired, 1);

    const std::vector<Ball*> balls = Balls();
    ASSERT_EQ(balls.size(), 8u);
    EXPECT_EQ(balls[0], ball);
    const double heading = std::atan2(double(ball->vx), double(-ball->vy));
    const double speed = std::hypot(double(ball->vx), double(ball->vy));
    for (int j = -3; j <= 3; ++j) {
        const Ball& pellet = *balls[size_t(j + 4)];
        EXPECT_EQ(pellet.GetShotKind(), ShotKind::XShot);
        EXPECT_EQ(pellet.x, ball->x);
        EXPECT_EQ(pellet.y, ball->y);
        EXPECT_NEAR(std::hypot(double(pellet.vx), double(pellet.vy)), speed, 1e-4);
        const double pelletHeading = std::atan2(double(pellet.vx), double(-pellet.vy));
        EXPECT_NEAR(pelletHeading - heading, j * 3.1415927 / 30, 1e-5) << "pellet " << j;
    }
}

TEST_F(BallLaunchTest, MultiPelletsNeverGoDownwards) {
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

TEST_F(BallLaunchTest, AppendedBallsMoveInTheLaunchWalkAndInsertedOnesDoNot) {
    Ball* echo = AddReleasedBall(ShotKind::Echo, kSlingshotRestX, kSlingshotLineY + 100.0f);
    Ball* multi = AddReleasedBall(ShotKind::Multi, kSlingshotRestX, kSlingshotLineY + 100.0f);
    for (int n = 0; n < 10; ++n) RunShotWalk();
    ASSERT_EQ(echo->loaded, 1);
    ASSERT_EQ(multi->loaded, 1);

    RunShotWalk();  // both launch in this walk
    const std::vector<Ball*> balls = Balls();
    ASSERT_EQ(balls.size(), 10u);  // two followers, the echo ball, seven pellets
    EXPECT_EQ(balls[2], echo);
    // The followers were placed at the launch point and not moved again.
    EXPECT_EQ(balls[0]->y, echo->y);
    EXPECT_EQ(balls[1]->y, echo->y);
    // The pellets were appended behind the walk's position and moved once: they started at
    // the multi ball's launch point, the echo ball's point too.
    for (size_t i = 3; i < balls.size(); ++i) {
        EXPECT_EQ(balls[i]->GetShotKind(), ShotKind::XShot);
        EXPECT_FLOAT_EQ(balls[i]->y - balls[i]->vy, echo->y);
        EXPECT_LT(balls[i]->y, echo->y);
    }
    EXPECT_EQ(shotsFired, 2);
}
