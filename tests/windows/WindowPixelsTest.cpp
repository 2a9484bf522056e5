// Presentation with GDI: exactly the given areas of the window's picture reach the device,
// from the picture's rows below the menu bar in full screen.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/WindowPixels.h"

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;
constexpr uint32_t kUntouched = 0x00123456;

// A memory device context over 32-bit pixels the test can read.
class MemoryDevice {
public:
    MemoryDevice() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<uint32_t*>(bits);
        context_ = CreateCompatibleDC(nullptr);
        SelectObject(context_, bitmap_);
        for (int i = 0; i < kWidth * kHeight; ++i) pixels_[i] = kUntouched;
    }
    ~MemoryDevice() {
        DeleteDC(context_);
        DeleteObject(bitmap_);
    }
    HDC Context() const { return context_; }
    uint32_t At(int x, int y) const { return pixels_[y * kWidth + x]; }

private:
    HBITMAP bitmap_ = nullptr;
    HDC context_ = nullptr;
    uint32_t* pixels_ = nullptr;
};

struct Shown {
    std::vector<Rect> areas;
    int originRow;
};

class WindowPixelsTest : public ::testing::TestWithParam<Shown> {};

TEST_P(WindowPixelsTest, OnlyTheGivenAreasReachTheDevice) {
    WindowPixels picture;
    picture.Resize(PixelSize{kWidth, kHeight});
    const PixelTarget target = picture.Target();
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) target.Row(y)[x] = uint32_t(y << 8 | x);
    }
    MemoryDevice device;
    ASSERT_TRUE(picture.Show(device.Context(), GetParam().areas, GetParam().originRow));
    GdiFlush();
    const int origin = GetParam().originRow;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int row = y + origin;  // the picture's row shown at device row y
            bool inside = false;
            for (const Rect& area : GetParam().areas) {
                inside = inside ||
                         (x >= area.left && x < area.right && row >= area.top && row < area.bottom);
            }
            const uint32_t expected = inside && row < kHeight ? uint32_t(row << 8 | x) : kUntouched;
            ASSERT_EQ(device.At(x, y), expected) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, WindowPixelsTest,
    ::testing::Values(Shown{{Rect{0, 0, kWidth, kHeight}}, 0}, Shown{{Rect{3, 4, 9, 11}}, 0},
                      Shown{{Rect{3, 4, 9, 11}, Rect{20, 0, 40, 2}, Rect{0, 29, 1, 30}}, 0},
                      // Partly off the picture: only its part on it.
                      Shown{{Rect{-5, -5, 4, 4}, Rect{35, 25, 60, 60}}, 0},
                      // Full screen with a menu bar: rows above the origin stay under it.
                      Shown{{Rect{0, 0, 10, 10}, Rect{12, 8, 20, 20}}, 6}));

}  // namespace
