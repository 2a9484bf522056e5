// The generated bitmaps: the names the game asks for, their recorded bytes, which the game's
// loader reads back to the painted pixels, sizes that fit the objects' dirty boxes,
// transparent borders, and a background that tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "ArtCatalog.h"
#include "platform/BitmapDecoder.h"
#include "support/ByteHash.h"

namespace {

const std::vector<ArtFile>& Art() {
    static const std::vector<ArtFile> art = PaintAllArt();
    return art;
}

std::set<std::string> RequestedNames() {
    std::set<std::string> names = {"absBack.bmp",     "absTitle.bmp",    "smoke.bmp",
                                   "shot.bmp",        "shot-pellet.bmp", "shot-fragment.bmp",
                                   "shot-frag.bmp",   "shot-explo.bmp",  "shot-nuke.bmp",
                                   "shot-freeze.bmp", "shot-massive.bmp"};
    // Gem strips: the rows of the gem art table, three frames each.
    const char* strips[] = {"gemA", "gemGrB", "gemBlC", "gemB", "gemGrC", "gemBlD",
                            "gemC", "gemGrE", "gemBlF", "gemD", "gemGrA", "gemBlB",
                            "gemE", "gemGrF", "gemBlA", "gemF", "gemGrD", "gemBlE"};
    for (const char* strip : strips) {
        for (int frame = 0; frame < 3; ++frame) {
            names.insert(std::string(strip) + std::to_string(frame) + ".bmp");
        }
    }
    for (const char* strip : {"gemBIG", "gemGrBIG", "gemBlBIG"}) {
        for (int frame = 0; frame < 6; ++frame) {
            names.insert(std::string(strip) + std::to_string(frame) + ".bmp");
        }
    }
    return names;
}

// The largest sprite each kind of object can draw without leaving its dirty box, which
// spans 24 pixels for a gem, 64 for a big gem and 20 for a shot, a pixel to spare.
int SizeLimit(const std::string& name) {
    if (name.find("BIG") != std::string::npos) return 62;
    if (name.rfind("gem", 0) == 0) return 22;
    return name.rfind("shot", 0) == 0 ? 18 : 288;
}

bool IsSprite(const std::string& name) { return name != "absBack.bmp" && name != "absTitle.bmp"; }

bool BorderIsBlack(const Surface& p) {
    for (int x = 0; x < p.Width(); ++x) {
        if (p.At(x, 0) != 0 || p.At(x, p.Height() - 1) != 0) return false;
    }
    for (int y = 0; y < p.Height(); ++y) {
        if (p.At(0, y) != 0 || p.At(p.Width() - 1, y) != 0) return false;
    }
    return true;
}

int ChannelDistance(Pixel a, Pixel b) {
    return std::abs(int(PixelRed(a)) - int(PixelRed(b))) +
           std::abs(int(PixelGreen(a)) - int(PixelGreen(b))) +
           std::abs(int(PixelBlue(a)) - int(PixelBlue(b)));
}

const ArtFile& Find(const std::string& name) {
    for (const ArtFile& file : Art()) {
        if (file.name == name) return file;
    }
    throw std::runtime_error("no art named " + name);
}

}  // namespace

TEST(ArtFiles, AreExactlyTheFilesTheGameRequests) {
    std::set<std::string> painted;
    for (const ArtFile& file : Art()) {
        EXPECT_TRUE(painted.insert(file.name).second) << "painted twice: " << file.name;
    }
    EXPECT_EQ(painted, RequestedNames());
    EXPECT_EQ(Art().size(), 83u);
}

// Recorded from the painted files: a change to any painter, the palettes or the maths
// under them shows here, on every system the art is painted on.
TEST(ArtFiles, KeepTheirRecordedBytes) {
    uint64_t hash = kEmptyHash;
    for (const ArtFile& file : Art()) hash = HashBytes(EncodeArtFile(file), hash);
    EXPECT_EQ(hash, 0x8700c5744a6c1d68u);
}

TEST(ArtFiles, DecodeToThePaintedPixelsWithTransparencyKept) {
    for (const ArtFile& file : Art()) {
        SCOPED_TRACE(file.name);
        const std::vector<uint8_t> bytes = EncodeArtFile(file);
        const std::optional<Surface> decoded =
            DecodeDib(std::span<const uint8_t>(bytes).subspan(kFileHeaderSize));
        ASSERT_TRUE(decoded.has_value());
        ASSERT_EQ(decoded->Width(), file.picture.Width());
        ASSERT_EQ(decoded->Height(), file.picture.Height());
        int worst = 0;
        for (int y = 0; y < decoded->Height(); ++y) {
            for (int x = 0; x < decoded->Width(); ++x) {
                const Pixel painted = file.picture.At(x, y);
                const Pixel stored = decoded->At(x, y);
                // Black stays black and nothing else turns black: transparency is exact.
                ASSERT_EQ(painted == 0, stored == 0) << x << "," << y;
                worst = std::max(worst, ChannelDistance(painted, stored));
            }
        }
        // Palette reduction may shift colours a little, never change them.
        EXPECT_LE(worst, file.depth == BmpDepth::Rgb24 ? 0 : 60);
    }
}

TEST(ArtFiles, SpritesFitTheirDirtyBoxesWithTransparentBorders) {
    for (const ArtFile& file : Art()) {
        SCOPED_TRACE(file.name);
        const Surface& p = file.picture;
        EXPECT_LE(p.Width(), SizeLimit(file.name));
        EXPECT_LE(p.Height(), SizeLimit(file.name));
        if (!IsSprite(file.name)) continue;
        EXPECT_GE(p.Width(), 8);
        EXPECT_TRUE(BorderIsBlack(p));
        EXPECT_NE(p.At(p.Width() / 2, p.Height() / 2), 0u) << "the centre is empty";
    }
}

TEST(ArtFiles, BackgroundHasNoBlackAndTilesSeamlessly) {
    const Surface& tile = Find("absBack.bmp").picture;
    const int w = tile.Width();
    const int h = tile.Height();
    // Seamless: the step from the last column to the first (and the last row to the first)
    // is no bigger than the largest step between neighbouring columns (rows) inside.
    auto step = [&](int i, bool across) {
        int sum = 0;
        for (int j = 0; j < (across ? h : w); ++j) {
            sum += across ? ChannelDistance(tile.At(i, j), tile.At((i + 1) % w, j))
                          : ChannelDistance(tile.At(j, i), tile.At(j, (i + 1) % h));
        }
        return sum;
    };
    int largestColumnStep = 0;
    int largestRowStep = 0;
    for (int i = 0; i + 1 < w; ++i) largestColumnStep = std::max(largestColumnStep, step(i, true));
    for (int i = 0; i + 1 < h; ++i) largestRowStep = std::max(largestRowStep, step(i, false));
    EXPECT_LE(step(w - 1, true), largestColumnStep);
    EXPECT_LE(step(h - 1, false), largestRowStep);
    // No black, and dark enough for the gems to stand out.
    long long brightness = 0;
    for (Pixel p : tile.Pixels()) {
        ASSERT_NE(p, 0u);
        brightness += PixelRed(p) + PixelGreen(p) + PixelBlue(p);
    }
    EXPECT_LT(brightness / (3 * w * h), 60);
}
