// The generator's building blocks: machine-independent maths, colour reduction that keeps
// transparency, sprite edges, file encodings, and mastering.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "BmpWriter.h"
#include "Canvas.h"
#include "Mastering.h"
#include "Palette.h"
#include "StableMath.h"
#include "WaveWriter.h"

TEST(StableMath, AgreesWithTheLibraryFunctions) {
    for (double x = -40.0; x <= 40.0; x += 0.173) {
        EXPECT_NEAR(Sine(x), std::sin(x), 1e-12) << x;
        EXPECT_NEAR(Cosine(x), std::cos(x), 1e-12) << x;
    }
    for (double x = -30.0; x <= 30.0; x += 0.37) EXPECT_NEAR(Exp(x) / std::exp(x), 1.0, 1e-13) << x;
    EXPECT_EQ(Exp(-800.0), 0.0);
    EXPECT_NEAR(Pow2(1.0 / 12.0), std::pow(2.0, 1.0 / 12.0), 1e-14);
    EXPECT_EQ(PowInt(3.0, 4), 81.0);
}

TEST(Palette, FewColoursAreKeptExactly) {
    Surface picture(4, 2);
    picture.Set(1, 0, 0x102030);
    picture.Set(2, 0, 0x102030);
    picture.Set(3, 1, 0xffffff);
    const IndexedImage image = ToIndexed(picture, 256);
    EXPECT_EQ(image.palette, (std::vector<Pixel>{0, 0x102030, 0xffffff}));
    EXPECT_EQ(HashPixels(FromIndexed(image)), HashPixels(picture));
}

TEST(Palette, ManyColoursShrinkWithoutTouchingTransparency) {
    Surface picture(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            // Every eleventh pixel is transparent; the rest a 4096-colour gradient that
            // comes as close to black as (1, 0, 0).
            const bool hole = (x + 64 * y) % 11 == 0;
            picture.Set(x, y,
                        hole ? 0 : MakePixel(uint8_t(x * 4 + 1), uint8_t(y * 4), uint8_t(x ^ y)));
        }
    }
    const IndexedImage image = ToIndexed(picture, 256);
    ASSERT_LE(image.palette.size(), 256u);
    EXPECT_GE(image.palette.size(), 200u);
    EXPECT_EQ(image.palette[0], 0u);
    for (size_t i = 1; i < image.palette.size(); ++i) {
        EXPECT_NE(image.palette[i], 0u) << "entry " << i;
    }
    double error = 0.0;
    for (size_t i = 0; i < image.indices.size(); ++i) {
        const Pixel original = picture.Pixels()[i];
        ASSERT_EQ(original == 0, image.indices[i] == 0) << "pixel " << i;
        const Pixel reduced = image.palette[image.indices[i]];
        error += std::abs(int(PixelRed(original)) - int(PixelRed(reduced))) +
                 std::abs(int(PixelGreen(original)) - int(PixelGreen(reduced))) +
                 std::abs(int(PixelBlue(original)) - int(PixelBlue(reduced)));
    }
    EXPECT_LT(error / double(image.indices.size()), 12.0);

    std::set<Pixel> sixteen;
    const Surface limited = LimitColours(picture, 16);
    for (Pixel p : limited.Pixels()) sixteen.insert(p);
    EXPECT_LE(sixteen.size(), 16u);
    EXPECT_TRUE(sixteen.count(0));
}

TEST(Canvas, EdgesBlendTowardsTheMatteAndBlackPaintStaysVisible) {
    Canvas canvas(4, 1, 4);
    canvas.FillPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, Hex(0x000000));        // opaque black
    canvas.FillPolygon({{1, 0}, {1.5, 0}, {1.5, 1}, {1, 1}}, Hex(0xffffff));    // half a pixel
    canvas.FillPolygon({{2, 0}, {2.25, 0}, {2.25, 1}, {2, 1}}, Hex(0xffffff));  // a quarter
    const Surface sprite = canvas.ToSprite(Hex(0x202020), 0.35);
    EXPECT_NE(sprite.At(0, 0), 0u) << "painted black must not turn transparent";
    EXPECT_EQ(sprite.At(1, 0), MakePixel(0x90, 0x90, 0x90));
    EXPECT_EQ(sprite.At(2, 0), 0u);
    EXPECT_EQ(sprite.At(3, 0), 0u);
}

TEST(BmpWriter, RowsArePaddedAndStoredBottomUp) {
    Surface picture(3, 2);
    picture.Set(0, 0, 0x0000ff);  // top row
    picture.Set(0, 1, 0xff0000);  // bottom row
    const std::vector<uint8_t> rgb = EncodeBmp24(picture);
    ASSERT_EQ(rgb.size(), 54u + 2 * 12);
    EXPECT_EQ(rgb[54], 0x00);  // bottom row first: red is blue 0, green 0, red 255
    EXPECT_EQ(rgb[56], 0xff);
    EXPECT_EQ(rgb[54 + 12], 0xff);  // then the top row's blue
    EXPECT_EQ(rgb[54 + 9], 0);      // padding

    const IndexedImage indexed = ToIndexed(picture, 256);
    const std::vector<uint8_t> eight = EncodeBmp8(indexed);
    const size_t pixels = 54 + indexed.palette.size() * 4;
    ASSERT_EQ(eight.size(), pixels + 2 * 4);
    EXPECT_EQ(indexed.palette[eight[pixels]], 0xff0000u);
    EXPECT_EQ(indexed.palette[eight[pixels + 4]], 0x0000ffu);
    EXPECT_EQ(eight[46], indexed.palette.size());  // biClrUsed
}

TEST(WaveWriter, PadsAnOddDataChunk) {
    const std::vector<uint8_t> wave = EncodeWave(8000, {128, 129, 130});
    ASSERT_EQ(wave.size(), 44u + 4);
    EXPECT_EQ(wave[40], 3);      // the data size excludes the pad byte
    EXPECT_EQ(wave[4], 48 - 8);  // the RIFF size includes it
    EXPECT_EQ(EncodeWave(8000, {128, 129}).size(), 46u);
}

TEST(Mastering, LimitsPeaksRemovesOffsetAndFadesTheEnds) {
    const double rate = 8000.0;
    Signal loud(8000);
    for (size_t i = 0; i < loud.size(); ++i) {
        loud[i] = 5.0 + ((i / 20) % 2 == 0 ? 3.0 : -3.0);  // a square wave riding on DC
    }
    const std::vector<uint8_t> out = Master(loud, rate, 1000.0);
    int peak = 0;
    long long sum = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        peak = std::max(peak, std::abs(int(out[i]) - 128));
        if (i > out.size() / 4) sum += int(out[i]) - 128;
    }
    EXPECT_LE(peak, kPeakLimit);
    EXPECT_GE(peak, kPeakLimit - 20);
    EXPECT_LE(std::llabs(sum) / (long long)(out.size() * 3 / 4), 3);
    EXPECT_EQ(out.front(), 128);
    EXPECT_LE(std::abs(int(out.back()) - 128), 1);
}

TEST(Mastering, BringsQuietSignalsToTheLoudness) {
    const double rate = 8000.0;
    Signal quiet(4000);
    for (size_t i = 0; i < quiet.size(); ++i) {
        quiet[i] = 0.01 * Sine(kTwoPi * 440.0 * double(i) / rate);
    }
    const std::vector<uint8_t> out = Master(quiet, rate, 30.0);
    double energy = 0.0;
    for (size_t i = 1000; i < 3000; ++i) energy += (int(out[i]) - 128) * (int(out[i]) - 128);
    EXPECT_NEAR(std::sqrt(energy / 2000.0), 30.0, 1.5);
}
