// The channel's playback into device buffers, the conversion of clips to the device format,
// and the device closing while silent.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/sdl/ClipMixer.h"
#include "platform/sdl/SdlAudio.h"

namespace {

using Bytes = std::vector<uint8_t>;

int16_t SampleAt(const Bytes& bytes, size_t index) {
    return int16_t(uint16_t(bytes[index * 2] | (bytes[index * 2 + 1] << 8)));
}

// A tenth of a second of 8-bit mono at 8 kHz, as a WAVE file.
std::span<const uint8_t> ShortClip(int /*id*/) {
    static const Bytes file = [] {
        const uint32_t frames = 800;
        Bytes bytes;
        auto put = [&](uint32_t value, int size) {
            for (int i = 0; i < size; ++i) bytes.push_back(uint8_t(value >> (8 * i)));
        };
        auto tag = [&](const char* text) {
            for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(text[i]));
        };
        tag("RIFF"), put(36 + frames, 4), tag("WAVE");
        tag("fmt "), put(16, 4), put(1, 2), put(1, 2), put(8000, 4), put(8000, 4), put(1, 2);
        put(8, 2);
        tag("data"), put(frames, 4);
        bytes.resize(bytes.size() + frames, 0xC0);
        return bytes;
    }();
    return file;
}

// Waits, a few seconds at most, for the device to close.
bool ClosesSoon(SdlAudio& audio) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (audio.IsDeviceOpen()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace

TEST(ClipMixerTest, PlaysTheClipAcrossBuffersThenSilence) {
    const Bytes clip{1, 2, 3, 4, 5, 6, 7};
    ClipMixer mixer;
    Bytes buffer(4);
    mixer.Fill(buffer, 0x80);
    EXPECT_EQ(buffer, (Bytes{0x80, 0x80, 0x80, 0x80}));

    mixer.Start(clip);
    EXPECT_TRUE(mixer.IsPlaying());
    mixer.Fill(buffer, 0);
    EXPECT_EQ(buffer, (Bytes{1, 2, 3, 4}));
    mixer.Fill(buffer, 0);
    EXPECT_EQ(buffer, (Bytes{5, 6, 7, 0}));
    EXPECT_FALSE(mixer.IsPlaying());
    mixer.Fill(buffer, 0);
    EXPECT_EQ(buffer, (Bytes{0, 0, 0, 0}));
}

TEST(ClipMixerTest, ANewClipCutsTheOldOneAndStopSilences) {
    const Bytes first{1, 1, 1, 1, 1, 1};
    const Bytes second{2, 2};
    ClipMixer mixer;
    Bytes buffer(3);
    mixer.Start(first);
    mixer.Fill(buffer, 0);
    mixer.Start(second);
    mixer.Fill(buffer, 9);
    EXPECT_EQ(buffer, (Bytes{2, 2, 9}));
    mixer.Start(first);
    mixer.Stop();
    EXPECT_FALSE(mixer.IsPlaying());
    mixer.Fill(buffer, 9);
    EXPECT_EQ(buffer, (Bytes{9, 9, 9}));
    mixer.Start(Bytes{});
    mixer.Fill(buffer, 7);
    EXPECT_EQ(buffer, (Bytes{7, 7, 7}));
}

TEST(ConvertClipTest, EightBitUnsignedBecomesSignedSixteenBitOnBothChannelsAndEmptyStaysEmpty) {
    const Bytes samples{0x80, 0xFF, 0x00, 0xC0};
    WaveClip clip;
    clip.sampleRate = 8000;
    clip.channels = 1;
    clip.bitsPerSample = 8;
    clip.samples = samples;
    const Bytes converted = ConvertClip(clip, AUDIO_S16LSB, 2, 8000);
    ASSERT_EQ(converted.size(), samples.size() * 2 * 2);
    EXPECT_EQ(SampleAt(converted, 0), 0);
    EXPECT_EQ(SampleAt(converted, 1), 0);
    EXPECT_GT(SampleAt(converted, 2), 32000);
    EXPECT_EQ(SampleAt(converted, 2), SampleAt(converted, 3));
    EXPECT_LE(SampleAt(converted, 4), -32767);
    EXPECT_NEAR(SampleAt(converted, 6), 16384, 2);
    clip.samples = {};
    EXPECT_TRUE(ConvertClip(clip, AUDIO_S16LSB, 2, 44100).empty());
}

TEST(ConvertClipTest, ResamplingKeepsTheWholeClip) {
    struct Case {
        int from;
        int to;
        size_t frames;  // the clip's second at the device's rate, rounded up
    };
    for (const Case& c : {Case{8000, 44100, 44100}, Case{11025, 48000, 48000},
                          Case{22050, 22050, 22050}, Case{44100, 22050, 22050}}) {
        const Bytes samples(size_t(c.from), 0xC0);  // one second at half volume
        WaveClip clip;
        clip.sampleRate = c.from;
        clip.channels = 1;
        clip.bitsPerSample = 8;
        clip.samples = samples;
        const Bytes converted = ConvertClip(clip, AUDIO_F32SYS, 2, c.to);
        ASSERT_EQ(converted.size(), c.frames * 2 * sizeof(float)) << c.from << " to " << c.to;
        // Shortly before its end the clip is still the clip, not the silence that flushed it
        // out (the very last frames ring as any band-limited step does).
        float nearEnd = 0;
        std::memcpy(&nearEnd, converted.data() + (c.frames - 16) * 2 * sizeof(float),
                    sizeof nearEnd);
        EXPECT_NEAR(nearEnd, 0.5f, 0.05f) << c.from << " to " << c.to;
    }
}

TEST(SdlAudioTest, TheDeviceClosesWhenSilentAndTheNextClipOpensItAgain) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    {
        std::unique_ptr<SdlAudio> audio = SdlAudio::Open(&ShortClip, std::chrono::milliseconds(1));
        ASSERT_NE(audio, nullptr) << SDL_GetError();
        EXPECT_TRUE(ClosesSoon(*audio));
        audio->StopClip();
        EXPECT_FALSE(audio->IsDeviceOpen());
        for (int round = 0; round < 2; ++round) {
            audio->PlayClip(1);
            EXPECT_TRUE(audio->IsDeviceOpen());
            EXPECT_TRUE(ClosesSoon(*audio)) << "round " << round;
        }
        audio->PlayClip(1);  // open while the channel is closed down
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
