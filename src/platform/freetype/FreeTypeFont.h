// Rendering a font file's glyphs with FreeType for one cell height.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/GlyphFont.h"
#include "platform/freetype/FontLookup.h"

// What a GlyphFont is made of: the cell's ascent and descent, one glyph per byte, and the
// coverage bitmaps the glyphs point into.
struct RenderedFont {
    int ascent = 0;
    int descent = 0;
    GlyphTable glyphs{};
    std::vector<uint8_t> coverage;
};

// Renders the outlines (antialiased, embedded bitmaps ignored) of the Windows-1252 characters
// at the pixel size whose ascent + descent is cellHeight, or the largest size below it when
// no size gives exactly that. Nothing when the file is not a scalable font with a Unicode map.
std::optional<RenderedFont> RenderFreeTypeFont(const FontFile& file, int cellHeight);
