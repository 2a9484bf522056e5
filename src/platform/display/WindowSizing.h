// Choosing a window's size and place: the whole-number presets, the largest window that
// fits the screen's work area, and the first window of a run from what was remembered.
#pragma once

#include <optional>

#include "platform/Rect.h"
#include "platform/Window.h"
#include "platform/display/FieldLayout.h"

// Room kept around the client area for the frame a window manager adds (title bar and
// borders), in display units, as the frame's size is only known once the window is shown.
constexpr int kFrameTop = 40;
constexpr int kFrameEdge = 8;  // left, right and bottom
// The smallest client area: the field at half size below a full-size menu bar.
constexpr PixelSize kMinimumClientSize{kClientWidth / 2, kClientHeight / 2 + kMenuBarHeight};

// The client area that shows the field at a whole-number scale, with its menu bar.
PixelSize ClientSizeForScale(int scale);

// Whether a client area of this size, with its frame, fits the work area.
bool FitsWorkArea(PixelSize client, const Rect& workArea);

// The largest client area whose window fits the work area: the field as tall as the room
// allows, the window no wider than the field.
PixelSize LargestFittingClient(const Rect& workArea);

// The size itself when it fits; otherwise shrunk to fit, keeping its shape.
PixelSize ShrinkToFit(PixelSize client, const Rect& workArea);

// A client area of this size whose window, frame included, is centred in the work area.
WindowPlacement CentredPlacement(PixelSize client, const Rect& workArea);

// The first window of a run: the remembered placement, shrunk to fit and moved onto the
// work area; else the remembered preset scale (1 to kMaxPresetScale), shrunk to fit and
// centred; else the largest window that fits, centred.
WindowPlacement FirstPlacement(const Rect& workArea, const std::optional<WindowPlacement>& stored,
                               int storedScale);
