// Bitmap encoding.
#include "BmpWriter.h"

#include "ByteWriter.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

uint32_t PaddedRow(int width, int bitsPerPixel) {
    return (uint32_t(width) * uint32_t(bitsPerPixel) / 8 + 3) & ~3u;
}

void PutHeaders(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t colours) {
    const uint32_t tableSize = colours * 4;
    const uint32_t imageSize = PaddedRow(width, bitsPerPixel) * uint32_t(height);
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + tableSize;
    out.Text("BM");
    out.U32(pixelOffset + imageSize);
    out.U16(0);
    out.U16(0);
    out.U32(pixelOffset);
    out.U32(kInfoHeaderSize);
    out.I32(width);
    out.I32(height);  // positive: bottom row first
    out.U16(1);
    out.U16(uint16_t(bitsPerPixel));
    out.U32(0);  // uncompressed
    out.U32(imageSize);
    out.I32(kPixelsPerMetre);
    out.I32(kPixelsPerMetre);
    out.U32(colours);
    out.U32(0);  // every colour is important
}

void PadRow(ByteWriter& out, uint32_t written, uint32_t padded) {
    for (uint32_t i = written; i < padded; ++i) {
        out.U8(0);
    }
}

}  // namespace

std::vector<uint8_t> EncodeBmp8(const IndexedImage& image) {
    ByteWriter out;
    PutHeaders(out, image.width, image.height, 8, uint32_t(image.palette.size()));
    for (Pixel colour : image.palette) {
        out.U8(PixelBlue(colour));
        out.U8(PixelGreen(colour));
        out.U8(PixelRed(colour));
        out.U8(0);
    }
    const uint32_t padded = PaddedRow(image.width, 8);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            out.U8(image.indices[size_t(y) * size_t(image.width) + size_t(x)]);
        }
        PadRow(out, uint32_t(image.width), padded);
    }
    return out.Take();
}

std::vector<uint8_t> EncodeBmp24(const Surface& picture) {
    ByteWriter out;
    PutHeaders(out, picture.Width(), picture.Height(), 24, 0);
    const uint32_t padded = PaddedRow(picture.Width(), 24);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel p = picture.At(x, y);
            out.U8(PixelBlue(p));
            out.U8(PixelGreen(p));
            out.U8(PixelRed(p));
        }
        PadRow(out, uint32_t(picture.Width()) * 3, padded);
    }
    return out.Take();
}
