// Pixel surfaces.
#include "platform/Surface.h"

#include <algorithm>

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), 0) {}

void Surface::Fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

Surface Surface::Mirrored() const {
    Surface mirror(width_, height_);
    for (int y = 0; y < height_; ++y) {
        std::reverse_copy(Row(y), Row(y) + width_, mirror.Row(y));
    }
    return mirror;
}

uint64_t HashPixels(const Surface& surface) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (Pixel p : surface.Pixels()) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (p >> shift) & 0xFF;
            hash *= 0x100000001b3ull;
        }
    }
    return hash;
}
