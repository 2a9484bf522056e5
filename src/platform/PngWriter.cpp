// PNG encoding with stored deflate blocks: no compression library is needed.
#include "platform/PngWriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <vector>

#include "platform/Utf8Path.h"

namespace {

constexpr size_t kMaxStoredBlock = 65535;

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> built{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            built[n] = c;
        }
        return built;
    }();
    return table;
}

uint32_t Crc32(const uint8_t* data, size_t size) {
    const auto& table = CrcTable();
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value >> 24));
    out.push_back(uint8_t(value >> 16));
    out.push_back(uint8_t(value >> 8));
    out.push_back(uint8_t(value));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutU32(out, uint32_t(data.size()));
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutU32(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// Each row is filter byte 0 followed by red, green, blue (and alpha, when given) per pixel.
std::vector<uint8_t> RawScanlines(const Surface& surface, std::span<const uint8_t> alpha) {
    const size_t channels = alpha.empty() ? 3 : 4;
    std::vector<uint8_t> raw;
    raw.reserve(size_t(surface.Height()) * (size_t(surface.Width()) * channels + 1));
    const uint8_t* opacity = alpha.data();
    for (int y = 0; y < surface.Height(); ++y) {
        raw.push_back(0);
        const Pixel* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            raw.push_back(PixelRed(row[x]));
            raw.push_back(PixelGreen(row[x]));
            raw.push_back(PixelBlue(row[x]));
            if (opacity != nullptr) raw.push_back(*opacity++);
        }
    }
    return raw;
}

std::vector<uint8_t> StoredZlibStream(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t length = std::min(kMaxStoredBlock, raw.size() - offset);
        const bool last = offset + length == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(uint8_t(length));
        z.push_back(uint8_t(length >> 8));
        z.push_back(uint8_t(~length));
        z.push_back(uint8_t(~length >> 8));
        z.insert(z.end(), raw.begin() + std::ptrdiff_t(offset),
                 raw.begin() + std::ptrdiff_t(offset + length));
        offset += length;
    } while (offset < raw.size());
    PutU32(z, Adler32(raw));
    return z;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Surface& surface, std::span<const uint8_t> alpha) {
    if (surface.IsEmpty() || (!alpha.empty() && alpha.size() != surface.Pixels().size())) {
        return {};
    }
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutU32(header, uint32_t(surface.Width()));
    PutU32(header, uint32_t(surface.Height()));
    const uint8_t colourType = alpha.empty() ? 2 : 6;       // RGB or RGBA
    header.insert(header.end(), {8, colourType, 0, 0, 0});  // 8 bits, no interlace
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlibStream(RawScanlines(surface, alpha)));
    PutChunk(file, "IEND", {});
    return file;
}

bool WritePng(const Surface& surface, const std::string& path) {
    const std::vector<uint8_t> file = EncodePng(surface);
    if (file.empty()) {
        return false;
    }
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    out.close();
    return bool(out);
}
