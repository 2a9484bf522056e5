// Clipped drawing on a surface.
#include "platform/DrawContext.h"

#include <cstdlib>

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
        target_->Set(x, y, colour);
    }
}

void DrawContext::LineTo(int x, int y) {
    if (pen_ != nullptr) {
        // Wide arithmetic: far-off end points must not overflow.
        int64_t cx = penX_, cy = penY_;
        const int64_t dx = std::llabs(int64_t(x) - cx), dy = -std::llabs(int64_t(y) - cy);
        const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
        int64_t error = dx + dy;
        // Stepping stops once the line has left the clip for good.
        while (!(cx == x && cy == y)) {
            if (cx >= clip_.left && cx < clip_.right && cy >= clip_.top && cy < clip_.bottom) {
                target_->Set(int(cx), int(cy), pen_->colour);
            } else if ((sx > 0 ? cx >= clip_.right : cx < clip_.left) && dx != 0) {
                break;
            } else if ((sy > 0 ? cy >= clip_.bottom : cy < clip_.top) && dy != 0) {
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
    penX_ = x;
    penY_ = y;
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
    for (int row = 0; row < s.height; ++row) {
        const Pixel* from = source.Row(s.srcY + row) + s.srcX;
        Pixel* to = target_->Row(s.dstY + row) + s.dstX;
        std::copy(from, from + s.width, to);
    }
}

void DrawContext::CopyTransparent(const Surface& source, int srcX, int srcY, int width, int height,
                                  int dstX, int dstY) {
    CopySpan s;
    if (!ClipCopy(source, clip_, srcX, srcY, width, height, dstX, dstY, s)) return;
    for (int row = 0; row < s.height; ++row) {
        // Source and target never overlap here; branch-free, so several pixels go at once.
        const Pixel* __restrict from = source.Row(s.srcY + row) + s.srcX;
        Pixel* __restrict to = target_->Row(s.dstY + row) + s.dstX;
        for (int col = 0; col < s.width; ++col) to[col] = from[col] != 0 ? from[col] : to[col];
    }
}
