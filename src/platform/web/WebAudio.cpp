// Clips into Web Audio buffers, and the one channel that plays them.
#include "platform/web/WebAudio.h"

#include <emscripten/emscripten.h>

#include "platform/WaveClip.h"

namespace {

// clang-format off
EM_JS(void, pebblor_audio_start, (), {
    const audio = { context: null, buffers: new Map(), source: null, playingId: 0 };
    Module.pebblorAudio = audio;
    const events = ["pointerdown", "pointerup", "keydown", "touchend"];
    const unlock = function() {
        try {
            if (!audio.context) audio.context = new AudioContext();
            audio.context.resume().then(function() {
                for (const name of events) document.removeEventListener(name, unlock, true);
            }, function() {});
        } catch (error) {
        }
    };
    for (const name of events) document.addEventListener(name, unlock, true);
});

EM_JS(int, pebblor_audio_add, (int id, int rate, int channels, int bits, const uint8_t* samples,
                               int frames), {
    if (typeof AudioBuffer === "undefined") return 0;
    let buffer;
    try {
        buffer = new AudioBuffer({ length: frames, numberOfChannels: channels, sampleRate: rate });
    } catch (error) {
        return 0;
    }
    const bytes = bits / 8;
    for (let channel = 0; channel < channels; ++channel) {
        const out = buffer.getChannelData(channel);
        for (let i = 0; i < frames; ++i) {
            const at = samples + (i * channels + channel) * bytes;
            out[i] = bytes === 1 ? (HEAPU8[at] - 128) / 128
                                 : ((HEAPU8[at] | (HEAPU8[at + 1] << 8)) << 16 >> 16) / 32768;
        }
    }
    Module.pebblorAudio.buffers.set(id, buffer);
    return 1;
});

EM_JS(void, pebblor_audio_stop, (), {
    const audio = Module.pebblorAudio;
    if (audio.source) audio.source.stop();
    audio.source = null;
    audio.playingId = 0;
});

EM_JS(void, pebblor_audio_play, (int id), {
    const audio = Module.pebblorAudio;
    if (audio.source) audio.source.stop();
    audio.source = null;
    audio.playingId = 0;
    if (!audio.context || audio.context.state !== "running") return;
    const source = audio.context.createBufferSource();
    source.buffer = audio.buffers.get(id);
    source.connect(audio.context.destination);
    source.onended = function() {
        if (audio.source === source) {
            audio.source = null;
            audio.playingId = 0;
        }
    };
    source.start();
    audio.source = source;
    audio.playingId = id;
});
// clang-format on

}  // namespace

WebAudio::WebAudio(WaveSource source) : source_(source) { pebblor_audio_start(); }

bool WebAudio::Prepare(int id) {
    if (prepared_.count(id) != 0) return true;
    if (unplayable_.count(id) != 0) return false;
    const std::optional<WaveClip> clip = source_ != nullptr ? ParseWave(source_(id)) : std::nullopt;
    const int frameBytes = clip ? clip->channels * clip->bitsPerSample / 8 : 0;
    if (!clip || frameBytes == 0 || clip->samples.empty() ||
        pebblor_audio_add(id, clip->sampleRate, clip->channels, clip->bitsPerSample,
                          clip->samples.data(), int(clip->samples.size()) / frameBytes) == 0) {
        unplayable_.insert(id);
        return false;
    }
    prepared_.insert(id);
    return true;
}

void WebAudio::PlayClip(int id) {
    if (Prepare(id)) {
        pebblor_audio_play(id);
    } else {
        pebblor_audio_stop();
    }
}

void WebAudio::StopClip() { pebblor_audio_stop(); }
