// SDL audio device, clip conversion and cache.
#include "platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kPreferredRate = 44100;
constexpr int kPreferredChannels = 2;
constexpr Uint16 kPreferredBufferFrames = 1024;

}  // namespace

std::vector<uint8_t> ConvertClip(const WaveClip& clip, SDL_AudioFormat format, int channels,
                                 int sampleRate) {
    const bool eightBit = clip.bitsPerSample == 8;
    const size_t sourceFrameBytes = size_t(clip.channels) * (eightBit ? 1 : 2);
    const size_t frames = clip.samples.size() / sourceFrameBytes;
    if (frames == 0) return {};
    SDL_AudioStream* stream =
        SDL_NewAudioStream(eightBit ? AUDIO_U8 : AUDIO_S16LSB, Uint8(clip.channels),
                           clip.sampleRate, format, Uint8(channels), sampleRate);
    if (stream == nullptr) return {};
    // A flush does not push out what the resampler still holds: silence after the clip
    // does, and the output is cut back to the clip's own length.
    const std::vector<uint8_t> tail(size_t(clip.sampleRate / 10 + 64) * sourceFrameBytes,
                                    eightBit ? 0x80 : 0x00);
    std::vector<uint8_t> converted;
    if (SDL_AudioStreamPut(stream, clip.samples.data(), int(frames * sourceFrameBytes)) == 0 &&
        SDL_AudioStreamPut(stream, tail.data(), int(tail.size())) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        converted.resize(size_t(SDL_AudioStreamAvailable(stream)));
        const int got = SDL_AudioStreamGet(stream, converted.data(), int(converted.size()));
        const size_t frameBytes = size_t(channels) * SDL_AUDIO_BITSIZE(format) / 8;
        const uint64_t wanted =
            (uint64_t(frames) * uint64_t(sampleRate) + uint64_t(clip.sampleRate) - 1) /
            uint64_t(clip.sampleRate) * frameBytes;
        converted.resize(std::min<size_t>(got > 0 ? size_t(got) : 0, size_t(wanted)));
    }
    SDL_FreeAudioStream(stream);
    return converted;
}

std::unique_ptr<SdlAudio> SdlAudio::Open(WaveSource source, Duration standbyAfter) {
    std::unique_ptr<SdlAudio> audio(new SdlAudio(source, standbyAfter));
    {
        std::lock_guard lock(audio->mutex_);
        if (!audio->OpenDevice()) return nullptr;
    }
    audio->closer_ = std::thread(&SdlAudio::CloseWhenSilent, audio.get());
    return audio;
}

SdlAudio::SdlAudio(WaveSource source, Duration standbyAfter)
    : source_(source), standbyAfter_(standbyAfter) {}

SdlAudio::~SdlAudio() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    closeAtMoved_.notify_one();
    if (closer_.joinable()) closer_.join();
    if (device_ != 0) SDL_CloseAudioDevice(device_);
}

bool SdlAudio::OpenDevice() {
    SDL_AudioSpec desired{};
    desired.freq = kPreferredRate;
    desired.format = AUDIO_S16SYS;
    desired.channels = kPreferredChannels;
    desired.samples = kPreferredBufferFrames;
    desired.callback = &SdlAudio::FillBuffer;
    desired.userdata = this;
    SDL_AudioSpec obtained{};
    // The device opens paused, so the callback sees the obtained format only once it is set.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device_ == 0) return false;
    // Another device may have become the default since the clips were converted.
    if (obtained.format != obtained_.format || obtained.channels != obtained_.channels ||
        obtained.freq != obtained_.freq) {
        clips_.clear();
    }
    obtained_ = obtained;
    SDL_PauseAudioDevice(device_, 0);
    closeAt_ = std::chrono::steady_clock::now() + standbyAfter_;
    closeAtMoved_.notify_one();
    return true;
}

void SdlAudio::CloseDevice() {
    SDL_CloseAudioDevice(device_);  // waits for the audio thread to end
    device_ = 0;
    mixer_.Stop();
}

void SdlAudio::CloseWhenSilent() {
    std::unique_lock lock(mutex_);
    while (!quitting_) {
        if (device_ == 0) {
            closeAtMoved_.wait(lock);
        } else if (std::chrono::steady_clock::now() >= closeAt_) {
            CloseDevice();
        } else {
            closeAtMoved_.wait_until(lock, closeAt_);
        }
    }
}

bool SdlAudio::IsDeviceOpen() {
    std::lock_guard lock(mutex_);
    return device_ != 0;
}

void SdlAudio::FillBuffer(void* self, Uint8* stream, int length) {
    auto* audio = static_cast<SdlAudio*>(self);
    audio->mixer_.Fill(std::span<uint8_t>(stream, size_t(length)), audio->obtained_.silence);
}

const std::vector<uint8_t>& SdlAudio::ConvertedClip(int id) {
    auto found = clips_.find(id);
    if (found != clips_.end()) return found->second;
    std::vector<uint8_t> converted;
    if (source_ != nullptr) {
        if (std::optional<WaveClip> clip = ParseWave(source_(id))) {
            converted = ConvertClip(*clip, obtained_.format, obtained_.channels, obtained_.freq);
        }
    }
    return clips_.emplace(id, std::move(converted)).first->second;
}

void SdlAudio::PlayClip(int id) {
    std::lock_guard lock(mutex_);
    if (device_ == 0 && !OpenDevice()) return;
    const std::vector<uint8_t>& clip = ConvertedClip(id);
    SDL_LockAudioDevice(device_);
    mixer_.Start(clip);
    SDL_UnlockAudioDevice(device_);
    const size_t bytesPerSecond =
        size_t(obtained_.freq) * obtained_.channels * SDL_AUDIO_BITSIZE(obtained_.format) / 8;
    const auto playing = std::chrono::duration_cast<Duration>(
        std::chrono::duration<double>(double(clip.size()) / double(bytesPerSecond)));
    closeAt_ = std::chrono::steady_clock::now() + playing + standbyAfter_;
    closeAtMoved_.notify_one();
}

void SdlAudio::StopClip() {
    std::lock_guard lock(mutex_);
    if (device_ == 0) return;
    SDL_LockAudioDevice(device_);
    mixer_.Stop();
    SDL_UnlockAudioDevice(device_);
    closeAt_ = std::chrono::steady_clock::now() + standbyAfter_;
    closeAtMoved_.notify_one();
}
