// The one sound channel's gatekeeper: plays a clip unless a more important one is still
// counted as busy.
#pragma once

#include <cstdint>

#include "sound/GameSounds.h"

class AudioDevice;

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Where clips go; null is silence. Not owned.
    void SetDevice(AudioDevice* device) { device_ = device; }

    // Starts clip id, cutting off the last sound, unless sound is off or this priority is
    // below the last sound's and that one is still busy. The clip then counts as busy for
    // durationMs from the clock read after starting it.
    void Play(int id, int32_t newPriority, uint32_t durationMs);
    void Play(const SoundEffect& sound) { Play(sound.id, sound.priority, sound.durationMs); }
    // Stops whatever plays and frees the channel at once, whether or not sound is on.
    void Stop();

    int32_t priority = 0;    // of the sound played last
    uint32_t busyUntil = 0;  // clock value at which the last sound stops counting
    bool enabled = true;     // the sound setting

private:
    bool IsBusy(uint32_t now) const;

    // How long the last sound counts, so the busy test holds across the clock's wrap.
    uint32_t busyFor_ = 0;
    AudioDevice* device_ = nullptr;
};

extern SoundPlayer soundPlayer;

// The shared sound of a hit: one of clips 173 to 175 at random, priority 2, 800 ms. It
// draws from Random even with sound off, so the sequence does not hang on the setting.
void PlayHitSound();
