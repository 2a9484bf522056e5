// Marking rectangles in a pixel mask.
#include "platform/headless/PixelMask.h"

#include <algorithm>
#include <cstddef>

PixelMask::PixelMask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      wordsPerRow_((width_ + kBitsPerWord - 1) / kBitsPerWord),
      bits_(size_t(wordsPerRow_) * size_t(height_), 0),
      firstRow_(height_) {}

void PixelMask::Add(const Rect& rect) {
    const Rect inside = Intersect(rect, Rect{0, 0, width_, height_});
    if (inside.IsEmpty()) return;
    firstRow_ = std::min<int>(firstRow_, inside.top);
    endRow_ = std::max<int>(endRow_, inside.bottom);
    const int firstWord = inside.left / kBitsPerWord, lastWord = (inside.right - 1) / kBitsPerWord;
    for (int word = firstWord; word <= lastWord; ++word) {
        // The rectangle's columns within this word.
        const int from = std::max<int>(inside.left - word * kBitsPerWord, 0);
        const int to = std::min<int>(inside.right - word * kBitsPerWord, kBitsPerWord);
        const uint64_t ones =
            to - from == kBitsPerWord ? ~uint64_t(0) : (uint64_t(1) << (to - from)) - 1;
        const uint64_t bits = ones << from;
        const size_t stride = size_t(wordsPerRow_);
        uint64_t* cell = bits_.data() + size_t(inside.top) * stride + size_t(word);
        uint64_t* const end = cell + size_t(inside.bottom - inside.top) * stride;
        for (; cell != end; cell += stride) *cell |= bits;
    }
}

void PixelMask::Clear() {
    if (IsEmpty()) return;
    std::fill(bits_.begin() + std::ptrdiff_t(firstRow_) * wordsPerRow_,
              bits_.begin() + std::ptrdiff_t(endRow_) * wordsPerRow_, 0);
    firstRow_ = height_;
    endRow_ = 0;
}
