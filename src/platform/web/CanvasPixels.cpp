// Scaling into the canvas's pixels and putting the changed rectangles on it.
#include "platform/web/CanvasPixels.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>

#include "platform/FieldGeometry.h"
#include "platform/display/PixelTarget.h"

namespace {

// clang-format off
// One image over the whole RGBA buffer, made again when the buffer moves (memory grows);
// each call puts only the given rectangle of it.
EM_JS(void, pebblor_put_pixels, (const uint32_t* rgba, int width, int height, int left, int top,
                                  int right, int bottom), {
    const canvas = Module.canvas;
    let put = Module.pebblorPut;
    if (!put || put.pointer !== rgba || put.image.width !== width ||
        put.image.height !== height || put.image.data.buffer !== HEAPU8.buffer) {
        const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
        put = { pointer: rgba, image: new ImageData(bytes, width, height),
                context: canvas.getContext("2d", { alpha: false }) };
        Module.pebblorPut = put;
    }
    put.context.putImageData(put.image, 0, 0, left, top, right - left, bottom - top);
});
// clang-format on

// 0x00RRGGBB as the bytes R, G, B and an opaque A, in a little-endian word.
uint32_t Rgba(Pixel pixel) {
    return 0xFF000000u | (pixel & 0x0000FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
}

}  // namespace

void CanvasPixels::SetLayout(const WindowLayout& layout) {
    pixels_ = Surface(layout.window.width, layout.window.height);
    rgba_.assign(size_t(pixels_.Width()) * size_t(pixels_.Height()), 0);
    canvas_.SetLayout(layout);
    canvas_.Repaint(TargetOf(pixels_), pixels_.Bounds());
    Put(pixels_.Bounds());
}

void CanvasPixels::Present(const Surface& backBuffer, std::span<const Rect> rects,
                           const TileChanges* changes) {
    canvas_.Present(backBuffer, rects, changes, TargetOf(pixels_), changed_);
    for (const Rect& area : changed_) Put(area);
}

void CanvasPixels::Put(const Rect& area) {
    const Rect inside = Intersect(area, pixels_.Bounds());
    if (inside.IsEmpty()) return;
    const size_t width = size_t(pixels_.Width());
    for (int y = inside.top; y < inside.bottom; ++y) {
        const Pixel* from = pixels_.Row(y) + inside.left;
        std::transform(from, from + inside.Width(), rgba_.data() + size_t(y) * width + inside.left,
                       Rgba);
    }
    pebblor_put_pixels(rgba_.data(), pixels_.Width(), pixels_.Height(), inside.left, inside.top,
                       inside.right, inside.bottom);
}

WindowLayout PageLayout(PixelSize canvas, int presetScale, double pixelsPerCssPixel) {
    WindowLayout layout = FullscreenLayout(canvas);
    layout.menuHeight = 0;
    layout.menuOverField = false;
    if (presetScale <= 0) return layout;
    const int wanted = int(std::lround(kFieldHeight * presetScale * pixelsPerCssPixel)) & ~1;
    const int height = std::min(layout.field.Height(), wanted);
    const int left = (canvas.width - height / 2) / 2;
    const int top = (canvas.height - height) / 2;
    layout.field = Rect{left, top, left + height / 2, top + height};
    return layout;
}
