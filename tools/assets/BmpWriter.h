// Windows bitmap files: the 14-byte file header, the 40-byte information header, and
// bottom-up rows padded to four bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "Palette.h"

// 8 bits per pixel; biClrUsed is the palette's size.
std::vector<uint8_t> EncodeBmp8(const IndexedImage& image);
// 24 bits per pixel, no colour table.
std::vector<uint8_t> EncodeBmp24(const Surface& picture);
