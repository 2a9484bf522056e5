// Text as Windows' wide-character functions take it: UTF-16 from the UTF-8 the program
// keeps its paths in, and from the Windows-1252 of the game's own texts.
#pragma once

#include <string>
#include <string_view>

// Bytes that are not UTF-8 become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);
// Bytes that stand for no character are left out; line breaks and tabs are kept.
std::wstring WideFromWindows1252(std::string_view text);
