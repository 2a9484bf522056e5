// Smoke puffs: drift, the capped rise, the end above the field and the picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "ArtFiles.h"
#include "FrameChecks.h"
#include "gfx/ArtImage.h"
#include "objects/Smoke.h"
#include "support/PlayfieldFixture.h"

namespace {

class SmokeTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.ResetClip();
        dirtyRects.BeginFrame();
    }
};

}  // namespace

TEST_F(SmokeTest, SlowsSidewaysAndTurnsUpwardCappedAtOnePixelAFrame) {
    // vx 0.98 times, vy 0.05 less, at least -1; the move uses the new velocity.
    const struct {
        float vx, vy, vxAfter, vyAfter;
    } cases[] = {{2, 1, 2 * 0.98f, 1 - 0.05f},
                 {0, -1.0f, 0, -1.0f},
                 {0, -0.955f, 0, -1.0f},
                 {0, -0.9f, 0, -0.9f - 0.05f}};
    for (const auto& c : cases) {
        Smoke puff(100, 300, c.vx, c.vy);
        puff.Update(1.0f);
        EXPECT_EQ(puff.vx, c.vxAfter) << c.vy;
        EXPECT_EQ(puff.vy, c.vyAfter) << c.vy;
        EXPECT_EQ(puff.x, 100 + c.vxAfter);
        EXPECT_EQ(puff.y, 300 + c.vyAfter);
    }
}

TEST_F(SmokeTest, SinksBrieflyThenRisesAndCoversFortyNineTimesItsThrowSideways) {
    Smoke puff(20, 300, 2, 2);
    float lowest = puff.y;
    for (int frame = 0; frame < 400; ++frame) {
        puff.Update(1.0f);
        lowest = std::max(lowest, puff.y);
    }
    EXPECT_GT(lowest, 300.0f);
    EXPECT_EQ(puff.vy, -1.0f);
    EXPECT_NEAR(puff.x - 20, 49 * 2, 0.05);
    EXPECT_FALSE(puff.dead);
}

TEST_F(SmokeTest, AtMinusFortyStillAliveAboveItDead) {
    Smoke puff(100, -39, 0, -0.95f);
    puff.Update(1.0f);
    ASSERT_EQ(puff.y, -40.0f);
    EXPECT_FALSE(puff.dead);
    puff.Update(1.0f);
    EXPECT_TRUE(puff.dead);
}

// The art cache keeps "smoke.bmp" once loaded, for the rest of the process: the case of the
// missing picture comes first.
TEST_F(SmokeTest, WithoutItsPictureAPuffDrawsAndMarksNothing) {
    ASSERT_EQ(dirtyRects.GetArt("smoke.bmp"), nullptr) << "smoke.bmp found beside the tests";
    Smoke puff(100, 100, 0, 0);
    puff.Draw(dc);
    EXPECT_EQ(CountLitPixels(frame), 0);
    EXPECT_TRUE(NothingMarked());
}

TEST_F(SmokeTest, PictureIsCentredAndItsBoxMarked) {
    TempDir folder;
    WriteArtRow(folder, "smoke.bmp", 31, 21, {0x808080});
    Smoke puff(100.9f, 50.5f, 0, 0);
    {
        CurrentDirectory inFolder(folder.Path());
        puff.Draw(dc);
    }
    // Half sizes 15 and 10: top-left (85, 40), bottom-right (115, 60) inclusive.
    EXPECT_EQ(frame.At(85, 40), 0x808080u);
    EXPECT_EQ(frame.At(115, 60), 0x808080u);
    EXPECT_EQ(frame.At(84, 40), 0u);
    EXPECT_EQ(frame.At(85, 39), 0u);
    EXPECT_EQ(CountLitPixels(frame), 31 * 21);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(85, 40, 116, 61));
    ExpectDrawnPixelsMarked(frame);
}
