// Window layout at any size, the mapping between field and window pixels, the size presets,
// the largest window that fits, and the first window of a run.
#include <gtest/gtest.h>

#include <string>

#include "platform/Messages.h"
#include "platform/display/FieldLayout.h"
#include "platform/display/WindowSizing.h"

namespace {

struct LayoutCase {
    PixelSize size;
    bool fullscreen;
    Rect field;
    int menuScale;
};

std::string CaseName(const LayoutCase& c) {
    return std::string(c.fullscreen ? "FullScreen" : "Window") + std::to_string(c.size.width) +
           "x" + std::to_string(c.size.height);
}
void PrintTo(const LayoutCase& c, std::ostream* out) { *out << CaseName(c); }

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

WindowLayout LayoutFor(const LayoutCase& c) {
    return c.fullscreen ? FullscreenLayout(c.size) : WindowedLayout(c.size);
}

}  // namespace

TEST_P(LayoutTest, FieldIsCentredAtOneToTwoBelowTheBar) {
    const LayoutCase& c = GetParam();
    const WindowLayout layout = LayoutFor(c);
    EXPECT_EQ(layout.field, c.field);
    EXPECT_EQ(layout.menuScale, c.menuScale);
    EXPECT_EQ(layout.menuHeight, 20 * c.menuScale);
    EXPECT_EQ(layout.menuOverField, c.fullscreen);
    EXPECT_EQ(layout.field.Height(), 2 * layout.field.Width());
    EXPECT_EQ(layout.FieldToWindow(Rect{0, 0, 288, 576}), layout.field);
    if (!c.fullscreen) {
        EXPECT_GE(layout.field.top, layout.menuHeight) << "the bar never covers the field";
    }
}

TEST_P(LayoutTest, EveryFieldPixelIsReachedFromTheWindowPixelsItCovers) {
    const WindowLayout layout = LayoutFor(GetParam());
    const int size = layout.field.Height();
    for (const FieldPoint p : {FieldPoint{0, 0}, FieldPoint{287, 575}, FieldPoint{144, 460},
                               FieldPoint{1, 300}, FieldPoint{200, 1}, FieldPoint{77, 333}}) {
        // The first window pixel inside field pixel p.
        const int x = layout.field.left + (p.x * size + 575) / 576;
        const int y = layout.field.top + (p.y * size + 575) / 576;
        EXPECT_EQ(layout.ToField(x, y), p) << x << "," << y;
        const Rect reach = layout.FieldToWindow(Rect{p.x, p.y, p.x + 1, p.y + 1});
        EXPECT_TRUE(x >= reach.left && x < reach.right && y >= reach.top && y < reach.bottom);
        EXPECT_TRUE(layout.InField(x, y));
    }
    // Just outside: one pixel left of and above the field is -1, further out more negative.
    EXPECT_EQ(layout.ToField(layout.field.left - 1, layout.field.top - 1), (FieldPoint{-1, -1}));
    EXPECT_LT(layout.ToField(layout.field.left - size, 0).x, -100);
    EXPECT_GE(layout.ToField(layout.field.right, layout.field.bottom).x, 288);
    EXPECT_FALSE(layout.InField(layout.field.right, layout.field.top));
    EXPECT_FALSE(layout.InField(layout.field.left, layout.field.top - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LayoutTest,
    ::testing::Values(
        // Windows: the presets fill their client area exactly.
        LayoutCase{{288, 596}, false, {0, 20, 288, 596}, 1},
        LayoutCase{{576, 1192}, false, {0, 40, 576, 1192}, 2},
        LayoutCase{{864, 1788}, false, {0, 60, 864, 1788}, 3},
        // The largest window on a 1920 x 1080 work area: 1012 pixels tall, about 1.76x.
        LayoutCase{{506, 1032}, false, {0, 20, 506, 1032}, 1},
        // 1.5x in an odd-sized window, black on both sides.
        LayoutCase{{501, 884}, false, {34, 20, 466, 884}, 1},
        // Wide and low: the height limits; narrow and tall: the width does.
        LayoutCase{{1001, 701}, false, {330, 20, 670, 700}, 1},
        LayoutCase{{300, 1401}, false, {0, 410, 300, 1010}, 1},
        // Just short of the 2x window: the field is still 2x, below a 1x bar.
        LayoutCase{{576, 1191}, false, {0, 29, 576, 1181}, 1},
        // Full screen: as tall as the screen (1.875x at 1080 lines).
        LayoutCase{{1920, 1080}, true, {690, 0, 1230, 1080}, 1},
        LayoutCase{{1366, 768}, true, {491, 0, 875, 768}, 1},
        LayoutCase{{3840, 2160}, true, {1380, 0, 2460, 2160}, 3},
        LayoutCase{{600, 1600}, true, {0, 200, 600, 1400}, 2}),
    [](const auto& info) { return CaseName(info.param); });

TEST(WindowLayoutTest, SmallerThanTheFieldScalesDownInside) {
    EXPECT_EQ(WindowedLayout(PixelSize{100, 101}).field, (Rect{30, 20, 70, 100}));
    EXPECT_EQ(WindowedLayout(PixelSize{10, 10}).field.Height(), 0);
}

TEST(WindowLayoutTest, NegativePositionsTravelAsWordsAboveThirtyTwoThousand) {
    const WindowLayout layout = WindowedLayout(PixelSize{288, 596});
    const FieldPoint left = layout.ToField(-68, 0);
    const intptr_t lParam = MakeMouseLParam(left.x, left.y);
    EXPECT_EQ(LowWord(uintptr_t(lParam)), 65536 - 68);
    EXPECT_EQ(HighWord(uintptr_t(lParam)), 65536 - 20);
}

TEST(WindowLayoutTest, PixelsPerUnitComesFromSurfaceOverWindow) {
    EXPECT_EQ(PixelsPerUnit(PixelSize{288, 596}, PixelSize{288, 596}), 1);
    EXPECT_EQ(PixelsPerUnit(PixelSize{576, 1192}, PixelSize{288, 596}), 2);
    EXPECT_EQ(PixelsPerUnit(PixelSize{100, 100}, PixelSize{288, 596}), 1);
    EXPECT_EQ(PixelsPerUnit(PixelSize{288, 596}, PixelSize{0, 0}), 1);
}

namespace {

struct ScreenCase {
    Rect workArea;
    int largestFittingPreset;  // 0: none fits
    PixelSize largest;         // the largest window that fits
};

std::string CaseName(const ScreenCase& c) {
    return "WorkArea" + std::to_string(c.workArea.Width()) + "x" +
           std::to_string(c.workArea.Height());
}
void PrintTo(const ScreenCase& c, std::ostream* out) { *out << CaseName(c); }

class ScreenTest : public ::testing::TestWithParam<ScreenCase> {};

}  // namespace

TEST_P(ScreenTest, PresetsThatFitAndTheLargestWindow) {
    const ScreenCase& c = GetParam();
    for (int scale = 1; scale <= kMaxPresetScale; ++scale) {
        EXPECT_EQ(FitsWorkArea(ClientSizeForScale(scale), c.workArea),
                  scale <= c.largestFittingPreset)
            << scale << "x";
    }
    const PixelSize largest = LargestFittingClient(c.workArea);
    EXPECT_EQ(largest, c.largest);
    EXPECT_TRUE(FitsWorkArea(largest, c.workArea));
    // Its field is at least 85% of the work area's height.
    EXPECT_GE(WindowedLayout(largest).field.Height() * 100, c.workArea.Height() * 85);

    // The first run opens it, centred, frame included.
    const WindowPlacement first = FirstPlacement(c.workArea, std::nullopt, 0);
    EXPECT_EQ((PixelSize{first.width, first.height}), c.largest);
    EXPECT_GE(first.x, c.workArea.left);
    EXPECT_GE(first.y, c.workArea.top);
    EXPECT_LE(first.x + first.width + 2 * kFrameEdge, c.workArea.right);
    EXPECT_LE(first.y + first.height + kFrameTop + kFrameEdge, c.workArea.bottom);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenTest,
                         ::testing::Values(ScreenCase{{0, 0, 1920, 1080}, 1, {506, 1032}},
                                           ScreenCase{{0, 0, 1366, 768}, 1, {350, 720}},
                                           ScreenCase{{0, 0, 3840, 2160}, 3, {1026, 2112}},
                                           ScreenCase{{0, 0, 2560, 1400}, 2, {656, 1352}},
                                           // A small second screen right of the first.
                                           ScreenCase{{1920, 30, 2944, 630}, 0, {266, 552}}),
                         [](const auto& info) { return CaseName(info.param); });

TEST(WindowSizingTest, PresetsHoldTheBarAndTheFieldAtTheirScale) {
    EXPECT_EQ(ClientSizeForScale(1), (PixelSize{288, 596}));
    EXPECT_EQ(ClientSizeForScale(2), (PixelSize{576, 1192}));
    EXPECT_EQ(ClientSizeForScale(3), (PixelSize{864, 1788}));
}

TEST(WindowSizingTest, RememberedSizesThatNoLongerFitShrinkKeepingTheirShape) {
    const Rect hd{0, 0, 1920, 1080};
    // A remembered 3x on a 1080-line screen: as tall as the room, the same shape.
    const WindowPlacement three = FirstPlacement(hd, std::nullopt, 3);
    EXPECT_EQ((PixelSize{three.width, three.height}), (PixelSize{498, 1032}));
    EXPECT_GE(WindowedLayout(PixelSize{three.width, three.height}).field.Height() * 100, 1080 * 85);
    // A remembered 1x is kept.
    const WindowPlacement one = FirstPlacement(hd, std::nullopt, 1);
    EXPECT_EQ((PixelSize{one.width, one.height}), (PixelSize{288, 596}));
    // Too wide for a smaller screen: the width limits.
    EXPECT_EQ(ShrinkToFit(PixelSize{3000, 600}, hd), (PixelSize{1904, 380}));
    // Never below the smallest window.
    EXPECT_EQ(ShrinkToFit(PixelSize{10, 10}, hd), MinimumClientSize());
}

TEST(WindowSizingTest, ARememberedPlacementIsKeptOnTheScreenAndShrunkToFit) {
    const Rect hd{0, 0, 1920, 1080};
    const WindowPlacement kept = FirstPlacement(hd, WindowPlacement{100, 50, 400, 700, true}, 2);
    EXPECT_EQ(kept, (WindowPlacement{100, 50, 400, 700, true}));
    // Left on a monitor that is gone: brought back onto this one.
    const WindowPlacement lost = FirstPlacement(hd, WindowPlacement{2500, -300, 400, 700}, 0);
    EXPECT_EQ(lost, (WindowPlacement{1920 - 16 - 400, 0, 400, 700}));
    // Larger than this screen: shrunk, then kept on it.
    const WindowPlacement large = FirstPlacement(hd, WindowPlacement{10, 10, 864, 1788}, 0);
    EXPECT_EQ(large, (WindowPlacement{10, 0, 498, 1032}));
}
