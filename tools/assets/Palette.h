// Colour reduction for palette bitmaps and icons: median cut, pure black kept as its own
// entry (index 0) so transparency survives, and no other colour ever mapped to black.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Surface.h"

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Pixel> palette;    // entry 0 is black
    std::vector<uint8_t> indices;  // top row first
};

// maxColours counts black and is at most 256. Exact when the picture has few enough colours.
IndexedImage ToIndexed(const Surface& picture, int maxColours);
Surface FromIndexed(const IndexedImage& image);
// The picture as it looks after reduction to maxColours.
Surface LimitColours(const Surface& picture, int maxColours);
