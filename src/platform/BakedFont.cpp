// Finding a baked font by cell height and face.
#include "platform/BakedFont.h"

#include <algorithm>
#include <vector>

std::unique_ptr<Font> LoadBakedFont(int cellHeight, std::string_view face) {
    for (const BakedFont& font : BakedFonts()) {
        if (font.cellHeight != cellHeight || font.face != face) continue;
        GlyphTable glyphs{};
        std::copy_n(font.glyphs, glyphs.size(), glyphs.begin());
        return std::make_unique<GlyphFont>(
            font.ascent, font.descent, glyphs,
            std::vector<uint8_t>(font.coverage, font.coverage + font.coverageSize));
    }
    return nullptr;
}
