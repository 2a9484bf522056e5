// The pixel work of each drawing operation, clipped to any rectangle.
#include "platform/DrawOp.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/CoverageBlend.h"

namespace {

// Rows here are mostly a tile wide or narrower, where a call to memcpy costs more than the
// copy itself: a few fixed-size blocks cover them instead, the last ending at the row's end.
// Blocks may overlap: they write the same values again.
template <int kPixels>
void CopyBlock(Pixel* to, const Pixel* from) {
    std::memcpy(to, from, kPixels * sizeof(Pixel));
}

void CopyRow(Pixel* __restrict to, const Pixel* __restrict from, int count) {
    if (count > 32) {
        std::memcpy(to, from, size_t(count) * sizeof(Pixel));
    } else if (count >= 8) {
        CopyBlock<8>(to, from);
        if (count > 16) CopyBlock<8>(to + 8, from + 8);
        if (count > 24) CopyBlock<8>(to + 16, from + 16);
        CopyBlock<8>(to + count - 8, from + count - 8);
    } else if (count >= 2) {
        if (count >= 4) {
            CopyBlock<4>(to, from);
            CopyBlock<4>(to + count - 4, from + count - 4);
        } else {
            CopyBlock<2>(to, from);
            CopyBlock<2>(to + count - 2, from + count - 2);
        }
    } else if (count == 1) {
        to[0] = from[0];
    }
}

void CopyRowTransparent(Pixel* __restrict to, const Pixel* __restrict from, int width) {
    // Source and target never overlap here; branch-free, so several pixels go at once.
    for (int col = 0; col < width; ++col) to[col] = from[col] != 0 ? from[col] : to[col];
}

// Copies the pixels of r from the source, r's top-left corner reading (sourceX, sourceY).
template <bool kTransparent>
void CopyArea(Surface& target, const Surface& source, const Rect& r, int sourceX, int sourceY) {
    const size_t targetStride = size_t(target.Width()), sourceStride = size_t(source.Width());
    Pixel* to = target.Row(r.top) + r.left;
    const Pixel* from = source.Row(sourceY) + sourceX;
    if (!kTransparent && r.Width() == 32) {
        // Rows as wide as a frame recorder's tile, the most common: four whole blocks each.
        for (int y = r.top; y < r.bottom; ++y, to += targetStride, from += sourceStride) {
            CopyBlock<8>(to, from);
            CopyBlock<8>(to + 8, from + 8);
            CopyBlock<8>(to + 16, from + 16);
            CopyBlock<8>(to + 24, from + 24);
        }
        return;
    }
    for (int y = r.top; y < r.bottom; ++y, to += targetStride, from += sourceStride) {
        if constexpr (kTransparent) {
            CopyRowTransparent(to, from, r.Width());
        } else {
            CopyRow(to, from, r.Width());
        }
    }
}

// Target pixel (x, y) takes source pixel (x mod width, y mod height); r lies in the target,
// so x and y are never negative. Cut where the source wraps, r is copies of whole areas of
// the source: mostly one, as r is mostly a tile inside a wider source.
template <bool kTransparent>
void Tile(Surface& target, const Surface& source, const Rect& r) {
    for (int y = r.top; y < r.bottom;) {
        const int sourceY = y % source.Height();
        const int bottom = std::min(r.bottom, y + source.Height() - sourceY);
        for (int x = r.left; x < r.right;) {
            const int sourceX = x % source.Width();
            const int right = std::min(r.right, x + source.Width() - sourceX);
            CopyArea<kTransparent>(target, source, Rect{x, y, right, bottom}, sourceX, sourceY);
            x = right;
        }
        y = bottom;
    }
}

// Fills are mostly sparks' dashes, a few pixels long: as with copies, fixed-size blocks
// beat the set-up of a general fill there.
template <int kPixels>
void FillBlock(Pixel* to, Pixel colour) {
    for (int i = 0; i < kPixels; ++i) to[i] = colour;
}

void FillRow(Pixel* to, int count, Pixel colour) {
    if (count >= 8) {
        for (int x = 0; x + 8 < count; x += 8) FillBlock<8>(to + x, colour);
        FillBlock<8>(to + count - 8, colour);
    } else if (count >= 4) {
        FillBlock<4>(to, colour);
        FillBlock<4>(to + count - 4, colour);
    } else if (count >= 2) {
        FillBlock<2>(to, colour);
        FillBlock<2>(to + count - 2, colour);
    } else {
        to[0] = colour;
    }
}

// Bresenham from (x0, y0) to (x1, y1), the end point not drawn; only the pixels inside the
// clip are set, whatever the clip, so any clip gives the same pixels inside it.
void Line(Surface& target, const DrawOp& op, const Rect& clip) {
    // Wide arithmetic: far-off end points must not overflow.
    int64_t cx = op.x0, cy = op.y0;
    const int64_t x = op.x1, y = op.y1;
    const int64_t dx = std::llabs(x - cx), dy = -std::llabs(y - cy);
    const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
    int64_t error = dx + dy;
    // Stepping stops once the line has left the clip for good.
    while (!(cx == x && cy == y)) {
        if (cx >= clip.left && cx < clip.right && cy >= clip.top && cy < clip.bottom) {
            target.Set(int(cx), int(cy), op.colour);
        } else if ((sx > 0 ? cx >= clip.right : cx < clip.left) && dx != 0) {
            break;
        } else if ((sy > 0 ? cy >= clip.bottom : cy < clip.top) && dy != 0) {
            break;
        }
        const int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            cx += sx;
        }
        if (doubled <= dx) {
            error += dx;
            cy += sy;
        }
    }
}

}  // namespace

void FillArea(Surface& target, const Rect& part, Pixel colour) {
    for (int y = part.top; y < part.bottom; ++y) {
        FillRow(target.Row(y) + part.left, part.Width(), colour);
    }
}

void ApplyDrawOp(Surface& target, const DrawOp& op, const Rect& within) {
    const Rect part = Intersect(op.area, within);
    if (!part.IsEmpty()) ApplyDrawOpOn(target, op, part);
}

void ApplyDrawOpOn(Surface& target, const DrawOp& op, const Rect& part) {
    // A local: stores through the pixels could otherwise change it, for all the compiler sees.
    const Rect r = part;
    // Where r's top-left corner reads the source.
    const int sourceX = op.sourceX + (r.left - op.area.left);
    const int sourceY = op.sourceY + (r.top - op.area.top);
    switch (op.kind) {
        case DrawOpKind::Copy:
            CopyArea<false>(target, *static_cast<const Surface*>(op.source), r, sourceX, sourceY);
            break;
        case DrawOpKind::CopyTransparent:
            CopyArea<true>(target, *static_cast<const Surface*>(op.source), r, sourceX, sourceY);
            break;
        case DrawOpKind::Tile:
            Tile<false>(target, *static_cast<const Surface*>(op.source), r);
            break;
        case DrawOpKind::TileTransparent:
            Tile<true>(target, *static_cast<const Surface*>(op.source), r);
            break;
        case DrawOpKind::Glyphs: {
            const GlyphRun& run = *static_cast<const GlyphRun*>(op.source);
            ForEachGlyphInside(
                run, r, [&](const Glyph& glyph, const Rect& part, int32_t x, int32_t y) {
                    const ptrdiff_t stride = target.Width();
                    BlendCoverage(
                        CoverageBlock{target.Row(part.top) + part.left, stride,
                                      run.coverage + glyph.offset + ptrdiff_t(y) * glyph.width + x,
                                      glyph.width, part.Width(), part.Height()},
                        op.colour);
                });
            break;
        }
        case DrawOpKind::Fill:
            FillArea(target, r, op.colour);
            break;
        case DrawOpKind::Line:
            Line(target, op, r);
            break;
    }
}

bool SameWhereBothDraw(const DrawOp& a, const DrawOp& b) {
    if (a.kind == DrawOpKind::Glyphs && b.kind == DrawOpKind::Glyphs) {
        // Alike runs may lie in different places: a frame recorder keeps copies.
        return a.colour == b.colour &&
               *static_cast<const GlyphRun*>(a.source) == *static_cast<const GlyphRun*>(b.source);
    }
    if (a.kind != b.kind || a.colour != b.colour || a.source != b.source) {
        return false;
    }
    switch (a.kind) {
        case DrawOpKind::Fill:
        case DrawOpKind::Tile:
        case DrawOpKind::TileTransparent:
            // What a pixel takes hangs on its place alone.
            return true;
        case DrawOpKind::Line:
            // A line sets the same pixels inside any clip.
            return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
        default:
            // Each target pixel reads the same source pixel.
            return a.sourceX - a.area.left == b.sourceX - b.area.left &&
                   a.sourceY - a.area.top == b.sourceY - b.area.top;
    }
}
