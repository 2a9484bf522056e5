// A font held as prerendered coverage glyphs, one per byte: lays out and blends text.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Font.h"
#include "platform/GlyphRun.h"

class GlyphFont final : public Font {
public:
    // Glyphs whose bitmap does not lie inside coverage, or with negative sizes or advance,
    // are dropped (they draw nothing and take no room). Bytes that stand for no character
    // (line breaks, other control bytes, undefined ones) never draw, whatever the table says.
    GlyphFont(int ascent, int descent, const GlyphTable& glyphs, std::vector<uint8_t> coverage);

    void DrawText(DrawContext& dc, std::string_view text, const Rect& rect,
                  unsigned format) const override;
    int MeasureWidth(std::string_view text) const override;
    int CellHeight() const override { return ascent_ + descent_; }

private:
    struct LineMeasure {
        size_t end = 0;      // where the line stops: its break, or the end of the text
        int64_t width = 0;   // the pens' advances together
        bool inked = false;  // some glyph has a bitmap
    };
    // The line of text from start, or all the rest of it when toTheEnd.
    LineMeasure Measure(std::string_view text, size_t start, bool toTheEnd) const;
    // One operation for the line's glyphs inside the clip, over a box that holds them;
    // `width` is the line's, as measured.
    void DrawLine(DrawContext& dc, std::string_view line, int64_t penX, int64_t width,
                  int64_t cellTop, const Rect& clip, Pixel colour) const;

    int ascent_;
    int descent_;
    int32_t highestGlyphTop_ = 0;  // the most any glyph rises above its cell (<= 0)
    // Where any glyph's bitmap can lie: left and top from the pen and the cell top, right
    // past the pen's next position, bottom from the cell top. Empty bitmaps aside.
    struct InkReach {
        int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    } ink_;
    GlyphTable glyphs_;
    std::vector<uint8_t> coverage_;
};
