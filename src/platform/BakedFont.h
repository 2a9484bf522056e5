// Fonts rendered once at build time and compiled in, so that text has the same pixels on
// every system, whatever fonts it has installed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/GlyphFont.h"

struct BakedFont {
    int cellHeight;
    const char* face;
    int ascent;
    int descent;
    const Glyph* glyphs;  // one per byte, 256
    const uint8_t* coverage;
    size_t coverageSize;
};

// Every font the build baked; the generated source defines it.
std::span<const BakedFont> BakedFonts();

// The baked font of that cell height and face, ready to draw; null when none was baked.
std::unique_ptr<Font> LoadBakedFont(int cellHeight, std::string_view face);
