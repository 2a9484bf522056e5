// The window's picture below its menus: black around the field and the field scaled into
// place. Keeps what the field shows in field pixels, so that any part of the window can
// be drawn again at any time, and presents the back buffer's changed rectangles.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/TileChanges.h"
#include "platform/display/FieldLayout.h"
#include "platform/display/FieldScaler.h"
#include "platform/display/PixelTarget.h"

class WindowCanvas {
public:
    WindowCanvas();

    // Lays the window out anew; the scaler's tables for the new size are built here.
    void SetLayout(const WindowLayout& layout);
    const WindowLayout& Layout() const { return layout_; }
    // What the field shows, in field pixels.
    const Surface& Field() const { return field_; }

    // The top rows of the window something else shows (the menu bar over a full-screen
    // field): the field is not drawn there.
    void SetCoveredTop(int rows) { coveredTop_ = rows; }
    int CoveredTop() const { return coveredTop_; }

    // Copies these rectangles of the back buffer into the field and draws the pixels that
    // changed into the target. The window rectangles drawn are put in `changed` (emptied
    // first; it keeps its capacity, so frames allocate nothing once it has grown). With the
    // back buffer's tile changes, a tile whose count has not moved since this part of it was
    // last copied from the same back buffer is passed over; without them, all is compared.
    void Present(const Surface& backBuffer, std::span<const Rect> rects, const TileChanges* changes,
                 const PixelTarget& target, std::vector<Rect>& changed);
    // The surface is about to change or go away: what was copied from it is compared again.
    void Forget(const Surface& surface);
    // Draws an area of the window (black around the field, the field) except covered rows.
    void Repaint(const PixelTarget& target, const Rect& area);

private:
    // What the field holds of a tile: per row, the columns copied from `source` (bit x
    // for column x of the tile) that have not changed there since, as of its count.
    struct CopiedTile {
        const Surface* source = nullptr;
        uint32_t count = 0;
        std::array<uint32_t, TileChanges::kTileSize> copiedColumns{};
    };

    Rect Uncovered(const Rect& area) const;
    // Copies an area of the back buffer into the field; the part that differed (empty: none).
    Rect CopyChanges(const Surface& backBuffer, const Rect& area);
    Rect CopyRowChanges(const Surface& backBuffer, int y, int left, int right);
    // The same, tile by tile, passing over what the field already holds of tiles the
    // changes count (none without them).
    Rect CopyChangedTiles(const Surface& backBuffer, const Rect& area, const TileChanges* changes);
    CopiedTile& TileAt(int column, int row);

    Surface field_;
    int tileColumns_;
    std::vector<CopiedTile> copied_;  // row after row of the field's tiles
    WindowLayout layout_;
    FieldScaler scaler_;
    int coveredTop_ = 0;
};
