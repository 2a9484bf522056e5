// The game's single-byte Windows-1252 text as the UTF-8 that window titles and boxes take.
#pragma once

#include <string>
#include <string_view>

// Line breaks and tabs are kept; bytes that stand for no character are left out.
std::string Utf8FromWindows1252(std::string_view text);
