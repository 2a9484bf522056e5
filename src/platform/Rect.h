// Rectangles in screen pixels: right and bottom are exclusive.
#pragma once

#include <algorithm>
#include <cstdint>

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// The overlap of two rectangles; empty (all zero) when they do not overlap. Inline: every
// drawing operation clips with it.
inline Rect Intersect(const Rect& a, const Rect& b) {
    const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// Whether every pixel of `inner` lies in `outer`; an empty `inner` lies anywhere.
inline bool Contains(const Rect& outer, const Rect& inner) {
    return inner.IsEmpty() || (inner.left >= outer.left && inner.top >= outer.top &&
                               inner.right <= outer.right && inner.bottom <= outer.bottom);
}
