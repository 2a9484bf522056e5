// The title tune: eight bars in C major at 133 beats a minute (I - vi - IV - V twice, the
// second time climbing higher and turning home), a plucky square lead over a round bass,
// soft off-beat chords and a light kick and hat.
#include <cmath>

#include "SoundEffects.h"
#include "StableMath.h"

namespace {

constexpr double kBeat = 0.45;
constexpr double kEighth = kBeat / 2.0;

// The melody in eighth notes (MIDI numbers): each kHold lengthens the note before it by an
// eighth, kRest is silence.
constexpr double kHold = 0.0;
constexpr double kRest = -1.0;
constexpr double kMelody[] = {
    67, 72,    76,    79,    76,    kHold, 72,    kHold,  // C
    69, 72,    76,    81,    79,    kHold, 76,    kHold,  // Am
    77, 76,    74,    72,    69,    kHold, 72,    kHold,  // F
    74, 76,    77,    74,    71,    kHold, 67,    kHold,  // G
    67, 72,    76,    79,    84,    kHold, 79,    kHold,  // C
    81, 79,    76,    72,    76,    kHold, 81,    kHold,  // Am
    77, 81,    79,    77,    76,    74,    71,    74,     // F, G
    72, kHold, kHold, kHold, kHold, kHold, kRest, kRest,  // C
};

// Roots of the chord under each half bar.
constexpr double kRoots[] = {48, 48, 45, 45, 41, 41, 43, 43, 48, 48, 45, 45, 41, 43, 48, 48};
constexpr bool kMinor[] = {false, false, true, true, false, false, false, false,
                           false, false, true, true, false, false, false, false};

Voice Lead() {
    return {.harmonics = {1.0, 0.0, 0.34, 0.0, 0.2, 0.0, 0.12, 0.0, 0.07},
            .envelope = {0.004, 0.12, 0.45, 0.06},
            .vibratoDepth = 0.12,
            .vibratoDelay = 0.18};
}

Voice Bass() {
    return {.harmonics = {1.0, 0.0, 0.11, 0.0, 0.04}, .envelope = {0.006, 0.2, 0.35, 0.05}};
}

Voice Chord() { return {.harmonics = {1.0, 0.4, 0.15}, .envelope = {0.01, 0.08, 0.3, 0.04}}; }

void PlayMelody(Mixer& mix) {
    const Voice lead = Lead();
    const size_t count = std::size(kMelody);
    for (size_t i = 0; i < count; ++i) {
        if (kMelody[i] == kHold || kMelody[i] == kRest) {
            continue;
        }
        size_t length = 1;
        while (i + length < count && kMelody[i + length] == kHold) {
            ++length;
        }
        mix.Note(double(i) * kEighth, double(length) * kEighth * 0.92, kMelody[i], lead, 0.5);
    }
}

void PlayBassAndChords(Mixer& mix) {
    const Voice bass = Bass();
    const Voice chord = Chord();
    // Root, fifth, octave, fifth on the beats; a triad on each off-beat of beats 2 and 4.
    const double pattern[] = {0.0, 7.0, 12.0, 7.0};
    for (size_t half = 0; half < std::size(kRoots); ++half) {
        const double root = kRoots[half];
        const bool lastBar = half + 2 >= std::size(kRoots);
        for (int beat = 0; beat < 2; ++beat) {
            const double start = (double(half) * 2.0 + beat) * kBeat;
            if (lastBar) {
                if (half + 2 == std::size(kRoots) && beat == 0) {
                    mix.Note(start, kBeat * 3.0, root, bass, 0.55);
                }
                continue;
            }
            mix.Note(start, kBeat * 0.8, root + pattern[(half % 2) * 2 + beat], bass, 0.55);
            const double third = kMinor[half] ? 3.0 : 4.0;
            for (double interval : {12.0, 12.0 + third, 19.0}) {
                mix.Note(start + kEighth, kEighth * 0.6, root + interval, chord, 0.07);
            }
        }
    }
    // The closing chord rings under the last note and dies away before the tune ends.
    for (double note : {60.0, 64.0, 67.0}) {
        mix.Note(28.0 * kBeat, kBeat * 3.0, note,
                 Voice{.harmonics = {1.0, 0.3}, .envelope = {0.02, 0.6, 0.5, 0.2}}, 0.1);
    }
}

void PlayDrums(Mixer& mix) {
    Noise noise(0x7e11u);
    StateVariableFilter hatFilter;
    const size_t beats = 28;  // the last bar is left to ring
    for (size_t i = 0; i < mix.Length(); ++i) {
        const double t = double(i) / mix.Rate();
        const double inEighth = std::fmod(t, kEighth);
        const bool drumming = t < double(beats) * kBeat;
        const double hiss = hatFilter.Process(noise.Next(), 1700.0, 0.6, mix.Rate()).high;
        if (drumming) {
            mix.Add(i, 0.08 * Exp(-inEighth / 0.012) * hiss);
        }
    }
    for (size_t beat = 0; beat < beats; beat += 2) {
        const size_t first = mix.SampleAt(double(beat) * kBeat);
        double phase = 0.0;
        for (size_t i = 0; i < size_t(0.25 * mix.Rate()); ++i) {
            const double t = double(i) / mix.Rate();
            const double hz = 48.0 + 90.0 * Exp(-t / 0.03);
            mix.Add(first + i, 0.45 * Clamp01(t / 0.002) * Exp(-t / 0.07) * Sine(kTwoPi * phase));
            phase += hz / mix.Rate();
            phase -= std::floor(phase);
        }
    }
}

}  // namespace

void TitleTune(Mixer& mix) {
    PlayMelody(mix);
    PlayBassAndChords(mix);
    PlayDrums(mix);
}
