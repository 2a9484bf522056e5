// Gems: speed, fall under time stop and warp, the frozen sparkle, the animation and drawing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ArtFiles.h"
#include "FrameChecks.h"
#include "gfx/ArtImage.h"
#include "objects/Gem.h"
#include "support/PlayfieldFixture.h"

namespace {

class GemTest : public PlayfieldFixture {
protected:
    void SetUp() override {
        PlayfieldFixture::SetUp();
        dirtyRects.ResetClip();
        dirtyRects.BeginFrame();
    }

    Pen outline{0x123456};
    Pen colour{0x654321};
};

// Gem pictures: 25 x 21 flat frames for the rows of levels 0 and 120.
class GemArtTest : public GemTest {
protected:
    static void SetUpTestSuite() {
        folder = std::make_unique<TempDir>();
        for (int row : {0, 120 % kGemArtRows}) {
            WriteArtRow(*folder, GemArt[row], 25, 21, FrameColours());
        }
    }
    static void TearDownTestSuite() { folder.reset(); }

    // Constructs inside the folder, where the art cache finds the files.
    static Gem MakeGem(int level) {
        CurrentDirectory inFolder(folder->Path());
        return Gem(level);
    }

    static inline std::unique_ptr<TempDir> folder;
};

}  // namespace

TEST_F(GemTest, SpeedGrowsWithTheLevelUpToTheCap) {
    EXPECT_FLOAT_EQ(Gem(0).speed, 0.2f);
    EXPECT_FLOAT_EQ(Gem(10).speed, 1.6f);
    EXPECT_FLOAT_EQ(Gem(18).speed, 2.72f);
    EXPECT_EQ(Gem(120).speed, 17.0f);
}

// A level-10 gem (speed 1.6) at y = 100 after one update, by the time panels standing.
TEST_F(GemTest, FallsByItsSpeedHeldByTimeStopAndRaisedThreefoldByTimeWarp) {
    const struct {
        int stops, warps;
        float y;
    } cases[] = {{0, 0, 101.6f}, {1, 0, 100.0f}, {1, 2, 100.0f}, {0, 1, 95.2f}};
    for (const auto& c : cases) {
        timeStopCount = c.stops;
        timeWarpCount = c.warps;
        Gem gem(10);
        gem.y = 100;
        gem.Update(1.0f);
        EXPECT_FLOAT_EQ(gem.y, c.y) << c.stops << " stops, " << c.warps << " warps";
    }
}

TEST_F(GemTest, AFallingGemDrawsNoRandomNumbersAndShedsNoSparkle) {
    Gem gem(0);  // the slowest gem
    const uint32_t state = randomGenerator.State();
    gem.Update(1.0f);
    EXPECT_EQ(randomGenerator.State(), state);
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount(), 0);
}

TEST_F(GemTest, AFrozenGemStaysEvenUnderTimeWarpAndShedsOneBlueSparklePerUpdate) {
    Gem gem(4);
    gem.x = 50.5f;
    gem.y = 200.25f;
    gem.speed = 0;
    timeWarpCount = 1;
    randomGenerator.Seed(31337);
    RandomGenerator expected;
    expected.Seed(31337);
    const int forY = expected.Next();
    const int forX = expected.Next();

    gem.Update(1.0f);
    EXPECT_EQ(gem.y, 200.25f);
    ASSERT_EQ(sparksBlueTrail->LiveSparkCount(), 1);
    const Spark& spark = sparksBlueTrail->Sparks()[size_t(sparksBlueTrail->lastSlot)];
    EXPECT_EQ(spark.x, float(int(float(forX % 15) + 50.5f - 7)));
    EXPECT_EQ(spark.y, float(int(float(forY % 15) + 200.25f - 7)));
    // Two numbers for the place, three for the spark itself.
    for (int i = 0; i < 3; ++i) expected.Next();
    EXPECT_EQ(randomGenerator.State(), expected.State());

    gem.Update(1.0f);
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount(), 2);
    EXPECT_EQ(sparksWhiteTrail->LiveSparkCount(), 0);
}

TEST_F(GemTest, AFrozenGemSparklesWhileTimeIsStopped) {
    Gem gem(4);
    gem.speed = 0;
    timeStopCount = 1;
    gem.Update(1.0f);
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount(), 1);
}

TEST_F(GemTest, SparklePlacesTruncateTowardZero) {
    Gem gem(0);
    gem.x = 2.5f;
    gem.y = 3.5f;
    gem.speed = 0;
    // Seed so that the first two numbers are small: the place lies left of or above zero.
    uint32_t seed = 0;
    for (;; ++seed) {
        RandomGenerator probe;
        probe.Seed(seed);
        if (probe.Next() % 15 == 0 && probe.Next() % 15 == 0) break;
    }
    randomGenerator.Seed(seed);
    gem.Update(1.0f);
    const Spark& spark = sparksBlueTrail->Sparks()[size_t(sparksBlueTrail->lastSlot)];
    EXPECT_EQ(spark.x, -4.0f);  // 2.5 - 7 = -4.5
    EXPECT_EQ(spark.y, -3.0f);  // 3.5 - 7 = -3.5
}

TEST_F(GemTest, AnimationCountsDrawnFramesUnlessFrozen) {
    Gem gem(1);
    for (int draw = 1; draw <= 5; ++draw) {
        gem.DrawFrame(dc, &outline, &colour);
        EXPECT_EQ(gem.frameCounter, draw);
    }
    gem.speed = 0;
    gem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(gem.frameCounter, 5);
}

TEST_F(GemTest, WithoutPicturesDrawFrameDrawsNothingButMarksItsBox) {
    Gem gem(1);
    ASSERT_EQ(gem.art, nullptr);
    gem.x = 40.9f;
    gem.y = 70.2f;
    const Pen* before = dc.SelectPen(&outline);
    gem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(CountLitPixels(frame), 0);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(28, 58, 52, 82));
    EXPECT_EQ(dc.SelectedPen(), &outline);
    dc.SelectPen(before);
}

TEST_F(GemTest, AGemOffTheTopMarksWithTruncationTowardZero) {
    Gem gem(1);
    gem.x = 5.5f;
    gem.y = -15.0f;
    gem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(-6, -27, 17, -3));
}

TEST_F(GemArtTest, LevelsThatShareARowShareThePictures) {
    const Gem level0 = MakeGem(0);
    ASSERT_NE(level0.art, nullptr);
    EXPECT_STREQ(level0.art->name, GemArt[0]);
    EXPECT_EQ(level0.art->frameCount, 3);
    EXPECT_EQ(MakeGem(18).art, level0.art);
    const Gem capped = MakeGem(120);
    ASSERT_NE(capped.art, nullptr);
    EXPECT_STREQ(capped.art->name, GemArt[12]);
}

TEST_F(GemArtTest, PictureIsCentredByHalfItsSizeAndItsBoxMarked) {
    Gem gem = MakeGem(0);
    gem.x = 100.7f;
    gem.y = 50.2f;
    gem.speed = 0;  // frozen: the first picture
    gem.DrawFrame(dc, &outline, &colour);
    // 25 x 21 halves to 12 and 10: top-left (88, 40), bottom-right (112, 60) inclusive.
    EXPECT_EQ(frame.At(88, 40), FrameColours()[0]);
    EXPECT_EQ(frame.At(112, 60), FrameColours()[0]);
    EXPECT_EQ(frame.At(87, 40), 0u);
    EXPECT_EQ(frame.At(113, 60), 0u);
    EXPECT_EQ(frame.At(88, 61), 0u);
    EXPECT_EQ(CountLitPixels(frame), 25 * 21);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(88, 38, 112, 62));
    // The picture reaches one pixel past the marked box on the right: the box is the rule's.
}

TEST_F(GemArtTest, EachPictureShowsForThreeDrawnFramesInACycleOfNine) {
    Gem gem = MakeGem(0);
    gem.x = 50;
    gem.y = 50;
    const int expected[] = {0, 0, 1, 1, 1, 2, 2, 2, 0, 0, 0, 1};
    for (int picture : expected) {
        frame.Fill(0);
        gem.DrawFrame(dc, &outline, &colour);
        EXPECT_EQ(frame.At(50, 50), FrameColours()[size_t(picture)])
            << "frameCounter " << gem.frameCounter;
    }
}

TEST_F(GemArtTest, AFrozenGemShowsItsFirstPictureAndKeepsItsCounter) {
    Gem gem = MakeGem(0);
    gem.x = 50;
    gem.y = 50;
    for (int draw = 0; draw < 4; ++draw) gem.DrawFrame(dc, &outline, &colour);
    ASSERT_EQ(frame.At(50, 50), FrameColours()[1]);
    gem.speed = 0;
    gem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(frame.At(50, 50), FrameColours()[0]);
    EXPECT_EQ(gem.frameCounter, 4);
}
