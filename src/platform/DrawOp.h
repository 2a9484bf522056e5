// One drawing operation on a surface, as the drawing context hands it out: the pixels it
// may write and how to write them, so that it can be carried out later, a part at a time.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "platform/GlyphRun.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

// As wide as a pixel: an operation has no padding, so its bytes can be compared at once.
enum class DrawOpKind : uint32_t {
    Copy,             // a surface's pixels, opaque
    CopyTransparent,  // the same, leaving the target where the source is pure black
    Tile,             // copies of a surface laid edge to edge from the target's corner, opaque
    TileTransparent,  // the same, leaving the target where the source is pure black
    Glyphs,           // the colour laid over the target in proportion to a line's glyphs
    Fill,             // the colour
    Line,             // a one-pixel line, its end point not drawn
};

struct DrawOp {
    DrawOpKind kind = DrawOpKind::Copy;
    Pixel colour = 0;  // Glyphs, Fill, Line
    // Inside the target: the pixels copied, blended or filled; for a line, its clip.
    Rect area;
    // Copies and tiles: the Surface read; Glyphs: the GlyphRun.
    const void* source = nullptr;
    // Copy and CopyTransparent: where the area's top-left corner reads the source.
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    // Line: from (x0, y0) towards (x1, y1).
    int32_t x0 = 0;
    int32_t y0 = 0;
    int32_t x1 = 0;
    int32_t y1 = 0;

    bool operator==(const DrawOp& other) const {
        return std::memcmp(this, &other, sizeof *this) == 0;
    }
};

static_assert(std::has_unique_object_representations_v<DrawOp>);

// Carries the operation out on the target, inside `within` only. Parts carried out one by
// one give the same pixels as the whole at once.
void ApplyDrawOp(Surface& target, const DrawOp& op, const Rect& within);

// The pixel work of ApplyDrawOp on `part`, the operation's area inside a clip: not empty.
void ApplyDrawOpOn(Surface& target, const DrawOp& op, const Rect& part);
void FillArea(Surface& target, const Rect& part, Pixel colour);

// ApplyDrawOp inline, fills apart, for a loop over a frame's many operations: most are
// sparks' dashes, a few pixels each, where the set-up of the general way costs more than
// the work.
inline void ApplyDrawOpInline(Surface& target, const DrawOp& op, const Rect& within) {
    const Rect part = Intersect(op.area, within);
    if (part.IsEmpty()) return;
    if (op.kind == DrawOpKind::Fill) {
        FillArea(target, part, op.colour);
    } else {
        ApplyDrawOpOn(target, op, part);
    }
}

// Whether the two operations write the same pixel wherever both write one: they differ at
// most in their areas.
bool SameWhereBothDraw(const DrawOp& a, const DrawOp& b);

// Whether the two operations write the same pixels inside `within` of the same target
// (reading the same sources). Inline: each frame compares most of its operations so.
inline bool SameWithin(const DrawOp& a, const DrawOp& b, const Rect& within) {
    // Most are the last frame's field for field, alike text too.
    if (a == b) return true;
    if (a.area != b.area && Intersect(a.area, within) != Intersect(b.area, within)) return false;
    return SameWhereBothDraw(a, b);
}
