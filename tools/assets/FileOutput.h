// Writing generated files, leaving a file untouched when it already holds the same bytes so
// that the build does not redo work downstream of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool WriteFileIfChanged(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteFileIfChanged(const std::string& path, const std::string& text);
