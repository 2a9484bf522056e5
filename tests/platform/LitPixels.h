// Test helpers: where text changed a surface that was filled with one colour.
#pragma once

#include <algorithm>

#include "platform/Rect.h"
#include "platform/Surface.h"

// The bounding box of the pixels that differ from background; empty when none do.
inline Rect LitBox(const Surface& surface, Pixel background) {
    Rect box{surface.Width(), surface.Height(), 0, 0};
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.At(x, y) == background) continue;
            box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
        }
    }
    return box.IsEmpty() ? Rect{} : box;
}

inline int CountLit(const Surface& surface, Pixel background) {
    return int(std::count_if(surface.Pixels().begin(), surface.Pixels().end(),
                             [background](Pixel p) { return p != background; }));
}
