// A block of 0x00RRGGBB pixels to draw into, owned by someone else: a Surface or a
// window's own pixel memory.
#pragma once

#include <cstddef>

#include "platform/Rect.h"
#include "platform/Surface.h"

struct PixelTarget {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels from one row to the next

    Pixel* Row(int y) const { return pixels + ptrdiff_t(y) * stride; }
    Rect Bounds() const { return Rect{0, 0, width, height}; }
};

inline PixelTarget TargetOf(Surface& surface) {
    return PixelTarget{surface.IsEmpty() ? nullptr : surface.Row(0), surface.Width(),
                       surface.Height(), surface.Width()};
}

// Fills a rectangle (clipped to the target) with one colour.
void FillArea(const PixelTarget& target, const Rect& area, Pixel colour);
// Copies a surface unscaled with its top-left corner at (left, top), clipped to the target.
void CopySurface(const PixelTarget& target, const Surface& source, int left, int top);
