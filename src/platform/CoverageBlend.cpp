// Blending a colour by coverage, portably and with SSE2 where the target has it.
#include "platform/CoverageBlend.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// One pixel: red and blue together, in the two 16-bit halves of a word; (t + (t >> 8)) >> 8
// with t = x + 128 is (x + 127) / 255 for every x up to 255 * 255.
Pixel Blend(Pixel under, Pixel colour, uint32_t coverage) {
    const uint32_t rest = 255 - coverage;
    uint32_t redBlue = (colour & 0xFF00FF) * coverage + (under & 0xFF00FF) * rest + 0x800080;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    uint32_t green = ((colour >> 8) & 0xFF) * coverage + ((under >> 8) & 0xFF) * rest + 0x80;
    green = (green + (green >> 8)) >> 8;
    return redBlue | (green << 8);
}

void BlendOne(Pixel* to, uint8_t coverage, Pixel colour) {
    if (coverage == 255) {
        *to = colour;
    } else if (coverage != 0) {
        *to = Blend(*to, colour, coverage);
    }
}

// Two pixels at a time, a byte of each in a 16-bit lane of its own: every sum of the blend
// fits in 16 bits. GCC and Clang carry the lanes in vector registers where the target has
// them.
using PixelBytes = uint8_t __attribute__((vector_size(8)));
using PixelLanes = uint16_t __attribute__((vector_size(16)));

PixelLanes LanesOf(const Pixel* pixels) {
    PixelBytes bytes;
    std::memcpy(&bytes, pixels, sizeof bytes);
    return __builtin_convertvector(bytes, PixelLanes);
}

PixelLanes Select(PixelLanes mask, PixelLanes ifSet, PixelLanes ifClear) {
    return (ifSet & mask) | (ifClear & ~mask);
}

// The colour's lanes: colourBits all of its bytes, which full coverage writes; channels
// 255 in the lanes of red, green and blue and 0 in the other, which a blend clears.
struct BlendColour {
    PixelLanes colourBits;
    PixelLanes channels;
};

void BlendTwo(Pixel* to, const uint8_t* coverage, const BlendColour& colour) {
    const uint8_t c0 = coverage[0], c1 = coverage[1];
    const PixelLanes c = {c0, c0, c0, c0, c1, c1, c1, c1};
    const PixelLanes under = LanesOf(to);
    const PixelLanes t = (colour.colourBits & colour.channels) * c + under * (255 - c) + 128;
    const PixelLanes blended = ((t + (t >> 8)) >> 8) & colour.channels;
    const PixelLanes result =
        Select(PixelLanes(c == 0), under, Select(PixelLanes(c == 255), colour.colourBits, blended));
    const PixelBytes bytes = __builtin_convertvector(result, PixelBytes);
    std::memcpy(to, &bytes, sizeof bytes);
}

}  // namespace

void BlendCoveragePortable(const CoverageBlock& block, Pixel colour) {
    const Pixel colours[2] = {colour, colour}, channels[2] = {0xFFFFFF, 0xFFFFFF};
    const BlendColour lanes{LanesOf(colours), LanesOf(channels)};
    for (int y = 0; y < block.height; ++y) {
        const uint8_t* from = block.coverage + y * block.coverageStride;
        Pixel* to = block.to + y * block.toStride;
        int x = 0;
        for (; x + 2 <= block.width; x += 2) {
            if ((from[x] | from[x + 1]) != 0) BlendTwo(to + x, from + x, lanes);
        }
        for (; x < block.width; ++x) BlendOne(to + x, from[x], colour);
    }
}

#if defined(__SSE2__)

namespace {

// Two pixels in 16-bit lanes under coverage c, each pixel's in its four lanes, the colour
// likewise: every byte blended, the fourth too. (t * 257) >> 16 is (t + (t >> 8)) >> 8 for
// every t below 65536.
__m128i BlendLanes(__m128i under, __m128i c, __m128i colour) {
    const __m128i rest = _mm_sub_epi16(_mm_set1_epi16(255), c);
    __m128i t = _mm_add_epi16(_mm_mullo_epi16(colour, c), _mm_mullo_epi16(under, rest));
    t = _mm_add_epi16(t, _mm_set1_epi16(128));
    return _mm_mulhi_epu16(t, _mm_set1_epi16(257));
}

// Up to four pixels in a register's 32-bit lanes, coverage in the bytes of a word from
// the lowest; lanes past those of the pixels are worked out and left unused.
__m128i BlendFour(__m128i pixels, uint32_t coverage, __m128i colour) {
    const __m128i zero = _mm_setzero_si128();
    __m128i c = _mm_cvtsi32_si128(int(coverage));
    c = _mm_unpacklo_epi8(c, c);
    c = _mm_unpacklo_epi16(c, c);  // each pixel's coverage in each of its bytes
    const __m128i low =
        BlendLanes(_mm_unpacklo_epi8(pixels, zero), _mm_unpacklo_epi8(c, zero), colour);
    const __m128i high =
        BlendLanes(_mm_unpackhi_epi8(pixels, zero), _mm_unpackhi_epi8(c, zero), colour);
    // The blend gives the pixel at coverage 0 and the colour at 255, fourth byte included;
    // in between that byte is cleared.
    const __m128i whole =
        _mm_or_si128(_mm_cmpeq_epi32(c, zero), _mm_cmpeq_epi32(c, _mm_set1_epi32(-1)));
    return _mm_and_si128(_mm_packus_epi16(low, high),
                         _mm_or_si128(whole, _mm_set1_epi32(0xFFFFFF)));
}

}  // namespace

void BlendCoverageSse2(const CoverageBlock& block, Pixel colour) {
    const __m128i lanes = _mm_unpacklo_epi8(_mm_set1_epi32(int(colour)), _mm_setzero_si128());
    // Locals: stores through the pixels could otherwise change the block.
    const int width = block.width, height = block.height;
    const ptrdiff_t toStride = block.toStride, coverageStride = block.coverageStride;
    const uint8_t* from = block.coverage;
    Pixel* to = block.to;
    for (int y = 0; y < height; ++y, from += coverageStride, to += toStride) {
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            uint32_t coverage;
            std::memcpy(&coverage, from + x, sizeof coverage);
            if (coverage == 0) continue;
            const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + x));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x),
                             BlendFour(pixels, coverage, lanes));
        }
        if (x + 2 <= width) {
            uint16_t coverage;
            std::memcpy(&coverage, from + x, sizeof coverage);
            if (coverage != 0) {
                const __m128i pixels = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(to + x));
                _mm_storel_epi64(reinterpret_cast<__m128i*>(to + x),
                                 BlendFour(pixels, coverage, lanes));
            }
            x += 2;
        }
        if (x < width) BlendOne(to + x, from[x], colour);
    }
}

#endif
