// The Windows-1252 code page: which character each byte of the game's text stands for.
#pragma once

#include <cstdint>

// The Unicode code point of a byte, or 0 for bytes that stand for no printable character
// (control bytes, DEL and the five bytes the code page leaves undefined).
char32_t Cp1252CodePoint(uint8_t byte);
