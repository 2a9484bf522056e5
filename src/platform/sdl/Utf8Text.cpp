// Windows-1252 to UTF-8.
#include "platform/sdl/Utf8Text.h"

#include "platform/Cp1252.h"

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) {
        if (byte == '\n' || byte == '\t') {
            out += byte;
            continue;
        }
        const char32_t c = Cp1252CodePoint(uint8_t(byte));
        if (c != 0) AppendUtf8(out, c);
    }
    return out;
}
