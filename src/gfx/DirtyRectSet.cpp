// Dirty tiles: marking, the three-frame rotation and the merged walk.
#include "gfx/DirtyRectSet.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/GameMath.h"
#include "gfx/ArtCache.h"
#include "platform/FieldGeometry.h"

DirtyRectSet dirtyRects;

namespace {

constexpr TileRect kWholeTile{0, 0, kTileSize, kTileSize};

bool IsClean(const TileRect& t) { return t == TileRect{}; }

// Grows the tile's box to hold the mark.
void Widen(TileRect& tile, const TileRect& mark) { tile = Union(tile, mark); }

}  // namespace

DirtyRectSet::DirtyRectSet() : artCache_(std::make_unique<ArtCache>()) {}

DirtyRectSet::~DirtyRectSet() = default;

void DirtyRectSet::MarkDirty(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    // Most marks (a spark's dash, a small sprite) lie inside one tile: the cut below, done at
    // once. Unsigned, a negative coordinate lands past the grid and takes the long way.
    const uint32_t tileColumn = uint32_t(left) / kTileSize, tileRow = uint32_t(top) / kTileSize;
    if (tileColumn < kTileColumns && tileRow < kTileRows &&
        uint32_t(right) / kTileSize == tileColumn && uint32_t(bottom) / kTileSize == tileRow) {
        const TileRect mark{uint8_t(left % kTileSize), uint8_t(top % kTileSize),
                            uint8_t(std::max(right % kTileSize, 1)),
                            uint8_t(std::max(bottom % kTileSize, 1))};
        Widen(tiles[current][tileRow * kTileColumns + tileColumn], mark);
        return;
    }
    MarkAcrossTiles(left, top, right, bottom);
}

void DirtyRectSet::MarkAcrossTiles(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    // Off the grid's far sides, or more than a tile before its near sides: nothing. Else the
    // mark is pulled onto the grid: division truncates toward zero, so -31..-1 count as
    // row or column 0, and the far edges are inclusive, so a far edge past the grid is
    // the grid's.
    if (left >= kFieldWidth || top >= kFieldHeight || right <= -kTileSize || bottom <= -kTileSize) {
        return;
    }
    const uint32_t x0 = uint32_t(std::max(left, 0)), y0 = uint32_t(std::max(top, 0));
    const uint32_t x1 = uint32_t(std::clamp(right, 0, kFieldWidth));
    const uint32_t y1 = uint32_t(std::clamp(bottom, 0, kFieldHeight));
    const uint32_t c0 = x0 / kTileSize, r0 = y0 / kTileSize;
    const uint32_t c1 = std::min(x1 / kTileSize, uint32_t(kTileColumns - 1));
    const uint32_t r1 = std::min(y1 / kTileSize, uint32_t(kTileRows - 1));
    if (c0 > c1 || r0 > r1) return;
    // Only the first and last row and column are cut.
    const auto firstLeft = uint8_t(x0 % kTileSize), firstTop = uint8_t(y0 % kTileSize);
    const auto lastRight = uint8_t(std::max(x1 - c1 * kTileSize, 1u));
    const auto lastBottom = uint8_t(std::max(y1 - r1 * kTileSize, 1u));
    // A tile's mark is its column's strip cut by its row's band. Columns outside the mark
    // have an empty strip, which cuts every band to nothing.
    std::array<TileRect, kTileColumns> strips{};
    std::fill(strips.begin() + c0, strips.begin() + c1 + 1, kWholeTile);
    strips[c0] = TileRect{firstLeft, 0, c0 == c1 ? lastRight : uint8_t(kTileSize), kTileSize};
    strips[c1] = TileRect{c0 == c1 ? firstLeft : uint8_t(0), 0, lastRight, kTileSize};
    TileRect* row = tiles[current].data() + size_t(r0 * kTileColumns);
    for (uint32_t r = r0; r <= r1; ++r, row += kTileColumns) {
        const TileRect band{0, r == r0 ? firstTop : uint8_t(0), kTileSize,
                            r == r1 ? lastBottom : uint8_t(kTileSize)};
        for (int c = 0; c < kTileColumns; ++c) Widen(row[c], Intersect(strips[size_t(c)], band));
    }
}

void DirtyRectSet::MarkDirtyRect(Rect rect) {
    MarkDirty(rect.left, rect.top, rect.right, rect.bottom);
}

void DirtyRectSet::MarkDirtyLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t dx = int64_t(x2) - x1, dy = int64_t(y2) - y1;
    const int64_t n = std::llabs(dx) > std::llabs(dy) ? std::llabs(dx) : std::llabs(dy);
    for (int64_t i = 0; i <= n && n > 0; i += 10) {
        const float t = float(i) / float(n);
        const float px = float(x1) + float(dx) * t;
        const float py = float(y1) + float(dy) * t;
        MarkDirty(TruncateToInt(px - 13.0f), TruncateToInt(py - 13.0f), TruncateToInt(px + 13.0f),
                  TruncateToInt(py + 13.0f));
    }
}

void DirtyRectSet::BeginFrame() {
    auto rotate = [](int& index) { index = index == 0 ? 2 : index - 1; };
    rotate(current);
    rotate(previous);
    rotate(present);
    tiles[current].fill(TileRect{});
    artCache_->BeginFrame();
}

void DirtyRectSet::EndFrame() {
    const TileMap& a = tiles[current];
    const TileMap& b = tiles[previous];
    TileMap& out = tiles[present];
    // A clean tile adds nothing to a box and a whole tile takes in any box.
    for (int t = 0; t < kTileCount; ++t) out[t] = Union(a[t], b[t]);
}

const Rect* DirtyRectSet::FirstDirtyRect(int map, const Rect* walkClip) {
    int32_t first = 0, last = kTileCount - 1;
    if (walkClip != nullptr) {
        first = std::max(walkClip->left / kTileSize, 0) +
                kTileColumns * std::max(walkClip->top / kTileSize, 0);
        // Wide arithmetic: a clip at the far end of the int range must not overflow.
        last = int32_t(std::min<int64_t>(
            std::min<int64_t>((int64_t(walkClip->right) + 1) / kTileSize, kTileColumns - 1) +
                kTileColumns *
                    std::min<int64_t>((int64_t(walkClip->bottom) + 1) / kTileSize, kTileRows - 1),
            last));
    }
    const TileMap& tileMap = tiles[map];
    Walk& walk = walks_[size_t(map)];
    int32_t count = 0;
    for (int32_t t = first; t <= last;) {
        const TileRect tile = tileMap[size_t(t)];
        // Most tiles are clean: passed over.
        if (IsClean(tile)) {
            ++t;
            continue;
        }
        const int32_t row = t / kTileColumns;
        const int32_t x = (t - row * kTileColumns) * kTileSize, y = row * kTileSize;
        ++t;
        if (tile != kWholeTile) {
            walk.areas[size_t(count++)] =
                Rect{x + tile.Left(), y + tile.Top(), x + tile.Right(), y + tile.Bottom()};
            continue;
        }
        // Whole tiles side by side in the row join it.
        const int32_t runEnd = std::min((row + 1) * kTileColumns - 1, last);
        int32_t right = x + kTileSize;
        while (t <= runEnd && tileMap[size_t(t)] == kWholeTile) {
            right += kTileSize;
            ++t;
        }
        walk.areas[size_t(count++)] = Rect{x, y, right, y + kTileSize};
    }
    walk.count = count;
    mapCursor[size_t(map)] = 0;
    return NextDirtyRect(map, walkClip);
}

void DirtyRectSet::ResetClip() { clip = Rect{0, 0, kFieldWidth, kFieldHeight}; }

ArtImage* DirtyRectSet::GetArt(const char* name) { return artCache_->GetArt(name); }

void DirtyRectSet::SetArtFolder(std::string folder) { artCache_->SetFolder(std::move(folder)); }
