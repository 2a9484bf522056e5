// Presenting and repainting the field in window pixels.
#include "platform/display/WindowCanvas.h"

#include <algorithm>

#include "platform/FieldGeometry.h"

WindowCanvas::WindowCanvas() : field_(kFieldWidth, kFieldHeight) {}

void WindowCanvas::SetLayout(const WindowLayout& layout) {
    layout_ = layout;
    scaler_.SetDestination(layout.field, field_.Width(), field_.Height());
}

Rect WindowCanvas::Uncovered(const Rect& area) const {
    Rect result = area;
    result.top = std::max(result.top, coveredTop_);
    return result.IsEmpty() ? Rect{} : result;
}

Rect WindowCanvas::CopyChanges(const Surface& backBuffer, const Rect& area) {
    Rect changed{area.right, area.bottom, area.left, area.top};
    const size_t width = size_t(area.Width());
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* from = backBuffer.Row(y) + area.left;
        Pixel* to = field_.Row(y) + area.left;
        if (std::equal(from, from + width, to)) continue;
        // The changed columns of this row, found from both ends.
        size_t left = 0;
        while (from[left] == to[left]) ++left;
        size_t right = width;
        while (from[right - 1] == to[right - 1]) --right;
        std::copy(from + left, from + right, to + left);
        changed = Rect{std::min(changed.left, area.left + int(left)), std::min(changed.top, y),
                       std::max(changed.right, area.left + int(right)), y + 1};
    }
    return changed.IsEmpty() ? Rect{} : changed;
}

void WindowCanvas::Present(const Surface& backBuffer, std::span<const Rect> rects,
                           const PixelTarget& target, std::vector<Rect>& changed) {
    changed.clear();
    for (const Rect& rect : rects) {
        const Rect area = Intersect(Intersect(rect, field_.Bounds()), backBuffer.Bounds());
        if (area.IsEmpty()) continue;
        // Only what differs from what the field shows is drawn again: a part marked as
        // changed often holds the same pixels as before.
        const Rect differs = CopyChanges(backBuffer, area);
        if (differs.IsEmpty()) continue;
        const Rect shown = Intersect(Uncovered(layout_.FieldToWindow(differs)), target.Bounds());
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
