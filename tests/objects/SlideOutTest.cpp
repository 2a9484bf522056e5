// Slide-out panels where whole runs do not reach them: the frame a panel dies on, two time
// stops standing together, and kinds that are no offer or state.
#include <gtest/gtest.h>

#include "SlideOutFixture.h"
#include "objects/Gem.h"
#include "platform/FieldGeometry.h"

namespace {

using SlideOutLife = SlideOutFixture;

TEST_F(SlideOutLife, DiesOnFrame501OutsideTheFieldKeepingItsHeight) {
    for (auto [side, out] : {std::pair{1, 302.4f}, {-1, -14.4f}}) {
        SlideOut panel(side, 200.0f, SlideKind::Barrier);
        int frames = 0;
        while (!panel.dead && frames < 600) {
            panel.Update(1.0f);
            ++frames;
        }
        EXPECT_EQ(frames, 501) << side;
        EXPECT_EQ(panel.animCounter, 501);
        EXPECT_NEAR(panel.x, out, 1e-4);  // single precision: -14.400005
        EXPECT_EQ(panel.y, 200.0f);
    }
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

TEST_F(SlideOutLife, UnknownKindsLetTheBallThroughAndDrawNothing) {
    for (int kind : {9, 14, -1}) {
        SlideOut panel(1, 150.0f, kind);
        panel.x = 100.6f;
        panel.animCounter = 10;
        Ball ball(-1);
        EXPECT_EQ(panel.Activate(&ball), 0) << kind;
        EXPECT_FALSE(panel.dead);
        EXPECT_EQ(panel.slideKind, kind);
        panel.Draw(dc);
        panel.slideKind = SlideKind::Blast;
    }
    EXPECT_EQ(Count(shotList), 0);
    EXPECT_TRUE(audio.Played().empty());
    EXPECT_EQ(CountPixels(0), kFieldWidth * kFieldHeight);
    EXPECT_EQ(DirtyBounds(), Rect{});
}

}  // namespace
