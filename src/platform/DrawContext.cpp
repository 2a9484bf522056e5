// Clipped drawing on a surface.
#include "platform/DrawContext.h"

#include <algorithm>

DrawContext::DrawContext(Surface& target) : target_(&target), clip_(target.Bounds()) {}

void DrawContext::SetClip(const Rect& clip) { clip_ = Intersect(clip, target_->Bounds()); }

void DrawContext::ResetClip() { clip_ = target_->Bounds(); }

const Pen* DrawContext::SelectPen(const Pen* pen) {
    const Pen* previous = pen_;
    pen_ = pen;
    return previous;
}

void DrawContext::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void DrawContext::Plot(int x, int y, Pixel colour) {
    if (x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom) {
        Carry(DrawOp{.kind = DrawOpKind::Fill, .colour = colour, .area = Rect{x, y, x + 1, y + 1}});
    }
}

void DrawContext::LineTo(int x, int y) {
    if (pen_ != nullptr) {
        // Every pixel of the line lies in its end points' box, cut here to the clip. Wide
        // arithmetic: far-off end points must not overflow.
        const Rect box{int32_t(std::max<int64_t>(std::min(penX_, x), clip_.left)),
                       int32_t(std::max<int64_t>(std::min(penY_, y), clip_.top)),
                       int32_t(std::min<int64_t>(int64_t(std::max(penX_, x)) + 1, clip_.right)),
                       int32_t(std::min<int64_t>(int64_t(std::max(penY_, y)) + 1, clip_.bottom))};
        if (!box.IsEmpty()) {
            Carry(DrawOp{.kind = DrawOpKind::Line,
                         .colour = pen_->colour,
                         .area = box,
                         .x0 = penX_,
                         .y0 = penY_,
                         .x1 = x,
                         .y1 = y});
        }
    }
    penX_ = x;
    penY_ = y;
}

void DrawContext::LevelLine(int x0, int x1, int y) {
    penX_ = x1;
    penY_ = y;
    if (pen_ == nullptr || y < clip_.top || y >= clip_.bottom) return;
    // The pixels from x0 towards x1, x1 left out. Wide arithmetic: an end may sit at the
    // int range's edge.
    const bool rightwards = x0 <= x1;
    const int64_t from = rightwards ? x0 : int64_t(x1) + 1;
    const int64_t to = rightwards ? x1 : int64_t(x0) + 1;
    const int32_t left = int32_t(std::max<int64_t>(from, clip_.left));
    const int32_t right = int32_t(std::min<int64_t>(to, clip_.right));
    if (left >= right) return;
    Carry(DrawOp{
        .kind = DrawOpKind::Fill, .colour = pen_->colour, .area = Rect{left, y, right, y + 1}});
}

void DrawContext::CopyTiled(const Surface& source, const Rect& area, bool transparent) {
    if (source.IsEmpty()) return;
    Draw(DrawOp{.kind = transparent ? DrawOpKind::TileTransparent : DrawOpKind::Tile,
                .area = area,
                .source = &source});
}

void DrawContext::BlendGlyphs(const GlyphRun& run, const Rect& area, Pixel colour) {
    Draw(DrawOp{.kind = DrawOpKind::Glyphs, .colour = colour, .area = area, .source = &run});
}

void DrawContext::Draw(DrawOp op) {
    const Rect inside = Intersect(op.area, clip_);
    if (inside.IsEmpty()) return;
    op.sourceX += inside.left - op.area.left;
    op.sourceY += inside.top - op.area.top;
    op.area = inside;
    Carry(op);
}

void DrawContext::Carry(const DrawOp& op) {
    if (recorder_ != nullptr) {
        recorder_->Record(op);
    } else {
        ApplyDrawOp(*target_, op, op.area);
    }
}

namespace {

// The part of a copy that lands inside both the source and the clip.
struct CopySpan {
    int srcX, srcY, dstX, dstY, width, height;
};

bool ClipCopy(const Surface& source, const Rect& clip, int srcX, int srcY, int width, int height,
              int dstX, int dstY, CopySpan& out) {
    int64_t sx = srcX, sy = srcY, dx = dstX, dy = dstY, w = width, h = height;
    auto trim = [](int64_t& s, int64_t& d, int64_t& n, int64_t sMin, int64_t sMax, int64_t dMin,
                   int64_t dMax) {
        if (s < sMin) {
            n -= sMin - s;
            d += sMin - s;
            s = sMin;
        }
        if (d < dMin) {
            n -= dMin - d;
            s += dMin - d;
            d = dMin;
        }
        if (s + n > sMax) n = sMax - s;
        if (d + n > dMax) n = dMax - d;
    };
    trim(sx, dx, w, 0, source.Width(), clip.left, clip.right);
    trim(sy, dy, h, 0, source.Height(), clip.top, clip.bottom);
    if (w <= 0 || h <= 0) return false;
    out = CopySpan{int(sx), int(sy), int(dx), int(dy), int(w), int(h)};
    return true;
}

}  // namespace

void DrawContext::Copy(const Surface& source, int srcX, int srcY, int width, int height, int dstX,
                       int dstY) {
    CopySpan s;
    if (!ClipCopy(source, clip_, srcX, srcY, width, height, dstX, dstY, s)) return;
    Carry(DrawOp{.kind = DrawOpKind::Copy,
                 .area = Rect{s.dstX, s.dstY, s.dstX + s.width, s.dstY + s.height},
                 .source = &source,
                 .sourceX = s.srcX,
                 .sourceY = s.srcY});
}

void DrawContext::CopyTransparent(const Surface& source, int srcX, int srcY, int width, int height,
                                  int dstX, int dstY) {
    CopySpan s;
    if (!ClipCopy(source, clip_, srcX, srcY, width, height, dstX, dstY, s)) return;
    Carry(DrawOp{.kind = DrawOpKind::CopyTransparent,
                 .area = Rect{s.dstX, s.dstY, s.dstX + s.width, s.dstY + s.height},
                 .source = &source,
                 .sourceX = s.srcX,
                 .sourceY = s.srcY});
}
