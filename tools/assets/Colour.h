// Linear colour arithmetic for painting; channels 0 to 1.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/Surface.h"

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

constexpr Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
constexpr Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
constexpr Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
constexpr Rgb Mix(Rgb a, Rgb b, double t) { return a + (b - a) * t; }

// An 8-bit colour as painting input: Hex(0x2a1f3c).
constexpr Rgb Hex(Pixel rgb) {
    return {double(PixelRed(rgb)) / 255.0, double(PixelGreen(rgb)) / 255.0,
            double(PixelBlue(rgb)) / 255.0};
}

// Rounded and clamped to 8 bits per channel.
Pixel ToPixel(Rgb colour);

// A colour ramp through evenly spaced stops: t = 0 is the first stop, t = 1 the last.
class Ramp {
public:
    Ramp(std::initializer_list<Rgb> stops);
    Rgb At(double t) const;

private:
    std::vector<Rgb> stops_;
};
