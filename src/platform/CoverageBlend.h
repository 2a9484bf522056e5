// Laying a colour over pixels in proportion to an 8-bit coverage each, as text is blended:
// each channel becomes (colour * c + under * (255 - c) + 127) / 255 for coverage c. Coverage 0
// leaves a pixel as it is and 255 writes the colour, all four bytes; any other clears the
// fourth byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Surface.h"

// A block of width x height pixels from `to`, coverage from `coverage`; strides in elements.
struct CoverageBlock {
    Pixel* to;
    ptrdiff_t toStride;
    const uint8_t* coverage;
    ptrdiff_t coverageStride;
    int width;
    int height;
};

// Any target's way.
void BlendCoveragePortable(const CoverageBlock& block, Pixel colour);

#if defined(__SSE2__)
// Four pixels at a time in SSE2 registers: the same bytes as the portable way.
void BlendCoverageSse2(const CoverageBlock& block, Pixel colour);
#endif

inline void BlendCoverage(const CoverageBlock& block, Pixel colour) {
#if defined(__SSE2__)
    BlendCoverageSse2(block, colour);
#else
    BlendCoveragePortable(block, colour);
#endif
}
