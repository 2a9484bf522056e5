// Name keys: table-driven CRC-32 (reflected polynomial 0xEDB88320).
#include "gfx/NameKey.h"

#include <array>

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        }
        table[i] = value;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

uint32_t NameKey(const char* text) {
    uint32_t crc = 0xFFFFFFFFu;
    if (text == nullptr) return crc;
    for (const char* p = text; *p != '\0'; ++p) {
        crc = kCrcTable[(crc ^ uint8_t(*p)) & 0xFF] ^ (crc >> 8);
    }
    return crc;
}
