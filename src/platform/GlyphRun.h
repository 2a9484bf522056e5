// One line of text as it is blended: coverage glyphs laid one after another from a pen
// position, so that a whole line is a single drawing operation.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/Rect.h"

// One byte's glyph: an 8-bit coverage bitmap placed relative to the pen and the cell top.
struct Glyph {
    int32_t left = 0;  // bitmap's left edge, from the pen position
    int32_t top = 0;   // bitmap's top row, from the top of the line's cell
    int32_t width = 0;
    int32_t height = 0;
    int32_t advance = 0;  // how far the pen moves on
    uint32_t offset = 0;  // where the bitmap's rows start in the coverage buffer
};

using GlyphTable = std::array<Glyph, 256>;

struct GlyphRun {
    const GlyphTable* glyphs = nullptr;
    const uint8_t* coverage = nullptr;  // the buffer the glyphs' offsets point into
    int64_t penX = 0;                   // where the first glyph's pen stands
    int64_t cellTop = 0;
    std::string_view text;  // one byte a glyph
    // No glyph's bitmap starts further left of its pen than this.
    int32_t inkLeft = INT32_MIN;

    // The same font, place and bytes: the same pixels.
    bool operator==(const GlyphRun& other) const {
        return glyphs == other.glyphs && coverage == other.coverage && penX == other.penX &&
               cellTop == other.cellTop && text == other.text;
    }
};

// Calls visit(glyph, part, sourceX, sourceY) for each glyph of the run, in order, whose
// bitmap meets `within`: part is where they meet, (sourceX, sourceY) where its top-left
// corner reads the bitmap.
template <typename Visit>
void ForEachGlyphInside(const GlyphRun& run, const Rect& within, Visit visit) {
    int64_t penX = run.penX;
    for (const char c : run.text) {
        // Pens only move right: once a glyph cannot reach `within`, no later one can.
        if (penX + run.inkLeft >= within.right) break;
        const Glyph& glyph = (*run.glyphs)[uint8_t(c)];
        const int64_t glyphLeft = penX + glyph.left;
        penX += glyph.advance;
        // Across first: a tile of a line meets few of its glyphs.
        const int64_t left = std::max<int64_t>(glyphLeft, within.left);
        const int64_t right = std::min<int64_t>(glyphLeft + glyph.width, within.right);
        if (left >= right) continue;
        const int64_t glyphTop = run.cellTop + glyph.top;
        const int64_t top = std::max<int64_t>(glyphTop, within.top);
        const int64_t bottom = std::min<int64_t>(glyphTop + glyph.height, within.bottom);
        if (top >= bottom) continue;
        visit(glyph, Rect{int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)},
              int32_t(left - glyphLeft), int32_t(top - glyphTop));
    }
}
