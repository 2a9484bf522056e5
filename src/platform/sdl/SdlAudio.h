// The one sound channel on an SDL audio device: clips converted once to the device's
// format and cached, a new clip replacing the one that plays.
#pragma once

#include <SDL_audio.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/AudioDevice.h"
#include "platform/WaveClip.h"
#include "platform/sdl/ClipMixer.h"

// The clip's samples in the given device format; empty when SDL cannot convert them.
std::vector<uint8_t> ConvertClip(const WaveClip& clip, SDL_AudioFormat format, int channels,
                                 int sampleRate);

class SdlAudio final : public AudioDevice {
public:
    // Null when no audio device can be opened; the game then plays silence. Needs SDL's
    // audio subsystem started.
    static std::unique_ptr<SdlAudio> Open(WaveSource source);
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // A clip that is missing or cannot be played silences the channel.
    void PlayClip(int id) override;
    void StopClip() override;

private:
    explicit SdlAudio(WaveSource source);
    static void FillBuffer(void* self, Uint8* stream, int length);
    const std::vector<uint8_t>& ConvertedClip(int id);

    WaveSource source_;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec obtained_{};
    // Converted clips by id (empty when unplayable). Entries never move once made, so the
    // mixer may read one while another is added.
    std::map<int, std::vector<uint8_t>> clips_;
    ClipMixer mixer_;  // shared with the audio thread: only touched under the device lock
};
