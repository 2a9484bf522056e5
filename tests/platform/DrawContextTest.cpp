// Lines in the selected pen continue from where the last one ended, pen or not, and stop
// short of their end point in either direction; a level line is such a line; tiles over an area are
// the copies laid from its corner. Line pixels, clipped or not, and text blending show in the
// recorded pictures.
#include <gtest/gtest.h>

#include <limits>

#include "platform/DrawContext.h"

namespace {

TEST(DrawContextLine, ContinuesFromTheEndPointAndNeedsAPen) {
    Surface surface(40, 30);
    DrawContext dc(surface);
    dc.MoveTo(1, 1);
    dc.LineTo(10, 1);  // no pen: nothing drawn, but the position moves
    EXPECT_EQ(HashPixels(surface), HashPixels(Surface(40, 30)));
    const Pen pen{0xFFFFFF};
    EXPECT_EQ(dc.SelectPen(&pen), nullptr);
    dc.LineTo(10, 4);
    dc.LineTo(4, 4);  // leftwards along a row: 10 down to 5
    Surface expected(40, 30);
    for (int y = 1; y < 4; ++y) expected.Set(10, y, 0xFFFFFF);
    for (int x = 5; x <= 10; ++x) expected.Set(x, 4, 0xFFFFFF);
    EXPECT_EQ(HashPixels(surface), HashPixels(expected));
}

TEST(DrawContextLine, LevelLinesDrawAsAMoveAndALineDo) {
    constexpr int kMost = std::numeric_limits<int>::max(), kLeast = std::numeric_limits<int>::min();
    const struct {
        int x0, x1, y;
    } cases[] = {{3, 9, 5},  {9, 3, 5},   {0, 40, 2},         {5, 5, 5},
                 {1, 30, 4}, {1, 30, 12}, {1, 30, 3},         {1, 30, 13},
                 {-5, 2, 6}, {2, -5, 6},  {kLeast, kMost, 8}, {kMost, kLeast, 8}};
    const Pen pen{0xFFFFFF};
    for (const auto& c : cases) {
        Surface level(40, 30), moved(40, 30);
        DrawContext levelDc(level), movedDc(moved);
        for (DrawContext* dc : {&levelDc, &movedDc}) {
            dc->SetClip(Rect{2, 4, 25, 13});
            dc->SelectPen(&pen);
        }
        levelDc.LevelLine(c.x0, c.x1, c.y);
        movedDc.MoveTo(c.x0, c.y);
        movedDc.LineTo(c.x1, c.y);
        // Both leave the pen at the far end.
        levelDc.LineTo(20, 20);
        movedDc.LineTo(20, 20);
        EXPECT_EQ(HashPixels(level), HashPixels(moved)) << c.x0 << ", " << c.x1 << ", " << c.y;
    }
}

TEST(DrawContextTiles, CoverTheAreaAsCopiesLaidFromTheCornerWould) {
    Surface tile(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            tile.Set(x, y, (x + y) % 4 == 0 ? 0 : MakePixel(uint8_t(x * 40), uint8_t(y * 80), 7));
        }
    }
    const Rect area{3, 2, 23, 13};
    for (const bool transparent : {false, true}) {
        Surface tiled(30, 20), copied(30, 20);
        tiled.Fill(0x123456);
        copied.Fill(0x123456);
        DrawContext tiledDc(tiled), copiedDc(copied);
        tiledDc.SetClip(Rect{0, 0, 19, 20});
        tiledDc.CopyTiled(tile, area, transparent);
        copiedDc.SetClip(Rect{3, 2, 19, 13});
        for (int y = 0; y < 20; y += 3) {
            for (int x = 0; x < 30; x += 5) {
                if (transparent) {
                    copiedDc.CopyTransparent(tile, 0, 0, 5, 3, x, y);
                } else {
                    copiedDc.Copy(tile, 0, 0, 5, 3, x, y);
                }
            }
        }
        EXPECT_EQ(HashPixels(tiled), HashPixels(copied)) << transparent;
    }
}

}  // namespace
