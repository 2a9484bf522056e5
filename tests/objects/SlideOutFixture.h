// A playfield for slide-out tests: panels placed and aged, flying and resting balls, the play
// update's walk of the target list, and what the frame marked as changed.
#pragma once

#include <algorithm>
#include <climits>

#include "Placement.h"
#include "objects/Ball.h"
#include "objects/SlideOut.h"
#include "support/PlayfieldFixture.h"

class SlideOutFixture : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.BeginFrame();  // a clean map to mark into
    }

    // A panel of the given kind in targetList, updated until parked (frame 60).
    SlideOut* AddParkedPanel(int side, float y, int slideKind) {
        auto* panel = new SlideOut(side, y, slideKind);
        targetList.Add(panel);
        for (int frame = 0; frame < 60; ++frame) panel->Update(1.0f);
        return panel;
    }

    // A parked panel already turned into a standing state by a ball's hit.
    SlideOut* AddActivePanel(int side, float y, int slideKind) {
        SlideOut* panel = AddParkedPanel(side, y, slideKind);
        Ball hitter(-1);
        panel->Activate(&hitter);
        return panel;
    }

    static int WalkTargets(int limit = 1000) { return WalkList(targetList, limit); }

    // The bounding box of everything marked changed in this frame (empty when nothing).
    static Rect DirtyBounds() {
        Rect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        const TileMap& map = dirtyRects.tiles[size_t(dirtyRects.current)];
        for (int t = 0; t < kTileCount; ++t) {
            const TileRect& tile = map[size_t(t)];
            if (tile == TileRect{}) continue;
            const int left = (t % kTileColumns) * kTileSize;
            const int top = (t / kTileColumns) * kTileSize;
            bounds.left = std::min(bounds.left, left + tile.Left());
            bounds.top = std::min(bounds.top, top + tile.Top());
            bounds.right = std::max(bounds.right, left + tile.Right());
            bounds.bottom = std::max(bounds.bottom, top + tile.Bottom());
        }
        return bounds.left == INT_MAX ? Rect{} : bounds;
    }

    int CountPixels(Pixel colour) const {
        return int(std::count(frame.Pixels().begin(), frame.Pixels().end(), colour));
    }
};
