// Additive voices, struck partials and filters.
#include "Synth.h"

#include <algorithm>
#include <cmath>

#include "StableMath.h"

double NoteHz(double midiNote) { return 440.0 * Pow2((midiNote - 69.0) / 12.0); }

double Envelope::At(double t, double noteLength) const {
    if (t < 0.0) {
        return 0.0;
    }
    double level = t < attack ? t / attack : sustain + (1.0 - sustain) * Exp(-(t - attack) / decay);
    if (t > noteLength) {
        level *= Exp(-(t - noteLength) / release);
    }
    return level;
}

size_t Mixer::SampleAt(double seconds) const {
    const double index = std::floor(seconds * rate_ + 0.5);
    return index <= 0.0 ? 0 : size_t(index);
}

void Mixer::Note(double start, double length, double fromNote, double toNote, const Voice& voice,
                 double level) {
    const size_t first = SampleAt(start);
    const size_t count = size_t(std::ceil(voice.envelope.Span(length) * rate_));
    const double nyquist = rate_ * 0.45;
    double phase = 0.0;
    for (size_t i = 0; i < count && first + i < out_.size(); ++i) {
        const double t = double(i) / rate_;
        double note = fromNote + (toNote - fromNote) * Clamp01(t / length);
        if (voice.vibratoDepth > 0.0 && t > voice.vibratoDelay) {
            const double swell = Clamp01((t - voice.vibratoDelay) / 0.15);
            note += voice.vibratoDepth * swell * Sine(kTwoPi * voice.vibratoRate * t);
        }
        const double hz = NoteHz(note);
        double sample = 0.0;
        for (size_t k = 0; k < voice.harmonics.size(); ++k) {
            if (voice.harmonics[k] != 0.0 && hz * double(k + 1) < nyquist) {
                sample += voice.harmonics[k] * Sine(kTwoPi * phase * double(k + 1));
            }
        }
        out_[first + i] += level * voice.envelope.At(t, length) * sample;
        phase += hz / rate_;
        phase -= std::floor(phase);
    }
}

void Mixer::Strike(double start, double hz, const std::vector<Partial>& partials, double level) {
    const size_t first = SampleAt(start);
    const double nyquist = rate_ * 0.45;
    constexpr double kAttack = 0.0015;
    // Each audible partial rings with its own phase step and per-sample decay factor.
    struct Ringing {
        double step;
        double fade;
        double amplitude;
    };
    std::vector<Ringing> ringing;
    double longest = 0.0;
    for (const Partial& p : partials) {
        if (hz * p.ratio < nyquist) {
            ringing.push_back({hz * p.ratio / rate_, Exp(-1.0 / (p.decay * rate_)), p.level});
            longest = std::max(longest, p.decay);
        }
    }
    const size_t count = size_t(std::ceil(longest * 7.0 * rate_));
    for (size_t i = 0; i < count && first + i < out_.size(); ++i) {
        const double t = double(i) / rate_;
        const double onset = t < kAttack ? t / kAttack : 1.0;
        double sample = 0.0;
        for (Ringing& r : ringing) {
            const double cycles = r.step * double(i);
            sample += r.amplitude * Sine(kTwoPi * (cycles - std::floor(cycles)));
            r.amplitude *= r.fade;
        }
        out_[first + i] += level * onset * sample;
    }
}

double OnePoleLowPass::Process(double input, double cutoffHz, double sampleRate) {
    const double a = 1.0 - Exp(-kTwoPi * cutoffHz / sampleRate);
    state_ += a * (input - state_);
    return state_;
}

StateVariableFilter::Outputs StateVariableFilter::Process(double input, double cutoffHz,
                                                          double damping, double sampleRate) {
    const double f = 2.0 * Sine(kPi * std::min(cutoffHz, sampleRate * 0.16) / sampleRate);
    low_ += f * band_;
    const double high = input - low_ - damping * band_;
    band_ += f * high;
    return {low_, band_, high};
}
