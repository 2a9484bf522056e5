// Jingles: short tunes on bell, brass and reed voices.
#include "SoundEffects.h"

namespace {

const std::vector<Partial> kBell = {
    {1.0, 1.0, 0.35}, {2.0, 0.35, 0.15}, {3.01, 0.2, 0.08}, {4.2, 0.1, 0.04}};
// The same bell struck lightly: it rings out within a short clip.
const std::vector<Partial> kChime = {
    {1.0, 1.0, 0.05}, {2.0, 0.35, 0.03}, {3.01, 0.2, 0.018}, {4.2, 0.1, 0.01}};

Voice Brass() {
    return {.harmonics = {1.0, 0.75, 0.55, 0.4, 0.28, 0.2, 0.13, 0.08},
            .envelope = {0.025, 0.25, 0.7, 0.08},
            .vibratoDepth = 0.15,
            .vibratoDelay = 0.25};
}

}  // namespace

void CollectChime(Mixer& mix) {
    mix.Strike(0.0, NoteHz(88.0), kChime, 0.8);
    mix.Strike(0.06, NoteHz(95.0), kChime, 0.9);
}

void GameOverPhrase(Mixer& mix) {
    // A reedy voice walks down and sighs out on a drooping low note.
    const std::vector<double> reedy = {1.0, 0.0, 0.45, 0.0, 0.25, 0.0, 0.12};
    const Voice reed{.harmonics = reedy,
                     .envelope = {0.02, 0.3, 0.6, 0.12},
                     .vibratoDepth = 0.12,
                     .vibratoRate = 5.0,
                     .vibratoDelay = 0.2};
    const double notes[] = {67.0, 63.0, 60.0, 58.0};
    for (int i = 0; i < 4; ++i) {
        mix.Note(0.45 * i, 0.38, notes[i], reed, 0.8);
    }
    // The low note and its bass fade out well before the clip ends.
    const Voice sigh{.harmonics = reedy,
                     .envelope = {0.03, 0.8, 0.7, 0.25},
                     .vibratoDepth = 0.35,
                     .vibratoRate = 4.5,
                     .vibratoDelay = 0.3};
    mix.Note(1.8, 1.3, 55.0, 54.0, sigh, 0.9);
    const Voice bass{.harmonics = {1.0, 0.3, 0.1}, .envelope = {0.02, 0.6, 0.5, 0.25}};
    mix.Note(1.8, 1.2, 43.0, 42.0, bass, 0.5);
}

void HighScoreFanfare(Mixer& mix) {
    const Voice brass = Brass();
    struct Step {
        double start;
        double length;
        double note;
    };
    const Step melody[] = {{0.0, 0.12, 67.0},  {0.14, 0.12, 72.0}, {0.28, 0.12, 76.0},
                           {0.42, 0.26, 79.0}, {0.72, 0.1, 76.0},  {0.84, 0.62, 79.0}};
    for (const Step& step : melody) {
        mix.Note(step.start, step.length, step.note, brass, 0.55);
    }
    for (double note : {60.0, 64.0, 67.0}) {
        mix.Note(0.84, 0.62, note, brass, 0.25);
    }
    mix.Strike(0.84, NoteHz(96.0), kBell, 0.3);
}

void LevelUpArpeggio(Mixer& mix) {
    const double notes[] = {72.0, 76.0, 79.0, 84.0, 88.0, 91.0};
    for (int i = 0; i < 6; ++i) {
        mix.Strike(0.09 * i, NoteHz(notes[i]), kBell, 0.6);
    }
    const Voice pad{.harmonics = {1.0, 0.3, 0.15},
                    .envelope = {0.3, 1.0, 1.0, 0.25},
                    .vibratoDepth = 0.1,
                    .vibratoRate = 5.0,
                    .vibratoDelay = 0.3};
    for (double note : {60.0, 67.0, 72.0}) {
        mix.Note(0.3, 0.9, note, pad, 0.2);
    }
}
