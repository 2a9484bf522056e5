// The PNG writer: files that keep the bytes recorded when a decoder read them back to their
// pixels, of one stored block, of several, and of exactly one full block (15 rows of 1456
// pixels, 4369 bytes each with the filter byte); RGBA with an opacity per pixel.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/PngWriter.h"
#include "support/ByteHash.h"

namespace {

Surface Pattern(int width, int height) {
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.Set(x, y, MakePixel(uint8_t(x * 7), uint8_t(y * 13), uint8_t((x ^ y) * 3)));
        }
    }
    return surface;
}

struct RecordedPng {
    int width;
    int height;
    bool withAlpha;
    uint64_t hash;
};

void PrintTo(const RecordedPng& png, std::ostream* out) {
    *out << png.width << "x" << png.height << (png.withAlpha ? " RGBA" : " RGB");
}

class PngFile : public ::testing::TestWithParam<RecordedPng> {};

TEST_P(PngFile, KeepsItsRecordedBytes) {
    const RecordedPng& png = GetParam();
    const Surface surface = Pattern(png.width, png.height);
    std::vector<uint8_t> alpha;
    for (size_t i = 0; png.withAlpha && i < surface.Pixels().size(); ++i) {
        alpha.push_back(uint8_t(i * 5));
    }
    const std::vector<uint8_t> bytes = EncodePng(surface, alpha);
    EXPECT_EQ(HashBytes(bytes), png.hash);
    if (png.withAlpha) {
        alpha.pop_back();
        EXPECT_TRUE(EncodePng(surface, alpha).empty());
        return;
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / "pebblor-png-writer-test.png").string();
    ASSERT_TRUE(WritePng(surface, path));
    {  // closed before the removal, which Windows refuses on an open file
        std::ifstream file(path, std::ios::binary);
        EXPECT_EQ(std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {}), bytes);
    }
    std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngFile,
                         ::testing::Values(RecordedPng{5, 3, false, 0x16dbde3d9ebe3dbcu},
                                           RecordedPng{200, 120, false, 0x919c79c96d9fb627u},
                                           RecordedPng{1456, 15, false, 0xba3a3b7b60f804cfu},
                                           RecordedPng{300, 90, true, 0x9eaacb43e1245d87u}));

TEST(PngWriter, FailsOnAnEmptySurfaceOrAFileThatCannotBeWritten) {
    EXPECT_FALSE(WritePng(Pattern(4, 4), "/nonexistent-folder/picture.png"));
    EXPECT_FALSE(WritePng(Pattern(4, 4), std::filesystem::temp_directory_path().string()));
    const std::string path =
        (std::filesystem::temp_directory_path() / "pebblor-empty-test.png").string();
    EXPECT_FALSE(WritePng(Surface(), path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
