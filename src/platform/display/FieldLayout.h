// Where the menu bar and the field lie in a window of any size, and the mapping between
// field pixels and window pixels both ways. The field keeps its 1:2 shape, centred, as
// large as the room allows; the menu bar grows in whole steps with it.
#pragma once

#include "platform/Rect.h"
#include "platform/Window.h"

// The menu bar's height at menu scale 1, in pixels.
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
    PixelSize window;    // the whole client area, in pixels
    Rect field;          // where the field is drawn: twice as tall as wide, height even
    int menuScale = 1;   // the menu bar's whole-number scale
    int menuHeight = 0;  // the menu bar's height in pixels
    // Full screen: the bar takes no room and is shown over the top only when asked for.
    bool menuOverField = false;

    Rect MenuRect() const { return Rect{0, 0, window.width, menuHeight}; }
    // The window pixels whose picture depends on this field rectangle: every pixel whose
    // footprint on the field overlaps it, so a smoothing scaler's reach is included.
    Rect FieldToWindow(const Rect& fieldArea) const;
    // The field pixel under a window pixel. Outside the field the values go negative or
    // past the field's size, as the positions of a captured pointer do.
    FieldPoint ToField(int windowX, int windowY) const;
    bool InField(int windowX, int windowY) const;
    bool operator==(const WindowLayout&) const = default;
};

// A window's client area: the menu bar across the top, the field centred below it.
WindowLayout WindowedLayout(PixelSize client);
// A client area whose menu bar lies outside it (the system's, on Windows): the field centred
// in all of it, as large as it allows; no bar.
WindowLayout FieldOnlyLayout(PixelSize client);
// A whole screen: the field as tall as the screen, centred; the bar over it on demand.
WindowLayout FullscreenLayout(PixelSize screen);

// Window pixels per display unit: the surface's width over the window's, at least 1.
int PixelsPerUnit(PixelSize surface, PixelSize windowUnits);
