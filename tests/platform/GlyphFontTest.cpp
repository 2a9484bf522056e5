// Text clipping and safety at any rectangle, checked with a small font of known glyph boxes;
// the layout the game's text relies on shows in the play screen's recorded pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/GlyphFont.h"
#include "platform/LitPixels.h"

namespace {

constexpr Pixel kBackground = MakePixel(10, 20, 30);
constexpr ColorRef kInk = MakeColorRef(250, 200, 100);
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

void AddGlyph(GlyphTable& glyphs, std::vector<uint8_t>& coverage, uint8_t byte, Glyph glyph,
              uint8_t value) {
    glyph.offset = uint32_t(coverage.size());
    coverage.insert(coverage.end(), size_t(glyph.width) * size_t(glyph.height), value);
    glyphs[byte] = glyph;
}

// Ascent 5, descent 2 (cell 7).
// 'A': solid 3 x 4 one row below the cell top, advance 4.
// 'h': half coverage 2 x 2 at the cell top, advance 3.
// 'q': solid 2 x 4 from one column left of the pen, reaching 2 rows below the cell.
GlyphFont MakeTestFont() {
    GlyphTable glyphs{};
    std::vector<uint8_t> coverage;
    AddGlyph(glyphs, coverage, 'A', Glyph{0, 1, 3, 4, 4, 0}, 255);
    AddGlyph(glyphs, coverage, 'h', Glyph{0, 0, 2, 2, 3, 0}, 128);
    AddGlyph(glyphs, coverage, 'q', Glyph{-1, 5, 2, 4, 2, 0}, 255);
    return GlyphFont(5, 2, glyphs, coverage);
}

class GlyphFontTest : public ::testing::Test {
protected:
    GlyphFontTest() : dc_(surface_) {
        surface_.Fill(kBackground);
        dc_.SetTextColour(kInk);
    }

    Rect Draw(std::string_view text, Rect rect, unsigned format = DT_LEFT) {
        font_.DrawText(dc_, text, rect, format);
        return LitBox(surface_, kBackground);
    }
    const GlyphFont font_ = MakeTestFont();
    Surface surface_{200, 120};
    DrawContext dc_;
};

// Centring a line wider than its rectangle, or a cell taller than it, truncates toward zero.
TEST_F(GlyphFontTest, CentringTruncatesTowardZeroWhenTheTextIsWider) {
    // (5 - 8) / 2 = -1: the pen starts at 9, so the glyphs cover 9..11 and 13..15.
    EXPECT_EQ(Draw("AA", {10, 20, 15, 40}, DT_CENTER), (Rect{10, 21, 15, 25}));
    EXPECT_EQ(surface_.At(12, 22), kBackground);
    // (4 - 7) / 2 = -1: the cell starts at 19, its glyph a row lower.
    surface_.Fill(kBackground);
    EXPECT_EQ(Draw("A", {10, 20, 100, 24}, DT_SINGLELINE | DT_VCENTER), (Rect{10, 20, 13, 24}));
}

TEST_F(GlyphFontTest, SingleLineIgnoresBreaksAndAloneCentresVertically) {
    EXPECT_EQ(Draw("A\nA", {10, 20, 100, 41}, DT_SINGLELINE), (Rect{10, 21, 17, 25}));
    surface_.Fill(kBackground);
    // Cell top 20 + (21 - 7) / 2 = 27; the glyph starts a row lower.
    EXPECT_EQ(Draw("A", {10, 20, 100, 41}, DT_SINGLELINE | DT_VCENTER), (Rect{10, 28, 13, 32}));
    surface_.Fill(kBackground);
    EXPECT_EQ(Draw("A", {10, 20, 100, 41}, DT_VCENTER), (Rect{10, 21, 13, 25}));
}

// "\r\n" is one line break; a lone "\r" or "\n" is one too.
TEST_F(GlyphFontTest, LineBreaksStartANewCellOneCellHeightLower) {
    for (const auto& [text, bottom] :
         {std::pair{"A\nA", 32}, {"A\r\nA", 32}, {"A\rA", 32}, {"A\n\r\nA", 39}}) {
        surface_.Fill(kBackground);
        EXPECT_EQ(Draw(text, {10, 20, 100, 60}), (Rect{10, 21, 13, bottom}))
            << testing::PrintToString(text);
    }
}

TEST_F(GlyphFontTest, TextIsClippedToTheRectangleAndTheContextsClip) {
    // The glyph covers 10..12 x 21..24; the rectangle keeps one column and two rows of it.
    EXPECT_EQ(Draw("A", {11, 20, 12, 23}), (Rect{11, 21, 12, 23}));

    surface_.Fill(kBackground);
    // 'q' hangs a column left of the pen and below the cell; both parts are cut off.
    EXPECT_EQ(Draw("q", {10, 20, 100, 26}), (Rect{10, 25, 11, 26}));

    // And to the context's clip.
    surface_.Fill(kBackground);
    dc_.SetClip({0, 0, 12, 23});
    EXPECT_EQ(Draw("AA", {10, 20, 100, 40}), (Rect{10, 21, 12, 23}));
    dc_.SetClip({150, 0, 200, 120});
    surface_.Fill(kBackground);
    EXPECT_EQ(Draw("AA", {10, 20, 100, 40}), Rect{});
}

TEST_F(GlyphFontTest, RectanglesPartlyOrWhollyOffTheSurfaceDrawOnlyWhatShows) {
    EXPECT_EQ(Draw("AA", {-5, -3, 3, 10}), (Rect{0, 0, 2, 2}));

    surface_.Fill(kBackground);
    for (const Rect& rect :
         {Rect{300, 300, 400, 400}, Rect{-100, -100, -50, -50}, Rect{100, 40, 10, 20},
          Rect{kMin, kMin, kMin + 1, kMin + 1}, Rect{kMax - 1, kMax - 1, kMax, kMax}}) {
        for (unsigned format : {DT_LEFT, DT_CENTER, DT_RIGHT, DT_SINGLELINE | DT_VCENTER}) {
            EXPECT_EQ(Draw("AhqA\nAA", rect, format), Rect{}) << rect.left << "," << rect.top;
        }
    }

    // The widest rectangle: its width does not fit 32 bits, the centre still comes out right.
    // (2^32 - 1 - 8) / 2 = 2^31 - 5, so the pen starts at -5.
    EXPECT_EQ(Draw("AA", {kMin, 0, kMax, 40}, DT_CENTER), (Rect{0, 1, 2, 5}));
    surface_.Fill(kBackground);
    EXPECT_EQ(Draw("AA", {kMin, kMin, kMax, kMax}, DT_RIGHT), Rect{});
    // Vertically the cell starts at 2^31 - 4 - 2^31 = -4, so only the glyph's last row shows.
    EXPECT_EQ(Draw("AA", {kMin, kMin, kMax, kMax}, DT_SINGLELINE | DT_VCENTER | DT_CENTER),
              (Rect{0, 0, 2, 1}));
}

TEST_F(GlyphFontTest, ManyLinesRunningOffTheBottomStillLandInPlace) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "A\n";
    // Line i's glyph covers rows 7i - 4999 to 7i - 4996; rows 0 and 119 are among them.
    EXPECT_EQ(Draw(text, {0, -5000, 200, kMax}), (Rect{0, 0, 3, 120}));
}

TEST(GlyphFontTableTest, ControlAndUndefinedBytesNeverDraw) {
    GlyphTable glyphs{};
    std::vector<uint8_t> coverage(12, 255);
    glyphs.fill(Glyph{0, 0, 3, 4, 4, 0});
    const GlyphFont font(5, 2, glyphs, coverage);

    std::string silent;
    for (int byte = 0; byte < 0x20; ++byte) silent += char(byte);
    silent += "\x7F\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(font.MeasureWidth(silent), 0);
    EXPECT_EQ(font.MeasureWidth("Z\x80\xFF"), 12);

    Surface surface(64, 32);
    DrawContext dc(surface);
    dc.SetTextColour(kInk);
    font.DrawText(dc, silent, {0, 0, 64, 32}, DT_SINGLELINE);
    EXPECT_EQ(CountLit(surface, 0), 0);
    font.DrawText(dc, "Z", {0, 0, 64, 32}, DT_LEFT);
    EXPECT_EQ(CountLit(surface, 0), 12);
}

TEST(GlyphFontTableTest, GlyphsThatDoNotFitTheirCoverageAreDropped) {
    GlyphTable glyphs{};
    glyphs['a'] = Glyph{0, 0, 3, 4, 4, 1};          // one byte past the end
    glyphs['b'] = Glyph{0, 0, 65536, 65536, 4, 0};  // size overflows 32 bits
    glyphs['c'] = Glyph{0, 0, -3, 4, 4, 0};
    glyphs['d'] = Glyph{0, 0, 3, 4, -4, 0};
    glyphs['e'] = Glyph{0, 0, 3, 4, 4, 0};
    const GlyphFont font(5, 2, glyphs, std::vector<uint8_t>(12, 255));

    EXPECT_EQ(font.MeasureWidth("abcd"), 0);
    EXPECT_EQ(font.MeasureWidth("e"), 4);
    Surface surface(64, 32);
    DrawContext dc(surface);
    dc.SetTextColour(kInk);
    font.DrawText(dc, "abcd", {0, 0, 64, 32}, DT_LEFT);
    EXPECT_EQ(CountLit(surface, 0), 0);
}

}  // namespace
