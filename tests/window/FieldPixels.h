// What the real-window tests look for in the field's pixels, and their polling wait.
#pragma once

#include <functional>

#include "platform/Rect.h"
#include "platform/Surface.h"

// The HUD's and headings' text colour, 200, 255, 200, mostly: the glyphs' smoothed edges
// and a window scaled by a fraction mix it with the dark background. Gems' greens are not
// pale.
bool IsPaleGreen(Pixel p);
// The ball's silvery white; a gem has a few such pixels at most.
bool IsBallColour(Pixel p);

int CountPixels(const Surface& surface, const Rect& area, const std::function<bool(Pixel)>& test);
// The first column of the area holding such a pixel; the area's right edge when none does.
int LeftmostPixel(const Surface& surface, const Rect& area, const std::function<bool(Pixel)>& test);

// Polls until the condition holds; false if it never did within the limit.
bool WaitUntil(const std::function<bool()>& condition, int limitMs);
