// RIFF/WAVE encoding: a 16-byte PCM format chunk and the data chunk, padded to an even size.
#include "WaveWriter.h"

#include "ByteWriter.h"

std::vector<uint8_t> EncodeWave(uint32_t sampleRate, const std::vector<uint8_t>& samples) {
    const uint32_t dataSize = uint32_t(samples.size());
    const uint32_t padding = dataSize % 2;
    ByteWriter out;
    out.Text("RIFF");
    out.U32(4 + (8 + 16) + (8 + dataSize + padding));
    out.Text("WAVE");
    out.Text("fmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(1);  // mono
    out.U32(sampleRate);
    out.U32(sampleRate);  // bytes per second
    out.U16(1);           // bytes per sample frame
    out.U16(8);           // bits per sample
    out.Text("data");
    out.U32(dataSize);
    out.Bytes(samples);
    if (padding != 0) {
        out.U8(0x80);
    }
    return out.Take();
}
