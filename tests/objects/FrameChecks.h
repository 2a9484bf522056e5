// Checks of what one frame drew and marked, for the object drawing tests: the tile map the
// objects marked into, and the pixels they drew.
#pragma once

#include "gfx/DirtyRectSet.h"
#include "platform/Surface.h"

// The marks made since the last BeginFrame.
inline const TileMap& MarkedTiles() { return dirtyRects.tiles[size_t(dirtyRects.current)]; }

// The tiles a single MarkDirty(left, top, right, bottom) on a clean map gives.
inline TileMap TilesOfOneMark(int left, int top, int right, int bottom) {
    DirtyRectSet reference;
    reference.BeginFrame();
    reference.MarkDirty(left, top, right, bottom);
    return reference.tiles[size_t(reference.current)];
}

inline bool NothingMarked() { return MarkedTiles() == TileMap{}; }

inline int CountLitPixels(const Surface& surface) {
    int lit = 0;
    for (Pixel p : surface.Pixels()) lit += p != 0 ? 1 : 0;
    return lit;
}
