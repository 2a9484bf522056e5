// Fuzz target: bitmap files loaded from their bytes into a frame, then drawn every way the
// game draws them: transparent and mirrored, and opaque, stretched and reversed.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzLimits.h"
#include "gfx/DibFrame.h"
#include "platform/DrawContext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibFrame frame;
    if (!frame.LoadFromBytes(std::span<const uint8_t>(data, size))) return 0;
    const int width = frame.FrameWidth(), height = frame.FrameHeight();
    if (int64_t(width) * height > kFuzzMostPixels) return -1;
    Surface target(48, 40);
    DrawContext dc(target);
    const Rect offset{-3, -2, 45, 37};
    frame.DrawTransparent(dc, &offset, 0);
    frame.DrawTransparent(dc, nullptr, 1);
    const Rect reversed{width - 1, 0, -1, height};
    frame.PaintDib(dc, &offset, &reversed);
    frame.PaintDib(dc, nullptr, nullptr);
    return 0;
}
