// Plain fills and copies into a pixel target.
#include "platform/display/PixelTarget.h"

#include <algorithm>

void FillArea(const PixelTarget& target, const Rect& area, Pixel colour) {
    const Rect inside = Intersect(area, target.Bounds());
    for (int y = inside.top; y < inside.bottom; ++y) {
        std::fill(target.Row(y) + inside.left, target.Row(y) + inside.right, colour);
    }
}

void CopySurface(const PixelTarget& target, const Surface& source, int left, int top) {
    const Rect inside =
        Intersect(Rect{left, top, left + source.Width(), top + source.Height()}, target.Bounds());
    for (int y = inside.top; y < inside.bottom; ++y) {
        const Pixel* from = source.Row(y - top) + (inside.left - left);
        std::copy(from, from + inside.Width(), target.Row(y) + inside.left);
    }
}
