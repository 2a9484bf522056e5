// Mines: the damped glide, the side-wall bounces, strikes on gems and big gems, and the
// blinking glyph.
#include <gtest/gtest.h>

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

TEST_F(MineTest, GlidesToRestNineteenTimesTheThrowAwayAndNeverExpires) {
    Mine mine(100, 300, 6, -1);
    mine.Update(1.0f);
    EXPECT_EQ(mine.x, 100 + 6 * 0.95f);  // damped before the move
    EXPECT_EQ(mine.y, 300 - 0.95f);
    for (int frame = 1; frame < 600; ++frame) mine.Update(1.0f);
    EXPECT_NEAR(mine.x, 214.0f, 0.01f);
    EXPECT_NEAR(mine.y, 281.0f, 0.01f);
    EXPECT_EQ(mine.age, 600);
    EXPECT_FALSE(mine.dead);
}

TEST_F(MineTest, TurnsBackOnlyWhenMovingTowardTheWallItHasPassed) {
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

TEST_F(MineTest, StrikesOneGemWithinItsRadiusAndIsSpentEvenOnADeadOne) {
    Gem* gem = AddGem(112.7f, 100.3f);  // 12 from the mine: the gem's radius
    Gem* second = AddGem(112.7f, 100.3f);
    AddGem(88.5f, 100.3f);
    Mine mine(100.7f, 100.3f, 0, 0);
    mine.Update(1.0f);
    EXPECT_TRUE(gem->dead);
    EXPECT_FALSE(second->dead) << "at most one target a frame";
    EXPECT_TRUE(mine.dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 30);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].x, 112.0f);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].y, 100.0f);
    EXPECT_EQ(HitSounds(), 1);

    Mine spent(112.7f, 100.3f, 0, 0);
    spent.Update(1.0f);  // the first gem, already dead
    EXPECT_TRUE(spent.dead);
    EXPECT_FALSE(second->dead);
    EXPECT_EQ(HitSounds(), 2);

    Mine idle(76.0f, 100.3f, 0, 0);  // 12.5 from the last gem: outside its radius
    idle.Update(1.0f);
    EXPECT_FALSE(idle.dead);
}

TEST_F(MineTest, ABigGemLosesTenHitPointsAndSpendsTheMineEvenWhenItSurvives) {
    BigGem* tough = AddBigGem(150, 150, 9);
    Mine mine(150, 170, 0, 0);  // 20: the big gem's radius
    mine.Update(1.0f);
    EXPECT_TRUE(mine.dead);
    EXPECT_EQ(tough->hitPoints, 13);
    EXPECT_FALSE(tough->dead);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 30);
    EXPECT_TRUE(audio.Played().empty());

    BigGem* weak = AddBigGem(50, 150, 2);  // 9 hit points
    Mine last(50, 150, 0, 0);
    last.Update(1.0f);
    EXPECT_EQ(weak->hitPoints, -1);
    EXPECT_TRUE(weak->dead);
    EXPECT_EQ(audio.Played(), std::vector<int>{164});
}

TEST_F(MineTest, IgnoresTargetsOfOtherCategories) {
    targetList.Add(new Bystander(60, 60));
    Mine mine(60, 60, 0, 0);
    mine.Update(1.0f);
    EXPECT_FALSE(mine.dead);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 0);
}

TEST_F(MineTest, DrawsGreenSideBarsAndACentreSteadyForFiftyFramesThenBlinkingEveryTwelve) {
    Mine mine(40.8f, 60.8f, 0, 0);
    Pen previous{0x010101};
    dc.SelectPen(&previous);
    auto centreLit = [&](int age) {
        frame.Fill(0);
        mine.age = age;
        mine.Draw(dc);
        return frame.At(40, 60) == penYellow->colour;
    };
    for (int age : {0, 1, 50, 60, 71, 84, 95, 108}) EXPECT_TRUE(centreLit(age)) << age;
    EXPECT_EQ(CountLitPixels(frame), 12);
    for (int age : {51, 59, 72, 83, 96, 107}) EXPECT_FALSE(centreLit(age)) << age;
    EXPECT_EQ(dc.SelectedPen(), &previous);
    for (int y = 58; y <= 61; ++y) {
        EXPECT_EQ(frame.At(38, y), penGreen->colour);
        EXPECT_EQ(frame.At(42, y), penGreen->colour);
    }
    EXPECT_EQ(frame.At(38, 62), 0u);  // line ends are not drawn
    EXPECT_EQ(CountLitPixels(frame), 8);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(38, 58, 43, 63));
}

}  // namespace
