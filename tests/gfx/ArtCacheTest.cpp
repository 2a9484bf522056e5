// The art cache: one frame per name that loads, served again from memory, looked for again
// a second of frames later while nothing loads but read again only once a file changed, and
// held to the request limits.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "BmpBuilder.h"
#include "TempDir.h"
#include "gfx/ArtCache.h"
#include "gfx/ArtImage.h"
#include "gfx/DirtyRectSet.h"
#include "gfx/NameKey.h"
#include "support/SystemFileSystem.h"

namespace {

// Counts the files read and looked at.
class CountedReads : public SystemFileSystem {
public:
    std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path,
                                                        size_t maxBytes) override {
        ++reads;
        return SystemFileSystem::ReadRegularFile(path, maxBytes);
    }
    FileIdentity Identify(const std::string& path) override {
        ++looks;
        return SystemFileSystem::Identify(path);
    }

    int reads = 0;
    int looks = 0;
};

class ArtCacheTest : public testing::Test {
protected:
    // a.bmp, b.bmp and c.bmp are 1, 2 and 3 pixels wide, so frames tell their file.
    void SetUp() override {
        for (int width = 1; width <= 3; ++width)
            WriteFrame(std::string(1, char('a' + width - 1)) + ".bmp", width);
    }

    void WriteFrame(const std::string& name, int width) {
        WriteBytes(dir_.Path() / name, BuildBmpFile(TrueColourRecipe(
                                           width, 1, std::vector<Pixel>(size_t(width), 0x123456))));
    }

    // Enough frames for a request that gave nothing to be looked for again.
    void LetTheMissesLapse() {
        for (uint32_t i = 0; i < ArtCache::kFramesAMissStands; ++i) cache_.BeginFrame();
    }

    static std::vector<int> FrameWidths(const ArtImage* image) {
        std::vector<int> widths;
        for (int i = 0; i < image->frameCount; ++i) widths.push_back(image->frames[i].FrameWidth());
        return widths;
    }

    TempDir dir_;
    CurrentDirectory inside_{dir_.Path()};
    CountedReads files_;
    ArtCache cache_{files_};
};

TEST_F(ArtCacheTest, OneFramePerNameThatLoadsInOrderAcrossAnyWhiteSpace) {
    WriteBytes(dir_.Path() / "broken.bmp", {'B', 'M', 0, 0});
    const char* request = " \tc.bmp missing.bmp \t\n\r\v\f  a.bmp\t\tbroken.bmp b.bmp\n";
    ArtImage* image = cache_.GetArt(request);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(image->nameKey, NameKey(request));
    EXPECT_STREQ(image->name, request);
    EXPECT_STREQ(image->typeName, "ArtObject");
    EXPECT_EQ(cache_.GetArt(nullptr), nullptr);
    EXPECT_EQ(cache_.GetArt(""), nullptr);
    EXPECT_EQ(cache_.GetArt(" \t\n"), nullptr);
}

TEST_F(ArtCacheTest, TheSameRequestIsServedWithoutTheFiles) {
    ArtImage* first = cache_.GetArt("a.bmp b.bmp");
    ArtImage* other = cache_.GetArt("c.bmp");
    ASSERT_NE(first, nullptr);
    // The folder is emptied, not removed: Windows keeps the current folder from going.
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
        std::filesystem::remove_all(entry.path());
    }
    EXPECT_EQ(cache_.GetArt("a.bmp b.bmp"), first);
    EXPECT_EQ(cache_.GetArt("c.bmp"), other);
    // The key is of the text as given: another spelling is another request.
    EXPECT_EQ(cache_.GetArt("a.bmp  b.bmp"), nullptr);
}

TEST_F(ArtCacheTest, NothingLoadedIsNotCachedAndIsLookedForAgainASecondLater) {
    EXPECT_EQ(cache_.GetArt("x.bmp y.bmp"), nullptr);
    LetTheMissesLapse();
    EXPECT_EQ(cache_.GetArt("x.bmp y.bmp"), nullptr);
    // Until a second of frames has begun the miss stands, whatever the folder holds by now.
    const int looks = files_.looks;
    WriteFrame("y.bmp", 2);
    for (uint32_t i = 1; i < ArtCache::kFramesAMissStands; ++i) {
        cache_.BeginFrame();
        EXPECT_EQ(cache_.GetArt("x.bmp y.bmp"), nullptr);
    }
    EXPECT_EQ(files_.looks, looks);
    cache_.BeginFrame();
    ArtImage* image = cache_.GetArt("x.bmp y.bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{2}));
}

TEST_F(ArtCacheTest, AFolderGivenIsReadInsteadOfTheCurrentDirectory) {
    const std::filesystem::path folder = dir_.Path() / "art";
    std::filesystem::create_directories(folder);
    WriteBytes(folder / "a.bmp", BuildBmpFile(TrueColourRecipe(3, 1, std::vector<Pixel>(3, 1))));
    cache_.SetFolder(folder.string());
    ArtImage* image = cache_.GetArt("a.bmp b.bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{3}));
    // Missing there, a picture is looked for there again once it appears.
    EXPECT_EQ(cache_.GetArt("c.bmp"), nullptr);
    std::filesystem::copy_file(dir_.Path() / "c.bmp", folder / "c.bmp");
    LetTheMissesLapse();
    EXPECT_NE(cache_.GetArt("c.bmp"), nullptr);
    // Another folder is another look at once.
    EXPECT_EQ(cache_.GetArt("d.bmp"), nullptr);
    WriteFrame("d.bmp", 1);
    cache_.SetFolder("");
    EXPECT_NE(cache_.GetArt("d.bmp"), nullptr);
}

TEST_F(ArtCacheTest, RefusedFilesAreReadAgainOnlyOnceTheyChange) {
    WriteBytes(dir_.Path() / "x.bmp", std::vector<uint8_t>(1000, 'x'));
    EXPECT_EQ(cache_.GetArt("x.bmp y.bmp"), nullptr);
    EXPECT_EQ(files_.reads, 2);
    LetTheMissesLapse();
    EXPECT_EQ(cache_.GetArt("x.bmp y.bmp"), nullptr);
    EXPECT_EQ(files_.reads, 2) << "nothing changed";
    // Rewritten in place (file times may be too coarse to tell two quick writes apart, the
    // size is not), then replaced by a picture.
    WriteBytes(dir_.Path() / "x.bmp", std::vector<uint8_t>(999, 'z'));
    LetTheMissesLapse();
    EXPECT_EQ(cache_.GetArt("x.bmp y.bmp"), nullptr);
    EXPECT_EQ(files_.reads, 4);
    std::filesystem::rename(dir_.Path() / "c.bmp", dir_.Path() / "x.bmp");
    LetTheMissesLapse();
    ArtImage* image = cache_.GetArt("x.bmp y.bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{3}));
}

TEST_F(ArtCacheTest, RequestsAreHeldToAHundredNamesWithinTheFirst1023Characters) {
    std::string hundred;
    for (int i = 0; i < 99; ++i) hundred += "m.bmp ";
    EXPECT_EQ(cache_.GetArt((hundred + "m.bmp a.bmp").c_str()), nullptr);
    ArtImage* image = cache_.GetArt((hundred + "b.bmp").c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{2}));

    // "b.bmp" ends exactly at the limit and is read; "c.bmp" lies past it.
    std::string request = "a.bmp" + std::string(1018 - 5, ' ') + "b.bmp c.bmp";
    ASSERT_EQ(request.find("b.bmp") + 5, ArtCache::kMaxRequestLength);
    image = cache_.GetArt(request.c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{1, 2}));
    // A name running over the limit is not read cut short ("b.b" is not opened).
    WriteFrame("b.b", 3);
    request = "a.bmp" + std::string(1020 - 5, '\t') + "b.bmp";
    image = cache_.GetArt(request.c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FrameWidths(image), (std::vector<int>{1}));

    // The kept name is cut to 2047 characters; the key is of the whole request.
    request = "a.bmp" + std::string(3000, ' ');
    image = cache_.GetArt(request.c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(std::strlen(image->name), 2047u);
    EXPECT_EQ(image->nameKey, NameKey(request.c_str()));
}

TEST_F(ArtCacheTest, TheScreenObjectHandsOutItsCacheAndCountsItsFrames) {
    EXPECT_EQ(dirtyRects.GetArt("screen-object-art.bmp"), nullptr);
    WriteFrame("screen-object-art.bmp", 2);
    for (uint32_t i = 0; i < ArtCache::kFramesAMissStands; ++i) dirtyRects.BeginFrame();
    ArtImage* image = dirtyRects.GetArt("screen-object-art.bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(dirtyRects.GetArt("screen-object-art.bmp"), image);
}

}  // namespace
