// Reading a RIFF WAVE file held in memory: uncompressed PCM, every read bounds-checked.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct WaveClip {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;             // 8 (unsigned) or 16 (signed, little-endian)
    std::span<const uint8_t> samples;  // whole frames, inside the bytes that were parsed
};

// The clip in these bytes; nothing when they are not a PCM WAVE file this player can play.
// A data chunk that claims more bytes than there are keeps the whole frames that are there.
std::optional<WaveClip> ParseWave(std::span<const uint8_t> bytes);
