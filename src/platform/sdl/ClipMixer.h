// The one sound channel's playback position: fills the device's buffers from the clip
// that plays, then silence.
#pragma once

#include <cstdint>
#include <span>

class ClipMixer {
public:
    // Plays these bytes (already in the device's format) from the start, cutting off the
    // clip that played. The bytes must stay alive until the next Start or Stop.
    void Start(std::span<const uint8_t> samples);
    void Stop();
    bool IsPlaying() const { return position_ < samples_.size(); }

    // Fills the buffer with the next bytes of the clip and the rest with the silence byte.
    void Fill(std::span<uint8_t> out, uint8_t silence);

private:
    std::span<const uint8_t> samples_;
    size_t position_ = 0;
};
