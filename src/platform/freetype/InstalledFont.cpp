// Font::Create for the desktop: fontconfig's candidates for a face, best first, rendered
// with FreeType until one loads.
#include <utility>

#include "platform/Font.h"
#include "platform/GlyphFont.h"
#include "platform/freetype/FontLookup.h"
#include "platform/freetype/FreeTypeFont.h"

std::unique_ptr<Font> Font::Create(int cellHeight, const std::string& face) {
    if (cellHeight <= 0) return nullptr;
    for (const FontFile& file : FindFontFiles(face)) {
        if (std::optional<RenderedFont> font = RenderFreeTypeFont(file, cellHeight)) {
            return std::make_unique<GlyphFont>(font->ascent, font->descent, font->glyphs,
                                               std::move(font->coverage));
        }
    }
    return nullptr;
}
