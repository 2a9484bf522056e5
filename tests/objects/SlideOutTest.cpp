// Slide-out panels: labels, the slide in and out, the 500-frame life, the box that follows
// the slide, and the time counters given back when a panel is deleted.
#include <gtest/gtest.h>

#include <string>

#include "SlideOutFixture.h"
#include "objects/Gem.h"

namespace {

using SlideOutLife = SlideOutFixture;

constexpr float kRightPark = 264.96f;
constexpr float kRightOut = 302.4f;
constexpr float kLeftPark = 23.04f;
constexpr float kLeftOut = -14.4f;

// x after each of the first `frames` updates of a fresh panel.
std::vector<float> SlidePath(int side, int frames) {
    SlideOut panel(side, 150.0f, SlideKind::Blast);
    std::vector<float> path;
    for (int frame = 0; frame < frames; ++frame) {
        panel.Update(1.0f);
        path.push_back(panel.x);
    }
    return path;
}

}  // namespace

TEST_F(SlideOutLife, NamesAreTheLabelsOfTheNineOffers) {
    const char* expected[] = {"BLAST",    "BARRIER", "TIMESTOP", "BLACKHOLE", "L-BEND",
                              "BREAK-UP", "SMOKE",   "MINES",    "TIMEWARP"};
    for (int kind = 0; kind < 9; ++kind) EXPECT_STREQ(SlideOutNames[kind], expected[kind]);
}

TEST_F(SlideOutLife, RightPanelSlidesInRestsAndSlidesOut) {
    EXPECT_EQ(SlideOut(1, 123.5f, SlideKind::Mines).x, -100.0f);
    const std::vector<float> path = SlidePath(1, 500);
    EXPECT_NEAR(path[0], 301.6512f, 1e-3);  // from -100 straight to 0.98 of the way out
    EXPECT_NEAR(path[24], kRightPark + 0.5f * 37.44f, 1e-3);  // frame 25
    EXPECT_NEAR(path[48], kRightPark + 0.02f * 37.44f, 1e-3);
    EXPECT_FLOAT_EQ(path[49], kRightPark);  // frame 50
    for (int frame = 50; frame <= 450; ++frame) EXPECT_EQ(path[frame - 1], path[49]) << frame;
    EXPECT_NEAR(path[450], kRightPark + 0.02f * 37.44f, 1e-3);  // frame 451
    EXPECT_FLOAT_EQ(path[499], kRightOut);                      // frame 500
    for (int frame = 2; frame <= 50; ++frame) EXPECT_LT(path[frame - 1], path[frame - 2]);
    for (int frame = 452; frame <= 500; ++frame) EXPECT_GT(path[frame - 1], path[frame - 2]);
}

TEST_F(SlideOutLife, LeftPanelMirrorsTheSlide) {
    const std::vector<float> path = SlidePath(-1, 500);
    EXPECT_NEAR(path[0], kLeftPark - 0.98f * 37.44f, 1e-3);
    EXPECT_FLOAT_EQ(path[49], kLeftPark);
    EXPECT_FLOAT_EQ(path[300], kLeftPark);
    EXPECT_NEAR(path[499], kLeftOut, 1e-4);  // single precision: -14.400005
}

TEST_F(SlideOutLife, DiesOnFrame501KeepingItsPlace) {
    SlideOut panel(1, 200.0f, SlideKind::Barrier);
    for (int frame = 1; frame <= 500; ++frame) {
        panel.Update(1.0f);
        ASSERT_FALSE(panel.dead) << frame;
    }
    panel.Update(1.0f);
    EXPECT_TRUE(panel.dead);
    EXPECT_EQ(panel.animCounter, 501);
    EXPECT_FLOAT_EQ(panel.x, kRightOut);
    EXPECT_EQ(panel.y, 200.0f);
}

TEST_F(SlideOutLife, BoxFollowsTheSlide) {
    SlideOut panel(-1, 200.7f, SlideKind::Blast);
    panel.Update(1.0f);  // x = -13.6512
    Rect box;
    EXPECT_EQ(panel.GetBounds(box), (Rect{-28, 185, 1, 215}));
    for (int frame = 0; frame < 60; ++frame) panel.Update(1.0f);  // parked at 23.04
    EXPECT_EQ(panel.GetBounds(box), (Rect{8, 185, 38, 215}));
    // Edges that only touch still overlap; the border belongs to the box.
    EXPECT_TRUE(panel.Intersects(38, 215, 40, 220));
    EXPECT_FALSE(panel.Intersects(39, 215, 40, 220));
    EXPECT_TRUE(panel.ContainsPoint(8, 185));
    EXPECT_FALSE(panel.ContainsPoint(7, 185));
}

TEST_F(SlideOutLife, DeletingAnActiveTimePanelGivesBackItsCount) {
    timeStopCount = 3;
    timeWarpCount = 3;
    delete new SlideOut(1, 100.0f, SlideKind::ActiveTimeStop);
    EXPECT_EQ(timeStopCount, 2);
    EXPECT_EQ(timeWarpCount, 3);
    delete new SlideOut(1, 100.0f, SlideKind::ActiveTimeWarp);
    EXPECT_EQ(timeStopCount, 2);
    EXPECT_EQ(timeWarpCount, 2);
    // Offers and the other standing states own no count.
    for (int kind : {SlideKind::TimeStop, SlideKind::TimeWarp, SlideKind::ActiveBarrier,
                     SlideKind::ActiveBlackHole}) {
        delete new SlideOut(1, 100.0f, kind);
    }
    EXPECT_EQ(timeStopCount, 2);
    EXPECT_EQ(timeWarpCount, 2);
}

TEST_F(SlideOutLife, ClearingTheFieldLowersTheTimeCounts) {
    AddActivePanel(1, 100.0f, SlideKind::TimeStop);
    AddActivePanel(-1, 200.0f, SlideKind::TimeStop);
    AddActivePanel(1, 300.0f, SlideKind::TimeWarp);
    AddParkedPanel(-1, 250.0f, SlideKind::TimeWarp);  // still an offer
    ASSERT_EQ(timeStopCount, 2);
    ASSERT_EQ(timeWarpCount, 1);

    while (NamedObject* object = targetList.First()) {
        targetList.Remove(object);
        delete object;
    }
    EXPECT_EQ(timeStopCount, 0);
    EXPECT_EQ(timeWarpCount, 0);
}

TEST_F(SlideOutLife, TwoTimeStopsHoldTheGemsUntilBothAreGone) {
    SlideOut* first = AddParkedPanel(1, 100.0f, SlideKind::TimeStop);
    Ball hitter(-1);
    first->Activate(&hitter);
    for (int frame = 0; frame < 100; ++frame) WalkTargets();
    SlideOut* second = AddParkedPanel(-1, 200.0f, SlideKind::TimeStop);
    second->Activate(&hitter);
    EXPECT_EQ(timeStopCount, 2);
    auto* gem = new Gem(10);
    gem->y = 50.0f;
    targetList.Add(gem);

    // Each panel holds its count until the walk deletes it on its frame 501.
    while (Count(targetList) == 3) {
        ASSERT_EQ(timeStopCount, 2);
        WalkTargets();
    }
    EXPECT_EQ(targetList.First(), second) << "the older panel leaves first";
    EXPECT_EQ(timeStopCount, 1);
    while (Count(targetList) == 2) WalkTargets();
    EXPECT_EQ(timeStopCount, 0);
    // The panel was deleted before the gem's turn in that walk, so the gem fell once.
    EXPECT_NEAR(gem->y, 51.6f, 1e-4);
    WalkTargets();
    EXPECT_NEAR(gem->y, 53.2f, 1e-4);
}
