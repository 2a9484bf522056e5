// The screen object's DrawText without a font or a text: nothing drawn, the rectangle still
// marked. The recorded runs show its text's colour and the rectangles it marks.
#include <gtest/gtest.h>

#include <memory>

#include "gfx/DirtyRectSet.h"
#include "platform/BakedFont.h"
#include "platform/FieldGeometry.h"
#include "platform/LitPixels.h"

namespace {

constexpr ColorRef kPaleGreen = 0xC8FFC8;

// The tile map a screen object has after marking only rect.
TileMap MarkedAlone(const Rect& rect) {
    DirtyRectSet reference;
    reference.MarkDirtyRect(rect);
    return reference.tiles[reference.current];
}

TEST(ScreenDrawTextTest, WithoutAFontOrTextNothingIsDrawnButTheRectangleIsMarked) {
    Surface backBuffer(kFieldWidth, kFieldHeight);
    DrawContext dc(backBuffer);
    const std::unique_ptr<Font> font = LoadBakedFont(16, "Tahoma");
    const Rect rect{0, 540, 288, 607};
    DirtyRectSet screen;
    screen.DrawText(dc, nullptr, "Click mouse to start playing", rect, kPaleGreen, DT_CENTER);
    EXPECT_EQ(screen.tiles[screen.current], MarkedAlone(rect));
    for (const char* text : {static_cast<const char*>(nullptr), ""}) {
        DirtyRectSet other;
        other.DrawText(dc, font.get(), text, Rect{0, 0, 288, 20}, kPaleGreen, DT_CENTER);
        EXPECT_EQ(other.tiles[other.current], MarkedAlone(Rect{0, 0, 288, 20}));
    }
    EXPECT_EQ(CountLit(backBuffer, 0), 0);
}

}  // namespace
