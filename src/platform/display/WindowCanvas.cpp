// Presenting and repainting the field in window pixels.
#include "platform/display/WindowCanvas.h"

#include <algorithm>
#include <bit>

#include "platform/FieldGeometry.h"

namespace {

constexpr int kTileSize = TileChanges::kTileSize;

int TilesAcross(int pixels) { return (pixels + kTileSize - 1) / kTileSize; }

// Bit x for each column x of a tile from left to right, relative to the tile.
uint32_t ColumnBits(int left, int right) {
    const uint32_t upToRight = right >= kTileSize ? ~0u : (1u << right) - 1;
    return upToRight & ~((1u << left) - 1);
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

Rect WindowCanvas::CopyRowChanges(const Surface& backBuffer, int y, int left, int right) {
    const Pixel* from = backBuffer.Row(y);
    Pixel* to = field_.Row(y);
    if (std::equal(from + left, from + right, to + left)) return Rect{};
    // The changed columns, found from both ends.
    while (from[left] == to[left]) ++left;
    while (from[right - 1] == to[right - 1]) --right;
    std::copy(from + left, from + right, to + left);
    return Rect{left, y, right, y + 1};
}

Rect WindowCanvas::CopyChanges(const Surface& backBuffer, const Rect& area) {
    Rect changed;
    for (int y = area.top; y < area.bottom; ++y) {
        changed = Union(changed, CopyRowChanges(backBuffer, y, area.left, area.right));
    }
    return changed;
}

WindowCanvas::CopiedTile& WindowCanvas::TileAt(int column, int row) {
    return copied_[size_t(row) * size_t(tileColumns_) + size_t(column)];
}

Rect WindowCanvas::CopyChangedTiles(const Surface& backBuffer, const Rect& area,
                                    const TileChanges* changes) {
    Rect differs;
    for (int row = area.top / kTileSize; row * kTileSize < area.bottom; ++row) {
        for (int column = area.left / kTileSize; column * kTileSize < area.right; ++column) {
            const int tileLeft = column * kTileSize, tileTop = row * kTileSize;
            const Rect tileRect{tileLeft, tileTop, tileLeft + kTileSize, tileTop + kTileSize};
            const Rect part = Intersect(area, tileRect);
            CopiedTile& tile = TileAt(column, row);
            const size_t index =
                changes != nullptr ? size_t(row) * size_t(changes->columns) + size_t(column) : 0;
            if (changes == nullptr || column >= changes->columns ||
                index >= changes->counts.size() || index >= changes->lastChanged.size()) {
                // Not counted: compared whole, and no longer what was copied from elsewhere.
                tile.source = nullptr;
                differs = Union(differs, CopyChanges(backBuffer, part));
                continue;
            }
            const uint32_t count = changes->counts[index];
            if (tile.source != &backBuffer || count - tile.count > 1) {
                tile.copiedColumns.fill(0);
            } else if (count != tile.count) {
                // Changed once since it was copied: only where that change was.
                const Rect changed = Intersect(changes->lastChanged[index], tileRect);
                if (!changed.IsEmpty()) {
                    const uint32_t columns =
                        ColumnBits(changed.left - tileLeft, changed.right - tileLeft);
                    for (int y = changed.top; y < changed.bottom; ++y) {
                        tile.copiedColumns[size_t(y - tileTop)] &= ~columns;
                    }
                }
            }
            tile.source = &backBuffer;
            tile.count = count;
            const uint32_t columns = ColumnBits(part.left - tileLeft, part.right - tileLeft);
            for (int y = part.top; y < part.bottom; ++y) {
                uint32_t& copied = tile.copiedColumns[size_t(y - tileTop)];
                const uint32_t uncopied = columns & ~copied;
                if (uncopied == 0) continue;
                copied |= columns;
                // From the first column not copied to the last: those between are compared too.
                differs = Union(differs,
                                CopyRowChanges(backBuffer, y, tileLeft + std::countr_zero(uncopied),
                                               tileLeft + kTileSize - std::countl_zero(uncopied)));
            }
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
        // Only what differs from what the field shows is drawn again: a part marked as
        // changed often holds the same pixels as before.
        const Rect differs = CopyChangedTiles(backBuffer, area, changes);
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
