// The fonts baked into the game: the three it asks for, with the Windows-1252 characters the
// game's single-byte text may hold.
#include <gtest/gtest.h>

#include <string>

#include "platform/BakedFont.h"
#include "platform/LitPixels.h"

namespace {

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

TEST(BakedFontTest, BytesAbove127AreWindows1252Characters) {
    const std::unique_ptr<Font> font = LoadBakedFont(16, "Tahoma");
    ASSERT_NE(font, nullptr);
    auto litBy = [&](const char* text) {
        Surface surface(288, 20);
        DrawContext dc(surface);
        dc.SetTextColour(MakeColorRef(255, 255, 255));
        font->DrawText(dc, text, surface.Bounds(), DT_LEFT);
        return CountLit(surface, 0);
    };
    for (const char* text : {"\x80", "\xE9", "\x93", "\xFF"}) {
        EXPECT_GT(font->MeasureWidth(text), 0) << int(uint8_t(text[0]));
        EXPECT_GT(litBy(text), 0) << int(uint8_t(text[0]));
    }
    EXPECT_EQ(font->MeasureWidth("\x81\x8D\x8F\x90\x9D"), 0);
    EXPECT_EQ(litBy("\x81\x8D\x8F\x90\x9D\t\x01"), 0);
}

}  // namespace
