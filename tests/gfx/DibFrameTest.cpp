// Bitmap frames: loading files (and refusing broken ones), what they report, and painting
// them opaquely, stretched and mirrored. Whole runs check the transparent drawing.
#include <gtest/gtest.h>

#include <string>

#include "BmpBuilder.h"
#include "TempDir.h"
#include "gfx/DibFrame.h"

namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr Pixel kGrey = 0x808080;

// 3 x 2. Top row: red, black, green; bottom row: blue, white, black.
const std::vector<Pixel> kPicture = {kRed, 0, kGreen, kBlue, kWhite, 0};

class DibFrameTest : public testing::Test {
protected:
    std::string Write(const char* name, const std::vector<uint8_t>& bytes) {
        const std::filesystem::path path = dir_ / name;
        WriteBytes(path, bytes);
        return path.string();
    }

    // kPicture as a loaded frame.
    DibFrame PictureFrame() {
        DibFrame frame;
        EXPECT_TRUE(frame.LoadFromFile(
            Write("picture.bmp", BuildBmpFile(TrueColourRecipe(3, 2, kPicture))).c_str()));
        return frame;
    }

    // The w x h block of the target at (left, top), top row first.
    std::vector<Pixel> Block(int left, int top, int w, int h) const {
        std::vector<Pixel> block;
        for (int y = top; y < top + h; ++y) {
            for (int x = left; x < left + w; ++x) block.push_back(target_.At(x, y));
        }
        return block;
    }

    TempDir dir_;
    Surface target_{8, 6};
    DrawContext dc_{target_};

    void SetUp() override { target_.Fill(kGrey); }
};

// ---- loading and what a frame reports ----

TEST_F(DibFrameTest, ReportsWhatItLoadedAndNothingWhenEmpty) {
    const std::vector<uint8_t> file = BuildBmpFile({.width = 16,
                                                    .height = 4,
                                                    .bitCount = 8,
                                                    .coloursUsed = 16,
                                                    .colourTable = std::vector<Pixel>(16, kBlue),
                                                    .pixels = std::vector<uint8_t>(16 * 4, 1)});
    DibFrame frame;
    ASSERT_TRUE(frame.LoadFromFile(Write("pal16.bmp", file).c_str()));
    EXPECT_EQ(frame.fromFile, 1);
    EXPECT_EQ(frame.FrameRect(), (Rect{0, 0, 16, 4}));
    EXPECT_EQ(frame.BitCount(), 8);
    EXPECT_EQ(frame.ColourCount(), 16);
    EXPECT_EQ(frame.paletteSize, 16u);
    EXPECT_EQ(frame.Dib().size(), file.size() - 14);
    EXPECT_EQ(frame.Pixels() - frame.Dib().data(), 40 + 16 * 4);
    const DibFrame trueColour = PictureFrame();
    EXPECT_EQ(trueColour.ColourCount(), int64_t(1) << 24);
    EXPECT_EQ(trueColour.paletteSize, 0u);
    EXPECT_EQ(trueColour.Pixels() - trueColour.Dib().data(), 40);

    DibFrame empty;
    EXPECT_FALSE(empty.IsLoaded());
    EXPECT_EQ(empty.FrameRect(), Rect{});
    EXPECT_EQ(empty.BitCount(), -1);
    EXPECT_EQ(empty.ColourCount(), -1);
    EXPECT_EQ(empty.Pixels(), nullptr);
    EXPECT_FALSE(empty.PaintDib(dc_, nullptr, nullptr));
    EXPECT_FALSE(empty.DrawTransparent(dc_, nullptr, 0));
    EXPECT_EQ(PixelsOf(target_), std::vector<Pixel>(8 * 6, kGrey));
}

TEST_F(DibFrameTest, ALoadedFrameIsNeverReloadedAndBytesAfterTheFileSizeAreIgnored) {
    std::vector<uint8_t> file = BuildBmpFile(TrueColourRecipe(3, 2, kPicture));
    file.resize(file.size() + 100, 0xAB);
    DibFrame frame;
    ASSERT_TRUE(frame.LoadFromFile(Write("long.bmp", file).c_str()));
    EXPECT_EQ(frame.Dib().size(), file.size() - 100 - 14);
    const std::string other =
        Write("other.bmp", BuildBmpFile(TrueColourRecipe(5, 5, std::vector<Pixel>(25, kRed))));
    EXPECT_FALSE(frame.LoadFromFile(other.c_str()));
    EXPECT_EQ(frame.FrameWidth(), 3);
}

// ---- files that must not load ----

TEST_F(DibFrameTest, BrokenFilesAreRefused) {
    const std::vector<uint8_t> good = BuildBmpFile(TrueColourRecipe(3, 2, kPicture));
    auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> file = good;
        std::copy(bytes.begin(), bytes.end(), file.begin() + std::ptrdiff_t(at));
        return file;
    };
    auto sizeField = [](uint32_t size) {
        return std::vector<uint8_t>{uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16),
                                    uint8_t(size >> 24)};
    };
    const uint32_t trueSize = uint32_t(good.size());
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> cases = {
        {"not BM", patched(0, {'B', 'N'})},
        {"first reserved field", patched(6, {1})},
        {"second reserved field", patched(9, {0x80})},
        {"file size larger than the file", patched(2, sizeField(trueSize + 1))},
        {"file size too small for any header", patched(2, sizeField(14 + 11))},
        {"file size cutting the pixel rows", patched(2, sizeField(trueSize - 1))},
        {"file size above 64 MiB", patched(2, sizeField(kMaxBitmapFileSize + 1))},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        DibFrame frame;
        EXPECT_FALSE(frame.LoadFromFile(Write("broken.bmp", bytes).c_str()));
        EXPECT_FALSE(frame.IsLoaded());
        EXPECT_EQ(frame.Dib().size(), 0u);
    }
    DibFrame frame;
    EXPECT_FALSE(frame.LoadFromFile((dir_ / "missing.bmp").string().c_str()));
    EXPECT_FALSE(frame.LoadFromFile(dir_.Path().string().c_str()));
    EXPECT_FALSE(frame.LoadFromFile(nullptr));
}

// ---- drawing ----

TEST_F(DibFrameTest, PaintCopiesOpaquely) {
    DibFrame frame = PictureFrame();
    EXPECT_TRUE(frame.PaintDib(dc_, nullptr, nullptr));
    EXPECT_EQ(Block(0, 0, 3, 2), kPicture);
    EXPECT_EQ(Block(3, 0, 1, 2), (std::vector<Pixel>{kGrey, kGrey}));

    const Rect source{1, 0, 3, 2}, dest{5, 3, 7, 5};
    EXPECT_TRUE(frame.PaintDib(dc_, &dest, &source));
    EXPECT_EQ(Block(5, 3, 2, 2), (std::vector<Pixel>{0, kGreen, kWhite, 0}));
    // A reversed source mirrors.
    const Rect mirror{2, 0, -1, 2};
    EXPECT_TRUE(frame.PaintDib(dc_, nullptr, &mirror));
    EXPECT_EQ(Block(0, 0, 3, 2), (std::vector<Pixel>{kGreen, 0, kRed, 0, kWhite, kBlue}));
}

TEST_F(DibFrameTest, PaintStretchesByNearestNeighbourInsideTheClip) {
    DibFrame frame = PictureFrame();
    const Rect dest{0, 0, 6, 4};
    dc_.SetClip(Rect{0, 0, 6, 3});
    EXPECT_TRUE(frame.PaintDib(dc_, &dest, nullptr));
    EXPECT_EQ(Block(0, 0, 6, 4),
              (std::vector<Pixel>{kRed,  kRed,  0,      0,      kGreen, kGreen,  //
                                  kRed,  kRed,  0,      0,      kGreen, kGreen,  //
                                  kBlue, kBlue, kWhite, kWhite, 0,      0,       //
                                  kGrey, kGrey, kGrey,  kGrey,  kGrey,  kGrey}));
    const Rect empty{4, 4, 4, 6};
    EXPECT_FALSE(frame.PaintDib(dc_, &empty, nullptr));
}

}  // namespace
