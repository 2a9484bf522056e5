// Windows-1252 to Unicode and back.
#include "platform/Cp1252.h"

#include <array>

namespace {

// 0x80 to 0x9F, the only range where the code page differs from Latin-1; 0 = undefined.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char32_t Cp1252CodePoint(uint8_t byte) {
    if (byte < 0x20 || byte == 0x7F) return 0;
    if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80];
    return byte;
}

std::string Windows1252FromUtf8(std::string_view utf8) {
    std::string text;
    for (size_t at = 0; at < utf8.size();) {
        const uint8_t lead = uint8_t(utf8[at++]);
        if (lead < 0x80) {
            text += char(lead);
            continue;
        }
        const int more = lead >= 0xF8   ? -1
                         : lead >= 0xF0 ? 3
                         : lead >= 0xE0 ? 2
                         : lead >= 0xC0 ? 1
                                        : -1;
        char32_t code = more > 0 ? lead & (0x7F >> (more + 1)) : 0;
        int got = 0;
        for (; got < more && at < utf8.size() && (uint8_t(utf8[at]) & 0xC0) == 0x80; ++got) {
            code = (code << 6) | (uint8_t(utf8[at++]) & 0x3F);
        }
        char byte = '?';
        for (int candidate = 0x80; candidate <= 0xFF && more > 0 && got == more; ++candidate) {
            if (Cp1252CodePoint(uint8_t(candidate)) == code) byte = char(candidate);
        }
        text += byte;
    }
    return text;
}
