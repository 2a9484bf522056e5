// The screen object: which parts of the field changed, kept per 32 x 32 tile
// over three rotating frames, the sprite clip, and the art cache.
#pragma once

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

// A tile's changed box relative to its corner; all zero means clean.
struct TileRect {
    uint8_t left = 0;
    uint8_t top = 0;
    uint8_t right = 0;
    uint8_t bottom = 0;
    // The four bytes at once, as one word: every walk compares tiles.
    bool operator==(const TileRect& other) const {
        return std::memcmp(this, &other, sizeof *this) == 0;
    }
};

static_assert(std::has_unique_object_representations_v<TileRect>);

constexpr int kTileSize = 32;
constexpr int kTileColumns = 9;
constexpr int kTileRows = 18;
constexpr int kTileCount = kTileColumns * kTileRows;

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

    // Walk the changed areas of one tile map, optionally limited to a clip rectangle.
    // The returned rectangle is overwritten by the next call; null when the walk is done.
    const Rect* FirstDirtyRect(int map, const Rect* clip);
    const Rect* NextDirtyRect(int map, const Rect* clip);

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
    std::array<int32_t, 3> mapCursor{};
    Rect clip{0, 0, kFieldWidth, kFieldHeight};
    // The clip that drawing returns to after every clipped sprite draw.
    static constexpr Rect fullScreenRegion{0, 0, kFieldWidth, kFieldHeight};

private:
    // MarkDirty's general case: a mark over several tiles or past the grid's edges.
    void MarkAcrossTiles(int32_t left, int32_t top, int32_t right, int32_t bottom);

    std::unique_ptr<ArtCache> artCache_;
    Rect result_;
};

// The one screen object of the game.
extern DirtyRectSet dirtyRects;
