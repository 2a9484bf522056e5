// Dirty tiles: marks, the frame rotation and the merged walk.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gfx/DirtyRectSet.h"
#include "platform/FieldGeometry.h"

namespace {

class DirtyRectSetTest : public ::testing::Test {
protected:
    TileRect Tile(int index) const { return set.tiles[set.current][size_t(index)]; }
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
            if (rects.size() > 200) break;
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
        // Negative coordinates truncate toward zero.
        {{-20, -20, -5, -5}, {{0, {0, 0, 1, 1}}}},
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

TEST_F(DirtyRectSetTest, MarksGrowAPartTileButNotAWholeOne) {
    set.MarkDirty(10, 10, 20, 20);
    set.MarkDirty(5, 15, 12, 25);
    EXPECT_EQ(Tile(0), (TileRect{5, 10, 20, 25}));
    set.MarkDirty(32, 0, 64, 32);  // tile 1 whole (and slivers beyond)
    set.MarkDirty(40, 4, 41, 5);
    EXPECT_EQ(Tile(1), (TileRect{0, 0, 32, 32}));
}

TEST_F(DirtyRectSetTest, FullFieldGivesOneRectanglePerRow) {
    set.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
    const std::vector<Rect> rects = Walk(set.current);
    ASSERT_EQ(rects.size(), 18u);
    for (int r = 0; r < 18; ++r) EXPECT_EQ(rects[r], (Rect{0, 32 * r, 288, 32 * r + 32}));
}

TEST_F(DirtyRectSetTest, WholeTilesMergeAndPartTilesComeAlone) {
    TileMap& map = set.tiles[set.current];
    map[0] = map[1] = TileRect{0, 0, 32, 32};
    map[2] = TileRect{4, 5, 6, 7};
    EXPECT_EQ(Walk(set.current), (std::vector<Rect>{{0, 0, 64, 32}, {68, 5, 70, 7}}));
}

TEST_F(DirtyRectSetTest, RunsNeverCrossARowEnd) {
    TileMap& map = set.tiles[set.current];
    map[8] = map[9] = TileRect{0, 0, 32, 32};
    EXPECT_EQ(Walk(set.current), (std::vector<Rect>{{256, 0, 288, 32}, {0, 32, 32, 64}}));
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

TEST_F(DirtyRectSetTest, AMarkLivesTwoFrames) {
    set.MarkDirty(10, 10, 20, 20);
    set.BeginFrame();
    set.EndFrame();
    EXPECT_EQ(Walk(set.present), (std::vector<Rect>{{10, 10, 20, 20}}));
    set.BeginFrame();
    set.EndFrame();
    EXPECT_TRUE(Walk(set.present).empty());
}

TEST_F(DirtyRectSetTest, PresentIsTheUnionOfThisFrameAndTheLast) {
    set.BeginFrame();
    set.MarkDirty(10, 10, 20, 20);
    set.EndFrame();
    set.BeginFrame();
    set.MarkDirty(15, 2, 25, 12);
    set.MarkDirty(32, 0, 64, 31);
    set.EndFrame();
    EXPECT_EQ(set.tiles[set.present][0], (TileRect{10, 2, 25, 20}));
    EXPECT_EQ(set.tiles[set.present][1], (TileRect{0, 0, 32, 31}));
    EXPECT_EQ(set.tiles[set.present][2], (TileRect{0, 0, 1, 31}));
    // The maps rotate: current, previous and present are always three different maps.
    EXPECT_NE(set.current, set.previous);
    EXPECT_NE(set.previous, set.present);
    EXPECT_NE(set.current, set.present);
}

TEST_F(DirtyRectSetTest, LineMarksSquaresEveryTenPixels) {
    set.MarkDirtyLine(0, 0, 100, 0);
    // Squares at x = 0, 10, ..., 100 reach from -13 to 113 across tiles 0 to 3.
    EXPECT_EQ(Tile(0), (TileRect{0, 0, 32, 13}));
    EXPECT_EQ(Tile(3), (TileRect{0, 0, 17, 13}));
    EXPECT_EQ(Tile(4), TileRect{});
    DirtyRectSet other;
    other.MarkDirtyLine(5, 5, 5, 5);
    for (const TileRect& t : other.tiles[other.current]) EXPECT_EQ(t, TileRect{});
}

}  // namespace
