// The fail zap: growth and end, and its blue and red broken squares.
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
