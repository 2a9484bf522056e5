// RIFF WAVE parsing.
#include "platform/WaveClip.h"

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr uint32_t kMaxSampleRate = 384000;

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t at) {
    return uint16_t(bytes[at] | (bytes[at + 1] << 8));
}

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | (uint32_t(bytes[at + 1]) << 8) | (uint32_t(bytes[at + 2]) << 16) |
           (uint32_t(bytes[at + 3]) << 24);
}

bool HasTag(std::span<const uint8_t> bytes, size_t at, const char (&tag)[5]) {
    return bytes[at] == uint8_t(tag[0]) && bytes[at + 1] == uint8_t(tag[1]) &&
           bytes[at + 2] == uint8_t(tag[2]) && bytes[at + 3] == uint8_t(tag[3]);
}

struct Format {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

std::optional<Format> ReadFormat(std::span<const uint8_t> chunk) {
    if (chunk.size() < 16) return std::nullopt;
    Format format;
    format.tag = ReadU16(chunk, 0);
    format.channels = ReadU16(chunk, 2);
    format.sampleRate = ReadU32(chunk, 4);
    format.blockAlign = ReadU16(chunk, 12);
    format.bitsPerSample = ReadU16(chunk, 14);
    // The extensible header carries the real format in the first bytes of its sub-format.
    if (format.tag == kFormatExtensible) {
        if (chunk.size() < 26) return std::nullopt;
        format.tag = ReadU16(chunk, 24);
    }
    if (format.tag != kFormatPcm) return std::nullopt;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return std::nullopt;
    if (format.channels < 1 || format.channels > kMaxChannels) return std::nullopt;
    if (format.sampleRate < 1 || format.sampleRate > kMaxSampleRate) return std::nullopt;
    if (format.blockAlign != format.channels * (format.bitsPerSample / 8)) return std::nullopt;
    return format;
}

}  // namespace

std::optional<WaveClip> ParseWave(std::span<const uint8_t> bytes) {
    if (bytes.size() < 12 || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    // The RIFF size may lie; only the bytes actually there count.
    const uint64_t riffEnd = uint64_t(ReadU32(bytes, 4)) + 8;
    const size_t end = riffEnd < bytes.size() ? size_t(riffEnd) : bytes.size();
    if (end < 12) return std::nullopt;

    std::optional<Format> format;
    std::span<const uint8_t> data;
    bool haveData = false;
    size_t at = 12;
    while (end - at >= 8) {
        const uint32_t size = ReadU32(bytes, at + 4);
        const size_t bodyStart = at + 8;
        const size_t available = end - bodyStart;
        const size_t bodySize = size <= available ? size_t(size) : available;
        const std::span<const uint8_t> body = bytes.subspan(bodyStart, bodySize);
        if (HasTag(bytes, at, "fmt ") && !format) {
            format = ReadFormat(body);
            if (!format) return std::nullopt;
        } else if (HasTag(bytes, at, "data") && !haveData) {
            data = body;
            haveData = true;
        }
        if (size > available) break;
        // Chunks are padded to an even size.
        const size_t padded = size_t(size) + (size & 1u);
        if (padded > available) break;
        at = bodyStart + padded;
    }
    if (!format || !haveData) return std::nullopt;

    const size_t wholeFrames = data.size() / format->blockAlign;
    WaveClip clip;
    clip.sampleRate = int(format->sampleRate);
    clip.channels = format->channels;
    clip.bitsPerSample = format->bitsPerSample;
    clip.samples = data.first(wholeFrames * format->blockAlign);
    return clip;
}
