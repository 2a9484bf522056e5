// A 32-bit pixel surface: the back buffer, the window's pixels, decoded bitmaps.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Rect.h"

// Pixels are 0x00RRGGBB. Pure black (0) is the transparent colour of sprites.
using Pixel = uint32_t;

// Colours given the Win32 way, 0x00BBGGRR.
using ColorRef = uint32_t;

constexpr ColorRef MakeColorRef(uint8_t red, uint8_t green, uint8_t blue) {
    return ColorRef(red) | (ColorRef(green) << 8) | (ColorRef(blue) << 16);
}
constexpr Pixel MakePixel(uint8_t red, uint8_t green, uint8_t blue) {
    return (Pixel(red) << 16) | (Pixel(green) << 8) | Pixel(blue);
}
constexpr Pixel PixelFromColorRef(ColorRef colour) {
    return MakePixel(uint8_t(colour & 0xFF), uint8_t((colour >> 8) & 0xFF),
                     uint8_t((colour >> 16) & 0xFF));
}
constexpr uint8_t PixelRed(Pixel p) { return uint8_t(p >> 16); }
constexpr uint8_t PixelGreen(Pixel p) { return uint8_t(p >> 8); }
constexpr uint8_t PixelBlue(Pixel p) { return uint8_t(p); }

class Surface {
public:
    Surface() = default;
    // A black surface; negative sizes count as 0.
    Surface(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return Rect{0, 0, width_, height_}; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }

    Pixel* Row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }
    const Pixel* Row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }
    std::span<Pixel> Pixels() { return pixels_; }
    std::span<const Pixel> Pixels() const { return pixels_; }

    void Fill(Pixel p);
    // A copy mirrored left to right.
    Surface Mirrored() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

// FNV-1a 64 over the pixels' bytes (little-endian 32-bit words), row by row.
uint64_t HashPixels(const Surface& surface);
