// Where the menu bar and the field lie in the window's pixels, at an integer scale, and
// the mapping of pointer positions back to field pixels.
#pragma once

#include "platform/Rect.h"
#include "platform/Window.h"

// The menu bar strip above the field, in field pixels (scaled like the field).
constexpr int kMenuBarHeight = 20;

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct FieldPoint {
    int x = 0;
    int y = 0;
    bool operator==(const FieldPoint&) const = default;
};

struct WindowLayout {
    int scale = 1;       // window pixels per field pixel
    int menuHeight = 0;  // the menu strip's height in window pixels
    int fieldLeft = 0;   // the field's top-left corner in window pixels
    int fieldTop = 0;
    PixelSize window;  // the whole window surface

    Rect FieldRect() const;
    Rect MenuRect() const;
    // A field rectangle in window pixels.
    Rect ToWindow(const Rect& field) const;
    // The field pixel under a window pixel; outside the field the values go negative or
    // past the field's size, as positions of a captured pointer do.
    FieldPoint ToField(int windowX, int windowY) const;
    bool InField(int windowX, int windowY) const;
};

// The window's size (in the display's units) that holds the menu bar and the field at scale.
PixelSize WindowSizeForScale(int scale);

// The largest scale from 1 to kMaxDisplayScale whose window, with room for a title bar,
// fits the usable part of the display; 1 when none does.
int LargestFittingScale(int usableWidth, int usableHeight);

// A window made for `scale` whose surface has these pixels (a high-density display gives
// more pixels than units): menu bar at the top, the field below it at the left.
WindowLayout WindowedLayout(PixelSize surface, int scale, int pixelsPerUnit);

// The whole display: menu bar across the top, the field centred below it at the largest
// integer scale that fits, black around it.
WindowLayout FullscreenLayout(PixelSize surface);

// Window pixels per display unit: the surface's width over the window's, at least 1.
int PixelsPerUnit(PixelSize surface, PixelSize windowUnits);
