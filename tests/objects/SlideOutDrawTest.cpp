// How panels look: the creeping red dashes of an offer, the flickering barrier line, the time
// rings and the black hole's arms, each marked changed and with the caller's pen restored.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "SlideOutFixture.h"
#include "platform/FieldGeometry.h"

namespace {

class SlideOutDraw : public SlideOutFixture {
protected:
    void SetUp() override {
        SlideOutFixture::SetUp();
        dc.SelectPen(&callerPen);
    }

    // A panel at (x, 200.4) in the given state and at the given age.
    static std::unique_ptr<SlideOut> PanelAt(int slideKind, int32_t animCounter, float x = 100.6f) {
        auto panel = std::make_unique<SlideOut>(1, 200.4f, slideKind);
        panel->x = x;
        panel->animCounter = animCounter;
        return panel;
    }

    // Seeds Random so that its next number mod 3 is `wanted`.
    static void SeedForBarrierDraw(int wanted) {
        for (uint32_t seed = 1;; ++seed) {
            randomGenerator.Seed(seed);
            if (Random() % 3 == wanted) {
                randomGenerator.Seed(seed);
                return;
            }
        }
    }

    const Pen callerPen{0x123456};
};

}  // namespace

TEST_F(SlideOutDraw, OfferDrawsRedDashesThatCreepEveryThirdFrame) {
    // First dash of the upper arc starts at a = -0.25 pi (+ pi/24 per creep step):
    // (x + 15 sin a, y + 5 - 15 cos a), truncated.
    auto still = PanelAt(SlideKind::TimeStop, 2);
    still->Draw(dc);
    EXPECT_EQ(frame.At(89, 194), kRed);
    EXPECT_EQ(dc.SelectedPen(), &callerPen);
    const int dashPixels = CountPixels(kRed);
    EXPECT_GT(dashPixels, 20);

    frame.Fill(0);
    auto crept = PanelAt(SlideKind::TimeStop, 3);
    crept->Draw(dc);
    EXPECT_EQ(frame.At(91, 193), kRed);
    EXPECT_NE(frame.At(89, 194), kRed);

    frame.Fill(0);
    auto wrapped = PanelAt(SlideKind::TimeStop, 9);  // three steps wrap to none
    wrapped->Draw(dc);
    EXPECT_EQ(frame.At(89, 194), kRed);
    EXPECT_EQ(CountPixels(kRed), dashPixels);
}

TEST_F(SlideOutDraw, OfferMarksItsBoxAndLabel) {
    auto panel = PanelAt(SlideKind::Blast, 0);
    panel->Draw(dc);
    // The box (85, 185, 115, 215) and the label rectangle (70, 196, 130, 207).
    EXPECT_EQ(DirtyBounds(), (Rect{70, 185, 130, 215}));
    for (Pixel p : frame.Pixels()) {
        ASSERT_TRUE(p == 0 || p == kRed || PixelRed(p) == PixelGreen(p)) << std::hex << p;
    }
}

TEST_F(SlideOutDraw, BarrierFlickersGreenAndFadesWhileLeaving) {
    struct Case {
        int32_t age;
        int r;
        Pixel colour;  // 0: nothing drawn
    };
    const Case cases[] = {{300, 0, kGreen}, {300, 1, kDarkGreen}, {450, 2, 0},
                          {451, 0, 0},      {451, 1, kDarkGreen}, {500, 2, 0}};
    for (const Case& c : cases) {
        frame.Fill(0);
        dirtyRects.BeginFrame();
        SeedForBarrierDraw(c.r);
        const uint32_t before = randomGenerator.State();
        auto panel = PanelAt(SlideKind::ActiveBarrier, c.age);
        panel->Draw(dc);
        EXPECT_NE(randomGenerator.State(), before) << "one number drawn every frame";
        if (c.colour == 0) {
            EXPECT_EQ(CountPixels(0), kFieldWidth * kFieldHeight) << c.age << " r " << c.r;
            EXPECT_EQ(DirtyBounds(), Rect{});
        } else {
            EXPECT_EQ(frame.At(0, 200), c.colour) << c.age << " r " << c.r;
            EXPECT_EQ(frame.At(287, 200), c.colour);
            EXPECT_EQ(CountPixels(c.colour), kFieldWidth);
            EXPECT_EQ(DirtyBounds(), (Rect{0, 200, 288, 201}));
        }
        EXPECT_EQ(dc.SelectedPen(), &callerPen);
    }
}

TEST_F(SlideOutDraw, TimeRingsGrowEachFrameAndRestartEveryForty) {
    auto stop = PanelAt(SlideKind::ActiveTimeStop, 45);  // radius 5
    stop->Draw(dc);
    EXPECT_EQ(frame.At(100, 205), kBlue);  // the start at (x, y + r)
    EXPECT_EQ(frame.At(100, 195), kBlue);  // the top of the circle
    EXPECT_EQ(frame.At(100, 200), 0u);     // hollow
    EXPECT_EQ(frame.At(106, 200), 0u);     // no larger
    EXPECT_EQ(dc.SelectedPen(), &callerPen);

    frame.Fill(0);
    auto warp = PanelAt(SlideKind::ActiveTimeWarp, 52);  // radius 12, red
    warp->Draw(dc);
    EXPECT_EQ(frame.At(100, 212), kRed);
    EXPECT_EQ(CountPixels(kBlue), 0);

    frame.Fill(0);
    auto restarted = PanelAt(SlideKind::ActiveTimeWarp, 80);  // radius 0
    restarted->Draw(dc);
    EXPECT_LE(CountPixels(kRed), 1);
}

TEST_F(SlideOutDraw, BlackHoleTurnsSixBlueArms) {
    auto hole = PanelAt(SlideKind::ActiveBlackHole, 0, 110.6f);
    hole->Draw(dc);
    EXPECT_EQ(frame.At(110, 200), kBlue);
    // Arm 0 starts straight down: its first joint is (x, y + 5).
    EXPECT_EQ(frame.At(110, 204), kBlue);
    EXPECT_GT(CountPixels(kBlue), 60);
    // The box (95, 185, 125, 215) grown by 13.
    EXPECT_EQ(DirtyBounds(), (Rect{82, 172, 138, 228}));
    EXPECT_EQ(dc.SelectedPen(), &callerPen);

    frame.Fill(0);
    auto turned = PanelAt(SlideKind::ActiveBlackHole, 20, 110.6f);  // 0.8 radians on
    turned->Draw(dc);
    EXPECT_NE(frame.At(110, 204), kBlue);
}

TEST_F(SlideOutDraw, UnknownStatesDrawNothing) {
    for (int kind : {9, 14, -1}) {
        auto panel = PanelAt(kind, 10);
        panel->Draw(dc);
        panel->slideKind = SlideKind::Blast;
    }
    EXPECT_EQ(CountPixels(0), kFieldWidth * kFieldHeight);
    EXPECT_EQ(DirtyBounds(), Rect{});
}
