// A ball in flight: walls, misses, leaving the field at the top or the bottom, the speed
// clamp, and its drawing.
#include <vector>

#include "BallFixture.h"
#include "FrameChecks.h"
#include "gfx/BmpBuilder.h"
#include "gfx/TempDir.h"
#include "platform/FieldGeometry.h"

namespace {

struct WallCase {
    ShotKind kind;
    int misses;  // missCount added by one bounce
    bool diesThere;
};

const WallCase kWallCases[] = {
    {ShotKind::Normal, 1, false},  {ShotKind::Heavy, 1, false}, {ShotKind::Freeze, 1, false},
    {ShotKind::Blast, 1, false},   {ShotKind::Boom, 1, false},  {ShotKind::Echo, 1, false},
    {ShotKind::BreakUp, 1, false}, {ShotKind::Multi, 1, false}, {ShotKind::XFrag, 0, true},
    {ShotKind::XShot, 0, false},
};

struct TopExitCase {
    ShotKind kind;
    int misses;
};

const TopExitCase kTopExitCases[] = {
    {ShotKind::Normal, 1},  {ShotKind::Heavy, 0}, {ShotKind::Freeze, 0},
    {ShotKind::Blast, 1},   {ShotKind::Boom, 1},  {ShotKind::Echo, 1},
    {ShotKind::BreakUp, 1}, {ShotKind::XFrag, 0}, {ShotKind::XShot, 0},
};

}  // namespace

class BallFlightTest : public BallFixture {};

TEST_F(BallFlightTest, AWallBounceCountsAMissPerKind) {
    struct Wall {
        float x, vx, xAfter;
    };
    for (const Wall& wall : {Wall{277, 3, 280}, Wall{11, -2, 9}}) {
        for (const WallCase& c : kWallCases) {
            missCount = 0;
            audio.ClearPlayed();
            LetSoundsEnd();
            Ball* ball = AddFlyingBall(c.kind, wall.x, 200, wall.vx, -1);
            ball->Update(1.0f);
            EXPECT_EQ(ball->vx, -wall.vx) << int(c.kind);
            EXPECT_EQ(ball->x, wall.xAfter) << "the position is not corrected";
            EXPECT_EQ(missCount, c.misses) << int(c.kind);
            EXPECT_EQ(ball->dead, c.diesThere) << int(c.kind);
            EXPECT_EQ(audio.Played(), std::vector<int>{156}) << int(c.kind);
        }
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

TEST_F(BallFlightTest, LeavingTheTopCostsAMissForMostKinds) {
    for (const TopExitCase& c : kTopExitCases) {
        missCount = 0;
        Ball* ball = AddFlyingBall(c.kind, 144, -15, 0, -6);
        ball->Update(1.0f);
        EXPECT_TRUE(ball->dead) << int(c.kind);
        EXPECT_EQ(missCount, c.misses) << int(c.kind);
    }
    Ball* edge = AddFlyingBall(ShotKind::Normal, 144, -14, 0, -6);
    edge->Update(1.0f);  // exactly -20 stays
    EXPECT_FALSE(edge->dead);
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
    for (const Spark& spark : sparksRedPuff->Sparks()) {
        if (spark.life <= 0) continue;
        EXPECT_EQ(spark.x, 100.0f);
        EXPECT_EQ(spark.y, 515.0f);
    }
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

TEST_F(BallFlightTest, SlingshotBallDrawsItsYellowBands) {
    Ball* ball = AddReleasedBall(ShotKind::Normal, 144, 500);
    ball->released = 0;
    const Pen* before = dc.SelectPen(penWhite);
    ball->Draw(dc);
    EXPECT_EQ(dc.SelectedPen(), penWhite);
    dc.SelectPen(before);
    EXPECT_EQ(frame.At(0, 460), penYellow->colour);
    EXPECT_EQ(frame.At(287, 460), penYellow->colour);
    EXPECT_EQ(frame.At(72, 480), penYellow->colour);

    frame.Fill(0);
    ball->loaded = 0;
    ball->Draw(dc);
    EXPECT_EQ(frame.At(0, 460), Pixel(0));
    EXPECT_EQ(frame.At(72, 480), Pixel(0));
}

TEST_F(BallFlightTest, SpriteOfTheKindIsCentredOnTheBall) {
    TempDir dir;
    CurrentDirectory inside(dir.Path());
    // A 9 x 7 pellet: red top-left corner, white elsewhere.
    std::vector<Pixel> pixels(9 * 7, 0xFFFFFF);
    pixels[0] = 0xFF0000;
    WriteBytes(dir / "shot-pellet.bmp", BuildBmpFile(TrueColourRecipe(9, 7, pixels)));

    Ball pellet(ShotKind::XShot);
    pellet.loaded = 0;
    pellet.x = 100.7f;
    pellet.y = 200.2f;
    pellet.Draw(dc);
    EXPECT_EQ(frame.At(96, 197), Pixel(0xFF0000));  // (x - 9 / 2, y - 7 / 2), truncated
    EXPECT_EQ(frame.At(104, 203), Pixel(0xFFFFFF));
    EXPECT_EQ(frame.At(105, 203), Pixel(0));

    // A kind whose picture is missing stays invisible.
    frame.Fill(0);
    pellet.kind = uint32_t(ShotKind::Normal);
    pellet.Draw(dc);
    EXPECT_EQ(CountLitPixels(frame), 0);
}
