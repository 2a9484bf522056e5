// The sound clips: the ids, rates and lengths of the sound table, clean levels, soft starts
// and ends that die away to silence, and the WAVE files and icons as the game finds them in
// its resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <span>

#include "ClipCatalog.h"
#include "WaveWriter.h"
#include "app/IconResources.h"
#include "platform/WaveClip.h"
#include "sound/WaveResources.h"
#include "support/ByteHash.h"

namespace {

struct Expected {
    int id;
    uint32_t rate;
    uint32_t hundredths;  // length in seconds x 100
    uint64_t waveHash;    // recorded from the rendered clip's WAVE file
};

// The sound table of the game, with each clip's recorded bytes: a change to any synth part,
// the mastering or the maths under them shows there.
constexpr Expected kTable[] = {
    {145, 11025, 1449, 0x2a6426c6008f1bbcu}, {156, 44100, 25, 0xa81c20e6790e3b9eu},
    {157, 22050, 400, 0x76af4a880375cbeeu},  {158, 22050, 210, 0xd3528f7da66104a7u},
    {159, 22050, 326, 0x006aad50b2a141b6u},  {160, 22050, 30, 0x973ed3fbafe03994u},
    {161, 8000, 32, 0xb260cde679cf265du},    {162, 22050, 187, 0x0082b25f11e634f0u},
    {164, 11025, 281, 0xe9c13f1422fc47aeu},  {166, 22050, 35, 0xb7bda46536e319d6u},
    {167, 22050, 89, 0x8082e978e85f3ad7u},   {168, 11025, 82, 0xdc767d6753a3edf9u},
    {169, 11025, 307, 0x85b6b44f890d89f1u},  {173, 8000, 103, 0xe2925c13a2eb86d5u},
    {174, 8000, 111, 0xad5157e88e6d0cfdu},   {175, 8000, 100, 0xc0d3906bfe206513u},
};

void PrintTo(const Expected& e, std::ostream* os) { *os << "clip " << e.id; }

// round(rate x seconds), halves rounded up (22050 x 0.35 = 7717.5 gives 7718).
size_t ExpectedLength(const Expected& e) { return (size_t(e.rate) * e.hundredths + 50) / 100; }

const std::vector<Clip>& Clips() {
    static const std::vector<Clip> clips = RenderAllClips();
    return clips;
}

const Clip* FindClip(int id) {
    for (const Clip& clip : Clips()) {
        if (clip.id == id) return &clip;
    }
    return nullptr;
}

int Distance(uint8_t sample) { return std::abs(int(sample) - 128); }

// The samples' RMS in dB below full scale (a distance of 128); -200 for silence.
double Dbfs(std::span<const uint8_t> samples) {
    double sum = 0.0;
    for (uint8_t s : samples) sum += double(Distance(s)) * Distance(s);
    const double rms = std::sqrt(sum / double(samples.size()));
    return rms > 0.0 ? 20.0 * std::log10(rms / 128.0) : -200.0;
}

}  // namespace

// Below full scale, not silent, and averaging the silence level, so that starting or
// cutting a clip never thumps.
TEST(Clips, StayBelowFullScaleAndHaveNoLastingOffset) {
    for (const Clip& clip : Clips()) {
        SCOPED_TRACE(clip.id);
        int peak = 0;
        long long sum = 0;
        for (uint8_t s : clip.samples) {
            peak = std::max(peak, Distance(s));
            sum += int(s) - 128;
        }
        EXPECT_LE(peak, 120);
        EXPECT_GE(peak, 60) << "too quiet";
        EXPECT_LE(std::llabs(sum) / (long long)clip.samples.size(), 2);
    }
}

class ClipEnds : public ::testing::TestWithParam<Expected> {};

TEST_P(ClipEnds, StartSoftlyAndDieAwayToSilenceBeforeTheLastTwentyMilliseconds) {
    const Clip* clip = FindClip(GetParam().id);
    ASSERT_NE(clip, nullptr);
    const std::span<const uint8_t> s(clip->samples);
    EXPECT_LE(Distance(s.front()), 1);
    for (size_t i = 0; i < clip->sampleRate / 2000; ++i) {
        EXPECT_LE(Distance(s[i]), 8) << "sample " << i;
    }
    const size_t twentyMs = clip->sampleRate / 50;
    EXPECT_LT(Dbfs(s.last(twentyMs)), -60.0) << "still sounding at its end";
    // Decayed, not cut: the 80 ms before that are quiet already.
    EXPECT_LT(Dbfs(s.subspan(s.size() - 5 * twentyMs, 4 * twentyMs)), -35.0)
        << "cut off while it still sounds";
}

INSTANTIATE_TEST_SUITE_P(EveryClip, ClipEnds, ::testing::ValuesIn(kTable),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             return std::to_string(info.param.id);
                         });

// The resources hold the rendered clips of the sound table as 8-bit mono PCM WAVE files that
// the game's reader takes.
TEST(WaveResources, HoldEveryClipOfTheTableAsAPcmWaveFile) {
    ASSERT_EQ(Clips().size(), std::size(kTable));
    for (const Expected& e : kTable) {
        SCOPED_TRACE(e.id);
        const std::span<const uint8_t> wave = FindWaveResource(e.id);
        EXPECT_EQ(HashBytes(wave), e.waveHash);
        const std::optional<WaveClip> read = ParseWave(wave);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->sampleRate, e.rate);
        EXPECT_EQ(read->channels, 1);
        EXPECT_EQ(read->bitsPerSample, 8);
        EXPECT_EQ(read->samples.size(), ExpectedLength(e));
        const Clip* clip = FindClip(e.id);
        ASSERT_NE(clip, nullptr);
        EXPECT_TRUE(std::ranges::equal(read->samples, clip->samples));
        EXPECT_TRUE(std::ranges::equal(wave, EncodeWave(clip->sampleRate, clip->samples)));
    }
}

TEST(IconResources, AreSixteenColourIconsOfTheirSizes) {
    for (auto [id, size] : {std::pair{107, 32}, std::pair{108, 16}}) {
        SCOPED_TRACE(id);
        const Surface icon = LoadIconResource(id);
        ASSERT_EQ(icon.Width(), size);
        ASSERT_EQ(icon.Height(), size);
        std::set<Pixel> colours;
        int transparent = 0;
        for (Pixel p : icon.Pixels()) {
            EXPECT_EQ(p >> 24, 0u);
            colours.insert(p);
            transparent += p == 0;
        }
        EXPECT_LE(colours.size(), 16u);
        EXPECT_GE(colours.size(), 6u);
        EXPECT_GT(transparent, size * size / 5);
        EXPECT_NE(icon.At(size / 2, size * 2 / 5), 0u) << "the gem is missing";
    }
}

TEST(Resources, UnknownIdsAreEmpty) {
    for (int id : {0, -1, 144, 146, 163, 165, 170, 172, 176, 107}) {
        EXPECT_TRUE(FindWaveResource(id).empty()) << id;
    }
    EXPECT_TRUE(LoadIconResource(109).IsEmpty());
    EXPECT_TRUE(LoadIconResource(0).IsEmpty());
}
