// The fail zap: growth and end, box, and its blue and red broken squares.
#include <gtest/gtest.h>

#include "FrameChecks.h"
#include "objects/FailZap.h"
#include "support/PlayfieldFixture.h"

namespace {

class FailZapTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.BeginFrame();
    }
};

}  // namespace

TEST_F(FailZapTest, ConstructionStartsAtSizeZero) {
    const FailZap zap(144.5f, 460.9f);
    EXPECT_STREQ(zap.typeName, "GO_FAIL_ZAP");
    EXPECT_EQ(zap.GetKind(), 0u);
    EXPECT_EQ(zap.category, ObjectCategory::Effect);
    EXPECT_EQ(zap.x, 144.5f);
    EXPECT_EQ(zap.y, 460.9f);
    EXPECT_EQ(zap.size, 0);
}

TEST_F(FailZapTest, LivesThroughSize180AndEndsOnTheNinetyFirstUpdate) {
    FailZap zap(100, 100);
    for (int update = 1; update <= 90; ++update) {
        zap.Update(1.0f);
        EXPECT_EQ(zap.size, 2 * update);
        EXPECT_FALSE(zap.dead) << update;
    }
    zap.Update(1.0f);
    EXPECT_EQ(zap.size, 182);
    EXPECT_TRUE(zap.dead);
}

TEST_F(FailZapTest, BoxIsTheSizeAroundTheCentreAndNoPointIsInside) {
    FailZap zap(100.5f, 50.5f);
    zap.size = 10;
    Rect box;
    EXPECT_EQ(zap.GetBounds(box), (Rect{90, 40, 110, 60}));
    EXPECT_FALSE(zap.ContainsPoint(100, 50));
    EXPECT_TRUE(zap.Intersects(110, 60, 120, 70));
    EXPECT_EQ(zap.Reserved(), 0);
}

TEST_F(FailZapTest, InnermostSquareIsBlueAndTheOuterThreeRed) {
    FailZap zap(100.9f, 200.9f);
    zap.size = 21;  // s = 10
    Pen previous{0x010101};
    dc.SelectPen(&previous);
    zap.Draw(dc);
    EXPECT_EQ(dc.SelectedPen(), &previous);
    // The right side of square k is the chord at 0.866 k: 8, 10, 12 and 13 pixels out.
    EXPECT_EQ(frame.At(108, 200), penBlue->colour);
    EXPECT_EQ(frame.At(110, 200), penRed->colour);
    EXPECT_EQ(frame.At(112, 200), penRed->colour);
    EXPECT_EQ(frame.At(113, 200), penRed->colour);
    EXPECT_EQ(frame.At(91, 200), penBlue->colour);   // left side: 91.34 truncates to 91
    EXPECT_EQ(frame.At(100, 191), penBlue->colour);  // top side
    EXPECT_EQ(frame.At(100, 208), penBlue->colour);  // bottom side
    // The corners stay open.
    EXPECT_EQ(frame.At(108, 208), 0u);
    EXPECT_EQ(frame.At(113, 213), 0u);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(82, 182, 119, 219));
    ExpectDrawnPixelsMarked(frame);
}
