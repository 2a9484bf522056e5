// The fonts baked into the game: the three it asks for, and real text drawn with them.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/BakedFont.h"
#include "platform/LitPixels.h"

namespace {

constexpr Pixel kBlack = 0;
constexpr ColorRef kWhite = MakeColorRef(255, 255, 255);

TEST(BakedFontTest, OnlyTheGameFontsAreBakedWithTheirCellHeights) {
    for (const auto& [cellHeight, face] : {std::pair{16, "Tahoma"}, {10, "Arial"}, {30, "Arial"}}) {
        const std::unique_ptr<Font> font = LoadBakedFont(cellHeight, face);
        ASSERT_NE(font, nullptr) << face;
        EXPECT_EQ(font->CellHeight(), cellHeight) << face;
        EXPECT_GT(font->MeasureWidth("Pebblor"), 0) << face;
    }
    EXPECT_EQ(LoadBakedFont(16, "Arial"), nullptr);
    EXPECT_EQ(LoadBakedFont(12, "Tahoma"), nullptr);
    EXPECT_EQ(LoadBakedFont(0, "Tahoma"), nullptr);
    EXPECT_EQ(LoadBakedFont(16, "tahoma"), nullptr);
}

// Text drawn in white on black with the game's medium font (16, "Tahoma"); the layout rules
// themselves are checked with a font of known glyphs (GlyphFontTest).
class FontDrawTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(font_, nullptr); }

    Surface Render(std::string_view text, Rect rect, unsigned format = DT_LEFT,
                   const Rect& clip = Rect{0, 0, 288, 576}) const {
        Surface surface(288, 576);
        DrawContext dc(surface);
        dc.SetClip(clip);
        dc.SetTextColour(kWhite);
        font_->DrawText(dc, text, rect, format);
        return surface;
    }

    const std::unique_ptr<Font> font_ = LoadBakedFont(16, "Tahoma");
};

TEST_F(FontDrawTest, AKnownStringLightsPixelsInsideItsRectangleOnly) {
    const Rect rect{20, 30, 200, 50};
    const Surface surface = Render("High Scores", rect);
    EXPECT_EQ(CountLit(Render("", rect), kBlack), 0);
    EXPECT_GT(CountLit(surface, kBlack), 60);
    const Rect box = LitBox(surface, kBlack);
    EXPECT_TRUE(Contains(rect, box));
    EXPECT_LT(box.top, rect.top + 16);  // the first line's cell starts at the top
    EXPECT_LE(box.left, rect.left + 2);
    EXPECT_EQ(HashPixels(surface), HashPixels(Render("High Scores", rect)));
}

TEST_F(FontDrawTest, GlyphsAreAntialiasedOutlines) {
    // The Wine Tahoma's 1-bit bitmap strikes would give only full or no coverage.
    const Surface surface = Render("Click mouse to start playing", {0, 0, 288, 20});
    int partial = 0;
    for (Pixel p : surface.Pixels()) partial += (p != kBlack && p != 0xFFFFFF) ? 1 : 0;
    EXPECT_GT(partial, 20);
}

TEST_F(FontDrawTest, EveryByteAndEveryPlacementIsSafe) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) everyByte += char(byte);
    everyByte += everyByte;  // a second run after the embedded line breaks
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    for (const Rect& rect :
         {Rect{-50, -5, 100, 30}, Rect{250, 560, 400, 700}, Rect{kMin, kMin, kMax, kMax},
          Rect{kMin, 0, kMax, 576}, Rect{0, 0, 288, 576}, Rect{10, 10, 0, 0}}) {
        for (unsigned format : {DT_LEFT, DT_CENTER, DT_RIGHT, DT_SINGLELINE | DT_VCENTER}) {
            const Surface surface = Render(everyByte, rect, format, Rect{5, 5, 280, 570});
            EXPECT_TRUE(Contains(Intersect(rect, Rect{5, 5, 280, 570}), LitBox(surface, kBlack)));
        }
    }
}

TEST_F(FontDrawTest, BytesAbove127AreWindows1252Characters) {
    for (const char* text : {"\x80", "\xE9", "\x93", "\xFF"}) {
        EXPECT_GT(font_->MeasureWidth(text), 0) << int(uint8_t(text[0]));
        EXPECT_GT(CountLit(Render(text, {0, 0, 288, 20}), kBlack), 0) << int(uint8_t(text[0]));
    }
    EXPECT_EQ(font_->MeasureWidth("\x81\x8D\x8F\x90\x9D"), 0);
    EXPECT_EQ(CountLit(Render("\x81\x8D\x8F\x90\x9D\t\x01", {0, 0, 288, 20}), kBlack), 0);
}

}  // namespace
