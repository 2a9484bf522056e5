// The standing barrier and black hole: what they destroy, pull and spare, and the walk of
// the target list that they must leave where they found it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SlideOutFixture.h"
#include "objects/BigGem.h"
#include "objects/Gem.h"
#include "objects/PowerUp.h"

namespace {

using SlideOutBarrier = SlideOutFixture;
using SlideOutBlackHole = SlideOutFixture;
using SlideOutCursor = SlideOutFixture;

// A target that notes every Update in a shared log, so a test can follow the outer walk.
class WalkProbe : public GameObject {
public:
    WalkProbe(std::string name, std::vector<std::string>& log, float y)
        : GameObject(0, "GO_PROBE", ObjectCategory::Gem), name_(std::move(name)), log_(&log) {
        x = 144.0f;
        this->y = y;
    }
    void Update(float) override { log_->push_back(name_); }
    void Draw(DrawContext& dc) override { DrawNothing(dc); }
    Rect& GetBounds(Rect& out) override { return FixedBounds(out); }

private:
    std::string name_;
    std::vector<std::string>* log_;
};

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

TEST_F(SlideOutBarrier, SparesDeadEntriesOtherTargetsAndWaitingPanelsAndAnOfferDoesNothing) {
    SlideOut* panel = AddActivePanel(1, 200.0f, SlideKind::Barrier);
    AddGem(50.0f, 200.0f)->dead = true;
    auto* capsule = new PowerUp(100.0f, 200.0f, 0);
    targetList.Add(capsule);
    SlideOut* other = AddParkedPanel(-1, 200.0f, SlideKind::Blast);
    SlideOut* offer = AddParkedPanel(1, 300.0f, SlideKind::Barrier);
    Gem* gem = AddGem(50.0f, 300.0f);
    Ball* ball = AddFlyingBall(ShotKind::Normal, 144.0f, 300.0f, 0, 0);
    panel->Update(1.0f);
    offer->Update(1.0f);
    EXPECT_FALSE(capsule->dead || other->dead || gem->dead || ball->dead);
    EXPECT_EQ(gem->x, 50.0f);
    EXPECT_EQ(RedBurst(), 0);
    EXPECT_TRUE(audio.Played().empty());
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

TEST_F(SlideOutBlackHole, PullsGemsByTwentyOverTheDistance) {
    SlideOut* panel = AddActivePanel(1, 200.0f, SlideKind::BlackHole);
    const float holeX = panel->x;
    Gem* left = AddGem(holeX - 100.0f, 200.0f);
    Gem* below = AddGem(holeX, 240.0f);
    Gem* atTen = AddGem(holeX, 190.0f);
    panel->Update(1.0f);  // parked: the hole stays put

    EXPECT_NEAR(left->x, holeX - 99.8f, 1e-3);
    EXPECT_NEAR(left->y, 200.0f, 1e-4);
    EXPECT_NEAR(below->y, 239.5f, 1e-4);
    EXPECT_NEAR(below->x, holeX, 1e-4);
    EXPECT_NEAR(atTen->y, 192.0f, 1e-4);
    EXPECT_FALSE(left->dead || below->dead);
    EXPECT_FALSE(atTen->dead) << "exactly 10 pixels away survives";
    EXPECT_EQ(RedBurst(), 0);
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

TEST_F(SlideOutBlackHole, TravelsWithThePanelAsItSlides) {
    auto* panel = new SlideOut(1, 200.0f, SlideKind::BlackHole);
    targetList.Add(panel);
    Ball hitter(-1);
    panel->Activate(&hitter);  // hit before its first frame
    Gem* gem = AddGem(200.0f, 200.0f);
    panel->Update(1.0f);  // the panel jumps to 301.65 first, then pulls
    EXPECT_NEAR(gem->x, 200.0f + 20.0f / (301.6512f - 200.0f), 1e-3);
}

TEST_F(SlideOutCursor, OuterWalkContinuesAfterAStandingPanel) {
    for (int kind : {SlideKind::Barrier, SlideKind::BlackHole}) {
        std::vector<std::string> log;
        targetList.Add(new WalkProbe("A", log, 50.0f));
        SlideOut* panel = AddActivePanel(1, 300.0f, kind);
        targetList.Add(new WalkProbe("B", log, 400.0f));
        targetList.Add(new WalkProbe("C", log, 500.0f));
        AddFlyingBall(ShotKind::Normal, 10.0f, 10.0f, 0, 0);

        // The play update's walk; a lost cursor would revisit A or stop early.
        std::vector<std::string> visits;
        int steps = 0;
        for (NamedObject* item = targetList.First(); item != nullptr && steps < 20;
             item = targetList.Next(), ++steps) {
            const size_t before = log.size();
            static_cast<GameObject*>(item)->Update(1.0f);
            visits.push_back(item == panel ? "panel" : log.size() > before ? log.back() : "?");
        }
        EXPECT_EQ(visits, (std::vector<std::string>{"A", "panel", "B", "C"})) << kind;

        while (NamedObject* object = targetList.First()) {
            targetList.Remove(object);
            delete object;
        }
    }
}

TEST_F(SlideOutCursor, ADyingPanelIsRemovedAndTheWalkGoesOn) {
    std::vector<std::string> log;
    targetList.Add(new WalkProbe("A", log, 50.0f));
    SlideOut* panel = AddActivePanel(-1, 300.0f, SlideKind::Barrier);
    while (panel->animCounter < 500) panel->Update(1.0f);
    targetList.Add(new WalkProbe("B", log, 400.0f));
    targetList.Add(new WalkProbe("C", log, 301.0f));  // on the line: destroyed

    EXPECT_EQ(WalkTargets(20), 4);
    EXPECT_EQ(log, (std::vector<std::string>{"A", "B", "C"}));
    // The panel and the destroyed probe are gone; A and B remain.
    EXPECT_EQ(Count(targetList), 2);
}
