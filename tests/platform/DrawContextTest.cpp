// Lines in the selected pen: every pixel from the start up to, not including, the end point,
// the same pixels inside any clip as without one; tiles laid from the corner; coverage blends.
#include <gtest/gtest.h>

#include <vector>

#include "platform/DrawContext.h"

namespace {

constexpr Pixel kInk = 0xFFFFFF;

struct Point {
    int x;
    int y;
};

std::vector<Point> Lit(const Surface& surface) {
    std::vector<Point> points;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.At(x, y) != 0) points.push_back(Point{x, y});
        }
    }
    return points;
}

Surface Line(Point from, Point to, const Rect* clip = nullptr) {
    Surface surface(40, 30);
    DrawContext dc(surface);
    if (clip != nullptr) dc.SetClip(*clip);
    const Pen pen{kInk};
    dc.SelectPen(&pen);
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    return surface;
}

TEST(DrawContextLine, TheEndPointIsNotDrawn) {
    // A dash of length 4 from x = 5 covers x = 5 to 8.
    const std::vector<Point> dash = Lit(Line({5, 7}, {9, 7}));
    ASSERT_EQ(dash.size(), 4u);
    EXPECT_EQ(dash.front().x, 5);
    EXPECT_EQ(dash.back().x, 8);
    // Diagonal, steep and backwards lines stop one step short of their end as well.
    for (const auto& [from, to] :
         {std::pair{Point{2, 2}, Point{12, 12}}, std::pair{Point{20, 3}, Point{17, 25}},
          std::pair{Point{30, 20}, Point{4, 9}}, std::pair{Point{25, 14}, Point{15, 14}}}) {
        const Surface line = Line(from, to);
        EXPECT_EQ(line.At(from.x, from.y), kInk);
        EXPECT_EQ(line.At(to.x, to.y), 0u);
    }
    EXPECT_TRUE(Lit(Line({6, 6}, {6, 6})).empty());
    EXPECT_EQ(Lit(Line({25, 14}, {15, 14})).size(), 10u);
}

TEST(DrawContextLine, ContinuesFromTheEndPointAndNeedsAPen) {
    Surface surface(40, 30);
    DrawContext dc(surface);
    dc.MoveTo(1, 1);
    dc.LineTo(10, 1);  // no pen: nothing drawn, but the position moves
    EXPECT_TRUE(Lit(surface).empty());
    const Pen pen{kInk};
    EXPECT_EQ(dc.SelectPen(&pen), nullptr);
    dc.LineTo(10, 4);
    const std::vector<Point> lit = Lit(surface);
    ASSERT_EQ(lit.size(), 3u);
    EXPECT_EQ(lit.front().x, 10);
    EXPECT_EQ(lit.front().y, 1);
}

TEST(DrawContextLine, AClipCutsTheLineWithoutMovingItsPixels) {
    const Rect clip{8, 5, 27, 19};
    const std::pair<Point, Point> lines[] = {
        {{-20, -7}, {60, 41}}, {{35, 2}, {0, 28}}, {{14, -30}, {17, 50}},
        {{-5, 12}, {70, 12}},  {{3, 25}, {33, 1}}, {{26, 18}, {9, 6}},
    };
    for (const auto& [from, to] : lines) {
        const Surface whole = Line(from, to);
        const Surface clipped = Line(from, to, &clip);
        for (int y = 0; y < whole.Height(); ++y) {
            for (int x = 0; x < whole.Width(); ++x) {
                const bool inside =
                    x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                EXPECT_EQ(clipped.At(x, y), inside ? whole.At(x, y) : 0u)
                    << "line (" << from.x << ", " << from.y << ") to (" << to.x << ", " << to.y
                    << ") at (" << x << ", " << y << ")";
            }
        }
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

// Each channel (ink * c + under * (255 - c) + 127) / 255; a pixel of no coverage is left as
// it is, one of full coverage takes the colour.
Pixel ExpectedBlend(Pixel under, Pixel ink, int c) {
    if (c == 0) return under;
    if (c == 255) return ink;
    auto channel = [&](int shift) {
        const int mixed =
            (int(ink >> shift & 0xFF) * c + int(under >> shift & 0xFF) * (255 - c) + 127) / 255;
        return Pixel(mixed) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

TEST(DrawContextBlend, EveryCoverageMixesEachChannelRoundedToNearest) {
    std::vector<uint8_t> coverage(256);
    for (int c = 0; c < 256; ++c) coverage[size_t(c)] = uint8_t(c);
    GlyphTable glyphs{};
    glyphs['a'] = Glyph{.width = 256, .height = 1};
    const GlyphRun run{&glyphs, coverage.data(), 1, 0, "a"};
    for (const Pixel under : {Pixel{0}, Pixel{0x00FFFFFF}, Pixel{0x00123456}, Pixel{0xAB80FF01}}) {
        for (const Pixel ink : {Pixel{0x00C8FFC8}, Pixel{0x00000000}, Pixel{0x00FF0080}}) {
            // Rows of even and odd widths, starting at even and odd columns.
            for (const int skip : {0, 1}) {
                Surface surface(260, 1);
                surface.Fill(under);
                DrawContext dc(surface);
                dc.BlendGlyphs(run, Rect{1 + skip, 0, 257, 1}, ink);
                for (int c = skip; c < 256; ++c) {
                    ASSERT_EQ(surface.At(1 + c, 0), ExpectedBlend(under, ink, c))
                        << std::hex << under << " " << ink << " " << std::dec << c;
                }
                EXPECT_EQ(surface.At(0, 0), under);
                EXPECT_EQ(surface.At(257, 0), under);
            }
        }
    }
}

}  // namespace
