// Gems and big gems: speed and fall under time stop and warp, the sparkles of frozen and
// damaged ones, blasts on big gems, and the animated pictures.
#include <gtest/gtest.h>

#include <memory>

#include "ArtFiles.h"
#include "FrameChecks.h"
#include "gfx/ArtImage.h"
#include "objects/BigGem.h"
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

    // The spark a sparkle at (x, y) makes from the generator `expected` follows: y's number
    // first, then x's, then three for the spark itself.
    static std::pair<float, float> NextSparklePlace(RandomGenerator& expected, float x, float y) {
        const int forY = expected.Next();
        const int forX = expected.Next();
        for (int i = 0; i < 3; ++i) expected.Next();
        return {float(int(float(forX % 15) + x - 7)), float(int(float(forY % 15) + y - 7))};
    }

    Pen outline{0x123456};
    Pen colour{0x654321};
};

// Pictures: 25 x 21 gem frames for the rows of levels 0 and 120, 41 x 37 big gem frames.
class GemArtTest : public GemTest {
protected:
    static void SetUpTestSuite() {
        folder = std::make_unique<TempDir>();
        for (int row : {0, 120 % kGemArtRows})
            WriteArtRow(*folder, GemArt[row], 25, 21, FrameColours());
        WriteArtRow(*folder, BigGemArt[0], 41, 37, FrameColours());
    }
    static void TearDownTestSuite() { folder.reset(); }

    // Constructs inside the folder, where the art cache finds the files.
    template <typename T>
    static T Make(int level) {
        CurrentDirectory inFolder(folder->Path());
        return T(level);
    }

    static inline std::unique_ptr<TempDir> folder;
};

TEST_F(GemTest, SpeedGrowsWithTheLevelUpToTheCap) {
    EXPECT_FLOAT_EQ(Gem(0).speed, 0.2f);
    EXPECT_FLOAT_EQ(Gem(10).speed, 1.6f);
    EXPECT_FLOAT_EQ(Gem(18).speed, 2.72f);
    EXPECT_EQ(Gem(120).speed, 17.0f);
}

// A level-10 gem (speed 1.6) and a big gem (0.2) at y = 100 after one update, by the time
// panels standing; neither draws a random number or sparkles while it falls.
TEST_F(GemTest, FallsByItsSpeedHeldByTimeStopAndRaisedThreefoldByTimeWarp) {
    const struct {
        int stops, warps;
        float gemY, bigGemY;
    } cases[] = {{0, 0, 101.6f, 100.2f}, {1, 0, 100, 100}, {1, 2, 100, 100}, {0, 1, 95.2f, 99.4f}};
    for (const auto& c : cases) {
        timeStopCount = c.stops;
        timeWarpCount = c.warps;
        Gem gem(10);
        BigGem bigGem(0);
        gem.y = bigGem.y = 100;
        const uint32_t state = randomGenerator.State();
        gem.Update(1.0f);
        bigGem.Update(1.0f);
        EXPECT_EQ(randomGenerator.State(), state);
        EXPECT_FLOAT_EQ(gem.y, c.gemY) << c.stops << " stops, " << c.warps << " warps";
        EXPECT_FLOAT_EQ(bigGem.y, c.bigGemY) << c.stops << " stops, " << c.warps << " warps";
    }
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount() + sparksWhiteTrail->LiveSparkCount(), 0);
}

TEST_F(GemTest, AFrozenGemStaysAndShedsOneBlueSparklePerUpdateWhateverTheTime) {
    Gem gem(4);
    gem.x = 50.5f;
    gem.y = 200.25f;
    gem.speed = 0;
    randomGenerator.Seed(31337);
    RandomGenerator expected;
    expected.Seed(31337);
    for (auto [stops, warps] : {std::pair{0, 1}, {1, 0}}) {
        timeStopCount = stops;
        timeWarpCount = warps;
        gem.Update(1.0f);
        EXPECT_EQ(gem.y, 200.25f);
        const Spark& spark = sparksBlueTrail->Sparks()[size_t(sparksBlueTrail->lastSlot)];
        EXPECT_EQ(std::pair(spark.x, spark.y), NextSparklePlace(expected, 50.5f, 200.25f));
    }
    EXPECT_EQ(randomGenerator.State(), expected.State());
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount(), 2);
    EXPECT_EQ(sparksWhiteTrail->LiveSparkCount(), 0);
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

TEST_F(GemTest, ABigGemShedsOneWhiteSparklePerMissingHitPointEveryUpdateEvenDead) {
    BigGem bigGem(4);
    bigGem.x = 144;
    bigGem.y = 100;
    bigGem.hitPoints -= 3;
    randomGenerator.Seed(2024);
    RandomGenerator expected;
    expected.Seed(2024);
    bigGem.Update(1.0f);
    ASSERT_EQ(sparksWhiteTrail->LiveSparkCount(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        const Spark& spark = sparksWhiteTrail->Sparks()[size_t(slot)];
        EXPECT_EQ(std::pair(spark.x, spark.y), NextSparklePlace(expected, 144.0f, bigGem.y));
    }
    EXPECT_EQ(randomGenerator.State(), expected.State());

    BigGem blasted(0);
    blasted.TakeBlast(10);
    ASSERT_EQ(blasted.hitPoints, -5);
    blasted.Update(1.0f);
    EXPECT_EQ(sparksWhiteTrail->LiveSparkCount(), 13);
    EXPECT_EQ(sparksBlueTrail->LiveSparkCount(), 0);
}

TEST_F(GemTest, ABlastTakesTenHitPointsAndTheLastOnePlaysTheDestructionSound) {
    BigGem tough(9);
    tough.x = 60.7f;
    tough.y = 80.2f;
    for (int hitPoints : {13, 3}) {
        tough.TakeBlast(30);
        EXPECT_EQ(tough.hitPoints, hitPoints);
        EXPECT_FALSE(tough.dead);
    }
    EXPECT_EQ(sparksRedBurst->LiveSparkCount(), 60);
    EXPECT_EQ(sparksOrangeRing->LiveSparkCount(), 60);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].x, 60.0f);
    EXPECT_EQ(sparksRedBurst->Sparks()[1].y, 80.0f);
    EXPECT_TRUE(audio.Played().empty());  // no hit sound for a big gem
    tough.TakeBlast(30);
    EXPECT_TRUE(tough.dead);
    EXPECT_EQ(audio.Played(), std::vector<int>{164});
    EXPECT_EQ(soundPlayer.priority, 3);

    BigGem exact(0);
    exact.hitPoints = 10;
    exact.TakeBlast(10);
    EXPECT_TRUE(exact.dead) << "exactly zero hit points destroys";
}

TEST_F(GemTest, AnimationCountsDrawnFramesUnlessAGemIsFrozen) {
    Gem gem(1);
    BigGem bigGem(1);
    bigGem.speed = 0;  // a big gem's counter runs whatever its speed
    for (int draw = 1; draw <= 5; ++draw) {
        gem.DrawFrame(dc, &outline, &colour);
        bigGem.DrawFrame(dc, &outline, &colour);
    }
    gem.speed = 0;
    gem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(gem.frameCounter, 5);
    EXPECT_EQ(bigGem.frameCounter, 5);
}

TEST_F(GemTest, WithoutPicturesDrawFrameDrawsNothingButMarksItsBox) {
    const auto marks = [&](auto object, float x, float y) {
        dirtyRects.BeginFrame();
        EXPECT_EQ(object.art, nullptr);
        object.x = x;
        object.y = y;
        object.DrawFrame(dc, &outline, &colour);
        return MarkedTiles();
    };
    const Pen* before = dc.SelectPen(&outline);
    EXPECT_EQ(marks(Gem(1), 40.9f, 70.2f), TilesOfOneMark(28, 58, 52, 82));
    EXPECT_EQ(marks(Gem(1), 5.5f, -15.0f), TilesOfOneMark(-6, -27, 17, -3));  // toward zero
    EXPECT_EQ(marks(BigGem(1), 100.9f, 200.1f), TilesOfOneMark(68, 168, 132, 232));
    EXPECT_EQ(CountLitPixels(frame), 0);
    EXPECT_EQ(dc.SelectedPen(), &outline);
    dc.SelectPen(before);
}

TEST_F(GemArtTest, LevelsAndKindsThatShareARowShareThePictures) {
    const Gem level0 = Make<Gem>(0);
    ASSERT_NE(level0.art, nullptr);
    EXPECT_STREQ(level0.art->name, GemArt[0]);
    EXPECT_EQ(level0.art->frameCount, 3);
    EXPECT_EQ(Make<Gem>(18).art, level0.art);
    const Gem capped = Make<Gem>(120);
    ASSERT_NE(capped.art, nullptr);
    EXPECT_STREQ(capped.art->name, GemArt[12]);
    const BigGem first = Make<BigGem>(0);
    ASSERT_NE(first.art, nullptr);
    EXPECT_EQ(first.art->frameCount, 6);
    EXPECT_EQ(Make<BigGem>(3).art, first.art);
    EXPECT_EQ(Make<BigGem>(9).art, first.art);
}

TEST_F(GemArtTest, GemPicturesShowForThreeDrawnFramesInACycleOfNineCentredAndMarked) {
    Gem gem = Make<Gem>(0);
    gem.x = 100.7f;
    gem.y = 50.2f;
    for (int picture : {0, 0, 1, 1, 1, 2, 2, 2, 0, 0, 0, 1}) {
        frame.Fill(0);
        gem.DrawFrame(dc, &outline, &colour);
        // 25 x 21 halves to 12 and 10: top-left (88, 40), bottom-right (112, 60) inclusive.
        EXPECT_EQ(frame.At(88, 40), FrameColours()[size_t(picture)]) << gem.frameCounter;
        EXPECT_EQ(frame.At(112, 60), FrameColours()[size_t(picture)]);
    }
    EXPECT_EQ(frame.At(87, 40), 0u);
    EXPECT_EQ(frame.At(113, 60), 0u);
    EXPECT_EQ(frame.At(88, 61), 0u);
    EXPECT_EQ(CountLitPixels(frame), 25 * 21);
    // The picture reaches one pixel past the marked box on the right: the box is the rule's.
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(88, 38, 112, 62));

    // Frozen: the first picture, and the counter stays.
    gem.speed = 0;
    gem.DrawFrame(dc, &outline, &colour);
    EXPECT_EQ(frame.At(88, 40), FrameColours()[0]);
    EXPECT_EQ(gem.frameCounter, 12);
}

TEST_F(GemArtTest, BigGemsShowSixPicturesEachForThreeDrawnFrames) {
    BigGem bigGem = Make<BigGem>(6);
    bigGem.x = 100.9f;
    bigGem.y = 100.9f;
    for (int draw = 1; draw <= 20; ++draw) {
        frame.Fill(0);
        bigGem.DrawFrame(dc, &outline, &colour);
        const size_t picture = size_t((draw / 3) % 6);
        // 41 x 37 halves to 20 and 18: top-left (80, 82).
        EXPECT_EQ(frame.At(80, 82), FrameColours()[picture]) << "draw " << draw;
        EXPECT_EQ(frame.At(120, 118), FrameColours()[picture]);
    }
    EXPECT_EQ(frame.At(79, 82), 0u);
    EXPECT_EQ(frame.At(80, 81), 0u);
    EXPECT_EQ(MarkedTiles(), TilesOfOneMark(68, 68, 132, 132));
    ExpectDrawnPixelsMarked(frame);
}

}  // namespace
