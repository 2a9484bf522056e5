// Bitmap files built byte by byte, so the art tests know every pixel they decode.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/Surface.h"

// What goes into one bitmap. Header sizes 12 (core), 40, 52, 56, 108 and 124 are written
// with their own layouts; masks are written for compression 3 (after a 40-byte header,
// inside the longer ones).
struct BitmapRecipe {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<Pixel> colourTable{};  // 0x00RRGGBB, written as (blue, green, red[, 0])
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    std::vector<uint8_t> pixels{};  // as stored: bottom row first, or run-length data
};

// The packed bitmap: header, masks, colour table and pixel data.
std::vector<uint8_t> BuildDib(const BitmapRecipe& recipe);

// A whole file: the 14-byte file header, then the packed bitmap. The file size field says
// the true size unless fileSizeField is given.
std::vector<uint8_t> BuildBmpFile(const BitmapRecipe& recipe);
std::vector<uint8_t> BuildBmpFile(const BitmapRecipe& recipe, uint32_t fileSizeField);

// Pixel rows as stored, bottom row first, each padded to 32 bits, from values given top row
// first: palette indices for 1, 4 and 8 bits (packed high bits first), the raw 16- or
// 32-bit value, or 0x00RRGGBB for 24 bits.
std::vector<uint8_t> PackRows(int width, int height, int bitCount,
                              const std::vector<uint32_t>& topDownValues);

// A 24-bit picture with the given pixels, top row first.
BitmapRecipe TrueColourRecipe(int width, int height, const std::vector<Pixel>& topDownPixels);

// The surface's pixels, top row first.
std::vector<Pixel> PixelsOf(const Surface& surface);

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
