// Loading and drawing one bitmap frame.
#include "gfx/DibFrame.h"

#include <algorithm>
#include <optional>

namespace {

// The source pixel for the i-th of n destination pixels when the source span starts at
// start and is m pixels long (m < 0: read backwards from start). Nearest neighbour.
int64_t SourceIndex(int64_t start, int64_t m, int64_t n, int64_t i) {
    // i < n and |m| stay below 2^32, so the product fits.
    const uint64_t k = uint64_t(i) * uint64_t(m < 0 ? -m : m) / uint64_t(n);
    return m > 0 ? start + int64_t(k) : start - int64_t(k);
}

}  // namespace

bool DibFrame::LoadFromFile(const char* fileName, FileSystem& files) {
    if (IsLoaded() || fileName == nullptr) return false;
    const std::optional<std::vector<uint8_t>> file =
        files.ReadRegularFile(fileName, kMaxBitmapFileSize);
    return file && LoadFromBytes(*file);
}

bool DibFrame::LoadFromBytes(std::span<const uint8_t> file) {
    if (IsLoaded() || file.size() < kFileHeaderSize) return false;
    const std::optional<uint32_t> dibSize = ReadFileHeader(file.first<kFileHeaderSize>());
    // Bytes after the stated size are not the bitmap's.
    if (!dibSize || *dibSize > file.size() - kFileHeaderSize) return false;
    const std::span<const uint8_t> dib = file.subspan(kFileHeaderSize, *dibSize);
    const std::optional<DibLayout> layout = ReadDibLayout(dib);
    if (!layout) return false;
    dib_.assign(dib.begin(), dib.end());
    layout_ = *layout;
    fromFile = 1;
    paletteSize = layout_.paletteEntries;
    return true;
}

bool DibFrame::PaintDib(DrawContext& dc, const Rect* dest, const Rect* source) {
    if (!IsLoaded()) return false;
    const Rect to = dest != nullptr ? *dest : FrameRect();
    const Rect from = source != nullptr ? *source : FrameRect();
    const int64_t dw = int64_t(to.right) - to.left, dh = int64_t(to.bottom) - to.top;
    const int64_t sw = int64_t(from.right) - from.left, sh = int64_t(from.bottom) - from.top;
    if (dw <= 0 || dh <= 0 || sw == 0 || sh == 0) return false;
    const Surface& picture = Variant(0);
    const Rect area = Intersect(to, dc.Clip());
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const int64_t sy = SourceIndex(from.top, sh, dh, int64_t(y) - to.top);
        if (sy < 0 || sy >= picture.Height()) continue;
        for (int32_t x = area.left; x < area.right; ++x) {
            const int64_t sx = SourceIndex(from.left, sw, dw, int64_t(x) - to.left);
            if (sx >= 0 && sx < picture.Width()) dc.Plot(x, y, picture.At(int(sx), int(sy)));
        }
    }
    return true;
}

bool DibFrame::DrawTransparent(DrawContext& dc, const Rect* dest, int variant) {
    if (!IsLoaded() || (variant != 0 && variant != 1)) return false;
    const Rect to = dest != nullptr ? *dest : FrameRect();
    const Surface& picture = Variant(variant);
    const int64_t width = std::clamp<int64_t>(int64_t(to.right) - to.left, 0, picture.Width());
    const int64_t height = std::clamp<int64_t>(int64_t(to.bottom) - to.top, 0, picture.Height());
    // A picture without pure black covers what is under it: a plain copy draws the same.
    if (hasBlack_) {
        dc.CopyTransparent(picture, 0, 0, int(width), int(height), to.left, to.top);
    } else {
        dc.Copy(picture, 0, 0, int(width), int(height), to.left, to.top);
    }
    // The masked copy leaves black as the text colour.
    dc.SetTextColour(0);
    return true;
}

bool DibFrame::DrawTiled(DrawContext& dc, std::span<const Rect> areas) {
    if (!IsLoaded()) return false;
    // Areas of no size cover nothing. The picture is decoded at the first area with one: a
    // frame with none allocates nothing.
    const Surface* picture = nullptr;
    for (const Rect& area : areas) {
        if (area.IsEmpty()) continue;
        if (picture == nullptr) picture = &Variant(0);
        dc.CopyTiled(*picture, area, hasBlack_);
    }
    if (picture != nullptr) dc.SetTextColour(0);  // as DrawTransparent leaves it
    return true;
}

const Surface& DibFrame::Variant(int variant) {
    Surface& surface = variants_[size_t(variant)];
    if (surface.IsEmpty()) {
        if (variant == 1) {
            surface = Variant(0).Mirrored();
        } else if (std::optional<Surface> picture = DecodeDib(dib_)) {
            surface = std::move(*picture);
            // Iterators, not ranges: the browser build's C++ library has no ranges::find.
            const auto pixels = surface.Pixels();
            hasBlack_ = std::find(pixels.begin(), pixels.end(), Pixel{0}) != pixels.end();
        }
    }
    return surface;
}
