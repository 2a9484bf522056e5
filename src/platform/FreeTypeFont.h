// Loading a font file with FreeType into a glyph cache sized by cell height.
#pragma once

#include <memory>

#include "platform/FontLookup.h"
#include "platform/GlyphFont.h"

// Renders the outlines (antialiased, embedded bitmaps ignored) of the Windows-1252 characters
// at the pixel size whose ascent + descent is cellHeight, or the largest size below it when
// no size gives exactly that. Null when the file is not a scalable font with a Unicode map.
std::unique_ptr<GlyphFont> LoadFreeTypeFont(const FontFile& file, int cellHeight);
