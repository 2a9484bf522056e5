// The one sound channel in the browser (Web Audio): each clip becomes an audio buffer once,
// the first time it is asked for, and a new clip replaces the one playing. Browsers let a
// page make sound only once the player has pressed something on it, so the clips asked for
// before that press stay silent.
#pragma once

#include <cstdint>
#include <set>
#include <span>

#include "platform/AudioDevice.h"

class WebAudio final : public AudioDevice {
public:
    // The WAVE file of a clip id; empty when there is none.
    using WaveSource = std::span<const uint8_t> (*)(int id);

    // Starts listening for the player's first press or key, which lets the sound start.
    explicit WebAudio(WaveSource source);

    // A clip that is missing or cannot be played silences the channel.
    void PlayClip(int id) override;
    void StopClip() override;

private:
    // Whether the page holds the clip's buffer, made now when needed.
    bool Prepare(int id);

    WaveSource source_;
    std::set<int> prepared_;
    std::set<int> unplayable_;
};
