// What the real-window tests look for in the field's pixels, and their polling wait.
#include "FieldPixels.h"

#include <algorithm>
#include <chrono>
#include <thread>

bool IsPaleGreen(Pixel p) {
    const int red = PixelRed(p);
    const int green = PixelGreen(p);
    const int blue = PixelBlue(p);
    return green >= 150 && red >= 100 && blue >= 100 && green >= red + 20 && green >= blue + 20;
}

bool IsBallColour(Pixel p) {
    const int lowest = std::min({PixelRed(p), PixelGreen(p), PixelBlue(p)});
    const int highest = std::max({PixelRed(p), PixelGreen(p), PixelBlue(p)});
    return lowest >= 150 && highest - lowest <= 40;
}

int CountPixels(const Surface& surface, const Rect& area, const std::function<bool(Pixel)>& test) {
    const Rect inside = Intersect(area, surface.Bounds());
    int count = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) count += test(surface.At(x, y)) ? 1 : 0;
    }
    return count;
}

int LeftmostPixel(const Surface& surface, const Rect& area,
                  const std::function<bool(Pixel)>& test) {
    const Rect inside = Intersect(area, surface.Bounds());
    for (int x = inside.left; x < inside.right; ++x) {
        for (int y = inside.top; y < inside.bottom; ++y) {
            if (test(surface.At(x, y))) return x;
        }
    }
    return area.right;
}

bool WaitUntil(const std::function<bool()>& condition, int limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}
