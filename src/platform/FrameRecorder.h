// A frame's drawing, carried out tile by tile: a tile whose operations are the last frame's,
// and give the same pixels whatever lay under them, already shows them and is left alone.
// A tile with text whose operations changed only in places is drawn again around those.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/DrawOp.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/TileChanges.h"

class FrameRecorder {
public:
    // Records the drawing on target; nothing else may draw on target meanwhile. All the
    // memory it needs is taken here, none in frames.
    explicit FrameRecorder(Surface& target);

    // An operation of a drawing context on target, inside it.
    void Record(const DrawOp& op);
    // Carries out the operations recorded since the last call where they change pixels,
    // and keeps them to compare the next frame's with.
    void Finish();

    // Tiles the last Finish left alone.
    int TilesKept() const { return tilesKept_; }
    // The target's tiles that Finish may have changed, counted.
    TileChanges Changes() const { return TileChanges{columns_, tileChanges_, lastChanged_}; }

    // Square tiles this many pixels wide: about a sprite's size, so that what moves
    // redraws little around it.
    static constexpr int kTileSize = TileChanges::kTileSize;
    // A frame's most operations and (operation, tile) pairs; a frame with more is drawn
    // as it is recorded, and the next frame redraws every tile it touches.
    static constexpr size_t kMostOps = 8192;
    static constexpr size_t kMostPairs = 32768;
    // And its most lines of text, and bytes in them.
    static constexpr size_t kMostRuns = 1024;
    static constexpr size_t kMostTextBytes = 16384;

private:
    // The columns and rows of tiles an operation touches, worked out once as it is recorded.
    // Full words: packing them into less costs more than the memory saved.
    struct TileSpan {
        int32_t left, top, right, bottom;
    };
    // One frame's operations and, tile after tile, the indices of those touching each.
    struct Frame {
        // Sized once for the most a frame records, the first opCount this frame's: adding
        // one needs no vector's test for room, nor its call to grow.
        std::vector<DrawOp> ops;
        std::vector<TileSpan> spans;  // one per operation
        size_t opCount = 0;
        // The runs its Glyphs operations point to, in run slots, and their bytes.
        std::vector<GlyphRun*> runs;
        std::vector<char> text;
        std::vector<uint16_t> byTile;
        std::vector<uint32_t> tileStart;  // into byTile; one more than there are tiles
        // Per tile, whether its operations cover themselves: 1 or 0, -1 not worked out.
        std::vector<int8_t> coversItself;
        bool complete = false;  // every operation it drew is here
    };

    static TileSpan TilesUnder(const Rect& area);
    // Record's other cases: spanning tiles, text, or a frame near or past its limits.
    void RecordAny(const DrawOp& op, const TileSpan& tiles);
    bool HasRoomFor(const DrawOp& op, size_t pairs) const;
    // A copy of a Glyphs operation's run, for the operation to point to.
    const GlyphRun* Keep(const GlyphRun& run);
    void SortByTile();
    bool IsLikeLastFrame(int tile, const Rect& within) const;
    // Holds every pixel of the tile that meets other operations than last frame, or not in
    // the same order.
    Rect ChangedBox(int tile, const Rect& within) const;
    bool HasGlyphs(int tile) const;
    // Whether drawing the tile's operations on any pixels gives the same result: every
    // pixel text, a masked copy or a line touches was first copied or filled over.
    bool CoversItself(int tile, const Rect& within) const;
    // Draws the tile's operations inside `within`; the box of what they drew.
    Rect DrawTile(int tile, const Rect& within);
    // Too much for one frame: what was recorded is drawn, and so is the rest as it comes.
    void Spill();

    Surface& target_;
    int columns_;
    int rows_;
    std::vector<Rect> tileRects_;  // row after row, cut to the target
    Frame frame_;
    Frame last_;
    std::vector<uint32_t> pairsOfTile_;  // this frame's count, then the next free slot
    std::vector<uint32_t> tileChanges_;
    std::vector<Rect> lastChanged_;
    // Two slots for each frame's n-th run: one for last frame's, one free for a new one.
    std::vector<std::array<GlyphRun, 2>> runSlots_;
    size_t pairs_ = 0;
    bool spilled_ = false;
    int tilesKept_ = 0;
};
