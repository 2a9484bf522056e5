// Which parts of a drawn surface may have changed, as the one drawing it counts: a count per
// square tile goes up whenever a pixel of the tile may have changed, and the box it may have
// changed in the last time is kept. A window showing the surface compares again only the
// tiles whose count moved since it last compared them, and where it moved by one, only
// inside that box.
#pragma once

#include <cstdint>
#include <span>

#include "platform/Rect.h"

struct TileChanges {
    static constexpr int kTileSize = 32;
    int columns = 0;
    // Row after row of tiles, from the surface's top-left.
    std::span<const uint32_t> counts;
    std::span<const Rect> lastChanged;  // in surface pixels
};
