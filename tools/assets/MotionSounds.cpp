// Movement: a plucked band, swept noise for air and sliding, a wobbling warp.
#include <cmath>

#include "SoundEffects.h"
#include "StableMath.h"

namespace {

// Noise through a band-pass whose centre follows centreHz(t), shaped by level(t).
template <typename Centre, typename Level>
void SweptNoise(Mixer& mix, Noise& noise, double damping, Centre centreHz, Level level) {
    StateVariableFilter filter;
    for (size_t i = 0; i < mix.Length(); ++i) {
        const double t = double(i) / mix.Rate();
        const double band = filter.Process(noise.Next(), centreHz(t), damping, mix.Rate()).band;
        mix.Add(i, level(t) * band);
    }
}

// A plucked string (Karplus-Strong): a burst of noise circulating in a damped delay line,
// muted with the given time constant (seconds).
void PluckedString(Mixer& mix, double hz, double damping, double decay, double level) {
    Noise noise(0x57a1u);
    const size_t period = size_t(std::floor(mix.Rate() / hz + 0.5));
    std::vector<double> line(period);
    OnePoleLowPass soften;
    for (double& v : line) {
        v = soften.Process(noise.Next(), mix.Rate() * 0.2, mix.Rate());
    }
    for (size_t i = 0; i < mix.Length(); ++i) {
        const size_t at = i % period;
        const double next = line[(at + 1) % period];
        const double out = line[at];
        line[at] = damping * 0.5 * (out + next);
        mix.Add(i, level * Exp(-double(i) / mix.Rate() / decay) * out);
    }
}

}  // namespace

void LaunchTwang(Mixer& mix) {
    PluckedString(mix, 98.0, 0.994, 0.06, 0.9);
    // The band's snap: a tone dropping an octave.
    const Voice snap{.harmonics = {1.0, 0.55, 0.3, 0.15}, .envelope = {0.002, 0.06, 0.0, 0.03}};
    mix.Note(0.0, 0.2, 57.0, 45.0, snap, 0.8);
    Noise noise(0x7a46u);
    SweptNoise(
        mix, noise, 1.0, [](double t) { return 1200.0 - 700.0 * Clamp01(t / 0.15); },
        [](double t) { return 0.5 * Clamp01(t / 0.01) * Exp(-t / 0.05); });
}

void Whoosh(Mixer& mix) {
    Noise noise(0x3005u);
    const double length = double(mix.Length()) / mix.Rate();
    const double peak = length * 0.45;
    SweptNoise(
        mix, noise, 0.7,
        [peak](double t) {
            return t < peak ? 300.0 + 2300.0 * SmoothStep(0.0, peak, t)
                            : 2600.0 - 2000.0 * SmoothStep(peak, peak * 2.2, t);
        },
        [peak, length](double t) {
            const double rise = SmoothStep(0.0, peak, t);
            const double fall = 1.0 - SmoothStep(peak, length, t);
            return rise * fall * fall;
        });
}

void PanelSlide(Mixer& mix) {
    Noise noise(0x511deu);
    const double stop = 0.62;
    SweptNoise(
        mix, noise, 0.5, [stop](double t) { return 380.0 + 900.0 * Clamp01(t / stop); },
        [stop](double t) {
            return t < stop ? 0.7 * SmoothStep(0.0, 0.08, t) : 0.7 * Exp(-(t - stop) / 0.02);
        });
    // A motor hum under it, and the clunk as the panel comes to rest.
    const Voice hum{.harmonics = {1.0, 0.5, 0.25}, .envelope = {0.05, 1.0, 1.0, 0.02}};
    mix.Note(0.0, stop, 40.0, 47.0, hum, 0.22);
    const Voice clunk{.harmonics = {1.0, 0.4}, .envelope = {0.002, 0.04, 0.0, 0.02}};
    mix.Note(stop, 0.05, 50.0, 45.0, clunk, 0.9);
}

void WarpSweep(Mixer& mix) {
    const double length = double(mix.Length()) / mix.Rate();
    // Two slightly detuned voices dive down and climb back, wobbling ever faster.
    const Voice warp{.harmonics = {1.0, 0.35, 0.2, 0.1},
                     .envelope = {0.12, 1.0, 1.0, 0.15},
                     .vibratoDepth = 0.8,
                     .vibratoRate = 7.0,
                     .vibratoDelay = 0.2};
    const double dive = length * 0.45;
    mix.Note(0.0, dive, 86.0, 46.0, warp, 0.5);
    mix.Note(0.0, dive, 86.3, 46.4, warp, 0.4);
    const Voice climb{.harmonics = {1.0, 0.35, 0.2, 0.1},
                      .envelope = {0.05, 1.0, 1.0, 0.12},
                      .vibratoDepth = 1.2,
                      .vibratoRate = 11.0};
    // The climb and the air under the whole sweep end together, half a second early.
    const double end = length - 0.55;
    mix.Note(dive, end - dive, 46.0, 76.0, climb, 0.5);
    mix.Note(dive, end - dive, 46.4, 76.3, climb, 0.4);
    Noise noise(0x3a29u);
    SweptNoise(
        mix, noise, 0.4, [length](double t) { return 500.0 + 1200.0 * Sine(kPi * t / length); },
        [end](double t) { return 0.25 * Sine(kPi * Clamp01(t / end)); });
}
