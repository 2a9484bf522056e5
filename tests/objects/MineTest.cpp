// Mines: the damped glide, the side-wall bounces, strikes on gems and big gems, and the
// blinking glyph.
#include <gtest/gtest.h>

#include <algorithm>

#include "FrameChecks.h"
#include "Placement.h"
#include "objects/BigGem.h"
#include "objects/Gem.h"
#include "objects/Mine.h"
#include "support/PlayfieldFixture.h"

namespace {

// A target of another category sitting where the mine is.
class Bystander : public GameObject {
public:
    Bystander(float atX, float atY) : GameObject(0, "GO_BYSTANDER", ObjectCategory::PowerUp) {
        x = atX;
        y = atY;
    }
    void Update(float) override {}
    void Draw(DrawContext&) override {}
    bool ContainsPoint(int, int) override { return true; }
    Rect& GetBounds(Rect& out) override { return BoundsFromHalfSize(out, 50); }
    bool Intersects(int, int, int, int) override { return true; }
};

class MineTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.BeginFrame();
    }
};

}  // namespace

TEST_F(MineTest, GlidesToRestNineteenTimesTheThrowAway) {
    Mine mine(100, 300, 6, -1);
    mine.Update(1.0f);
    EXPECT_EQ(mine.x, 100 + 6 * 0.95f);  // damped before the move
    EXPECT_EQ(mine.y, 300 - 0.95f);
    for (int frame = 1; frame < 600; ++frame) mine.Update(1.0f);
    EXPECT_NEAR(mine.x, 214.0f, 0.01f);
    EXPECT_NEAR(mine.y, 281.0f, 0.01f);
    EXPECT_EQ(mine.age, 600);
    EXPECT_FALSE(mine.dead);  // mines never expire
}

TEST_F(MineTest, TurnsBackOnlyWhenMovingTowardTheWallItHasPassed) {
    Mine right(284.5f, 100, 2, 0);
    right.Update(1.0f);
    EXPECT_GT(right.x, 285.0f);
    EXPECT_EQ(right.vx, -1.9f);

    Mine left(3.5f, 100, -2, 0);
    left.Update(1.0f);
    EXPECT_LT(left.x, 3.0f);
    EXPECT_EQ(left.vx, 1.9f);

    // Beyond a wall but already moving away from it: no turn.
    Mine leaving(290, 100, -1, 0);
    leaving.Update(1.0f);
    EXPECT_EQ(leaving.vx, -0.95f);
    Mine outLeft(1, 100, 1, 0);
    outLeft.Update(1.0f);
    EXPECT_EQ(outLeft.vx, 0.95f);

    // Exactly on the line is not beyond it.
    Mine onLine(266, 100, 20, 0);
    onLine.Update(1.0f);
    ASSERT_EQ(onLine.x, 285.0f);
    EXPECT_EQ(onLine.vx, 19.0f);
}

TEST_F(MineTest, AGemWithinItsRadiusBreaksAndSpendsTheMine) {
    Gem* gem = AddGem(112.7f, 100.3f);  // 12 from the mine: the gem's radius
    Mine mine(100.7f, 100.3f, 0, 0);
    mine.Update(1.0f);
    EXPECT_TRUE(gem->dead);
    EXPECT_TRUE(mine.dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 30);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].x, 112.0f);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].y, 100.0f);
    EXPECT_EQ(HitSounds(), 1);
}

TEST_F(MineTest, AGemJustOutsideItsRadiusIsLeftAlone) {
    Gem* gem = AddGem(112.5f, 100);
    Mine mine(100, 100, 0, 0);
    mine.Update(1.0f);
    EXPECT_FALSE(gem->dead);
    EXPECT_FALSE(mine.dead);
    EXPECT_TRUE(audio.Played().empty());
}

TEST_F(MineTest, StrikesAtMostOneTargetPerFrame) {
    Gem* first = AddGem(50, 50);
    Gem* second = AddGem(50, 50);
    Mine mine(50, 50, 0, 0);
    mine.Update(1.0f);
    EXPECT_TRUE(first->dead);
    EXPECT_FALSE(second->dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
}

TEST_F(MineTest, AGemAlreadyMarkedDeadStillSpendsIt) {
    Gem* gem = AddGem(50, 50);
    gem->dead = true;
    Mine mine(50, 50, 0, 0);
    mine.Update(1.0f);
    EXPECT_TRUE(mine.dead);
    EXPECT_EQ(HitSounds(), 1);
}

TEST_F(MineTest, ABigGemLosesTenHitPointsAndSpendsTheMineEvenWhenItSurvives) {
    BigGem* bigGem = AddBigGem(150, 150, 9);
    Mine mine(150, 170, 0, 0);  // 20: the big gem's radius
    mine.Update(1.0f);
    EXPECT_TRUE(mine.dead);
    EXPECT_EQ(bigGem->hitPoints, 13);
    EXPECT_FALSE(bigGem->dead);
    EXPECT_EQ(Plays(164), 0);
    EXPECT_EQ(HitSounds(), 0);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 30);
}

TEST_F(MineTest, ABigGemWithTenOrFewerHitPointsIsDestroyedWithSound164) {
    BigGem* bigGem = AddBigGem(150, 150, 2);  // 9 hit points
    Mine mine(150, 150, 0, 0);
    mine.Update(1.0f);
    EXPECT_EQ(bigGem->hitPoints, -1);
    EXPECT_TRUE(bigGem->dead);
    EXPECT_EQ(Plays(164), 1);
}

TEST_F(MineTest, IgnoresTargetsOfOtherCategories) {
    targetList.Add(new Bystander(60, 60));
    Mine mine(60, 60, 0, 0);
    mine.Update(1.0f);
    EXPECT_FALSE(mine.dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 0);
}

TEST_F(MineTest, CentreBarIsSteadyForFiftyFramesThenBlinksEveryTwelve) {
    Mine mine(40.8f, 60.8f, 0, 0);
    auto centreLit = [&](int age) {
        frame.Fill(0);
        mine.age = age;
        mine.Draw(dc);
        return frame.At(40, 60) == penYellow->colour;
    };
    for (int age : {0, 1, 50, 60, 71, 84, 95, 108}) EXPECT_TRUE(centreLit(age)) << age;
    for (int age : {51, 59, 72, 83, 96, 107}) EXPECT_FALSE(centreLit(age)) << age;
}

TEST_F(MineTest, DrawsTwoGreenSideBarsAndMarksItsFiveByFiveBox) {
    Mine mine(40.8f, 60.8f, 0, 0);
    mine.age = 55;  // dark centre
    Pen previous{0x010101};
    dc.SelectPen(&previous);
    mine.Draw(dc);
    EXPECT_EQ(dc.SelectedPen(), &previous);
    for (int y = 58; y <= 61; ++y) {
        EXPECT_EQ(frame.At(38, y), penGreen->colour);
        EXPECT_EQ(frame.At(42, y), penGreen->colour);
    }
    EXPECT_EQ(frame.At(38, 62), 0u);  // line ends are not drawn
    EXPECT_EQ(CountLitPixels(frame), 8);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(38, 58, 43, 63));

    mine.age = 0;
    mine.Draw(dc);
    EXPECT_EQ(CountLitPixels(frame), 12);
    EXPECT_EQ(dc.SelectedPen(), &previous);
    ExpectDrawnPixelsMarked(frame);
}
