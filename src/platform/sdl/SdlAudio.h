// The one sound channel on an SDL audio device: clips converted once to the device's
// format and cached, a new clip replacing the one that plays. The device is open only while
// a clip plays and for a few seconds after: an open device wakes its thread to write
// silence dozens of times a second and keeps the sound server from resting.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/AudioDevice.h"
#include "platform/WaveClip.h"
#include "platform/sdl/ClipMixer.h"

// The clip's samples in the given device format; empty when SDL cannot convert them.
std::vector<uint8_t> ConvertClip(const WaveClip& clip, SDL_AudioFormat format, int channels,
                                 int sampleRate);

class SdlAudio final : public AudioDevice {
public:
    using Duration = std::chrono::steady_clock::duration;
    // How long the device stays open once the channel is silent.
    static constexpr Duration kStandbyAfter = std::chrono::seconds(3);

    // Null when no audio device can be opened; the game then plays silence. Needs SDL's
    // audio subsystem started.
    static std::unique_ptr<SdlAudio> Open(WaveSource source, Duration standbyAfter = kStandbyAfter);
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the device again if it was closed. A clip that is missing or cannot be played,
    // or a device that no longer opens, silences the channel.
    void PlayClip(int id) override;
    void StopClip() override;

    bool IsDeviceOpen();

private:
    SdlAudio(WaveSource source, Duration standbyAfter);
    static void FillBuffer(void* self, Uint8* stream, int length);
    // These three run with `mutex_` held.
    bool OpenDevice();
    void CloseDevice();
    const std::vector<uint8_t>& ConvertedClip(int id);
    // The closing thread: waits for the channel's silence to last the standby time.
    void CloseWhenSilent();

    WaveSource source_;
    const Duration standbyAfter_;
    std::mutex mutex_;  // guards all below but the mixer and the thread
    std::condition_variable closeAtMoved_;
    std::chrono::steady_clock::time_point closeAt_;
    bool quitting_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec obtained_{};
    // Converted clips by id (empty when unplayable), for the obtained format. Entries never
    // move once made, so the mixer may read one while another is added.
    std::map<int, std::vector<uint8_t>> clips_;
    ClipMixer mixer_;  // shared with the audio thread: only touched under the device lock
    std::thread closer_;
};
