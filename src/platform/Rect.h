// Rectangles in screen pixels: right and bottom are exclusive.
#pragma once

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

// The overlap of two rectangles; empty (all zero) when they do not overlap.
Rect Intersect(const Rect& a, const Rect& b);
