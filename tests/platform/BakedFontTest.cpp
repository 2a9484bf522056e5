// The fonts baked into the game: the three it asks for, and real text drawn with them.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/BakedFont.h"
#include "platform/LitPixels.h"

namespace {

constexpr Pixel kBlack = 0;
constexpr ColorRef kWhite = MakeColorRef(255, 255, 255);

TEST(BakedFontTest, TheGameFontsAreBakedWithTheirCellHeights) {
    for (const auto& [cellHeight, face] : {std::pair{16, "Tahoma"}, {10, "Arial"}, {30, "Arial"}}) {
        const std::unique_ptr<Font> font = LoadBakedFont(cellHeight, face);
        ASSERT_NE(font, nullptr) << face;
        EXPECT_EQ(font->CellHeight(), cellHeight) << face;
        EXPECT_GT(font->MeasureWidth("Pebblor"), 0) << face;
    }
}

TEST(BakedFontTest, OtherSizesAndFacesWereNotBaked) {
    EXPECT_EQ(LoadBakedFont(16, "Arial"), nullptr);
    EXPECT_EQ(LoadBakedFont(12, "Tahoma"), nullptr);
    EXPECT_EQ(LoadBakedFont(0, "Tahoma"), nullptr);
    EXPECT_EQ(LoadBakedFont(16, "tahoma"), nullptr);
}

// Text drawn in white on black with the game's medium font (16, "Tahoma").
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

TEST_F(FontDrawTest, AlignmentPlacesTheSameTextLeftCentredOrRight) {
    const Rect rect{10, 100, 270, 120};
    const Rect left = LitBox(Render("Level: 12", rect, DT_LEFT), kBlack);
    const Rect centre = LitBox(Render("Level: 12", rect, DT_CENTER), kBlack);
    const Rect right = LitBox(Render("Level: 12", rect, DT_RIGHT), kBlack);
    ASSERT_FALSE(left.IsEmpty());
    EXPECT_EQ(centre.Width(), left.Width());
    EXPECT_EQ(centre.top, left.top);
    EXPECT_EQ(right.bottom, left.bottom);

    EXPECT_LE(left.left - rect.left, 2);
    // Ink reaching past the last advance is cut at the rectangle's edge.
    EXPECT_LE(rect.right - right.right, 3);
    EXPECT_LE(right.right, rect.right);
    EXPECT_LE(std::abs((centre.left - rect.left) - (rect.right - centre.right)), 3);
    const int width = font_->MeasureWidth("Level: 12");
    EXPECT_EQ(right.left - left.left, rect.Width() - width);
    EXPECT_EQ(centre.left - left.left, (rect.Width() - width) / 2);
}

TEST_F(FontDrawTest, EachLineBreakMovesDownOneCell) {
    const Rect rect{0, 100, 288, 200};
    Surface apart = Render("Don't let the falling gems", rect, DT_CENTER);
    {
        DrawContext dc(apart);
        dc.SetTextColour(kWhite);
        font_->DrawText(dc, "reach your slingshot!", {0, 116, 288, 200}, DT_CENTER);
    }
    const Surface together =
        Render("Don't let the falling gems\nreach your slingshot!", rect, DT_CENTER);
    EXPECT_EQ(HashPixels(together), HashPixels(apart));
    EXPECT_EQ(
        HashPixels(Render("Don't let the falling gems\r\nreach your slingshot!", rect, DT_CENTER)),
        HashPixels(together));
}

TEST_F(FontDrawTest, TextIsClippedToTheRectangleAndTheContextsClip) {
    const Rect rect{20, 30, 60, 38};
    const Surface cut = Render("High Scores", rect);
    EXPECT_GT(CountLit(cut, kBlack), 0);
    EXPECT_TRUE(Contains(rect, LitBox(cut, kBlack)));

    const Rect clip{0, 0, 50, 576};
    const Surface clipped = Render("High Scores", {20, 30, 200, 50}, DT_LEFT, clip);
    EXPECT_GT(CountLit(clipped, kBlack), 0);
    EXPECT_TRUE(Contains(clip, LitBox(clipped, kBlack)));
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

TEST_F(FontDrawTest, EmptyTextDrawsNothing) {
    EXPECT_EQ(CountLit(Render("", {0, 0, 288, 20}, DT_CENTER), kBlack), 0);
}

}  // namespace
