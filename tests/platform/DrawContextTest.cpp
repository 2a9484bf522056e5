// Lines in the selected pen continue from where the last one ended, pen or not. Their pixels,
// clipped or not, and text blending show in the play screen's recorded pictures.
#include <gtest/gtest.h>

#include "platform/DrawContext.h"

namespace {

TEST(DrawContextLine, ContinuesFromTheEndPointAndNeedsAPen) {
    Surface surface(40, 30);
    DrawContext dc(surface);
    dc.MoveTo(1, 1);
    dc.LineTo(10, 1);  // no pen: nothing drawn, but the position moves
    EXPECT_EQ(HashPixels(surface), HashPixels(Surface(40, 30)));
    const Pen pen{0xFFFFFF};
    EXPECT_EQ(dc.SelectPen(&pen), nullptr);
    dc.LineTo(10, 4);
    Surface expected(40, 30);
    for (int y = 1; y < 4; ++y) expected.Set(10, y, 0xFFFFFF);
    EXPECT_EQ(HashPixels(surface), HashPixels(expected));
}

}  // namespace
