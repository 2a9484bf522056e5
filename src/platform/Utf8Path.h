// Paths as the game holds them (UTF-8 text) and as the file system library takes them:
// on Windows a narrow path would be read in the system's code page, so every conversion
// between the two goes through here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);
