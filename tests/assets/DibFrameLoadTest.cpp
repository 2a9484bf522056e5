// Every generated bitmap, written to a file, loads through the game's own DibFrame and
// draws the painted picture, black left transparent.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ArtCatalog.h"
#include "gfx/DibFrame.h"
#include "platform/DrawContext.h"

namespace {

constexpr Pixel kUnderneath = 0x123456;

// The file beside the others in the system's temporary folder, under a name of its own.
std::filesystem::path WriteTemporary(const ArtFile& file) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("pebblor-" + std::to_string(getpid()) + "-" + file.name);
    const std::vector<uint8_t> bytes = EncodeArtFile(file);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

}  // namespace

TEST(GeneratedArt, LoadsAndDrawsThroughDibFrame) {
    for (const ArtFile& file : PaintAllArt()) {
        SCOPED_TRACE(file.name);
        const std::filesystem::path path = WriteTemporary(file);
        DibFrame frame;
        const bool loaded = frame.LoadFromFile(path.c_str());
        std::filesystem::remove(path);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(frame.FrameWidth(), file.picture.Width());
        EXPECT_EQ(frame.FrameHeight(), file.picture.Height());
        EXPECT_EQ(frame.BitCount(), file.depth == BmpDepth::Indexed8 ? 8 : 24);
        Surface target(file.picture.Width(), file.picture.Height());
        target.Fill(kUnderneath);
        DrawContext dc(target);
        ASSERT_TRUE(frame.DrawTransparent(dc, nullptr, 0));
        for (int y = 0; y < target.Height(); ++y) {
            for (int x = 0; x < target.Width(); ++x) {
                const bool transparent = file.picture.At(x, y) == 0;
                ASSERT_EQ(target.At(x, y) == kUnderneath, transparent) << x << "," << y;
            }
        }
        std::filesystem::remove(path);
    }
}
