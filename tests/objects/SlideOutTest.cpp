// Slide-out panels: the slide in and out, the 500-frame life, the box that follows the
// slide, and the time counters given back when a panel is deleted.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "SlideOutFixture.h"
#include "objects/Gem.h"

namespace {

using SlideOutLife = SlideOutFixture;

TEST_F(SlideOutLife, SlidesInRestsSlidesOutAndDiesOnFrame501KeepingItsPlace) {
    // Parked 0.08 of the field width in from its edge; out 0.05 beyond it.
    for (auto [side, park, out] : {std::tuple{1, 264.96f, 302.4f}, {-1, 23.04f, -14.4f}}) {
        SlideOut panel(side, 200.0f, SlideKind::Barrier);
        EXPECT_EQ(panel.x, -100.0f);
        std::vector<float> path;
        while (!panel.dead && path.size() < 600) {
            panel.Update(1.0f);
            path.push_back(panel.x);
        }
        ASSERT_EQ(path.size(), 501u);
        // From -100 straight to 0.98 of the way out, half way at frame 25, parked at 50.
        EXPECT_NEAR(path[0], park + side * 0.98f * 37.44f, 1e-3) << side;
        EXPECT_NEAR(path[24], park + side * 0.5f * 37.44f, 1e-3);
        EXPECT_NEAR(path[48], park + side * 0.02f * 37.44f, 1e-3);
        for (int frame = 50; frame <= 450; ++frame) EXPECT_FLOAT_EQ(path[frame - 1], park);
        EXPECT_NEAR(path[450], park + side * 0.02f * 37.44f, 1e-3);
        EXPECT_NEAR(path[499], out, 1e-4);  // single precision: -14.400005
        EXPECT_EQ(path[500], path[499]);
        for (int frame = 2; frame <= 50; ++frame)
            EXPECT_LT(side * path[frame - 1], side * path[frame - 2]);
        for (int frame = 452; frame <= 500; ++frame)
            EXPECT_GT(side * path[frame - 1], side * path[frame - 2]);
        EXPECT_EQ(panel.animCounter, 501);
        EXPECT_EQ(panel.y, 200.0f);
    }
}

TEST_F(SlideOutLife, BoxFollowsTheSlide) {
    SlideOut panel(-1, 200.7f, SlideKind::Blast);
    panel.Update(1.0f);  // x = -13.6512
    Rect box;
    EXPECT_EQ(panel.GetBounds(box), (Rect{-28, 185, 1, 215}));
    for (int frame = 0; frame < 60; ++frame) panel.Update(1.0f);  // parked at 23.04
    EXPECT_EQ(panel.GetBounds(box), (Rect{8, 185, 38, 215}));
}

TEST_F(SlideOutLife, DeletingAnActiveTimePanelGivesBackItsCount) {
    AddActivePanel(1, 100.0f, SlideKind::TimeStop);
    AddActivePanel(-1, 200.0f, SlideKind::TimeStop);
    AddActivePanel(1, 300.0f, SlideKind::TimeWarp);
    AddParkedPanel(-1, 250.0f, SlideKind::TimeWarp);  // still an offer
    ASSERT_EQ(timeStopCount, 2);
    ASSERT_EQ(timeWarpCount, 1);
    // Offers and the other standing states own no count.
    for (int kind : {SlideKind::TimeStop, SlideKind::TimeWarp, SlideKind::ActiveBarrier,
                     SlideKind::ActiveBlackHole}) {
        delete new SlideOut(1, 100.0f, kind);
    }
    EXPECT_EQ(timeStopCount, 2);
    EXPECT_EQ(timeWarpCount, 1);
    while (NamedObject* object = targetList.First()) {
        targetList.Remove(object);
        delete object;
    }
    EXPECT_EQ(timeStopCount, 0);
    EXPECT_EQ(timeWarpCount, 0);
}

TEST_F(SlideOutLife, TwoTimeStopsHoldTheGemsUntilBothAreGone) {
    AddActivePanel(1, 100.0f, SlideKind::TimeStop);
    for (int frame = 0; frame < 100; ++frame) WalkTargets();
    SlideOut* second = AddActivePanel(-1, 200.0f, SlideKind::TimeStop);
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

}  // namespace
