// Big gems: hit points, reseeding, fall, the damage trail, blasts and the six-picture
// animation.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "ArtFiles.h"
#include "FrameChecks.h"
#include "gfx/ArtImage.h"
#include "objects/BigGem.h"
#include "support/PlayfieldFixture.h"

namespace {

class BigGemTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.ResetClip();
        dirtyRects.BeginFrame();
    }

    Pen outline{0x123456};
    Pen colour{0x654321};
};

// Big gem pictures: 41 x 37 flat frames for row 0.
class BigGemArtTest : public BigGemTest {
protected:
    static void SetUpTestSuite() {
        folder = std::make_unique<TempDir>();
        WriteArtRow(*folder, BigGemArt[0], 41, 37, FrameColours());
    }
    static void TearDownTestSuite() { folder.reset(); }

    static BigGem MakeBigGem(int kind) {
        CurrentDirectory inFolder(folder->Path());
        return BigGem(kind);
    }

    static inline std::unique_ptr<TempDir> folder;
};

}  // namespace

TEST_F(BigGemTest, FallsHoldsAndRisesLikeAGem) {
    BigGem bigGem(0);
    bigGem.y = -25;
    bigGem.Update(1.0f);
    EXPECT_EQ(bigGem.y, -25.0f + 0.2f);
    timeStopCount = 1;
    timeWarpCount = 1;
    bigGem.Update(1.0f);
    EXPECT_EQ(bigGem.y, -25.0f + 0.2f);
    timeStopCount = 0;
    bigGem.Update(1.0f);
    EXPECT_FLOAT_EQ(bigGem.y, -25.0f + 0.2f - 0.6f);
}

TEST_F(BigGemTest, OneWhiteSparklePerMissingHitPointEveryUpdate) {
    BigGem bigGem(4);
    bigGem.x = 144;
    bigGem.y = 100;
    const uint32_t before = randomGenerator.State();
    bigGem.Update(1.0f);
    EXPECT_EQ(sparksWhiteTrail->LiveSparkCount(), 0);
    EXPECT_EQ(randomGenerator.State(), before);

    bigGem.hitPoints -= 3;
    randomGenerator.Seed(2024);
    RandomGenerator expected;
    expected.Seed(2024);
    bigGem.Update(1.0f);
    ASSERT_EQ(sparksWhiteTrail->LiveSparkCount(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        // Fresh numbers for every sparkle: y first, then x, then three for the spark.
        const int forY = expected.Next();
        const int forX = expected.Next();
        const Spark& spark = sparksWhiteTrail->Sparks()[size_t(slot)];
        EXPECT_EQ(spark.x, float(int(float(forX % 15) + 144.0f - 7)));
        EXPECT_EQ(spark.y, float(int(float(forY % 15) + bigGem.y - 7)));
        for (int i = 0; i < 3; ++i) expected.Next();
    }
    EXPECT_EQ(randomGenerator.State(), expected.State());
    bigGem.Update(1.0f);
    EXPECT_EQ(sparksWhiteTrail->LiveSparkCount(), 6);
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount(), 0);
}

TEST_F(BigGemTest, ABlastTakesTenHitPointsAndTheLastOnePlaysTheDestructionSound) {
    BigGem tough(9);
    tough.x = 60.7f;
    tough.y = 80.2f;
    tough.TakeBlast(30);
    EXPECT_EQ(tough.hitPoints, 13);
    EXPECT_FALSE(tough.dead);
    EXPECT_EQ(Plays(164), 0);
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 30);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 30);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].x, 60.0f);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].y, 80.0f);
    EXPECT_TRUE(audio.Played().empty());  // no hit sound for a big gem

    tough.TakeBlast(30);
    EXPECT_EQ(tough.hitPoints, 3);
    EXPECT_FALSE(tough.dead);
    tough.TakeBlast(30);
    EXPECT_EQ(tough.hitPoints, -7);
    EXPECT_TRUE(tough.dead);
    EXPECT_EQ(Plays(164), 1);
    EXPECT_EQ(soundPlayer.priority, 3);
}

TEST_F(BigGemTest, ABlastThatLeavesExactlyZeroHitPointsDestroys) {
    BigGem bigGem(0);
    bigGem.hitPoints = 10;
    bigGem.TakeBlast(10);
    EXPECT_EQ(bigGem.hitPoints, 0);
    EXPECT_TRUE(bigGem.dead);
    EXPECT_EQ(Plays(164), 1);
}

TEST_F(BigGemTest, ADamagedDeadBigGemStillSparklesForItsMissingPoints) {
    BigGem bigGem(0);
    bigGem.TakeBlast(10);
    ASSERT_EQ(bigGem.hitPoints, -5);
    bigGem.Update(1.0f);
    EXPECT_EQ(sparksWhiteTrail->LiveSparkCount(), 10);
}

TEST_F(BigGemTest, WithoutPicturesDrawFrameCountsAndMarksItsBox) {
    BigGem bigGem(1);
    ASSERT_EQ(bigGem.art, nullptr);
    bigGem.x = 100.9f;
    bigGem.y = 200.1f;
    bigGem.speed = 0;  // a big gem's counter runs whatever its speed
    bigGem.DrawFrame(dc, &outline, &colour);
    bigGem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(bigGem.frameCounter, 2);
    EXPECT_EQ(CountLitPixels(frame), 0);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(68, 168, 132, 232));
}

TEST_F(BigGemArtTest, KindsThatShareARowShareThePictures) {
    const BigGem first = MakeBigGem(0);
    ASSERT_NE(first.art, nullptr);
    EXPECT_EQ(first.art->frameCount, 6);
    EXPECT_EQ(MakeBigGem(3).art, first.art);
    EXPECT_EQ(MakeBigGem(9).art, first.art);
}

TEST_F(BigGemArtTest, SixPicturesEachShownForThreeDrawnFrames) {
    BigGem bigGem = MakeBigGem(6);
    bigGem.x = 100.9f;
    bigGem.y = 100.9f;
    for (int draw = 1; draw <= 20; ++draw) {
        frame.Fill(0);
        bigGem.DrawFrame(dc, &outline, &colour);
        const size_t picture = size_t((draw / 3) % 6);
        // 41 x 37 halves to 20 and 18: top-left (80, 82).
        EXPECT_EQ(frame.At(80, 82), FrameColours()[picture]) << "draw " << draw;
        EXPECT_EQ(frame.At(79, 82), 0u);
        EXPECT_EQ(frame.At(80, 81), 0u);
        EXPECT_EQ(frame.At(120, 118), FrameColours()[picture]);
    }
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(68, 68, 132, 132));
    ExpectDrawnPixelsMarked(frame);
}
