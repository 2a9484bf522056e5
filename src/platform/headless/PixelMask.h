// A set of pixels of a fixed area, a bit each, kept row by row: the union of rectangles
// added, walked as the runs of pixels it holds on each row.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "platform/Rect.h"

class PixelMask {
public:
    // An empty mask; all the memory it needs is taken here.
    PixelMask(int width, int height);

    // Adds the rectangle's pixels inside the area.
    void Add(const Rect& rect);
    bool IsEmpty() const { return firstRow_ >= endRow_; }
    void Clear();

    // Calls run(y, left, right) for each run of held pixels, row after row, left to right.
    template <typename Run>
    void ForEachRun(Run&& run) const;

private:
    static constexpr int kBitsPerWord = 64;

    int width_;
    int height_;
    int wordsPerRow_;
    std::vector<uint64_t> bits_;
    // The rows that may hold pixels.
    int firstRow_;
    int endRow_ = 0;
};

template <typename Run>
void PixelMask::ForEachRun(Run&& run) const {
    for (int y = firstRow_; y < endRow_; ++y) {
        const uint64_t* row = bits_.data() + size_t(y) * size_t(wordsPerRow_);
        int runStart = -1;  // none open
        for (int word = 0; word < wordsPerRow_; ++word) {
            const int wordLeft = word * kBitsPerWord;
            // Bits past the word's end read as clear, so a run reaching it stays open.
            for (int bit = 0; bit < kBitsPerWord;) {
                const uint64_t rest = row[word] >> bit;
                if (runStart < 0) {
                    bit += std::countr_zero(rest);
                    if (bit < kBitsPerWord) runStart = wordLeft + bit;
                } else {
                    bit += std::countr_one(rest);
                    if (bit < kBitsPerWord) {
                        run(y, runStart, wordLeft + bit);
                        runStart = -1;
                    }
                }
            }
        }
        if (runStart >= 0) run(y, runStart, width_);
    }
}
