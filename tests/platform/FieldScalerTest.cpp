// The sharp field scaler and the window canvas: a known picture at recorded fractional sizes,
// exact nearest pixels at whole-number scales, changed rectangles presented exactly as a full
// repaint would draw them, and only what changed drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FieldPicture.h"
#include "platform/display/FieldScaler.h"
#include "platform/display/WindowCanvas.h"

namespace {

constexpr Pixel kRed = MakePixel(220, 30, 40);
constexpr Pixel kBlue = MakePixel(20, 60, 230);
constexpr Pixel kGreen = MakePixel(20, 200, 60);

// The picture scaled into a surface of exactly the field's size at that height.
Surface Scaled(const Surface& picture, int height) {
    Surface out(height / 2, height);
    FieldScaler scaler;
    scaler.SetDestination(out.Bounds(), picture.Width(), picture.Height());
    scaler.Draw(picture, TargetOf(out), out.Bounds());
    return out;
}

struct SizeCase {
    int height;
    uint64_t hash;
};

std::string CaseName(const SizeCase& c) { return "Height" + std::to_string(c.height); }
void PrintTo(const SizeCase& c, std::ostream* out) { *out << CaseName(c); }

class FieldScalerSizeTest : public ::testing::TestWithParam<SizeCase> {};

}  // namespace

// Fractional scales; the whole-number ones are checked pixel by pixel below.
TEST_P(FieldScalerSizeTest, KnownPictureScalesToKnownPixels) {
    EXPECT_EQ(HashPixels(Scaled(FieldTestPicture(), GetParam().height)), GetParam().hash);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, FieldScalerSizeTest,
    ::testing::Values(SizeCase{288, 12224287759678478027u},    // 0.5x
                      SizeCase{864, 14184718107676121199u},    // 1.5x
                      SizeCase{1012, 738641183386779833u},     // the first window at 1080
                      SizeCase{1080, 15927364082759521611u}),  // full screen at 1080, 1.875x
    [](const auto& info) { return CaseName(info.param); });

TEST(FieldScalerTest, WholeNumberScalesCopyTheNearestPixel) {
    const Surface picture = FieldTestPicture();
    EXPECT_EQ(HashPixels(Scaled(picture, 576)), HashPixels(picture));
    for (int scale : {2, 3}) {
        const Surface out = Scaled(picture, 576 * scale);
        for (int y = 0; y < out.Height(); ++y) {
            for (int x = 0; x < out.Width(); ++x) {
                ASSERT_EQ(out.At(x, y), picture.At(x / scale, y / scale)) << x << "," << y;
            }
        }
    }
}

namespace {

// A canvas laid out in a window of the layout's size, a red back buffer to present, and
// the list of what each present drew.
struct CanvasOverRed {
    explicit CanvasOverRed(const WindowLayout& layout)
        : window(layout.window.width, layout.window.height) {
        canvas.SetLayout(layout);
        backBuffer.Fill(kRed);
    }
    WindowCanvas canvas;
    Surface window;
    Surface backBuffer{288, 576};
    std::vector<Rect> changed;
};

}  // namespace

TEST(WindowCanvasTest, PresentingChangedRectanglesDrawsWhatARepaintWould) {
    for (const WindowLayout& layout :
         {WindowedLayout(PixelSize{506, 1032}), WindowedLayout(PixelSize{501, 884}),
          FullscreenLayout(PixelSize{1366, 768}), WindowedLayout(PixelSize{864, 1788})}) {
        WindowCanvas canvas;
        canvas.SetLayout(layout);
        Surface window(layout.window.width, layout.window.height);
        Surface backBuffer = FieldTestPicture();
        std::vector<Rect> changed;
        const Rect all[] = {backBuffer.Bounds()};
        canvas.Present(backBuffer, all, nullptr, TargetOf(window), changed);
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0], layout.field);

        // A few small changes, presented alone, and one outside the field.
        const Rect dirty[] = {Rect{10, 10, 13, 12}, Rect{143, 300, 160, 301},
                              Rect{280, 570, 300, 600}, Rect{-20, -20, -1, -1}};
        for (const Rect& r : dirty) {
            for (int y = std::max(0, r.top); y < std::min(576, r.bottom); ++y) {
                for (int x = std::max(0, r.left); x < std::min(288, r.right); ++x) {
                    backBuffer.Set(x, y, kRed);
                }
            }
        }
        canvas.Present(backBuffer, dirty, nullptr, TargetOf(window), changed);
        ASSERT_EQ(changed.size(), 3u);
        EXPECT_EQ(changed[0], layout.FieldToWindow(dirty[0]));

        WindowCanvas fresh;
        fresh.SetLayout(layout);
        fresh.Present(backBuffer, all, nullptr, TargetOf(window), changed);
        Surface repainted(layout.window.width, layout.window.height);
        fresh.Repaint(TargetOf(repainted), repainted.Bounds());
        EXPECT_EQ(HashPixels(window), HashPixels(repainted));
        EXPECT_EQ(HashPixels(canvas.Field()), HashPixels(backBuffer));
    }
}

TEST(WindowCanvasTest, OnlyChangedPixelsAreDrawnAndNeverOnCoveredRows) {
    const WindowLayout layout = FullscreenLayout(PixelSize{1920, 1080});
    CanvasOverRed setup(layout);
    auto& [canvas, window, backBuffer, changed] = setup;
    const Rect all[] = {backBuffer.Bounds()};
    canvas.Present(backBuffer, all, nullptr, TargetOf(window), changed);
    ASSERT_EQ(changed.size(), 1u);

    // Marked but unchanged: nothing to draw. One pixel changed: its reach alone.
    canvas.Present(backBuffer, all, nullptr, TargetOf(window), changed);
    EXPECT_TRUE(changed.empty());
    backBuffer.Set(100, 200, kBlue);
    canvas.Present(backBuffer, all, nullptr, TargetOf(window), changed);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], layout.FieldToWindow(Rect{100, 200, 101, 201}));

    // The bar over the top 20 rows: neither presenting nor repainting draws there.
    canvas.SetCoveredTop(20);
    window.Fill(kBlue);
    backBuffer.Fill(kGreen);
    canvas.Present(backBuffer, all, nullptr, TargetOf(window), changed);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], (Rect{690, 20, 1230, 1080}));
    canvas.Repaint(TargetOf(window), window.Bounds());
    EXPECT_EQ(window.At(700, 19), kBlue);
    EXPECT_EQ(window.At(700, 20), kGreen);
    EXPECT_EQ(window.At(689, 500), 0u);
    EXPECT_EQ(window.At(1230, 500), 0u);
    EXPECT_EQ(window.At(1229, 1079), kGreen);
}

TEST(WindowCanvasTest, ATileIsComparedAgainOnlyWhenItsCountMovesOrItShowedSomethingElse) {
    const WindowLayout layout = WindowedLayout(PixelSize{288, 596});
    CanvasOverRed setup(layout);
    auto& [canvas, window, backBuffer, changed] = setup;
    std::vector<uint32_t> counts(9 * 18, 0);
    std::vector<Rect> lastChanged(9 * 18);
    const TileChanges changes{9, counts, lastChanged};
    // A line of text's rows, presented every frame: parts of tiles in rows 6 and 7.
    const Rect text[] = {Rect{0, 220, 288, 240}};
    canvas.Present(backBuffer, text, &changes, TargetOf(window), changed);
    ASSERT_EQ(changed.size(), 1u);
    auto shows = [&](int x, int y) { return canvas.Field().At(x, y); };

    // Drawn where the count did not move: the field keeps what it copied.
    backBuffer.Set(40, 230, kBlue);
    canvas.Present(backBuffer, text, &changes, TargetOf(window), changed);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(shows(40, 230), kRed);
    // The count moved by one: compared where the last change was, and shown.
    ++counts[7 * 9 + 1];
    lastChanged[7 * 9 + 1] = Rect{38, 229, 42, 231};
    canvas.Present(backBuffer, text, &changes, TargetOf(window), changed);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], layout.FieldToWindow(Rect{40, 230, 41, 231}));
    // By two: the change before the last may be anywhere.
    backBuffer.Set(50, 235, kGreen);
    counts[7 * 9 + 1] += 2;
    canvas.Present(backBuffer, text, &changes, TargetOf(window), changed);
    EXPECT_EQ(shows(50, 235), kGreen);

    // A part of an unmoved tile that was never copied is compared.
    backBuffer.Set(40, 250, kGreen);
    const Rect taller[] = {Rect{0, 220, 288, 256}};
    canvas.Present(backBuffer, taller, &changes, TargetOf(window), changed);
    EXPECT_EQ(shows(40, 250), kGreen);

    // Another surface shown there, or the back buffer forgotten: compared again.
    Surface mark(288, 576);
    canvas.Present(mark, text, nullptr, TargetOf(window), changed);
    canvas.Present(backBuffer, text, &changes, TargetOf(window), changed);
    EXPECT_EQ(shows(40, 230), kBlue);
    backBuffer.Set(41, 230, kGreen);
    canvas.Forget(backBuffer);
    canvas.Present(backBuffer, text, &changes, TargetOf(window), changed);
    EXPECT_EQ(shows(41, 230), kGreen);
}
