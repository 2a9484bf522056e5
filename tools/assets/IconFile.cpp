// The icon file layout: a directory of entries, then each picture as a bitmap without its
// file header (twice its height: the colours, then the transparency mask) or as a PNG.
#include "IconFile.h"

#include <algorithm>

#include "ByteWriter.h"
#include "platform/PngWriter.h"

namespace {

constexpr int kLargestIcon = 256;
constexpr int kPaletteColours = 16;
constexpr uint32_t kBitmapInfoHeaderSize = 40;
constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;

// Bytes of one row of `bits`-bit pixels, padded to four.
uint32_t RowBytes(int width, int bits) { return uint32_t((width * bits + 31) / 32 * 4); }

bool IsTransparent(const IconImage& image, int x, int y) {
    if (image.alpha.empty()) return image.colour.At(x, y) == 0;
    return image.alpha[size_t(y) * size_t(image.colour.Width()) + size_t(x)] == 0;
}

// The colours of a 16-colour picture, black first; empty when there are more than 16.
std::vector<Pixel> PaletteOf(const Surface& picture) {
    std::vector<Pixel> palette{0};
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel p = picture.At(x, y);
            if (std::find(palette.begin(), palette.end(), p) != palette.end()) continue;
            if (int(palette.size()) == kPaletteColours) return {};
            palette.push_back(p);
        }
    }
    palette.resize(kPaletteColours, 0);
    return palette;
}

void PutBitmapHeader(ByteWriter& out, int size, int bits, uint32_t imageBytes) {
    out.U32(kBitmapInfoHeaderSize);
    out.I32(size);
    out.I32(2 * size);  // the colours and the mask
    out.U16(1);
    out.U16(uint16_t(bits));
    out.U32(0);  // uncompressed
    out.U32(imageBytes);
    out.U32(0);
    out.U32(0);
    out.U32(bits == 4 ? kPaletteColours : 0);
    out.U32(0);
}

// The transparency mask: one bit a pixel, set where the picture is transparent.
void PutMask(ByteWriter& out, const IconImage& image) {
    const int size = image.colour.Width();
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(RowBytes(size, 1), 0);
        for (int x = 0; x < size; ++x) {
            if (IsTransparent(image, x, y)) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        }
        out.Bytes(row);
    }
}

std::vector<uint8_t> SixteenColourBitmap(const IconImage& image,
                                         const std::vector<Pixel>& palette) {
    const int size = image.colour.Width();
    ByteWriter out;
    PutBitmapHeader(out, size, 4, (RowBytes(size, 4) + RowBytes(size, 1)) * uint32_t(size));
    for (const Pixel colour : palette) {
        out.U8(uint8_t(PixelBlue(colour)));
        out.U8(uint8_t(PixelGreen(colour)));
        out.U8(uint8_t(PixelRed(colour)));
        out.U8(0);
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(RowBytes(size, 4), 0);
        for (int x = 0; x < size; ++x) {
            const auto index = uint8_t(
                std::find(palette.begin(), palette.end(), image.colour.At(x, y)) - palette.begin());
            row[size_t(x / 2)] |= uint8_t(x % 2 == 0 ? index << 4 : index);
        }
        out.Bytes(row);
    }
    PutMask(out, image);
    return out.Take();
}

std::vector<uint8_t> FullColourBitmap(const IconImage& image) {
    const int size = image.colour.Width();
    ByteWriter out;
    PutBitmapHeader(out, size, 32, (RowBytes(size, 32) + RowBytes(size, 1)) * uint32_t(size));
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Pixel colour = image.colour.At(x, y);
            out.U8(uint8_t(PixelBlue(colour)));
            out.U8(uint8_t(PixelGreen(colour)));
            out.U8(uint8_t(PixelRed(colour)));
            out.U8(image.alpha[size_t(y) * size_t(size) + size_t(x)]);
        }
    }
    PutMask(out, image);
    return out.Take();
}

}  // namespace

IconImage SixteenColourImage(const Surface& picture) { return IconImage{picture, {}}; }

IconImage FullColourImage(const DesktopIcon& icon) { return IconImage{icon.colour, icon.alpha}; }

std::vector<uint8_t> EncodeIconFile(const std::vector<IconImage>& images) {
    std::vector<std::vector<uint8_t>> pictures;
    for (const IconImage& image : images) {
        const int size = image.colour.Width();
        if (size <= 0 || size > kLargestIcon || image.colour.Height() != size) return {};
        if (image.alpha.empty()) {
            const std::vector<Pixel> palette = PaletteOf(image.colour);
            if (palette.empty()) return {};
            pictures.push_back(SixteenColourBitmap(image, palette));
        } else if (size == kLargestIcon) {
            pictures.push_back(EncodePng(image.colour, image.alpha));
        } else {
            pictures.push_back(FullColourBitmap(image));
        }
    }
    ByteWriter out;
    out.U16(0);
    out.U16(1);  // an icon, not a cursor
    out.U16(uint16_t(images.size()));
    uint32_t offset = kDirectorySize + kEntrySize * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].colour.Width();
        const bool sixteen = images[i].alpha.empty();
        out.U8(uint8_t(size % kLargestIcon));  // 0 stands for 256
        out.U8(uint8_t(size % kLargestIcon));
        out.U8(sixteen ? kPaletteColours : 0);
        out.U8(0);
        out.U16(1);
        out.U16(sixteen ? 4 : 32);
        out.U32(uint32_t(pictures[i].size()));
        out.U32(offset);
        offset += uint32_t(pictures[i].size());
    }
    for (const std::vector<uint8_t>& picture : pictures) out.Bytes(picture);
    return out.Take();
}
