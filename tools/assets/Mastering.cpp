// Mastering: high-pass, raised-cosine fades, gain from the loudest window, rounding.
#include "Mastering.h"

#include <algorithm>
#include <cmath>

#include "StableMath.h"

namespace {

constexpr double kFadeIn = 0.003;
constexpr double kFadeOut = 0.015;
constexpr double kDcCutoff = 15.0;
constexpr double kWindow = 0.1;

Signal WithoutDc(const Signal& signal, double sampleRate) {
    OnePoleLowPass drift;
    Signal out(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        out[i] = signal[i] - drift.Process(signal[i], kDcCutoff, sampleRate);
    }
    return out;
}

void Fade(Signal& signal, double sampleRate) {
    const size_t in = std::min(signal.size(), size_t(kFadeIn * sampleRate));
    const size_t out = std::min(signal.size(), size_t(kFadeOut * sampleRate));
    for (size_t i = 0; i < in; ++i) {
        signal[i] *= 0.5 - 0.5 * Cosine(kPi * double(i) / double(in));
    }
    for (size_t i = 0; i < out; ++i) {
        signal[signal.size() - 1 - i] *= 0.5 - 0.5 * Cosine(kPi * double(i) / double(out));
    }
}

double LoudestWindowRms(const Signal& signal, double sampleRate) {
    const size_t window =
        std::max<size_t>(1, std::min(signal.size(), size_t(kWindow * sampleRate)));
    double sum = 0.0;
    for (size_t i = 0; i < window; ++i) {
        sum += signal[i] * signal[i];
    }
    double loudest = sum;
    for (size_t i = window; i < signal.size(); ++i) {
        sum += signal[i] * signal[i] - signal[i - window] * signal[i - window];
        loudest = std::max(loudest, sum);
    }
    return std::sqrt(std::max(loudest, 0.0) / double(window));
}

}  // namespace

std::vector<uint8_t> Master(const Signal& signal, double sampleRate, double loudness) {
    Signal clean = WithoutDc(signal, sampleRate);
    Fade(clean, sampleRate);
    double peak = 0.0;
    for (double v : clean) {
        peak = std::max(peak, std::fabs(v));
    }
    const double rms = LoudestWindowRms(clean, sampleRate);
    double gain = 0.0;
    if (peak > 0.0) {
        gain = std::min(double(kPeakLimit) / peak, loudness / rms);
    }
    std::vector<uint8_t> samples(clean.size());
    for (size_t i = 0; i < clean.size(); ++i) {
        const double level = Clamp(std::floor(clean[i] * gain + 0.5), -kPeakLimit, kPeakLimit);
        samples[i] = uint8_t(128 + int(level));
    }
    return samples;
}
