// Mastering: high-pass, raised-cosine fade in, exponential release, gain from the loudest
// window, rounding.
#include "Mastering.h"

#include <algorithm>
#include <cmath>

#include "StableMath.h"

namespace {

constexpr double kFadeIn = 0.003;
// Every clip ends in this much silence (seconds).
constexpr double kSilentEnd = 0.02;
// The release damps what little still sounds over the last fifth of a clip, within these
// bounds (seconds), by this many nepers (6.9 is 60 dB), as a hand on a string would. The
// recipes themselves die away before it.
constexpr double kReleaseShare = 0.2;
constexpr double kShortestRelease = 0.03;
constexpr double kLongestRelease = 0.08;
constexpr double kReleaseDepth = 6.9;
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

void FadeIn(Signal& signal, double sampleRate) {
    const size_t in = std::min(signal.size(), size_t(kFadeIn * sampleRate));
    for (size_t i = 0; i < in; ++i) {
        signal[i] *= 0.5 - 0.5 * Cosine(kPi * double(i) / double(in));
    }
}

// An exponential decay that reaches exactly 0 where the silent end begins.
void Release(Signal& signal, double sampleRate) {
    const size_t silent = std::min(signal.size(), size_t(kSilentEnd * sampleRate + 0.5));
    const size_t end = signal.size() - silent;
    const double seconds =
        Clamp(kReleaseShare * double(end) / sampleRate, kShortestRelease, kLongestRelease);
    const size_t length = std::min(end, size_t(seconds * sampleRate));
    const double residue = Exp(-kReleaseDepth);
    for (size_t i = 0; i < length; ++i) {
        const double progress = double(i) / double(length);
        signal[end - length + i] *= (Exp(-kReleaseDepth * progress) - residue) / (1.0 - residue);
    }
    std::fill(signal.begin() + std::ptrdiff_t(end), signal.end(), 0.0);
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
    FadeIn(clean, sampleRate);
    Release(clean, sampleRate);
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
