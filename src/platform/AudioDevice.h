// The one sound channel: a new clip replaces the one playing.
#pragma once

#include <cstdint>
#include <span>

// The WAVE file of a clip id; empty when there is none.
using WaveSource = std::span<const uint8_t> (*)(int id);

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Starts the WAVE resource with this id, cutting off whatever plays.
    virtual void PlayClip(int id) = 0;
    virtual void StopClip() = 0;
};

// Stands in when there is no audio device: plays nothing.
class SilentAudio final : public AudioDevice {
public:
    void PlayClip(int) override {}
    void StopClip() override {}
};
