// The PNG writer: a file any decoder accepts, checked here by reading it back by hand:
// signature, chunk CRCs, the header, and the stored deflate blocks with their Adler-32.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/PngWriter.h"

namespace {

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
    return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) |
           uint32_t(b[at + 3]);
}

// Bitwise CRC-32, written independently of the writer's table-driven one.
uint32_t SlowCrc(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
};

struct ParsedPng {
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t colourType = 0;
    std::vector<uint8_t> raw;  // the inflated scanlines
};

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits the file into chunks, checking the signature and every CRC on the way.
std::vector<Chunk> ReadChunks(const std::vector<uint8_t>& file) {
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(file.size() >= 8 && std::equal(signature, signature + 8, file.begin()));
    std::vector<Chunk> chunks;
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t length = Be32(file, at);
        if (at + 12 + length > file.size()) {
            ADD_FAILURE() << "chunk runs past the end";
            break;
        }
        EXPECT_EQ(Be32(file, at + 8 + length), SlowCrc(file.data() + at + 4, length + 4));
        chunks.push_back({std::string(file.begin() + std::ptrdiff_t(at + 4),
                                      file.begin() + std::ptrdiff_t(at + 8)),
                          {file.begin() + std::ptrdiff_t(at + 8),
                           file.begin() + std::ptrdiff_t(at + 8 + length)}});
        at += 12 + length;
    }
    EXPECT_EQ(at, file.size());
    return chunks;
}

// Inflates a zlib stream made of stored blocks only, checking headers and the Adler-32.
std::vector<uint8_t> InflateStored(const std::vector<uint8_t>& z) {
    std::vector<uint8_t> out;
    EXPECT_GE(z.size(), 2u + 5u + 4u);
    EXPECT_EQ(z[0] & 0x0F, 8);                // deflate
    EXPECT_EQ(((z[0] << 8) | z[1]) % 31, 0);  // header check bits
    EXPECT_EQ(z[1] & 0x20, 0);                // no preset dictionary
    size_t at = 2;
    bool last = false;
    while (!last && at + 5 <= z.size()) {
        last = (z[at] & 1) != 0;
        EXPECT_EQ((z[at] >> 1) & 3, 0) << "not a stored block";
        const uint16_t length = uint16_t(z[at + 1] | (z[at + 2] << 8));
        const uint16_t complement = uint16_t(z[at + 3] | (z[at + 4] << 8));
        EXPECT_EQ(uint16_t(~length), complement);
        at += 5;
        if (at + length > z.size()) {
            ADD_FAILURE() << "block runs past the end";
            return out;
        }
        out.insert(out.end(), z.begin() + std::ptrdiff_t(at),
                   z.begin() + std::ptrdiff_t(at + length));
        at += length;
    }
    EXPECT_TRUE(last);
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : out) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(at + 4, z.size());
    if (at + 4 <= z.size()) {
        EXPECT_EQ(Be32(z, at), (b << 16) | a);
    }
    return out;
}

ParsedPng Parse(const std::vector<uint8_t>& file) {
    const std::vector<Chunk> chunks = ReadChunks(file);
    ParsedPng png;
    EXPECT_GE(chunks.size(), 3u);
    if (chunks.size() < 3) return png;
    EXPECT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(chunks.back().type, "IEND");
    EXPECT_TRUE(chunks.back().data.empty());
    const std::vector<uint8_t>& header = chunks.front().data;
    EXPECT_EQ(header.size(), 13u);
    png.width = Be32(header, 0);
    png.height = Be32(header, 4);
    EXPECT_EQ(header[8], 8);  // bits per channel
    png.colourType = header[9];
    EXPECT_EQ(header[10], 0);  // deflate
    EXPECT_EQ(header[11], 0);  // adaptive filtering
    EXPECT_EQ(header[12], 0);  // no interlace
    std::vector<uint8_t> stream;
    for (const Chunk& chunk : chunks) {
        if (chunk.type == "IDAT") stream.insert(stream.end(), chunk.data.begin(), chunk.data.end());
    }
    png.raw = InflateStored(stream);
    return png;
}

Surface Pattern(int width, int height) {
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.Set(x, y, MakePixel(uint8_t(x * 7), uint8_t(y * 13), uint8_t((x ^ y) * 3)));
        }
    }
    return surface;
}

// RGB, or RGBA when alpha holds the pixels' opacities.
void ExpectPixels(const ParsedPng& png, const Surface& surface,
                  const std::vector<uint8_t>& alpha = {}) {
    const size_t channels = alpha.empty() ? 3 : 4;
    ASSERT_EQ(png.colourType, alpha.empty() ? 2 : 6);
    ASSERT_EQ(png.width, uint32_t(surface.Width()));
    ASSERT_EQ(png.height, uint32_t(surface.Height()));
    const size_t stride = size_t(surface.Width()) * channels + 1;
    ASSERT_EQ(png.raw.size(), stride * size_t(surface.Height()));
    for (int y = 0; y < surface.Height(); ++y) {
        const uint8_t* row = png.raw.data() + size_t(y) * stride;
        ASSERT_EQ(row[0], 0) << "filter of row " << y;
        for (int x = 0; x < surface.Width(); ++x) {
            const Pixel p = surface.At(x, y);
            const uint8_t* pixel = row + 1 + channels * size_t(x);
            ASSERT_EQ(pixel[0], PixelRed(p));
            ASSERT_EQ(pixel[1], PixelGreen(p));
            ASSERT_EQ(pixel[2], PixelBlue(p));
            if (!alpha.empty()) {
                ASSERT_EQ(pixel[3], alpha[size_t(y * surface.Width() + x)]);
            }
        }
    }
}

}  // namespace

// Small; larger than one stored block (65535 bytes), so spanning several; exactly one full
// block: 15 rows of 1456 pixels, 4369 bytes each with the filter byte.
class PngFile : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(PngFile, DecodesToItsPixels) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "pebblor-png-writer-test.png").string();
    const Surface surface = Pattern(GetParam().first, GetParam().second);
    ASSERT_TRUE(WritePng(surface, path));
    ExpectPixels(Parse(ReadFile(path)), surface);
    std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngFile,
                         ::testing::Values(std::pair{5, 3}, std::pair{200, 120},
                                           std::pair{1456, 15}));

TEST(PngWriter, AnOpacityPerPixelMakesAnRgbaPicture) {
    const Surface surface = Pattern(300, 90);  // several stored blocks
    std::vector<uint8_t> alpha(surface.Pixels().size());
    for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = uint8_t(i * 5);
    ExpectPixels(Parse(EncodePng(surface, alpha)), surface, alpha);
    alpha.pop_back();
    EXPECT_TRUE(EncodePng(surface, alpha).empty());
}

TEST(PngWriter, FailsOnAnEmptySurfaceOrAFileThatCannotBeWritten) {
    EXPECT_FALSE(WritePng(Pattern(4, 4), "/nonexistent-folder/picture.png"));
    EXPECT_FALSE(WritePng(Pattern(4, 4), std::filesystem::temp_directory_path().string()));
    const std::string path =
        (std::filesystem::temp_directory_path() / "pebblor-empty-test.png").string();
    EXPECT_FALSE(WritePng(Surface(), path));
    EXPECT_FALSE(std::filesystem::exists(path));
}
