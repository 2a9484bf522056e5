// Sound building blocks: voices made of harmonics with envelopes and vibrato, decaying
// partials for bells and glass, noise, and filters. Signals are doubles around 0, mixed
// by adding into a buffer at a sample rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Lcg.h"

using Signal = std::vector<double>;

// Frequency of a (fractional) MIDI note number: 69 is 440 Hz.
double NoteHz(double midiNote);

// Attack to full level, exponential decay towards the sustain level, and after the note's
// length an exponential release (time constants in seconds).
struct Envelope {
    double attack = 0.005;
    double decay = 0.2;
    double sustain = 0.5;
    double release = 0.05;

    double At(double t, double noteLength) const;
    // How long after the note's start the envelope has faded to nothing worth computing.
    double Span(double noteLength) const { return noteLength + release * 7.0; }
};

struct Voice {
    std::vector<double> harmonics;  // level of the 1st, 2nd, ... harmonic
    Envelope envelope;
    double vibratoDepth = 0.0;  // semitones
    double vibratoRate = 5.5;   // Hz
    double vibratoDelay = 0.0;  // seconds before the vibrato sets in
};

// A partial of a struck tone: its frequency ratio to the fundamental, level and decay time.
struct Partial {
    double ratio;
    double level;
    double decay;
};

class Mixer {
public:
    Mixer(double sampleRate, size_t length) : rate_(sampleRate), out_(length, 0.0) {}

    double Rate() const { return rate_; }
    size_t Length() const { return out_.size(); }
    size_t SampleAt(double seconds) const;
    void Add(size_t index, double value) {
        if (index < out_.size()) {
            out_[index] += value;
        }
    }
    const Signal& Output() const { return out_; }

    // A note of a voice; the pitch glides linearly from fromNote to toNote over the length.
    void Note(double start, double length, double fromNote, double toNote, const Voice& voice,
              double level);
    void Note(double start, double length, double note, const Voice& voice, double level) {
        Note(start, length, note, note, voice, level);
    }
    // A struck tone of decaying partials over the fundamental hz, with a short attack.
    void Strike(double start, double hz, const std::vector<Partial>& partials, double level);

private:
    double rate_;
    Signal out_;
};

// White noise in [-1, 1) from its own seeded generator.
class Noise {
public:
    explicit Noise(uint32_t seed) : random_(seed) {}
    double Next() { return random_.Signed(); }

private:
    Lcg random_;
};

class OnePoleLowPass {
public:
    double Process(double input, double cutoffHz, double sampleRate);

private:
    double state_ = 0.0;
};

// Chamberlin state-variable filter, stable up to about a sixth of the sample rate.
class StateVariableFilter {
public:
    struct Outputs {
        double low;
        double band;
        double high;
    };
    // damping 2 is very broad, 0.1 rings sharply.
    Outputs Process(double input, double cutoffHz, double damping, double sampleRate);

private:
    double low_ = 0.0;
    double band_ = 0.0;
};
