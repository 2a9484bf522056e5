// The sixteen sound clips: their resource ids, sample rates and lengths, rendered to 8-bit
// samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct ClipFormat {
    int id;
    uint32_t sampleRate;
    int centiseconds;  // length in hundredths of a second
};

constexpr ClipFormat kClipFormats[] = {
    {145, 11025, 1449}, {156, 44100, 25}, {157, 22050, 400}, {158, 22050, 210},
    {159, 22050, 326},  {160, 22050, 30}, {161, 8000, 32},   {162, 22050, 187},
    {164, 11025, 281},  {166, 22050, 35}, {167, 22050, 89},  {168, 11025, 82},
    {169, 11025, 307},  {173, 8000, 103}, {174, 8000, 111},  {175, 8000, 100},
};

// round(sample rate x seconds)
constexpr size_t ClipLength(const ClipFormat& format) {
    return (size_t(format.sampleRate) * size_t(format.centiseconds) + 50) / 100;
}

struct Clip {
    int id;
    uint32_t sampleRate;
    std::vector<uint8_t> samples;  // unsigned, 128 is silence
};

std::vector<Clip> RenderAllClips();
