// RIFF WAVE parsing: odd but valid files, and broken ones (the clips the game ships are read
// back in ClipsTest).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/WaveClip.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutU16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void PutU32(Bytes& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutTag(Bytes& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

Bytes FormatChunk(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                  uint16_t blockAlign) {
    Bytes chunk;
    PutTag(chunk, "fmt ");
    PutU32(chunk, 16);
    PutU16(chunk, tag);
    PutU16(chunk, channels);
    PutU32(chunk, rate);
    PutU32(chunk, rate * blockAlign);
    PutU16(chunk, blockAlign);
    PutU16(chunk, bits);
    return chunk;
}

Bytes Chunk(const char* tag, const Bytes& body, uint32_t claimedSize) {
    Bytes chunk;
    PutTag(chunk, tag);
    PutU32(chunk, claimedSize);
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) chunk.push_back(0);
    return chunk;
}

Bytes Chunk(const char* tag, const Bytes& body) { return Chunk(tag, body, uint32_t(body.size())); }

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes body;
    PutTag(body, "WAVE");
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes file;
    PutTag(file, "RIFF");
    PutU32(file, uint32_t(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes MonoEightBit(const Bytes& samples, uint32_t rate = 11025) {
    return Riff({FormatChunk(1, 1, rate, 8, 1), Chunk("data", samples)});
}

// Parses from a buffer of exactly the file's size, so that the sanitizer sees any overread.
std::optional<WaveClip> ParseExact(const Bytes& file, std::unique_ptr<uint8_t[]>& storage) {
    storage = std::make_unique<uint8_t[]>(file.size() + 1);
    std::copy(file.begin(), file.end(), storage.get());
    return ParseWave(std::span<const uint8_t>(storage.get(), file.size()));
}

}  // namespace

TEST(WaveClipTest, ReadsSixteenBitStereoAndTheExtensibleHeader) {
    const Bytes samples{1, 0, 2, 0, 3, 0, 4, 0};
    const std::optional<WaveClip> stereo =
        ParseWave(Riff({FormatChunk(1, 2, 44100, 16, 4), Chunk("data", samples)}));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->bitsPerSample, 16);
    EXPECT_EQ(stereo->samples.size(), 8u);

    Bytes extensible = FormatChunk(0xFFFE, 1, 8000, 8, 1);
    extensible[4] = 40;  // the chunk's size: 16 + 2 + 22
    Bytes extra;
    PutU16(extra, 22);
    PutU16(extra, 8);
    PutU32(extra, 0);
    PutU16(extra, 1);  // the sub-format: PCM
    extra.resize(extra.size() + 14, 0);
    extensible.insert(extensible.end(), extra.begin(), extra.end());
    const std::optional<WaveClip> clip = ParseWave(Riff({extensible, Chunk("data", {1, 2})}));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->sampleRate, 8000);
}

TEST(WaveClipTest, SkipsOtherChunksIncludingOddSizedOnes) {
    const Bytes file = Riff({Chunk("LIST", {'a', 'b', 'c'}), FormatChunk(1, 1, 8000, 8, 1),
                             Chunk("fact", {1, 0, 0, 0}), Chunk("data", {9, 8, 7})});
    const std::optional<WaveClip> clip = ParseWave(file);
    ASSERT_TRUE(clip);
    EXPECT_EQ(Bytes(clip->samples.begin(), clip->samples.end()), (Bytes{9, 8, 7}));
    // The format may also come after the data.
    const std::optional<WaveClip> late =
        ParseWave(Riff({Chunk("data", {5, 6}), FormatChunk(1, 1, 8000, 8, 1)}));
    ASSERT_TRUE(late);
    EXPECT_EQ(late->samples.size(), 2u);
}

TEST(WaveClipTest, DataThatClaimsTooMuchKeepsTheWholeFramesThatAreThere) {
    const Bytes stereo =
        Riff({FormatChunk(1, 2, 8000, 16, 4), Chunk("data", {1, 2, 3, 4, 5, 6}, 1000)});
    const std::optional<WaveClip> clip = ParseWave(stereo);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->samples.size(), 4u);  // 6 bytes hold one 4-byte frame

    Bytes lyingRiff = MonoEightBit({1, 2, 3});
    lyingRiff[4] = 0xFF;  // the RIFF size claims far more than the file holds
    lyingRiff[5] = 0xFF;
    lyingRiff[6] = 0xFF;
    lyingRiff[7] = 0xFF;
    const std::optional<WaveClip> lying = ParseWave(lyingRiff);
    ASSERT_TRUE(lying);
    EXPECT_EQ(lying->samples.size(), 3u);
}

TEST(WaveClipTest, RejectsWhatIsNotAPlayablePcmWave) {
    EXPECT_FALSE(ParseWave({}));
    EXPECT_FALSE(ParseWave(Bytes{'R', 'I', 'F', 'F'}));
    Bytes notRiff = MonoEightBit({1});
    notRiff[0] = 'X';
    EXPECT_FALSE(ParseWave(notRiff));
    Bytes notWave = MonoEightBit({1});
    notWave[8] = 'A';
    EXPECT_FALSE(ParseWave(notWave));
    EXPECT_FALSE(ParseWave(Riff({Chunk("data", {1, 2})})));          // no format
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(1, 1, 8000, 8, 1)})));  // no data
    EXPECT_FALSE(ParseWave(Riff({Chunk("fmt ", {1, 0, 1, 0}), Chunk("data", {1})})));
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(2, 1, 8000, 4, 1), Chunk("data", {1})})));  // ADPCM
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(1, 1, 8000, 24, 3), Chunk("data", {1, 2, 3})})));
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(1, 0, 8000, 8, 0), Chunk("data", {1})})));
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(1, 9, 8000, 8, 9), Chunk("data", {1})})));
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(1, 1, 0, 8, 1), Chunk("data", {1})})));
    EXPECT_FALSE(ParseWave(Riff({FormatChunk(1, 1, 8000, 8, 2), Chunk("data", {1, 2})})));
    // The RIFF size cuts the file before its chunks.
    Bytes shortRiff = MonoEightBit({1, 2});
    shortRiff[4] = 2;
    shortRiff[5] = shortRiff[6] = shortRiff[7] = 0;
    EXPECT_FALSE(ParseWave(shortRiff));
}

TEST(WaveClipTest, EveryTruncationAndHugeChunkSizeStaysInsideTheBytes) {
    const Bytes file =
        Riff({Chunk("LIST", {'x'}), FormatChunk(1, 1, 8000, 8, 1), Chunk("data", {1, 2, 3, 4, 5})});
    std::unique_ptr<uint8_t[]> storage;
    for (size_t length = 0; length <= file.size(); ++length) {
        const std::optional<WaveClip> clip =
            ParseExact(Bytes(file.begin(), file.begin() + ptrdiff_t(length)), storage);
        if (!clip) continue;
        const uint8_t* begin = storage.get();
        EXPECT_GE(clip->samples.data(), begin);
        EXPECT_LE(clip->samples.data() + clip->samples.size(), begin + length);
    }
    for (size_t at = 12; at + 8 <= file.size(); ++at) {
        Bytes corrupt = file;
        corrupt[at + 4] = corrupt[at + 5] = corrupt[at + 6] = corrupt[at + 7] = 0xFF;
        const std::optional<WaveClip> clip = ParseExact(corrupt, storage);
        if (clip) {
            EXPECT_LE(clip->samples.data() + clip->samples.size(), storage.get() + corrupt.size());
        }
    }
}
