// Packed bitmap decoding. The layout check proves that every uncompressed read stays inside
// the bytes given; run-length data is read byte by byte and stops where the bytes end.
#include "platform/BitmapDecoder.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

using Palette = std::array<Pixel, 256>;

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t at) {
    return uint16_t(bytes[at] | (bytes[at + 1] << 8));
}

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | (uint32_t(bytes[at + 1]) << 8) | (uint32_t(bytes[at + 2]) << 16) |
           (uint32_t(bytes[at + 3]) << 24);
}

bool IsInfoHeaderSize(uint32_t size) {
    return size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsHandled(int bitCount, uint32_t compression) {
    switch (compression) {
        case BI_RGB:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                   bitCount == 24 || bitCount == 32;
        case BI_RLE8:
            return bitCount == 8;
        case BI_RLE4:
            return bitCount == 4;
        case BI_BITFIELDS:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

// Rows are padded to whole 32-bit words.
size_t RowStride(int width, int bitCount) {
    return (size_t(width) * size_t(bitCount) + 31) / 32 * 4;
}

// The masks live at offset 40: right after a 40-byte header, or inside the longer ones.
constexpr size_t kMaskOffset = 40;
constexpr size_t kMaskEnd = kMaskOffset + 12;

void SetDefaultMasks(DibLayout& layout) {
    if (layout.bitCount == 16) {
        layout.redMask = 0x7C00;
        layout.greenMask = 0x03E0;
        layout.blueMask = 0x001F;
    } else if (layout.bitCount == 32) {
        layout.redMask = 0xFF0000;
        layout.greenMask = 0xFF00;
        layout.blueMask = 0xFF;
    }
}

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class ChannelReader {
public:
    explicit ChannelReader(uint32_t mask)
        : shift_(mask == 0 ? 0 : std::countr_zero(mask)), bits_(std::countr_one(mask >> shift_)) {}

    uint8_t operator()(uint32_t pixel) const {
        if (bits_ == 0) return 0;
        if (bits_ >= 8) return uint8_t((pixel >> shift_) >> (bits_ - 8));
        // Only the mask's lowest run of ones counts.
        const uint32_t max = (1u << bits_) - 1;
        const uint32_t value = (pixel >> shift_) & max;
        return uint8_t((value * 255 + max / 2) / max);
    }

private:
    int shift_;
    int bits_;
};

Palette ReadPalette(std::span<const uint8_t> dib, const DibLayout& layout) {
    Palette palette{};  // indices past the table stay black
    for (uint32_t i = 0; i < layout.paletteEntries; ++i) {
        const size_t at = layout.colourTableOffset + size_t(i) * layout.entrySize;
        palette[i] = MakePixel(dib[at + 2], dib[at + 1], dib[at]);
    }
    return palette;
}

void DecodeRows(std::span<const uint8_t> pixels, const DibLayout& layout, const Palette& palette,
                Surface& out) {
    const size_t stride = RowStride(layout.width, layout.bitCount);
    const ChannelReader red(layout.redMask), green(layout.greenMask), blue(layout.blueMask);
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const std::span<const uint8_t> row = pixels.subspan(size_t(fileRow) * stride, stride);
        Pixel* to = out.Row(layout.height - 1 - fileRow);
        for (int x = 0; x < layout.width; ++x) {
            const size_t ux = size_t(x);
            switch (layout.bitCount) {
                case 1:
                    to[x] = palette[(row[ux / 8] >> (7 - ux % 8)) & 1];
                    break;
                case 4:
                    to[x] = palette[(row[ux / 2] >> (ux % 2 == 0 ? 4 : 0)) & 0xF];
                    break;
                case 8:
                    to[x] = palette[row[ux]];
                    break;
                case 16: {
                    const uint32_t value = ReadU16(row, ux * 2);
                    to[x] = MakePixel(red(value), green(value), blue(value));
                    break;
                }
                case 24:
                    to[x] = MakePixel(row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]);
                    break;
                default: {
                    const uint32_t value = ReadU32(row, ux * 4);
                    to[x] = MakePixel(red(value), green(value), blue(value));
                    break;
                }
            }
        }
    }
}

// Run-length data: pairs (count, value) for runs, escapes after a zero count for end of
// line (0), end of picture (1), a jump (2, dx, dy) and literal runs (n >= 3 pixels, padded
// to 16 bits). Pixels that land outside the picture are dropped.
void DecodeRle(std::span<const uint8_t> data, bool fourBit, const Palette& palette, Surface& out) {
    const int width = out.Width(), height = out.Height();
    size_t at = 0;
    auto next = [&](uint8_t& byte) {
        if (at >= data.size()) return false;
        byte = data[at++];
        return true;
    };
    auto indexOf = [fourBit](uint8_t byte, int k) {
        return fourBit ? (k % 2 == 0 ? byte >> 4 : byte & 0xF) : byte;
    };
    int x = 0, y = 0;  // y counts rows from the bottom
    while (y < height) {
        uint8_t count = 0, value = 0;
        if (!next(count) || !next(value)) return;
        Pixel* row = out.Row(height - 1 - y);
        if (count > 0) {
            const int visible = std::min<int>(count, width - x);
            for (int k = 0; k < visible; ++k) row[x + k] = palette[indexOf(value, k)];
            x = std::min(x + count, width);
            continue;
        }
        switch (value) {
            case 0:
                x = 0;
                ++y;
                break;
            case 1:
                return;
            case 2: {
                uint8_t dx = 0, dy = 0;
                if (!next(dx) || !next(dy)) return;
                x = std::min(x + dx, width);
                y += dy;
                break;
            }
            default: {
                uint8_t byte = 0;
                for (int k = 0; k < value; ++k) {
                    if ((!fourBit || k % 2 == 0) && !next(byte)) return;
                    if (x < width) row[x++] = palette[indexOf(byte, k)];
                }
                const size_t bytes = fourBit ? (value + 1u) / 2 : value;
                if (bytes % 2 != 0) at = std::min(at + 1, data.size());
                break;
            }
        }
    }
}

}  // namespace

std::optional<uint32_t> ReadFileHeader(std::span<const uint8_t, kFileHeaderSize> header) {
    constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
    if (ReadU16(header, 0) != kBitmapType || ReadU16(header, 6) != 0 || ReadU16(header, 8) != 0) {
        return std::nullopt;
    }
    const uint32_t fileSize = ReadU32(header, 2);
    if (fileSize < kFileHeaderSize + kCoreHeaderSize || fileSize > kMaxBitmapFileSize) {
        return std::nullopt;
    }
    return fileSize - uint32_t(kFileHeaderSize);
}

std::optional<DibLayout> ReadDibLayout(std::span<const uint8_t> dib) {
    if (dib.size() < 4) return std::nullopt;
    DibLayout layout;
    layout.headerSize = ReadU32(dib, 0);
    if (dib.size() < layout.headerSize) return std::nullopt;
    if (layout.headerSize == kCoreHeaderSize) {
        layout.width = ReadU16(dib, 4);
        layout.height = ReadU16(dib, 6);
        layout.bitCount = ReadU16(dib, 10);
        layout.entrySize = 3;
        const int bits = layout.bitCount;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return std::nullopt;
        layout.colourCount = uint64_t(1) << bits;
    } else if (IsInfoHeaderSize(layout.headerSize)) {
        layout.width = int32_t(ReadU32(dib, 4));
        layout.height = int32_t(ReadU32(dib, 8));
        layout.bitCount = ReadU16(dib, 14);
        layout.compression = ReadU32(dib, 16);
        if (!IsHandled(layout.bitCount, layout.compression)) return std::nullopt;
        const uint32_t coloursUsed = ReadU32(dib, 32);
        layout.colourCount = uint64_t(1) << layout.bitCount;
        if (coloursUsed > layout.colourCount) return std::nullopt;
        if (coloursUsed != 0) layout.colourCount = coloursUsed;
    } else {
        return std::nullopt;
    }
    if (layout.width <= 0 || layout.width > kMaxBitmapSide || layout.height <= 0 ||
        layout.height > kMaxBitmapSide ||
        int64_t(layout.width) * layout.height > kMaxBitmapPixels) {
        return std::nullopt;
    }

    layout.colourTableOffset = layout.headerSize;
    SetDefaultMasks(layout);
    if (layout.compression == BI_BITFIELDS) {
        if (dib.size() < kMaskEnd) return std::nullopt;
        layout.redMask = ReadU32(dib, kMaskOffset);
        layout.greenMask = ReadU32(dib, kMaskOffset + 4);
        layout.blueMask = ReadU32(dib, kMaskOffset + 8);
        layout.colourTableOffset = std::max<size_t>(layout.headerSize, kMaskEnd);
    }
    layout.paletteEntries = layout.bitCount <= 8 ? uint32_t(layout.colourCount) : 0;
    layout.pixelOffset =
        layout.colourTableOffset + size_t(layout.paletteEntries) * layout.entrySize;
    if (layout.pixelOffset > dib.size()) return std::nullopt;
    if (layout.compression == BI_RGB || layout.compression == BI_BITFIELDS) {
        const size_t rowBytes = RowStride(layout.width, layout.bitCount) * size_t(layout.height);
        if (rowBytes > dib.size() - layout.pixelOffset) return std::nullopt;
    }
    return layout;
}

std::optional<Surface> DecodeDib(std::span<const uint8_t> dib) {
    const std::optional<DibLayout> layout = ReadDibLayout(dib);
    if (!layout) return std::nullopt;
    Surface picture(layout->width, layout->height);
    const Palette palette = ReadPalette(dib, *layout);
    const std::span<const uint8_t> pixels = dib.subspan(layout->pixelOffset);
    switch (layout->compression) {
        case BI_RLE8:
            DecodeRle(pixels, false, palette, picture);
            break;
        case BI_RLE4:
            DecodeRle(pixels, true, palette, picture);
            break;
        default:
            DecodeRows(pixels, *layout, palette, picture);
            break;
    }
    return picture;
}
