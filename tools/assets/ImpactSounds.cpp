// Impacts: struck partials for clean hits, filtered noise for blasts and crunches.
#include <cmath>

#include "SoundEffects.h"
#include "StableMath.h"

namespace {

// A burst of noise through a band-pass, with an exponential decay.
void NoiseBurst(Mixer& mix, Noise& noise, double start, double centreHz, double damping,
                double decay, double level) {
    StateVariableFilter filter;
    const size_t first = mix.SampleAt(start);
    const size_t count = size_t(decay * 7.0 * mix.Rate());
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / mix.Rate();
        const double band = filter.Process(noise.Next(), centreHz, damping, mix.Rate()).band;
        mix.Add(first + i, level * Exp(-t / decay) * band);
    }
}

// A sine whose pitch falls from fromHz towards toHz: the body of a thump.
void Thump(Mixer& mix, double start, double fromHz, double toHz, double fall, double decay,
           double level) {
    const size_t first = mix.SampleAt(start);
    const size_t count = size_t(decay * 7.0 * mix.Rate());
    double phase = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / mix.Rate();
        const double hz = toHz + (fromHz - toHz) * Exp(-t / fall);
        const double onset = Clamp01(t / 0.004);
        mix.Add(first + i, level * onset * Exp(-t / decay) * Sine(kTwoPi * phase));
        phase += hz / mix.Rate();
        phase -= std::floor(phase);
    }
}

// Low noise whose brightness dies away faster than its loudness: what follows a blast.
void Rumble(Mixer& mix, Noise& noise, double brightHz, double darkening, double decay,
            double level) {
    OnePoleLowPass first;
    OnePoleLowPass second;
    for (size_t i = 0; i < mix.Length(); ++i) {
        const double t = double(i) / mix.Rate();
        const double cutoff = 120.0 + brightHz * Exp(-t / darkening);
        const double low =
            second.Process(first.Process(noise.Next(), cutoff, mix.Rate()), cutoff, mix.Rate());
        mix.Add(i, level * Clamp01(t / 0.006) * Exp(-t / decay) * low);
    }
}

}  // namespace

void WallTick(Mixer& mix) {
    Noise noise(0x71c4u);
    mix.Strike(0.0, 1650.0, {{1.0, 1.0, 0.012}, {1.52, 0.5, 0.007}, {0.27, 0.6, 0.03}}, 1.0);
    NoiseBurst(mix, noise, 0.0, 3200.0, 1.2, 0.003, 1.2);
}

void DeepBlast(Mixer& mix) {
    Noise noise(0xb1a57u);
    Thump(mix, 0.0, 110.0, 32.0, 0.25, 0.55, 1.0);
    Rumble(mix, noise, 2600.0, 0.5, 1.1, 1.5);
    // Debris crackling in the first second.
    Lcg scatter(0xdeb415u);
    for (int i = 0; i < 18; ++i) {
        // One draw per statement: argument evaluation order differs between compilers.
        const double early = scatter.Unit();
        const double when = 0.05 + early * scatter.Unit() * 1.2;
        const double centre = 900.0 + 2200.0 * scatter.Unit();
        NoiseBurst(mix, noise, when, centre, 0.8, 0.012, 0.5 * Exp(-when / 0.5));
    }
}

void BigCrunch(Mixer& mix) {
    Noise noise(0xc7c4u);
    Thump(mix, 0.0, 90.0, 38.0, 0.12, 0.3, 0.9);
    Lcg scatter(0x5ca77e7u);
    // Cracking: dense short bursts that thin out.
    for (int i = 0; i < 26; ++i) {
        const double early = scatter.Unit();
        const double when = early * scatter.Unit() * 0.6;
        const double centre = 500.0 + 1300.0 * scatter.Unit();
        const double decay = 0.01 + 0.03 * scatter.Unit();
        NoiseBurst(mix, noise, when, centre, 0.6, decay, 0.9 * Exp(-when / 0.35));
    }
    Rumble(mix, noise, 1200.0, 0.2, 0.6, 0.8);
    // Shards falling and tinkling.
    for (int i = 0; i < 20; ++i) {
        const double when = 0.08 + 1.8 * scatter.Unit();
        const double hz = 1400.0 + 2600.0 * scatter.Unit();
        mix.Strike(when, hz, {{1.0, 1.0, 0.09}, {2.32, 0.4, 0.05}}, 0.22 * Exp(-when / 0.9));
    }
}

void IcyFreeze(Mixer& mix) {
    Noise noise(0xf2ee2eu);
    const double notes[] = {108.0, 103.0, 100.0, 96.0, 91.0};
    for (int i = 0; i < 5; ++i) {
        mix.Strike(0.028 * i, NoteHz(notes[i]), {{1.0, 1.0, 0.045}, {2.76, 0.35, 0.025}},
                   0.7 - 0.08 * i);
    }
    // Frost crackle: high, fast-fading hiss.
    StateVariableFilter filter;
    for (size_t i = 0; i < mix.Length(); ++i) {
        const double t = double(i) / mix.Rate();
        const double hiss = filter.Process(noise.Next(), 3400.0, 0.5, mix.Rate()).high;
        mix.Add(i, 0.35 * Exp(-t / 0.06) * hiss);
    }
}

void GlassHit(Mixer& mix, int variant) {
    struct Glass {
        double hz;
        double detune;  // a second fundamental this far off makes the ring shimmer
        double decay;
    };
    const Glass kinds[] = {{1180.0, 0.0, 0.16}, {930.0, 3.5, 0.2}, {1520.0, 0.0, 0.11}};
    const Glass& glass = kinds[variant % 3];
    Noise noise(0x61a55u + uint32_t(variant));
    mix.Strike(0.0, glass.hz,
               {{1.0, 1.0, glass.decay},
                {2.32, 0.45, glass.decay * 0.45},
                {4.25, 0.25, glass.decay * 0.25}},
               1.0);
    if (glass.detune > 0.0) {
        mix.Strike(0.0, glass.hz + glass.detune, {{1.0, 0.7, glass.decay * 1.2}}, 1.0);
    }
    NoiseBurst(mix, noise, 0.0, 2600.0, 1.0, 0.004, 1.4);
}
