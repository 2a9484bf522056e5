// Presenting and repainting the field in window pixels.
#include "platform/display/WindowCanvas.h"

#include <algorithm>

WindowCanvas::WindowCanvas() : field_(kClientWidth, kClientHeight) {}

void WindowCanvas::SetLayout(const WindowLayout& layout) {
    layout_ = layout;
    scaler_.SetDestination(layout.field, field_.Width(), field_.Height());
}

Rect WindowCanvas::Uncovered(const Rect& area) const {
    Rect result = area;
    result.top = std::max(result.top, coveredTop_);
    return result.IsEmpty() ? Rect{} : result;
}

void WindowCanvas::Present(const Surface& backBuffer, std::span<const Rect> rects,
                           const PixelTarget& target, std::vector<Rect>& changed) {
    changed.clear();
    for (const Rect& rect : rects) {
        const Rect area = Intersect(Intersect(rect, field_.Bounds()), backBuffer.Bounds());
        if (area.IsEmpty()) continue;
        for (int y = area.top; y < area.bottom; ++y) {
            std::copy(backBuffer.Row(y) + area.left, backBuffer.Row(y) + area.right,
                      field_.Row(y) + area.left);
        }
        const Rect shown = Intersect(Uncovered(layout_.FieldToWindow(area)), target.Bounds());
        if (shown.IsEmpty()) continue;
        scaler_.Draw(field_, target, shown);
        changed.push_back(shown);
    }
}

void WindowCanvas::Repaint(const PixelTarget& target, const Rect& area) {
    const Rect inside = Intersect(Uncovered(area), target.Bounds());
    if (inside.IsEmpty()) return;
    const Rect& field = layout_.field;
    // Black in the bands above, below, left and right of the field.
    const Rect bands[] = {Rect{inside.left, inside.top, inside.right, field.top},
                          Rect{inside.left, field.bottom, inside.right, inside.bottom},
                          Rect{inside.left, field.top, field.left, field.bottom},
                          Rect{field.right, field.top, inside.right, field.bottom}};
    for (const Rect& band : bands) FillArea(target, Intersect(band, inside), 0);
    scaler_.Draw(field_, target, inside);
}
