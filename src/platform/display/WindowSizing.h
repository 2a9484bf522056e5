// Choosing a window's size and place: the whole-number presets, the largest window that
// fits the screen's work area, and the first window of a run from what was remembered.
#pragma once

#include <optional>

#include "platform/FieldGeometry.h"
#include "platform/Rect.h"
#include "platform/Window.h"
#include "platform/display/FieldLayout.h"

// Room kept around the client area for the frame a window manager adds (title bar and
// borders), in display units, as the frame's size is only known once the window is shown.
constexpr int kFrameTop = 40;
constexpr int kFrameEdge = 8;  // left, right and bottom

// What a window has besides the field, in display units: the frame around the client area
// (on Windows also the system's menu bar above it) and whether the menu bar lies inside the
// client area, drawn by the window itself.
struct WindowChrome {
    int top = kFrameTop;
    int edge = kFrameEdge;  // left, right and bottom
    bool menuInClient = true;
};

// The smallest client area: the field at half size, with the menu bar when it is inside.
PixelSize MinimumClientSize(const WindowChrome& chrome = {});

// The client area that shows the field at a whole-number scale, with its menu bar.
PixelSize ClientSizeForScale(int scale, const WindowChrome& chrome = {});

// Whether a client area of this size, with its frame, fits the work area.
bool FitsWorkArea(PixelSize client, const Rect& workArea, const WindowChrome& chrome = {});

// The largest client area whose window fits the work area: the field as tall as the room
// allows, the window no wider than the field.
PixelSize LargestFittingClient(const Rect& workArea, const WindowChrome& chrome = {});

// The size itself when it fits; otherwise shrunk to fit, keeping its shape.
PixelSize ShrinkToFit(PixelSize client, const Rect& workArea, const WindowChrome& chrome = {});

// A client area of this size whose window, frame included, is centred in the work area.
WindowPlacement CentredPlacement(PixelSize client, const Rect& workArea,
                                 const WindowChrome& chrome = {});

// The first window of a run: the remembered placement, shrunk to fit and moved onto the
// work area; else the remembered preset scale (1 to kMaxPresetScale), shrunk to fit and
// centred; else the largest window that fits, centred.
WindowPlacement FirstPlacement(const Rect& workArea, const std::optional<WindowPlacement>& stored,
                               int storedScale, const WindowChrome& chrome = {});

// Where a window placed at `current` goes for a size command: a preset scale (1 to
// kMaxPresetScale) in the same place, moved only as far as needed to stay on the work area;
// with 0 the largest window that fits, centred.
WindowPlacement PresetPlacement(const WindowPlacement& current, int presetScale,
                                const Rect& workArea, const WindowChrome& chrome = {});
