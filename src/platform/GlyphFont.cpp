// Text layout (alignment, line breaks, clipping) and coverage blending over prerendered glyphs.
#include "platform/GlyphFont.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/Cp1252.h"

namespace {

bool BitmapFits(const Glyph& glyph, size_t coverageSize) {
    if (glyph.width < 0 || glyph.height < 0 || glyph.advance < 0) return false;
    return uint64_t(glyph.offset) + uint64_t(glyph.width) * uint64_t(glyph.height) <= coverageSize;
}

}  // namespace

GlyphFont::GlyphFont(int ascent, int descent, const GlyphTable& glyphs,
                     std::vector<uint8_t> coverage)
    : ascent_(std::max(ascent, 0)),
      descent_(std::max(descent, 0)),
      glyphs_(glyphs),
      coverage_(std::move(coverage)) {
    for (int byte = 0; byte < 256; ++byte) {
        Glyph& glyph = glyphs_[byte];
        if (Cp1252CodePoint(uint8_t(byte)) == 0 || !BitmapFits(glyph, coverage_.size())) {
            glyph = Glyph{};
        }
        highestGlyphTop_ = std::min(highestGlyphTop_, glyph.top);
        if (glyph.width > 0 && glyph.height > 0) {
            ink_.left = std::min<int64_t>(ink_.left, glyph.left);
            ink_.top = std::min<int64_t>(ink_.top, glyph.top);
            ink_.right = std::max(ink_.right, int64_t(glyph.left) + glyph.width - glyph.advance);
            ink_.bottom = std::max(ink_.bottom, int64_t(glyph.top) + glyph.height);
        }
    }
}

GlyphFont::LineMeasure GlyphFont::Measure(std::string_view text, size_t start,
                                          bool toTheEnd) const {
    // Locals: kept in the returned measure, they went to memory at every byte.
    size_t end = start;
    int64_t width = 0;
    bool inked = false;
    for (; end < text.size(); ++end) {
        const char c = text[end];
        if (!toTheEnd && (c == '\r' || c == '\n')) break;
        const Glyph& glyph = glyphs_[uint8_t(c)];
        width += glyph.advance;
        inked = inked || (glyph.width > 0 && glyph.height > 0);
    }
    return LineMeasure{end, width, inked};
}

int GlyphFont::MeasureWidth(std::string_view text) const {
    return int(std::min<int64_t>(Measure(text, 0, true).width, std::numeric_limits<int>::max()));
}

void GlyphFont::DrawText(DrawContext& dc, std::string_view text, const Rect& rect,
                         unsigned format) const {
    const Rect clip = Intersect(rect, dc.Clip());
    if (clip.IsEmpty()) return;
    const Pixel colour = PixelFromColorRef(dc.TextColour());
    const int64_t rectWidth = int64_t(rect.right) - rect.left;
    const bool singleLine = (format & DT_SINGLELINE) != 0;

    int64_t cellTop = rect.top;
    if (singleLine && (format & DT_VCENTER) != 0) {
        cellTop += (int64_t(rect.bottom) - rect.top - CellHeight()) / 2;
    }
    size_t start = 0;
    // Lines below the clip cannot reach it: every glyph starts below its cell's top less
    // the tallest overhang.
    while (cellTop + highestGlyphTop_ < clip.bottom) {
        const LineMeasure measure = Measure(text, start, singleLine);
        const size_t end = measure.end;
        const std::string_view line = text.substr(start, end - start);

        int64_t penX = rect.left;
        if ((format & DT_CENTER) != 0) {
            penX += (rectWidth - measure.width) / 2;
        } else if ((format & DT_RIGHT) != 0) {
            penX = int64_t(rect.right) - measure.width;
        }
        if (measure.inked) DrawLine(dc, line, penX, measure.width, cellTop, clip, colour);

        if (end == text.size()) break;
        // "\r\n" is one break; a lone "\r" or "\n" is one too.
        const bool pair = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (pair ? 2 : 1);
        cellTop += CellHeight();
    }
}

void GlyphFont::DrawLine(DrawContext& dc, std::string_view line, int64_t penX, int64_t width,
                         int64_t cellTop, const Rect& clip, Pixel colour) const {
    // Every glyph's pen lies between penX and penX + width less its advance.
    auto inside = [](int64_t value, int32_t low, int32_t high) {
        return int32_t(std::clamp<int64_t>(value, low, high));
    };
    const Rect box{inside(penX + ink_.left, clip.left, clip.right),
                   inside(cellTop + ink_.top, clip.top, clip.bottom),
                   inside(penX + width + ink_.right, clip.left, clip.right),
                   inside(cellTop + ink_.bottom, clip.top, clip.bottom)};
    if (!box.IsEmpty()) {
        // The line has ink: ink_.left is some glyph's left.
        dc.BlendGlyphs(
            GlyphRun{&glyphs_, coverage_.data(), penX, cellTop, line, int32_t(ink_.left)}, box,
            colour);
    }
}
