// A copied or filled row of any width takes each source pixel, or the colour, in its place
// and leaves the pixels either side of it alone.
#include <gtest/gtest.h>

#include "platform/DrawOp.h"

namespace {

class DrawOpCopyWidth : public testing::TestWithParam<int> {};

TEST_P(DrawOpCopyWidth, TakesEachPixelAndNoMore) {
    const int width = GetParam();
    Surface source(48, 2);
    for (int x = 0; x < 48; ++x) source.Set(x, 1, x % 3 == 0 ? 0 : MakePixel(uint8_t(x), 9, 200));
    for (const DrawOpKind kind :
         {DrawOpKind::Copy, DrawOpKind::CopyTransparent, DrawOpKind::Fill}) {
        Surface target(50, 3);
        target.Fill(0x123456);
        Surface expected = target;
        const DrawOp op{.kind = kind,
                        .colour = 0xABCDEF,
                        .area = Rect{1, 1, 1 + width, 2},
                        .source = &source,
                        .sourceX = 3,
                        .sourceY = 1};
        ApplyDrawOpInline(target, op, target.Bounds());
        for (int x = 0; x < width; ++x) {
            const Pixel p = kind == DrawOpKind::Fill ? op.colour : source.At(3 + x, 1);
            if (p != 0 || kind != DrawOpKind::CopyTransparent) expected.Set(1 + x, 1, p);
        }
        EXPECT_EQ(HashPixels(target), HashPixels(expected)) << int(kind);
    }
}

// Every way a row splits into blocks, on both sides of a tile's width.
INSTANTIATE_TEST_SUITE_P(UpToBeyondATile, DrawOpCopyWidth, testing::Range(1, 41));

}  // namespace
