// Fonts rendered at run time from the installed files, as the desktop's menu bar uses them,
// and the baked fonts as exactly what that rendering gives for the game's font files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/BakedFont.h"
#include "platform/freetype/FontLookup.h"
#include "platform/freetype/FreeTypeFont.h"

namespace {

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

TEST(FontLookupTest, ArialResolvesToLiberationSansAndTahomaToTheWineTahoma) {
    const std::vector<FontFile> arial = FindFontFiles("Arial");
    ASSERT_FALSE(arial.empty());
    EXPECT_EQ(FileName(arial.front().path), "LiberationSans-Regular.ttf");
    const std::vector<FontFile> tahoma = FindFontFiles("Tahoma");
    ASSERT_FALSE(tahoma.empty());
    EXPECT_TRUE(std::filesystem::equivalent(tahoma.front().path, PEBBLOR_TAHOMA_FILE))
        << tahoma.front().path;
}

TEST(InstalledFontTest, TheMenuFontFillsItsCellAtEveryScale) {
    // No size of the Wine Tahoma has a cell of exactly 26 pixels: the next one down is taken.
    for (const auto& [asked, cellHeight] : {std::pair{13, 13}, {26, 25}, {39, 39}}) {
        const std::unique_ptr<Font> font = Font::Create(asked, "Tahoma");
        ASSERT_NE(font, nullptr) << asked;
        EXPECT_EQ(font->CellHeight(), cellHeight) << asked;
    }
}

TEST(InstalledFontTest, AMissingFaceFallsBackToAnInstalledFont) {
    const std::unique_ptr<Font> font = Font::Create(16, "No Such Face At All");
    ASSERT_NE(font, nullptr);
    EXPECT_GT(font->CellHeight(), 0);
    EXPECT_LE(font->CellHeight(), 16);
    EXPECT_GT(font->MeasureWidth("Pebblor"), 0);
}

TEST(InstalledFontTest, NonPositiveHeightsOrNoFontFileGiveNoFont) {
    EXPECT_EQ(Font::Create(0, "Arial"), nullptr);
    EXPECT_EQ(Font::Create(-16, "Arial"), nullptr);
    EXPECT_FALSE(RenderFreeTypeFont(FontFile{"/nonexistent/font.ttf", 0}, 16));
}

TEST(BakedFontTest, EveryBakedFontIsTheRenderingOfItsFontFile) {
    ASSERT_EQ(BakedFonts().size(), 3u);
    for (const BakedFont& baked : BakedFonts()) {
        const std::string face = baked.face;
        const char* path = face == "Tahoma" ? PEBBLOR_TAHOMA_FILE : PEBBLOR_ARIAL_FILE;
        const std::optional<RenderedFont> rendered =
            RenderFreeTypeFont(FontFile{path, 0}, baked.cellHeight);
        ASSERT_TRUE(rendered) << path;
        EXPECT_EQ(baked.ascent, rendered->ascent) << face;
        EXPECT_EQ(baked.descent, rendered->descent) << face;
        for (int byte = 0; byte < 256; ++byte) {
            const Glyph& a = baked.glyphs[byte];
            const Glyph& b = rendered->glyphs[size_t(byte)];
            EXPECT_TRUE(a.left == b.left && a.top == b.top && a.width == b.width &&
                        a.height == b.height && a.advance == b.advance && a.offset == b.offset)
                << face << " " << baked.cellHeight << " byte " << byte;
        }
        EXPECT_TRUE(std::equal(baked.coverage, baked.coverage + baked.coverageSize,
                               rendered->coverage.begin(), rendered->coverage.end()))
            << face << " " << baked.cellHeight;
    }
}

}  // namespace
