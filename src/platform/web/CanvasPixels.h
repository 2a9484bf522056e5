// The page's canvas: the field drawn at the canvas's own pixel size with the desktop's sharp
// scaler (see WindowCanvas), black around it, and each window rectangle that changed put on
// the canvas as RGBA image data.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/display/FieldLayout.h"
#include "platform/display/WindowCanvas.h"

class CanvasPixels {
public:
    // The canvas now has the layout's size (setting a canvas's size clears it): draws it all.
    void SetLayout(const WindowLayout& layout);
    const WindowLayout& Layout() const { return canvas_.Layout(); }
    // What the field shows, in field pixels.
    const Surface& Field() const { return canvas_.Field(); }

    // Copies these rectangles of the back buffer into the field and puts what changed on the
    // canvas (see WindowCanvas::Present).
    void Present(const Surface& backBuffer, std::span<const Rect> rects,
                 const TileChanges* changes);
    void Forget(const Surface& surface) { canvas_.Forget(surface); }

private:
    // Puts this window rectangle of pixels_ on the canvas.
    void Put(const Rect& area);

    WindowCanvas canvas_;
    Surface pixels_;              // the canvas's pixels, 0x00RRGGBB
    std::vector<uint32_t> rgba_;  // the same as the canvas takes them, bytes R, G, B, A
    std::vector<Rect> changed_;
};

// The field as large as the canvas allows, centred; with a preset scale (1 to 3) no larger
// than that many canvas pixels per CSS pixel each way. No menu bar: the page has its own
// controls.
WindowLayout PageLayout(PixelSize canvas, int presetScale, double pixelsPerCssPixel);
