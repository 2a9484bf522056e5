// Art images: what they carry, the screen object's clip they keep to, and captions. Whole
// runs check their pictures on the screen.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "BmpBuilder.h"
#include "TempDir.h"
#include "gfx/ArtImage.h"
#include "gfx/DirtyRectSet.h"
#include "platform/FieldGeometry.h"
#include "platform/Font.h"

namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080;

// Records what the caption step asks of it.
class RecordingFont : public Font {
public:
    void DrawText(DrawContext& dc, std::string_view text, const Rect& rect,
                  unsigned format) const override {
        calls.push_back(Call{std::string(text), rect, format, dc.TextColour()});
    }
    int MeasureWidth(std::string_view text) const override { return int(text.size()); }
    int CellHeight() const override { return 10; }

    struct Call {
        std::string text;
        Rect rect;
        unsigned format;
        ColorRef colour;
    };
    mutable std::vector<Call> calls;
};

class ArtImageTest : public testing::Test {
protected:
    void SetUp() override {
        screen_.Fill(kGrey);
        for (TileMap& map : dirtyRects.tiles) map.fill(TileRect{});
        dirtyRects.ResetClip();
    }
    void TearDown() override { SetUp(); }

    // An image of two frames: 2 x 2 (red, black / green, blue) and 1 x 1 blue.
    std::unique_ptr<ArtImage> TwoFrameImage(std::string_view name = "first.bmp second.bmp") {
        std::vector<DibFrame> frames(2);
        WriteBytes(dir_ / "first.bmp",
                   BuildBmpFile(TrueColourRecipe(2, 2, {kRed, 0, kGreen, kBlue})));
        WriteBytes(dir_ / "second.bmp", BuildBmpFile(TrueColourRecipe(1, 1, {kBlue})));
        EXPECT_TRUE(frames[0].LoadFromFile((dir_ / "first.bmp").string().c_str()));
        EXPECT_TRUE(frames[1].LoadFromFile((dir_ / "second.bmp").string().c_str()));
        return std::make_unique<ArtImage>(0x1234u, name, std::move(frames));
    }

    std::vector<Pixel> Block(int left, int top, int w, int h) const {
        std::vector<Pixel> block;
        for (int y = top; y < top + h; ++y) {
            for (int x = left; x < left + w; ++x) block.push_back(screen_.At(x, y));
        }
        return block;
    }

    TempDir dir_;
    Surface screen_{kFieldWidth, kFieldHeight};
    DrawContext dc_{screen_};
};

TEST_F(ArtImageTest, KeepsItsNameCutTo2047Characters) {
    EXPECT_EQ(std::strlen(TwoFrameImage(std::string(3000, 'n'))->name), 2047u);
}

TEST_F(ArtImageTest, DrawKeepsToTheScreenClipAndRestoresTheFullScreen) {
    const std::unique_ptr<ArtImage> image = TwoFrameImage();
    dirtyRects.clip = Rect{0, 0, 11, kFieldHeight};
    dc_.SetClip(Rect{0, 0, 1, 1});
    image->Draw(dc_, 10, 20, 0, 0, nullptr);
    EXPECT_EQ(Block(10, 20, 2, 2), (std::vector<Pixel>{kRed, kGrey, kGreen, kGrey}));
    EXPECT_EQ(dc_.Clip(), DirtyRectSet::fullScreenRegion);
}

TEST_F(ArtImageTest, CaptionIsWrittenOverTheFrameOnlyWhenTheImageHasOne) {
    const std::unique_ptr<ArtImage> image = TwoFrameImage();
    RecordingFont font;
    image->captionFont = &font;
    image->Draw(dc_, 5, 6, 0, 0, "ignored");
    EXPECT_TRUE(font.calls.empty());

    std::strcpy(image->caption, "HI");
    image->captionColour = MakeColorRef(1, 2, 3);
    image->Draw(dc_, 5, 6, 0, 0, nullptr);
    image->Draw(dc_, 5, 6, 0, 0, "YO");
    ASSERT_EQ(font.calls.size(), 2u);
    EXPECT_EQ(font.calls[0].text, "HI");
    EXPECT_EQ(font.calls[1].text, "YO");
    EXPECT_EQ(font.calls[0].rect, (Rect{5, 6, 7, 8}));
    EXPECT_EQ(font.calls[0].format, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(font.calls[0].colour, MakeColorRef(1, 2, 3));
}

}  // namespace
