// Which parts of a drawn surface may have changed, as the one drawing it counts: a count per
// square tile goes up whenever a pixel of the tile may have changed. A window showing the
// surface compares again only the tiles whose count moved since it last compared them.
#pragma once

#include <cstdint>
#include <span>

struct TileChanges {
    static constexpr int kTileSize = 32;
    int columns = 0;
    std::span<const uint32_t> counts;  // row after row of tiles, from the surface's top-left
};
