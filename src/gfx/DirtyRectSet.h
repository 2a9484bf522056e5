// The screen object: which parts of the field changed, kept per 32 x 32 tile
// over three rotating frames, the sprite clip, and the art cache.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

#include "platform/DrawContext.h"
#include "platform/FieldGeometry.h"
#include "platform/Rect.h"

class ArtCache;
class ArtImage;
class Font;

constexpr int kTileSize = 32;
constexpr int kTileColumns = 9;
constexpr int kTileRows = 18;
constexpr int kTileCount = kTileColumns * kTileRows;

// A tile's changed box relative to its corner; all zero means clean. Left and top are kept
// as their distances from the far edges, so that a box grows by the larger of each byte,
// which the compiler does for four bytes at once, with no case for a clean tile.
struct TileRect {
    constexpr TileRect() = default;
    // Edges 0 to 32.
    constexpr TileRect(uint8_t left, uint8_t top, uint8_t right, uint8_t bottom)
        : leftReach(uint8_t(kTileSize - left)),
          topReach(uint8_t(kTileSize - top)),
          right(right),
          bottom(bottom) {}

    int Left() const { return kTileSize - leftReach; }
    int Top() const { return kTileSize - topReach; }
    int Right() const { return right; }
    int Bottom() const { return bottom; }

    // The box holding both.
    friend TileRect Union(TileRect a, TileRect b) {
        a.leftReach = std::max(a.leftReach, b.leftReach);
        a.topReach = std::max(a.topReach, b.topReach);
        a.right = std::max(a.right, b.right);
        a.bottom = std::max(a.bottom, b.bottom);
        return a;
    }
    // The box both hold.
    friend TileRect Intersect(TileRect a, TileRect b) {
        a.leftReach = std::min(a.leftReach, b.leftReach);
        a.topReach = std::min(a.topReach, b.topReach);
        a.right = std::min(a.right, b.right);
        a.bottom = std::min(a.bottom, b.bottom);
        return a;
    }
    // The four bytes at once, as one word: every walk compares tiles.
    bool operator==(const TileRect& other) const {
        return std::memcmp(this, &other, sizeof *this) == 0;
    }

private:
    uint8_t leftReach = 0;
    uint8_t topReach = 0;
    uint8_t right = 0;
    uint8_t bottom = 0;
};

static_assert(std::has_unique_object_representations_v<TileRect>);

using TileMap = std::array<TileRect, kTileCount>;

class DirtyRectSet {
public:
    DirtyRectSet();
    virtual ~DirtyRectSet();
    DirtyRectSet(const DirtyRectSet&) = delete;
    DirtyRectSet& operator=(const DirtyRectSet&) = delete;

    void MarkDirty(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void MarkDirtyRect(Rect rect);
    void MarkDirtyLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    // BeginFrame also counts the frame towards the art cache looking again for a miss.
    void BeginFrame();
    void EndFrame();

    // Walk the changed areas of one tile map in tile order, optionally only over the tiles
    // from a clip rectangle's first to its last: a box for each tile not clean, whole tiles
    // side by side in a row joined. FirstDirtyRect gathers the whole walk in one tight loop
    // and returns its first area, NextDirtyRect the next; null when the walk is done. Pass
    // both the same clip.
    const Rect* FirstDirtyRect(int map, const Rect* clip);
    const Rect* NextDirtyRect(int map, const Rect* /*clip: the walk's, already applied*/) {
        int32_t& cursor = mapCursor[size_t(map)];
        const Walk& walk = walks_[size_t(map)];
        return cursor < walk.count ? &walk.areas[size_t(cursor++)] : nullptr;
    }

    void ResetClip();

    // Loaded art, cached by name (see ArtCache).
    ArtImage* GetArt(const char* name);
    // The folder later art requests read their files from; empty: the current directory.
    void SetArtFolder(std::string folder);

    // Writes text into rect with the DrawContext's font rendering and marks rect dirty.
    void DrawText(DrawContext& dc, const Font* font, const char* text, Rect rect, ColorRef colour,
                  unsigned format);

    int current = 0;
    int previous = 1;
    int present = 2;
    std::array<TileMap, 3> tiles{};
    std::array<int32_t, 3> mapCursor{};  // each map's place in its walk
    Rect clip{0, 0, kFieldWidth, kFieldHeight};
    // The clip that drawing returns to after every clipped sprite draw.
    static constexpr Rect fullScreenRegion{0, 0, kFieldWidth, kFieldHeight};

private:
    // MarkDirty's general case: a mark over several tiles or past the grid's edges.
    void MarkAcrossTiles(int32_t left, int32_t top, int32_t right, int32_t bottom);

    // A map's walk: a tile gives it one area at most.
    struct Walk {
        std::array<Rect, kTileCount> areas;
        int32_t count = 0;
    };

    std::unique_ptr<ArtCache> artCache_;
    std::array<Walk, 3> walks_{};
};

// The one screen object of the game.
extern DirtyRectSet dirtyRects;
