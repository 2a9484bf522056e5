// Writes fonts rendered at build time as C++ source: the definition of BakedFonts.
#pragma once

#include <string>
#include <vector>

#include "platform/freetype/FreeTypeFont.h"

struct FontToBake {
    int cellHeight = 0;
    std::string face;      // the name the game asks for
    std::string fileName;  // the font file it was rendered from, for the reader
    RenderedFont font;
};

std::string EmitBakedFontSource(const std::vector<FontToBake>& fonts);
