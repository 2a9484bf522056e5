// Sound building blocks and properties of the finished clips that a listener would notice.
#include <gtest/gtest.h>

#include <cmath>

#include "ClipCatalog.h"
#include "StableMath.h"
#include "Synth.h"

namespace {

std::vector<uint8_t> ClipSamples(int id) {
    static const std::vector<Clip> clips = RenderAllClips();
    for (const Clip& clip : clips) {
        if (clip.id == id) return clip.samples;
    }
    return {};
}

double Rms(const std::vector<uint8_t>& s, size_t from, size_t to) {
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += (int(s[i]) - 128) * (int(s[i]) - 128);
    return std::sqrt(sum / double(to - from));
}

// Sign changes per second over the first tenth of a second: a rough pitch.
double CrossingsPerSecond(const std::vector<uint8_t>& s, double rate) {
    const size_t count = size_t(rate / 10.0);
    int crossings = 0;
    for (size_t i = 1; i < count; ++i) crossings += (s[i - 1] >= 128) != (s[i] >= 128);
    return crossings * 10.0;
}

}  // namespace

TEST(Synth, NotesFollowEqualTemperament) {
    EXPECT_NEAR(NoteHz(69.0), 440.0, 1e-9);
    EXPECT_NEAR(NoteHz(81.0), 880.0, 1e-9);
    EXPECT_NEAR(NoteHz(60.0), 261.6255653, 1e-6);
}

TEST(Synth, EnvelopeRisesDecaysToSustainAndReleases) {
    const Envelope envelope{0.01, 0.05, 0.4, 0.02};
    EXPECT_EQ(envelope.At(-0.001, 1.0), 0.0);
    EXPECT_NEAR(envelope.At(0.005, 1.0), 0.5, 1e-12);
    EXPECT_NEAR(envelope.At(0.01, 1.0), 1.0, 1e-12);
    EXPECT_NEAR(envelope.At(0.9, 1.0), 0.4, 1e-6);
    EXPECT_LT(envelope.At(1.1, 1.0), 0.4 * 0.01);
}

TEST(Synth, NoteSoundsOnlyFromItsStartAndFadesAfterItsLength) {
    Mixer mix(8000.0, 8000);
    const Voice voice{.harmonics = {1.0}, .envelope = {0.005, 0.1, 0.8, 0.01}};
    mix.Note(0.25, 0.25, 69.0, voice, 1.0);
    const Signal& out = mix.Output();
    for (size_t i = 0; i < 2000; ++i) ASSERT_EQ(out[i], 0.0) << i;
    double peak = 0.0;
    for (size_t i = 2000; i < 4000; ++i) peak = std::max(peak, std::fabs(out[i]));
    EXPECT_GT(peak, 0.7);
    for (size_t i = 4600; i < out.size(); ++i) ASSERT_LT(std::fabs(out[i]), 1e-3) << i;
}

TEST(Synth, StrikeLeavesOutPartialsAboveTheAudibleRange) {
    Mixer mix(8000.0, 800);
    // A partial at 5000 Hz cannot be sampled at 8000 Hz; only the 1000 Hz one may sound.
    mix.Strike(0.0, 1000.0, {{1.0, 1.0, 0.5}, {5.0, 1.0, 0.5}}, 1.0);
    int crossings = 0;
    for (size_t i = 1; i < mix.Length(); ++i) {
        crossings += (mix.Output()[i - 1] >= 0.0) != (mix.Output()[i] >= 0.0);
    }
    EXPECT_NEAR(crossings, 200, 4);  // 1000 Hz for a tenth of a second
}

TEST(Synth, FiltersPassWhatTheyShould) {
    OnePoleLowPass low;
    double settled = 0.0;
    for (int i = 0; i < 2000; ++i) settled = low.Process(1.0, 100.0, 8000.0);
    EXPECT_NEAR(settled, 1.0, 1e-6);
    // A tone far above the band-pass centre comes out much weaker than one at the centre.
    auto bandGain = [](double hz) {
        StateVariableFilter filter;
        double peak = 0.0;
        for (int i = 0; i < 4000; ++i) {
            const double out =
                filter.Process(Sine(kTwoPi * hz * i / 22050.0), 500.0, 0.5, 22050.0).band;
            if (i > 2000) peak = std::max(peak, std::fabs(out));
        }
        return peak;
    };
    EXPECT_GT(bandGain(500.0), 5.0 * bandGain(3000.0));
}

TEST(TitleTune, PlaysWithoutGapsUntilTheLastChord) {
    const std::vector<uint8_t> tune = ClipSamples(145);
    ASSERT_EQ(tune.size(), 159752u);
    const size_t second = 11025;
    for (size_t start = 0; start + second <= 13 * second; start += second / 2) {
        EXPECT_GT(Rms(tune, start, start + second), 10.0) << "quiet at " << start / second;
    }
}

TEST(HitSounds, AreThreeDifferentRings) {
    const double a = CrossingsPerSecond(ClipSamples(173), 8000.0);
    const double b = CrossingsPerSecond(ClipSamples(174), 8000.0);
    const double c = CrossingsPerSecond(ClipSamples(175), 8000.0);
    EXPECT_GT(std::fabs(a - b), 0.1 * a);
    EXPECT_GT(std::fabs(b - c), 0.1 * b);
    EXPECT_GT(std::fabs(a - c), 0.1 * a);
}

TEST(GameOverPhrase, FallsInPitch) {
    // The phrase starts on its highest note and ends on its lowest.
    const std::vector<uint8_t> phrase = ClipSamples(157);
    auto pitchAround = [&](double seconds) {
        const size_t from = size_t(seconds * 22050.0);
        return CrossingsPerSecond({phrase.begin() + std::ptrdiff_t(from), phrase.end()}, 22050.0);
    };
    EXPECT_GT(pitchAround(0.1), 1.3 * pitchAround(2.2));
}
