// The SSE2 blend gives the portable blend's bytes: for every coverage, any pixel under it
// (its fourth byte too), every width's tail, and the pixels beside the block untouched.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/CoverageBlend.h"

#if defined(__SSE2__)
namespace {

TEST(CoverageBlend, Sse2GivesThePortableBytes) {
    std::mt19937 random(7);
    constexpr int kStride = 16;
    for (const Pixel colour : {Pixel{0xFFFFFF}, Pixel{0x12F0A5}, Pixel{0x9E01807F}}) {
        for (int width = 1; width <= 13; ++width) {
            // Each coverage value lands on every place of a four-pixel group in turn.
            std::vector<uint8_t> coverage(size_t(kStride) * 64);
            for (size_t i = 0; i < coverage.size(); ++i) {
                coverage[i] = i % 5 == 0 ? uint8_t(i / 5 % 2 * 255) : uint8_t(random());
            }
            std::vector<Pixel> portable(coverage.size() + 1);
            for (Pixel& p : portable) p = Pixel(random());
            std::vector<Pixel> sse2 = portable;
            const CoverageBlock block{
                portable.data() + 1, kStride, coverage.data(), kStride, width, 64};
            BlendCoveragePortable(block, colour);
            BlendCoverageSse2(
                CoverageBlock{sse2.data() + 1, kStride, coverage.data(), kStride, width, 64},
                colour);
            EXPECT_EQ(portable, sse2) << width << ' ' << colour;
        }
    }
}

}  // namespace
#endif
