// Dirty tiles at their edges: marks on tile boundaries, off the grid, inverted or huge, and
// the merged walk inside a clip. Whole runs check the rest through what they present.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gfx/DirtyRectSet.h"
#include "platform/FieldGeometry.h"

namespace {

class DirtyRectSetTest : public ::testing::Test {
protected:
    int DirtyTileCount() const {
        int count = 0;
        for (const TileRect& t : set.tiles[set.current]) count += t == TileRect{} ? 0 : 1;
        return count;
    }
    std::vector<Rect> Walk(int map, const Rect* clip = nullptr) {
        std::vector<Rect> rects;
        for (const Rect* r = set.FirstDirtyRect(map, clip); r != nullptr;
             r = set.NextDirtyRect(map, clip)) {
            rects.push_back(*r);
        }
        return rects;
    }
    DirtyRectSet set;
};

TEST_F(DirtyRectSetTest, MarksGoIntoTheTilesTheyTouch) {
    const struct {
        Rect mark;
        std::vector<std::pair<int, TileRect>> tiles;  // every tile marked
    } cases[] = {
        {{10, 10, 20, 20}, {{0, {10, 10, 20, 20}}}},
        // Edges on a tile boundary touch the next tile.
        {{0, 0, 32, 32},
         {{0, {0, 0, 32, 32}}, {1, {0, 0, 1, 32}}, {9, {0, 0, 32, 1}}, {10, {0, 0, 1, 1}}}},
        // A mark of no size on a tile's corner still holds that corner's pixel.
        {{64, 64, 64, 64}, {{20, {0, 0, 1, 1}}}},
        // Negative coordinates truncate toward zero.
        {{-20, -20, -5, -5}, {{0, {0, 0, 1, 1}}}},
        // Far edges past the grid end at the grid's.
        {{250, 540, 288, 600},
         {{151, {26, 28, 32, 32}},
          {152, {0, 28, 32, 32}},
          {160, {26, 0, 32, 32}},
          {161, {0, 0, 32, 32}}}},
        // Outside the grid, or inverted: dropped.
        {{300, 0, 320, 10}, {}},
        {{0, 600, 10, 700}, {}},
        {{50, 50, 10, 10}, {}},
    };
    for (const auto& c : cases) {
        DirtyRectSet fresh;
        fresh.MarkDirty(c.mark.left, c.mark.top, c.mark.right, c.mark.bottom);
        TileMap expected{};
        for (const auto& [index, tile] : c.tiles) expected[size_t(index)] = tile;
        EXPECT_EQ(fresh.tiles[fresh.current], expected) << c.mark.left << "," << c.mark.top;
    }
    // Far off and huge marks cost only the grid.
    set.MarkDirty(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(DirtyTileCount(), kTileCount);
    for (const TileRect& t : set.tiles[set.current]) EXPECT_EQ(t, (TileRect{0, 0, 32, 32}));
}

TEST_F(DirtyRectSetTest, ClippedWalkCoversTheClipsTileRange) {
    TileMap& map = set.tiles[set.current];
    map[0] = TileRect{1, 1, 2, 2};     // before the clip's first tile
    map[10] = TileRect{0, 0, 32, 32};  // first tile of the clip
    map[11] = TileRect{0, 0, 32, 32};  // last tile: the open run is returned
    map[12] = TileRect{3, 3, 4, 4};    // past the end
    const Rect clip{40, 40, 63, 62};
    EXPECT_EQ(Walk(set.current, &clip), (std::vector<Rect>{{32, 32, 96, 64}}));
    // Rows in between include tiles outside the clip's columns.
    map[17] = TileRect{5, 5, 6, 6};
    const Rect tall{40, 40, 63, 95};
    EXPECT_EQ(Walk(set.current, &tall),
              (std::vector<Rect>{{32, 32, 96, 64}, {99, 35, 100, 36}, {261, 37, 262, 38}}));
}

}  // namespace
