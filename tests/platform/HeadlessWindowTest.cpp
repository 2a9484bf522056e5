// The headless window copies presented pixels only when its client area is read, and then
// shows what copying at every present would: rectangles across the mask's word edges, two
// surfaces taking turns, the same rectangles again or others on their rows, reads now and
// then, and a surface forgotten before it changes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "platform/DrawContext.h"
#include "platform/FieldGeometry.h"
#include "platform/headless/HeadlessWindow.h"

namespace {

// Edges that fall on, just before and just after the mask's 64-pixel words, and outside.
constexpr std::array<int, 12> kColumns{-5, 0, 1, 63, 64, 65, 127, 128, 200, 287, 288, 300};

TEST(HeadlessWindow, ShowsWhatCopyingAtEveryPresentWouldShow) {
    std::array<Surface, 2> sources{Surface(kFieldWidth, kFieldHeight),
                                   Surface(kFieldWidth, kFieldHeight)};
    Surface expected(kFieldWidth, kFieldHeight);
    DrawContext expectedDc(expected);
    HeadlessWindow window;
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % n);
    };
    std::array<Rect, 3> rects;
    for (int frame = 1; frame <= 60; ++frame) {
        Surface& source = sources[size_t(frame / 9 % 2)];
        // Every third frame presents the last one's rectangles again, the frame before keeps
        // their rows with other columns and heights.
        for (Rect& r : rects) {
            if (frame % 3 != 0) {
                const int a = kColumns[size_t(next(kColumns.size()))];
                const int b = kColumns[size_t(next(kColumns.size()))];
                const int top = frame % 3 == 2 ? r.top : next(kFieldHeight) - 10;
                r = Rect{std::min(a, b), top, std::max(a, b) + 1, top + 1 + next(40)};
            }
            // A frame's drawing changes only what it presents.
            const Rect inside = Intersect(r, source.Bounds());
            for (int y = inside.top; y < inside.bottom; ++y) {
                for (int x = inside.left; x < inside.right; ++x) {
                    source.Set(x, y, Pixel(frame * 7919 + x * 31 + y));
                }
            }
        }
        window.Present(source, rects, nullptr);
        for (const Rect& r : rects) {
            expectedDc.Copy(source, r.left, r.top, r.Width(), r.Height(), r.left, r.top);
        }
        if (frame % 7 == 0) {
            ASSERT_EQ(HashPixels(window.ClientPixels()), HashPixels(expected)) << "frame " << frame;
        }
    }
    // Forgotten surfaces may change anywhere: the window took what it showed of them.
    for (Surface& source : sources) {
        window.ForgetSurface(source);
        source.Fill(0x123456);
    }
    EXPECT_EQ(HashPixels(window.ClientPixels()), HashPixels(expected));
    EXPECT_EQ(window.PresentCount(), 60);
}

}  // namespace
