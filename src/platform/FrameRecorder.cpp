// Recording a frame's drawing, sorting it by tile and drawing only the tiles that change.
#include "platform/FrameRecorder.h"

#include <algorithm>
#include <array>
#include <utility>

FrameRecorder::FrameRecorder(Surface& target)
    : target_(target),
      columns_((target.Width() + kTileSize - 1) / kTileSize),
      rows_((target.Height() + kTileSize - 1) / kTileSize),
      pairsOfTile_(size_t(columns_ * rows_)),
      tileChanges_(size_t(columns_ * rows_)),
      lastChanged_(size_t(columns_ * rows_)),
      runSlots_(kMostRuns) {
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column) {
            const int x = column * kTileSize, y = row * kTileSize;
            tileRects_.push_back(
                Intersect(Rect{x, y, x + kTileSize, y + kTileSize}, target.Bounds()));
        }
    }
    for (Frame* frame : {&frame_, &last_}) {
        frame->ops.resize(kMostOps);
        frame->spans.resize(kMostOps);
        frame->runs.reserve(kMostRuns);
        frame->text.reserve(kMostTextBytes);
        frame->byTile.resize(kMostPairs);
        frame->tileStart.resize(size_t(columns_ * rows_) + 1);
        frame->coversItself.resize(size_t(columns_ * rows_));
    }
}

FrameRecorder::TileSpan FrameRecorder::TilesUnder(const Rect& area) {
    // Recorded areas lie inside the target: never negative, never empty.
    return TileSpan{int32_t(uint32_t(area.left) / kTileSize),
                    int32_t(uint32_t(area.top) / kTileSize),
                    int32_t((uint32_t(area.right) - 1) / kTileSize + 1),
                    int32_t((uint32_t(area.bottom) - 1) / kTileSize + 1)};
}

void FrameRecorder::Record(const DrawOp& op) {
    const TileSpan tiles = TilesUnder(op.area);
    // Most operations lie in one tile, without text, in a frame with room to spare; the
    // rest goes out of line, so that this path saves no registers.
    if (tiles.right - tiles.left == 1 && tiles.bottom - tiles.top == 1 &&
        op.kind != DrawOpKind::Glyphs && !spilled_ && frame_.opCount < kMostOps &&
        pairs_ < kMostPairs) {
        frame_.ops[frame_.opCount] = op;
        frame_.spans[frame_.opCount] = tiles;
        ++frame_.opCount;
        ++pairs_;
        ++pairsOfTile_[size_t(tiles.top * columns_ + tiles.left)];
        return;
    }
    RecordAny(op, tiles);
}

void FrameRecorder::RecordAny(const DrawOp& op, const TileSpan& tiles) {
    if (spilled_) {
        ApplyDrawOp(target_, op, op.area);
        return;
    }
    const size_t pairs = size_t(tiles.right - tiles.left) * size_t(tiles.bottom - tiles.top);
    if (!HasRoomFor(op, pairs)) {
        Spill();
        ApplyDrawOp(target_, op, op.area);
        return;
    }
    DrawOp& kept = frame_.ops[frame_.opCount] = op;
    if (op.kind == DrawOpKind::Glyphs) kept.source = Keep(*static_cast<const GlyphRun*>(op.source));
    frame_.spans[frame_.opCount] = tiles;
    ++frame_.opCount;
    pairs_ += pairs;
    for (int row = tiles.top; row < tiles.bottom; ++row) {
        for (int column = tiles.left; column < tiles.right; ++column) {
            ++pairsOfTile_[size_t(row * columns_ + column)];
        }
    }
}

bool FrameRecorder::HasRoomFor(const DrawOp& op, size_t pairs) const {
    if (frame_.opCount == kMostOps || pairs_ + pairs > kMostPairs) return false;
    if (op.kind != DrawOpKind::Glyphs) return true;
    return frame_.runs.size() < kMostRuns &&
           frame_.text.size() + static_cast<const GlyphRun*>(op.source)->text.size() <=
               kMostTextBytes;
}

const GlyphRun* FrameRecorder::Keep(const GlyphRun& run) {
    // Within the capacity taken at the start: nothing moves, nothing is allocated.
    const size_t index = frame_.runs.size(), start = frame_.text.size();
    frame_.text.insert(frame_.text.end(), run.text.begin(), run.text.end());
    GlyphRun kept = run;
    kept.text = std::string_view(frame_.text.data() + start, run.text.size());
    // Text mostly comes in the same order every frame. A run like last frame's in the same
    // place takes over its slot, so that the two operations are alike byte for byte; the
    // slot's text moves to this frame's copy of the same bytes, as last frame's copy is
    // written over next frame. Any other run takes the slot last frame left free.
    GlyphRun* const last = index < last_.runs.size() ? last_.runs[index] : nullptr;
    GlyphRun* slot;
    if (last != nullptr && *last == kept) {
        slot = last;
        slot->text = kept.text;
    } else {
        std::array<GlyphRun, 2>& slots = runSlots_[index];
        slot = last == &slots[0] ? &slots[1] : &slots[0];
        *slot = kept;
    }
    frame_.runs.push_back(slot);
    return slot;
}

void FrameRecorder::Spill() {
    for (size_t i = 0; i < frame_.opCount; ++i) {
        ApplyDrawOp(target_, frame_.ops[i], frame_.ops[i].area);
    }
    spilled_ = true;
}

void FrameRecorder::SortByTile() {
    // Counts become starts, then each start the slot its tile fills next.
    uint32_t start = 0;
    for (size_t tile = 0; tile < pairsOfTile_.size(); ++tile) {
        frame_.tileStart[tile] = start;
        start += std::exchange(pairsOfTile_[tile], start);
    }
    frame_.tileStart.back() = start;
    // Locals: stores through the counts could otherwise change the columns and spans.
    const size_t columns = size_t(columns_), ops = frame_.opCount;
    const TileSpan* spans = frame_.spans.data();
    uint16_t* byTile = frame_.byTile.data();
    for (size_t index = 0; index < ops; ++index) {
        const TileSpan tiles = spans[index];
        if (tiles.right - tiles.left == 1 && tiles.bottom - tiles.top == 1) {
            // Most operations lie in one tile.
            byTile[pairsOfTile_[size_t(tiles.top) * columns + size_t(tiles.left)]++] =
                uint16_t(index);
            continue;
        }
        for (size_t row = size_t(tiles.top); row < size_t(tiles.bottom); ++row) {
            uint32_t* next = pairsOfTile_.data() + row * columns;
            for (size_t column = size_t(tiles.left); column < size_t(tiles.right); ++column) {
                byTile[next[column]++] = uint16_t(index);
            }
        }
    }
}

// Inline in Finish's loop over the tiles: for most tiles the call cost as much as the test.
inline bool FrameRecorder::IsLikeLastFrame(int tile, const Rect& within) const {
    const uint16_t* now = frame_.byTile.data() + frame_.tileStart[size_t(tile)];
    const uint32_t count = frame_.tileStart[size_t(tile) + 1] - frame_.tileStart[size_t(tile)];
    const uint16_t* then = last_.byTile.data() + last_.tileStart[size_t(tile)];
    if (!last_.complete ||
        count != last_.tileStart[size_t(tile) + 1] - last_.tileStart[size_t(tile)]) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        if (!SameWithin(frame_.ops[now[i]], last_.ops[then[i]], within)) return false;
    }
    return true;
}

namespace {

// The smallest rectangle holding the pixels of a outside b: the strips of a above, below,
// left and right of their overlap.
Rect OutsideBox(const Rect& a, const Rect& b) {
    const Rect both = Intersect(a, b);
    if (both.IsEmpty()) return a;
    Rect box;
    if (a.top < both.top) box = Union(box, Rect{a.left, a.top, a.right, both.top});
    if (both.bottom < a.bottom) box = Union(box, Rect{a.left, both.bottom, a.right, a.bottom});
    if (a.left < both.left) box = Union(box, Rect{a.left, both.top, both.left, both.bottom});
    if (both.right < a.right) box = Union(box, Rect{both.right, both.top, a.right, both.bottom});
    return box;
}

bool IsDash(const DrawOp& op) {
    return op.kind == DrawOpKind::Line ||
           (op.kind == DrawOpKind::Fill && op.area.bottom - op.area.top == 1);
}

// How far ahead the matching looks for an operation's partner.
constexpr uint32_t kMatchLookAhead = 4;

}  // namespace

Rect FrameRecorder::ChangedBox(int tile, const Rect& within) const {
    // The two lists are matched in order, an operation to one that writes the same pixels
    // where both draw; the box takes in what only one of a pair draws and every operation
    // left unmatched. Outside it each pixel meets the same operations in the same order.
    const uint16_t* now = frame_.byTile.data() + frame_.tileStart[size_t(tile)];
    const uint32_t nowCount = frame_.tileStart[size_t(tile) + 1] - frame_.tileStart[size_t(tile)];
    const uint16_t* then = last_.byTile.data() + last_.tileStart[size_t(tile)];
    const uint32_t thenCount = last_.tileStart[size_t(tile) + 1] - last_.tileStart[size_t(tile)];
    auto nowOp = [&](uint32_t i) -> const DrawOp& { return frame_.ops[now[i]]; };
    auto thenOp = [&](uint32_t j) -> const DrawOp& { return last_.ops[then[j]]; };
    // The plain bounds of what the box takes in, cut to `within`, the tile, once at the end:
    // every operation of the tile meets it, so that gives the bounds of the cut areas.
    Rect bounds{within.right, within.bottom, within.left, within.top};
    auto takeIn = [&](const Rect& area) {
        bounds = Rect{std::min(bounds.left, area.left), std::min(bounds.top, area.top),
                      std::max(bounds.right, area.right), std::max(bounds.bottom, area.bottom)};
    };
    uint32_t i = 0, j = 0;
    while (i < nowCount && j < thenCount) {
        if (Contains(bounds, within)) return within;  // it cannot grow
        const DrawOp& a = nowOp(i);
        const DrawOp& b = thenOp(j);
        if (a == b) {
            ++i, ++j;
            continue;
        }
        // Lines and one-row fills (sparks' dashes) move every frame and are left unmatched;
        // otherwise a pair that writes the same where both draw, or else the nearer of a's
        // partner among last frame's next operations and b's among this frame's, and what
        // lies before it is unmatched.
        uint32_t skipNow = IsDash(a) ? 1 : 0;
        uint32_t skipThen = skipNow == 0 && IsDash(b) ? 1 : 0;
        if (skipNow == 0 && skipThen == 0 && SameWhereBothDraw(a, b)) {
            // Alike text keeps its area: only a pair whose areas differ adds to the box.
            if (a.area != b.area) {
                const Rect areaNow = Intersect(a.area, within);
                const Rect areaThen = Intersect(b.area, within);
                const Rect outside =
                    Union(OutsideBox(areaNow, areaThen), OutsideBox(areaThen, areaNow));
                if (!outside.IsEmpty()) takeIn(outside);
            }
            ++i, ++j;
            continue;
        }
        for (uint32_t k = 1; k <= kMatchLookAhead && skipThen == 0 && skipNow == 0; ++k) {
            if (j + k < thenCount && SameWhereBothDraw(a, thenOp(j + k))) {
                skipThen = k;
            } else if (i + k < nowCount && SameWhereBothDraw(nowOp(i + k), b)) {
                skipNow = k;
            }
        }
        if (skipThen == 0 && skipNow == 0) skipThen = skipNow = 1;
        for (; skipNow > 0; --skipNow, ++i) takeIn(nowOp(i).area);
        for (; skipThen > 0; --skipThen, ++j) takeIn(thenOp(j).area);
    }
    for (; i < nowCount; ++i) takeIn(nowOp(i).area);
    for (; j < thenCount; ++j) takeIn(thenOp(j).area);
    return Intersect(bounds, within);
}

bool FrameRecorder::HasGlyphs(int tile) const {
    for (uint32_t i = frame_.tileStart[size_t(tile)]; i < frame_.tileStart[size_t(tile) + 1]; ++i) {
        if (frame_.ops[frame_.byTile[i]].kind == DrawOpKind::Glyphs) return true;
    }
    return false;
}

bool FrameRecorder::CoversItself(int tile, const Rect& within) const {
    // A few opaque areas are enough: a tile is mostly one background copy.
    std::array<Rect, 8> opaque;
    size_t opaqueCount = 0;
    for (uint32_t i = frame_.tileStart[size_t(tile)]; i < frame_.tileStart[size_t(tile) + 1]; ++i) {
        const DrawOp& op = frame_.ops[frame_.byTile[i]];
        const Rect area = Intersect(op.area, within);
        if (op.kind == DrawOpKind::Copy || op.kind == DrawOpKind::Tile ||
            op.kind == DrawOpKind::Fill) {
            if (area == within) return true;  // it covers all that follows
            if (opaqueCount < opaque.size()) opaque[opaqueCount++] = area;
        } else if (std::none_of(opaque.begin(), opaque.begin() + opaqueCount,
                                [&](const Rect& o) { return Contains(o, area); })) {
            return false;
        }
    }
    return true;
}

Rect FrameRecorder::DrawTile(int tile, const Rect& within) {
    // The hull of the operations' areas, cut to `within` once at the end. Recorded areas
    // are never empty: plain bounds, without Union's tests for empty ones (1.2k a title step).
    Rect hull{within.right, within.bottom, within.left, within.top};
    // Locals: drawing could otherwise change where the lists lie, the target and the clip,
    // for all the compiler sees.
    const DrawOp* ops = frame_.ops.data();
    const uint16_t* indices = frame_.byTile.data();
    const uint32_t end = frame_.tileStart[size_t(tile) + 1];
    Surface& target = target_;
    const Rect clip = within;
    for (uint32_t i = frame_.tileStart[size_t(tile)]; i < end; ++i) {
        const DrawOp& op = ops[indices[i]];
        ApplyDrawOpInline(target, op, clip);
        hull = Rect{std::min(hull.left, op.area.left), std::min(hull.top, op.area.top),
                    std::max(hull.right, op.area.right), std::max(hull.bottom, op.area.bottom)};
    }
    return Intersect(hull, within);
}

void FrameRecorder::Finish() {
    tilesKept_ = 0;
    if (spilled_) {
        frame_.complete = false;
        for (uint32_t& changes : tileChanges_) ++changes;
        lastChanged_ = tileRects_;
    } else {
        SortByTile();
        for (int tile = 0; tile < int(tileRects_.size()); ++tile) {
            const Rect& within = tileRects_[size_t(tile)];
            int8_t& covers = frame_.coversItself[size_t(tile)];
            covers = -1;
            if (IsLikeLastFrame(tile, within)) {
                // The same operations as last frame's cover themselves as those did.
                covers = last_.coversItself[size_t(tile)];
                if (covers < 0) covers = CoversItself(tile, within) ? 1 : 0;
            }
            if (covers == 1) {
                ++tilesKept_;
                continue;
            }
            ++tileChanges_[size_t(tile)];
            if (covers < 0 && last_.complete && HasGlyphs(tile) && CoversItself(tile, within)) {
                // Changed since last frame, and blending text is dear: only what changed is
                // drawn again. Elsewhere the tile shows what its operations draw over anything.
                covers = 1;
                lastChanged_[size_t(tile)] = DrawTile(tile, ChangedBox(tile, within));
            } else {
                lastChanged_[size_t(tile)] = DrawTile(tile, within);
            }
        }
        frame_.complete = true;
    }
    std::swap(frame_, last_);
    frame_.opCount = 0;
    frame_.runs.clear();
    frame_.text.clear();
    std::fill(pairsOfTile_.begin(), pairsOfTile_.end(), 0);
    pairs_ = 0;
    spilled_ = false;
}
