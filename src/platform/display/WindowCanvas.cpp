// Presenting and repainting the field in window pixels.
#include "platform/display/WindowCanvas.h"

#include <algorithm>

#include "platform/FieldGeometry.h"

namespace {

constexpr int kTileSize = TileChanges::kTileSize;

int TilesAcross(int pixels) { return (pixels + kTileSize - 1) / kTileSize; }

// The larger of two parts of a tile known to match, or both when they make a rectangle.
Rect Joined(const Rect& a, const Rect& b) {
    const Rect hull = Union(a, b);
    const Rect both = Intersect(a, b);
    const int64_t covered = int64_t(a.Width()) * a.Height() + int64_t(b.Width()) * b.Height() -
                            int64_t(both.Width()) * both.Height();
    if (int64_t(hull.Width()) * hull.Height() == covered) return hull;
    return int64_t(a.Width()) * a.Height() >= int64_t(b.Width()) * b.Height() ? a : b;
}

}  // namespace

WindowCanvas::WindowCanvas()
    : field_(kFieldWidth, kFieldHeight),
      tileColumns_(TilesAcross(kFieldWidth)),
      copied_(size_t(tileColumns_) * size_t(TilesAcross(kFieldHeight))) {}

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

WindowCanvas::CopiedTile& WindowCanvas::TileAt(int column, int row) {
    return copied_[size_t(row) * size_t(tileColumns_) + size_t(column)];
}

Rect WindowCanvas::CopyChangedTiles(const Surface& backBuffer, const Rect& area,
                                    const TileChanges& changes) {
    Rect differs;
    for (int row = area.top / kTileSize; row * kTileSize < area.bottom; ++row) {
        for (int column = area.left / kTileSize; column * kTileSize < area.right; ++column) {
            const Rect part =
                Intersect(area, Rect{column * kTileSize, row * kTileSize, (column + 1) * kTileSize,
                                     (row + 1) * kTileSize});
            const size_t index = size_t(row) * size_t(changes.columns) + size_t(column);
            CopiedTile& tile = TileAt(column, row);
            if (column >= changes.columns || index >= changes.counts.size()) {
                tile.source = nullptr;
                differs = Union(differs, CopyChanges(backBuffer, part));
                continue;
            }
            const uint32_t count = changes.counts[index];
            const bool copiedHere = tile.source == &backBuffer && Contains(tile.part, part);
            if (copiedHere && tile.count == count) continue;
            if (copiedHere && tile.count + 1 == count && index < changes.lastChanged.size()) {
                // Changed once since: only where that change was.
                const Rect changedPart = Intersect(part, changes.lastChanged[index]);
                if (!changedPart.IsEmpty()) {
                    differs = Union(differs, CopyChanges(backBuffer, changedPart));
                }
                tile.count = count;
                continue;
            }
            const bool unchanged = tile.source == &backBuffer && tile.count == count;
            differs = Union(differs, CopyChanges(backBuffer, part));
            tile = CopiedTile{&backBuffer, count, unchanged ? Joined(tile.part, part) : part};
        }
    }
    return differs;
}

void WindowCanvas::Forget(const Surface& surface) {
    for (CopiedTile& tile : copied_) {
        if (tile.source == &surface) tile.source = nullptr;
    }
}

void WindowCanvas::Present(const Surface& backBuffer, std::span<const Rect> rects,
                           const TileChanges* changes, const PixelTarget& target,
                           std::vector<Rect>& changed) {
    changed.clear();
    for (const Rect& rect : rects) {
        const Rect area = Intersect(Intersect(rect, field_.Bounds()), backBuffer.Bounds());
        if (area.IsEmpty()) continue;
        if (changes == nullptr) {
            // The field no longer holds what it copied from another surface here.
            for (int row = area.top / kTileSize; row * kTileSize < area.bottom; ++row) {
                for (int column = area.left / kTileSize; column * kTileSize < area.right;
                     ++column) {
                    TileAt(column, row).source = nullptr;
                }
            }
        }
        // Only what differs from what the field shows is drawn again: a part marked as
        // changed often holds the same pixels as before.
        const Rect differs = changes != nullptr ? CopyChangedTiles(backBuffer, area, *changes)
                                                : CopyChanges(backBuffer, area);
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
