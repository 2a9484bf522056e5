// One picture of an art strip: a bitmap file's packed bitmap kept as loaded, drawn opaquely
// or with pure black transparent, normal or mirrored left to right.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/BitmapDecoder.h"
#include "platform/DrawContext.h"
#include "platform/FileSystem.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

class DibFrame {
public:
    // Reads a bitmap file; false (and nothing kept) when the file is missing, short, not a
    // regular file, over the size limit of bitmap files or not a bitmap this program can
    // draw, and when the frame already holds one.
    bool LoadFromFile(const char* fileName, FileSystem& files = RealFileSystem());
    // The same for the bytes of a bitmap file.
    bool LoadFromBytes(std::span<const uint8_t> file);

    bool IsLoaded() const { return !dib_.empty(); }
    // Sizes and formats of the loaded bitmap; 0, 0, -1 and -1 when nothing is loaded.
    int32_t FrameWidth() const { return layout_.width; }
    int32_t FrameHeight() const { return layout_.height; }
    int32_t BitCount() const { return IsLoaded() ? layout_.bitCount : -1; }
    int64_t ColourCount() const { return IsLoaded() ? int64_t(layout_.colourCount) : -1; }
    Rect FrameRect() const { return Rect{0, 0, FrameWidth(), FrameHeight()}; }
    // The packed bitmap as read (header, colour table, pixel rows) and its pixel rows.
    std::span<const uint8_t> Dib() const { return dib_; }
    const uint8_t* Pixels() const {
        return IsLoaded() ? dib_.data() + layout_.pixelOffset : nullptr;
    }

    // Opaque copy of source (the frame when null) onto dest (the frame when null). A
    // source with right < left reads its columns right to left: (w - 1, 0, -1, h) mirrors.
    // Sizes that differ stretch by nearest neighbour.
    bool PaintDib(DrawContext& dc, const Rect* dest, const Rect* source);
    // Copies the picture (variant 0) or its mirror (variant 1) to dest's top-left corner,
    // dest's size at most, leaving the target where the picture is pure black.
    bool DrawTransparent(DrawContext& dc, const Rect* dest, int variant);
    // Copies of the picture laid edge to edge from the target's top-left corner, each drawn
    // as DrawTransparent draws it, over each of `areas` inside the clip.
    bool DrawTiled(DrawContext& dc, std::span<const Rect> areas);

    uint8_t fromFile = 0;
    // Colour table entries, for bitmaps of 8 bits per pixel or fewer.
    uint32_t paletteSize = 0;

private:
    // The decoded picture (0) or its mirror (1), built on first use.
    const Surface& Variant(int variant);

    std::vector<uint8_t> dib_;
    DibLayout layout_;
    std::array<Surface, 2> variants_;
    // Whether the picture has pure black, which its transparent copies leave out.
    bool hasBlack_ = true;
};
