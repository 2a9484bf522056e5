// Window sizes, display scale choice, field placement and pointer mapping.
#include <gtest/gtest.h>

#include "platform/Messages.h"
#include "platform/Window.h"
#include "platform/sdl/WindowGeometry.h"

TEST(WindowGeometryTest, WindowHoldsMenuBarAndFieldAtEachScale) {
    EXPECT_EQ(WindowSizeForScale(1), (PixelSize{288, 596}));
    EXPECT_EQ(WindowSizeForScale(2), (PixelSize{576, 1192}));
    EXPECT_EQ(WindowSizeForScale(3), (PixelSize{864, 1788}));
}

TEST(WindowGeometryTest, AutomaticScaleIsTheLargestThatFitsWithATitleBar) {
    EXPECT_EQ(LargestFittingScale(1024, 768), 1);
    EXPECT_EQ(LargestFittingScale(1920, 1080), 1);
    EXPECT_EQ(LargestFittingScale(2560, 1400), 2);
    EXPECT_EQ(LargestFittingScale(2560, 1192), 1);  // no room left for the title bar
    EXPECT_EQ(LargestFittingScale(3840, 2100), 3);
    EXPECT_EQ(LargestFittingScale(8000, 8000), kMaxDisplayScale);
    EXPECT_EQ(LargestFittingScale(200, 300), 1);  // too small for anything: still 1
    EXPECT_EQ(LargestFittingScale(0, 0), 1);
}

TEST(WindowGeometryTest, WindowedFieldLiesBelowTheMenuBar) {
    const WindowLayout one = WindowedLayout(PixelSize{288, 596}, 1, 1);
    EXPECT_EQ(one.scale, 1);
    EXPECT_EQ(one.menuHeight, 20);
    EXPECT_EQ(one.FieldRect(), (Rect{0, 20, 288, 596}));
    EXPECT_EQ(one.MenuRect(), (Rect{0, 0, 288, 20}));

    const WindowLayout two = WindowedLayout(PixelSize{576, 1192}, 2, 1);
    EXPECT_EQ(two.FieldRect(), (Rect{0, 40, 576, 1192}));
    EXPECT_EQ(two.ToWindow(Rect{10, 20, 30, 40}), (Rect{20, 80, 60, 120}));

    // A display with two pixels per unit doubles everything again.
    const WindowLayout dense = WindowedLayout(PixelSize{1152, 2384}, 2, 2);
    EXPECT_EQ(dense.scale, 4);
    EXPECT_EQ(dense.FieldRect(), (Rect{0, 80, 1152, 2384}));
}

TEST(WindowGeometryTest, PointerMapsToFieldPixelsIncludingOutside) {
    const WindowLayout layout = WindowedLayout(PixelSize{576, 1192}, 2, 1);
    EXPECT_EQ(layout.ToField(0, 40), (FieldPoint{0, 0}));
    EXPECT_EQ(layout.ToField(1, 41), (FieldPoint{0, 0}));
    EXPECT_EQ(layout.ToField(575, 1191), (FieldPoint{287, 575}));
    EXPECT_EQ(layout.ToField(201, 141), (FieldPoint{100, 50}));
    // Over the menu bar and left of the window: negative, rounded toward minus infinity.
    EXPECT_EQ(layout.ToField(-1, 39), (FieldPoint{-1, -1}));
    EXPECT_EQ(layout.ToField(-2, 0), (FieldPoint{-1, -20}));
    EXPECT_EQ(layout.ToField(-3, -1), (FieldPoint{-2, -21}));
    EXPECT_EQ(layout.ToField(700, 1300), (FieldPoint{350, 630}));

    EXPECT_TRUE(layout.InField(0, 40));
    EXPECT_TRUE(layout.InField(575, 1191));
    EXPECT_FALSE(layout.InField(0, 39));
    EXPECT_FALSE(layout.InField(576, 100));
    EXPECT_FALSE(layout.InField(-1, 100));
    EXPECT_FALSE(layout.InField(10, 1192));
}

TEST(WindowGeometryTest, NegativePositionsTravelAsWordsAboveThirtyTwoThousand) {
    const WindowLayout layout = WindowedLayout(PixelSize{288, 596}, 1, 1);
    const FieldPoint left = layout.ToField(-68, 0);
    const intptr_t lParam = MakeMouseLParam(left.x, left.y);
    EXPECT_EQ(LowWord(uintptr_t(lParam)), 65536 - 68);
    EXPECT_EQ(HighWord(uintptr_t(lParam)), 65536 - 20);
    EXPECT_GT(LowWord(uintptr_t(lParam)), 32000);
}

TEST(WindowGeometryTest, FullscreenCentresTheLargestFittingField) {
    const WindowLayout hd = FullscreenLayout(PixelSize{1920, 1080});
    EXPECT_EQ(hd.scale, 1);
    EXPECT_EQ(hd.menuHeight, 20);
    EXPECT_EQ(hd.FieldRect(), (Rect{816, 262, 1104, 838}));  // (1060 - 576) / 2 below the bar
    EXPECT_EQ(hd.ToField(816, 262), (FieldPoint{0, 0}));
    EXPECT_EQ(hd.ToField(815, 262), (FieldPoint{-1, 0}));
    EXPECT_EQ(hd.ToField(0, 0), (FieldPoint{-816, -262}));

    const WindowLayout qhd = FullscreenLayout(PixelSize{2560, 1440});
    EXPECT_EQ(qhd.scale, 2);
    EXPECT_EQ(qhd.FieldRect(), (Rect{992, 164, 1568, 1316}));  // (1400 - 1152) / 2 below
    EXPECT_EQ(qhd.ToField(992 + 201, 164 + 401), (FieldPoint{100, 200}));

    const WindowLayout uhd = FullscreenLayout(PixelSize{3840, 2160});
    EXPECT_EQ(uhd.scale, 3);
    EXPECT_EQ(uhd.FieldRect().Width(), 864);

    // A display smaller than the field keeps scale 1 at the top-left.
    const WindowLayout tiny = FullscreenLayout(PixelSize{200, 300});
    EXPECT_EQ(tiny.scale, 1);
    EXPECT_EQ(tiny.FieldRect(), (Rect{0, 20, 288, 596}));
}

TEST(WindowGeometryTest, PixelsPerUnitComesFromSurfaceOverWindow) {
    EXPECT_EQ(PixelsPerUnit(PixelSize{288, 596}, PixelSize{288, 596}), 1);
    EXPECT_EQ(PixelsPerUnit(PixelSize{576, 1192}, PixelSize{288, 596}), 2);
    EXPECT_EQ(PixelsPerUnit(PixelSize{100, 100}, PixelSize{288, 596}), 1);
    EXPECT_EQ(PixelsPerUnit(PixelSize{288, 596}, PixelSize{0, 0}), 1);
}
