// Clip playback into device buffers.
#include "platform/sdl/ClipMixer.h"

#include <algorithm>
#include <cstring>

void ClipMixer::Start(std::span<const uint8_t> samples) {
    samples_ = samples;
    position_ = 0;
}

void ClipMixer::Stop() {
    samples_ = {};
    position_ = 0;
}

void ClipMixer::Fill(std::span<uint8_t> out, uint8_t silence) {
    const size_t count = std::min(out.size(), samples_.size() - position_);
    if (count > 0) std::memcpy(out.data(), samples_.data() + position_, count);
    position_ += count;
    std::fill(out.begin() + ptrdiff_t(count), out.end(), silence);
}
