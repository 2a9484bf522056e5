// The Windows-1252 code page: which character each byte of the game's text stands for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The Unicode code point of a byte, or 0 for bytes that stand for no printable character
// (control bytes, DEL and the five bytes the code page leaves undefined).
char32_t Cp1252CodePoint(uint8_t byte);

// UTF-8 text from the system (a file's path) as the game's text: characters the code page
// lacks, and bytes that are not UTF-8, become '?'.
std::string Windows1252FromUtf8(std::string_view utf8);
