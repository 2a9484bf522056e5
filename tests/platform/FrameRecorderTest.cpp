// Drawing through the frame recorder gives, after every frame, the pixels of drawing at
// once: kept tiles, text tiles drawn again only where they changed, blends that build up
// frame after frame, moving sprites, and a frame too big to record; and the tiles it tells a
// window to compare again hold every pixel that changed.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/DrawContext.h"
#include "platform/FrameRecorder.h"

namespace {

constexpr int kSize = 96;  // three tiles each way

struct Art {
    Surface background{64, 64};
    Surface sprite{12, 12};
    std::array<uint8_t, 8 * 8> coverage{};
    GlyphTable glyphs{};

    Art() {
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) background.Set(x, y, MakePixel(uint8_t(x * 4), 90, 1));
        }
        // A sprite with a transparent black border.
        for (int y = 1; y < 11; ++y) {
            for (int x = 1; x < 11; ++x) sprite.Set(x, y, MakePixel(200, uint8_t(y * 20), 50));
        }
        for (size_t i = 0; i < coverage.size(); ++i) coverage[i] = uint8_t(i % 3 * 127);
        glyphs['x'] = Glyph{.left = -2, .width = 8, .height = 8, .advance = 6};
    }
};

void DrawFrame(DrawContext& dc, const Art& art, int frame) {
    // A background under a text-like blend: the same every frame.
    dc.Copy(art.background, 0, 0, 64, 64, 0, 0);
    // A picture over a box that grows and shrinks, under the text.
    dc.Copy(art.sprite, 0, 0, 4 + frame % 4 * 2, 12, 4, 4);
    // Overlapping glyphs: the later one blends over the earlier. The text changes now and
    // then, and comes back.
    const GlyphRun text{&art.glyphs, art.coverage.data(), 12, 10, frame % 3 == 1 ? "x" : "xx"};
    dc.BlendGlyphs(text, Rect{10, 10, 24, 18}, 0xFFFFFF);
    // A spark's dash moving over the text: only around it is the tile drawn again.
    const Pen spark{0xFF0000};
    dc.SelectPen(&spark);
    dc.MoveTo(6 + frame % 7, 12);
    dc.LineTo(10 + frame % 7, 12);
    // A blend over nothing opaque builds up: its tile is drawn every frame.
    const GlyphRun blot{&art.glyphs, art.coverage.data(), 72, 70, "x"};
    dc.BlendGlyphs(blot, Rect{70, 70, 78, 78}, 0x336699);
    // Background tiles laid over an area that changes, opaque or not.
    dc.CopyTiled(art.sprite, Rect{40, 60, 90, 70 + frame % 3}, frame % 2 == 1);
    // A sprite that moves every third frame, across a tile edge.
    dc.CopyTransparent(art.sprite, 0, 0, 12, 12, 26 + frame / 3, 40);
    const Pen pen{0x00FF00};
    dc.SelectPen(&pen);
    dc.MoveTo(0, kSize - 1);
    dc.LineTo(60, 70 + frame % 3 * 5);
    if (frame == 5) {
        // More operations than a frame may record.
        for (int i = 0; i < int(FrameRecorder::kMostOps) + 10; ++i) {
            dc.Plot(i % kSize, i / kSize % kSize, Pixel(i));
        }
    }
}

TEST(FrameRecorder, GivesThePixelsOfDrawingAtOnceAfterEveryFrame) {
    const Art art;
    Surface direct(kSize, kSize), recorded(kSize, kSize);
    DrawContext directDc(direct), recordedDc(recorded);
    FrameRecorder recorder(recorded);
    recordedDc.SetRecorder(&recorder);
    int tilesKept = 0;
    std::vector<uint32_t> counts(9, 0);
    for (int frame = 0; frame < 12; ++frame) {
        SCOPED_TRACE(frame);
        const Surface before = recorded;
        DrawFrame(directDc, art, frame);
        DrawFrame(recordedDc, art, frame);
        recorder.Finish();
        ASSERT_EQ(HashPixels(recorded), HashPixels(direct));
        tilesKept += recorder.TilesKept();
        // Every pixel that changed lies in the last changed box of a tile whose count moved.
        const TileChanges changes = recorder.Changes();
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (recorded.At(x, y) == before.At(x, y)) continue;
                const size_t tile = size_t(y / 32 * changes.columns + x / 32);
                ASSERT_EQ(changes.counts[tile], counts[tile] + 1) << x << "," << y;
                ASSERT_TRUE(Contains(changes.lastChanged[tile], Rect{x, y, x + 1, y + 1}))
                    << x << "," << y;
            }
        }
        counts.assign(changes.counts.begin(), changes.counts.end());
    }
    // The unchanging background tiles were left alone.
    EXPECT_GT(tilesKept, 0);
}

}  // namespace
