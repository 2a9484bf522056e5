// Reading packed bitmaps (header, colour table, pixel rows) into 32-bit pixel surfaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/Surface.h"

// Compression codes of the information header.
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;

// Header sizes: the old core header and the information header with its later extensions.
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

// Limits that keep a lying header from costing more than a real picture would.
constexpr int32_t kMaxBitmapSide = 16384;
// A compressed file can declare a picture far larger than itself: 16 million pixels
// (64 MiB decoded) is far beyond any picture the game shows.
constexpr int64_t kMaxBitmapPixels = 16 * 1024 * 1024;
constexpr uint32_t kMaxBitmapFileSize = 64u * 1024 * 1024;

// A bitmap file starts with a 14-byte file header: "BM", the file size, two reserved zeros
// and an offset this program does not use (the pixel rows are found from the header).
constexpr size_t kFileHeaderSize = 14;

// Where the parts of a packed bitmap lie, taken from its header. Offsets count from the
// start of the packed bitmap (the header's first byte).
struct DibLayout {
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // rows are stored bottom row first
    int32_t bitCount = 0;
    uint32_t compression = BI_RGB;
    // 2 to the power of the bit count, or the header's own count of used colours.
    uint64_t colourCount = 0;
    // Colour table entries actually present: colourCount up to 8 bits per pixel, else 0.
    uint32_t paletteEntries = 0;
    uint32_t entrySize = 4;  // 4 bytes (blue, green, red, reserved); 3 after a core header
    size_t colourTableOffset = 0;
    size_t pixelOffset = 0;
    // Channel masks of 16- and 32-bit pixels.
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
};

// The size of the packed bitmap that follows the file header (the file size less 14), or
// nothing when the header is not a bitmap file's or its size is out of bounds.
std::optional<uint32_t> ReadFileHeader(std::span<const uint8_t, kFileHeaderSize> header);

// The layout of a packed bitmap, or nothing when the header is not one this decoder handles
// or when its colour table or (uncompressed) pixel rows do not fit in the bytes given.
std::optional<DibLayout> ReadDibLayout(std::span<const uint8_t> dib);

// The picture, top row first, 0x00RRGGBB. Nothing when ReadDibLayout rejects the bytes.
// Compressed data that ends early leaves the rest of the picture black.
std::optional<Surface> DecodeDib(std::span<const uint8_t> dib);
