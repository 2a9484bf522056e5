// The window's picture in memory, one 0x00RRGGBB pixel per window pixel, and the copying of
// parts of it to a device context with GDI, unscaled: the scaling is done before, by the
// shared window canvas.
#pragma once

#include <span>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/display/FieldLayout.h"
#include "platform/display/PixelTarget.h"
#include "platform/win32/WindowsApi.h"

class WindowPixels {
public:
    // A picture of this size, black; the old picture is dropped when the size changes.
    void Resize(PixelSize size);
    PixelSize Size() const { return PixelSize{pixels_.Width(), pixels_.Height()}; }
    PixelTarget Target() { return TargetOf(pixels_); }

    // Copies these areas of the picture to the device context, picture row `originRow`
    // going to the context's row 0 (the rows above it lie under a menu bar). False when
    // GDI refused one of them.
    bool Show(HDC context, std::span<const Rect> areas, int originRow) const;

private:
    Surface pixels_;
};
