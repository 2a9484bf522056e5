// The screen object's DrawText: text in the given colour, and exactly its rectangle marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "gfx/DirtyRectSet.h"
#include "platform/BakedFont.h"
#include "platform/FieldGeometry.h"
#include "platform/LitPixels.h"

namespace {

constexpr ColorRef kPaleGreen = 0xC8FFC8;

class ScreenDrawTextTest : public ::testing::Test {
protected:
    ScreenDrawTextTest() : dc_(backBuffer_) {}

    // The tile map a screen object has after marking only rect.
    static TileMap MarkedAlone(const Rect& rect) {
        DirtyRectSet reference;
        reference.MarkDirtyRect(rect);
        return reference.tiles[reference.current];
    }

    DirtyRectSet screen_;
    Surface backBuffer_{kFieldWidth, kFieldHeight};
    DrawContext dc_;
    const std::unique_ptr<Font> font_ = LoadBakedFont(16, "Tahoma");
};

TEST_F(ScreenDrawTextTest, MarksTheRectangleAsPassedNotWhatTheTextCovers) {
    const Rect rect{40, 100, 250, 170};
    screen_.DrawText(dc_, font_.get(), "Hi", rect, kPaleGreen, DT_LEFT);
    EXPECT_EQ(screen_.tiles[screen_.current], MarkedAlone(rect));
    EXPECT_EQ(screen_.tiles[screen_.previous], TileMap{});
    EXPECT_EQ(screen_.tiles[screen_.present], TileMap{});

    const Rect offScreen{-40, 560, 20, 600};
    DirtyRectSet alone;
    alone.DrawText(dc_, font_.get(), "PAUSED", offScreen, kPaleGreen, DT_CENTER);
    EXPECT_EQ(alone.tiles[alone.current], MarkedAlone(offScreen));
}

TEST_F(ScreenDrawTextTest, WithoutAFontOrTextNothingIsDrawnButTheRectangleIsMarked) {
    const Rect rect{0, 540, 288, 607};
    screen_.DrawText(dc_, nullptr, "Click mouse to start playing", rect, kPaleGreen, DT_CENTER);
    EXPECT_EQ(screen_.tiles[screen_.current], MarkedAlone(rect));
    for (const char* text : {static_cast<const char*>(nullptr), ""}) {
        DirtyRectSet other;
        other.DrawText(dc_, font_.get(), text, Rect{0, 0, 288, 20}, kPaleGreen, DT_CENTER);
        EXPECT_EQ(other.tiles[other.current], MarkedAlone(Rect{0, 0, 288, 20}));
    }
    EXPECT_EQ(CountLit(backBuffer_, 0), 0);
}

TEST_F(ScreenDrawTextTest, DrawsInTheColourWhichStaysSelected) {
    ASSERT_NE(font_, nullptr);
    const Rect rect{0, 220, 288, 240};
    screen_.DrawText(dc_, font_.get(), "High Scores", rect, kPaleGreen, DT_CENTER);
    EXPECT_EQ(dc_.TextColour(), kPaleGreen);
    EXPECT_GT(std::count(backBuffer_.Pixels().begin(), backBuffer_.Pixels().end(),
                         PixelFromColorRef(kPaleGreen)),
              10);
    EXPECT_TRUE(Contains(rect, LitBox(backBuffer_, 0)));

    // The same pixels as the font draws by itself in that colour.
    Surface direct(kFieldWidth, kFieldHeight);
    DrawContext directDc(direct);
    directDc.SetTextColour(kPaleGreen);
    font_->DrawText(directDc, "High Scores", rect, DT_CENTER);
    EXPECT_EQ(HashPixels(direct), HashPixels(backBuffer_));
}

}  // namespace
